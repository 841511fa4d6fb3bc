// PNG encoding: each row gets the filter that makes it smallest by the usual sum-of-differences
// estimate, then zlib compresses the lot into a single IDAT chunk.
#include "ui/canvas/PngWriter.h"

#include <zlib.h>

#include <array>
#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string>

namespace apostila::ui {

namespace {

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int s = 24; s >= 0; s -= 8) out.push_back(static_cast<std::uint8_t>(v >> s));
}

void chunk(std::vector<std::uint8_t>& out, const char type[5], const std::uint8_t* data, std::size_t size) {
  put32(out, static_cast<std::uint32_t>(size));
  const std::size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  if (size) out.insert(out.end(), data, data + size);
  const uLong crc = crc32(0L, out.data() + start, static_cast<uInt>(out.size() - start));
  put32(out, static_cast<std::uint32_t>(crc));
}

std::uint8_t paeth(int a, int b, int c) {
  const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
  if (pa <= pb && pa <= pc) return static_cast<std::uint8_t>(a);
  return static_cast<std::uint8_t>(pb <= pc ? b : c);
}

// Filtered scanlines: one filter byte then the filtered row, per row.
std::vector<std::uint8_t> filteredRows(const Canvas& c) {
  const std::size_t rowBytes = static_cast<std::size_t>(c.width()) * 3;
  std::vector<std::uint8_t> out;
  out.reserve((rowBytes + 1) * static_cast<std::size_t>(c.height()));
  std::vector<std::uint8_t> prev(rowBytes, 0), cur(rowBytes);
  std::array<std::vector<std::uint8_t>, 5> cand;
  for (auto& v : cand) v.resize(rowBytes);
  for (int y = 0; y < c.height(); ++y) {
    for (int x = 0; x < c.width(); ++x) {
      const std::uint32_t p = c.pixel(x, y);
      cur[3 * x] = static_cast<std::uint8_t>(p >> 16);
      cur[3 * x + 1] = static_cast<std::uint8_t>(p >> 8);
      cur[3 * x + 2] = static_cast<std::uint8_t>(p);
    }
    for (std::size_t i = 0; i < rowBytes; ++i) {
      const int a = i >= 3 ? cur[i - 3] : 0, b = prev[i], cc = i >= 3 ? prev[i - 3] : 0;
      cand[0][i] = cur[i];
      cand[1][i] = static_cast<std::uint8_t>(cur[i] - a);
      cand[2][i] = static_cast<std::uint8_t>(cur[i] - b);
      cand[3][i] = static_cast<std::uint8_t>(cur[i] - (a + b) / 2);
      cand[4][i] = static_cast<std::uint8_t>(cur[i] - paeth(a, b, cc));
    }
    int best = 0;
    unsigned long long bestCost = ~0ull;
    for (int f = 0; f < 5; ++f) {
      unsigned long long cost = 0;
      for (std::uint8_t v : cand[f]) cost += v < 128 ? v : 256 - v;
      if (cost < bestCost) bestCost = cost, best = f;
    }
    out.push_back(static_cast<std::uint8_t>(best));
    out.insert(out.end(), cand[best].begin(), cand[best].end());
    prev.swap(cur);
  }
  return out;
}

}  // namespace

std::vector<std::uint8_t> PngWriter::encode(const Canvas& canvas) {
  if (canvas.width() <= 0 || canvas.height() <= 0) throw std::invalid_argument("PNG of an empty canvas");
  std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<std::uint8_t> ihdr;
  put32(ihdr, static_cast<std::uint32_t>(canvas.width()));
  put32(ihdr, static_cast<std::uint32_t>(canvas.height()));
  ihdr.insert(ihdr.end(), {8, 2, 0, 0, 0});  // 8 bits, truecolour, deflate, adaptive, no interlace
  chunk(out, "IHDR", ihdr.data(), ihdr.size());

  const std::vector<std::uint8_t> raw = filteredRows(canvas);
  uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
  std::vector<std::uint8_t> packed(packedSize);
  if (compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), 9) != Z_OK)
    throw std::runtime_error("PNG compression failed");
  chunk(out, "IDAT", packed.data(), packedSize);
  chunk(out, "IEND", nullptr, 0);
  return out;
}

void PngWriter::write(const Canvas& canvas, const std::filesystem::path& path) {
  const std::vector<std::uint8_t> bytes = encode(canvas);
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  f.close();
  if (!f) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace apostila::ui
