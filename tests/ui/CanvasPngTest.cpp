// PNG output read back with an independent decoder: chunks, checksums, every filter type undone,
// every pixel compared.
#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/canvas/Canvas.h"
#include "ui/canvas/PngWriter.h"

namespace apostila::ui {
namespace {

std::uint32_t be32(const std::uint8_t* p) {
  return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}

struct Decoded {
  int width = 0, height = 0;
  std::vector<std::uint32_t> pixels;
  std::vector<int> filters;  // the filter type of each row
};

Decoded decode(const std::vector<std::uint8_t>& png) {
  const std::uint8_t sig[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (png.size() < 8 || !std::equal(sig, sig + 8, png.begin())) throw std::runtime_error("signature");
  Decoded d;
  std::vector<std::uint8_t> idat;
  bool ended = false;
  for (std::size_t pos = 8; pos < png.size();) {
    const std::uint32_t len = be32(&png[pos]);
    const std::string type(png.begin() + static_cast<long>(pos) + 4, png.begin() + static_cast<long>(pos) + 8);
    const std::uint8_t* data = &png[pos + 8];
    const uLong crc = crc32(0, &png[pos + 4], len + 4);
    if (crc != be32(data + len)) throw std::runtime_error("bad CRC in " + type);
    if (type == "IHDR") {
      d.width = static_cast<int>(be32(data));
      d.height = static_cast<int>(be32(data + 4));
      if (data[8] != 8 || data[9] != 2 || data[12] != 0) throw std::runtime_error("not 8-bit RGB");
    } else if (type == "IDAT") {
      idat.insert(idat.end(), data, data + len);
    } else if (type == "IEND") {
      ended = true;
    }
    pos += 12 + len;
  }
  if (!ended) throw std::runtime_error("no IEND");
  const std::size_t stride = static_cast<std::size_t>(d.width) * 3;
  std::vector<std::uint8_t> raw((stride + 1) * static_cast<std::size_t>(d.height));
  uLongf rawSize = raw.size();
  if (uncompress(raw.data(), &rawSize, idat.data(), idat.size()) != Z_OK || rawSize != raw.size())
    throw std::runtime_error("inflate");
  std::vector<std::uint8_t> prev(stride, 0), cur(stride);
  for (int y = 0; y < d.height; ++y) {
    const std::uint8_t* row = &raw[static_cast<std::size_t>(y) * (stride + 1)];
    d.filters.push_back(row[0]);
    for (std::size_t i = 0; i < stride; ++i) {
      const int a = i >= 3 ? cur[i - 3] : 0, b = prev[i], c = i >= 3 ? prev[i - 3] : 0;
      int pred = 0;
      switch (row[0]) {
        case 0: pred = 0; break;
        case 1: pred = a; break;
        case 2: pred = b; break;
        case 3: pred = (a + b) / 2; break;
        case 4: {
          const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
          pred = (pa <= pb && pa <= pc) ? a : (pb <= pc ? b : c);
          break;
        }
        default: throw std::runtime_error("filter type");
      }
      cur[i] = static_cast<std::uint8_t>(row[1 + i] + pred);
    }
    for (int x = 0; x < d.width; ++x)
      d.pixels.push_back((std::uint32_t{cur[3 * x]} << 16) | (std::uint32_t{cur[3 * x + 1]} << 8) | cur[3 * x + 2]);
    prev.swap(cur);
  }
  return d;
}

TEST(CanvasPng, RoundTripsEveryPixel) {
  // Flat areas, gradients and noise, so that rows pick different filters.
  Canvas c(37, 29, 0xF0F0E1);
  std::uint32_t seed = 12345;
  for (int y = 0; y < c.height(); ++y)
    for (int x = 0; x < c.width(); ++x) {
      std::uint32_t v = 0xF0F0E1;
      if (y % 4 == 1) v = static_cast<std::uint32_t>(x * 7) << 8 | static_cast<std::uint32_t>(y * 5);
      if (y % 4 == 2) v = (seed = seed * 1103515245u + 12345u) >> 8 & 0xFFFFFF;
      if (y % 4 == 3) v = static_cast<std::uint32_t>((x + y) * 0x030507) & 0xFFFFFF;
      c.fillRect({x, y, x + 1, y + 1}, v);
    }
  c.translate(5, 5);
  c.clipTo({0, 0, 3, 3});  // origin and clip do not limit what is written out
  const Decoded d = decode(PngWriter::encode(c));
  ASSERT_EQ(d.width, 37);
  ASSERT_EQ(d.height, 29);
  for (int y = 0; y < d.height; ++y)
    for (int x = 0; x < d.width; ++x)
      ASSERT_EQ(d.pixels[static_cast<std::size_t>(y * d.width + x)], c.pixel(x, y)) << x << "," << y;
  EXPECT_GT(std::set<int>(d.filters.begin(), d.filters.end()).size(), 1u);
}

TEST(CanvasPng, WritesTheFileOrSaysWhyNot) {
  Canvas c(3, 2, 0x102030);
  const auto path = std::filesystem::temp_directory_path() / "apostila-canvas-png-test.png";
  PngWriter::write(c, path);
  std::ifstream f(path, std::ios::binary);
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  EXPECT_EQ(bytes, PngWriter::encode(c));
  std::filesystem::remove(path);
  EXPECT_THROW(PngWriter::write(c, "/nonexistent-dir/x.png"), std::runtime_error);
  EXPECT_THROW(PngWriter::encode(Canvas(0, 0)), std::invalid_argument);
}

}  // namespace
}  // namespace apostila::ui
