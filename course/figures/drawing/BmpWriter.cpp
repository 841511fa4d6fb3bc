// BMP encoding.
#include "drawing/BmpWriter.h"

#include <fstream>
#include <stdexcept>

namespace apostila::figures {

const std::array<std::uint32_t, 16> kStandardPalette = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

namespace {
void put16(std::vector<std::uint8_t>& o, std::uint32_t v) {
  o.push_back(static_cast<std::uint8_t>(v));
  o.push_back(static_cast<std::uint8_t>(v >> 8));
}
void put32(std::vector<std::uint8_t>& o, std::uint32_t v) {
  put16(o, v & 0xFFFF);
  put16(o, v >> 16);
}
void header(std::vector<std::uint8_t>& o, std::uint32_t fileSize, std::uint32_t offset, int w, int h, int bits,
            std::uint32_t imageSize, std::uint32_t colours) {
  o.push_back('B');
  o.push_back('M');
  put32(o, fileSize);
  put32(o, 0);
  put32(o, offset);
  put32(o, 40);
  put32(o, static_cast<std::uint32_t>(w));
  put32(o, static_cast<std::uint32_t>(h));
  put16(o, 1);
  put16(o, static_cast<std::uint32_t>(bits));
  put32(o, 0);
  put32(o, imageSize);
  put32(o, 0);
  put32(o, 0);
  put32(o, colours);
  put32(o, 0);
}
}  // namespace

std::vector<std::uint8_t> encodeBmp24(const RgbImage& img) {
  std::uint32_t stride = (static_cast<std::uint32_t>(img.width) * 3 + 3) & ~3u;
  std::uint32_t imageSize = stride * static_cast<std::uint32_t>(img.height);
  std::vector<std::uint8_t> o;
  o.reserve(54 + imageSize);
  header(o, 54 + imageSize, 54, img.width, img.height, 24, imageSize, 0);
  for (int y = img.height - 1; y >= 0; --y) {
    std::size_t start = o.size();
    for (int x = 0; x < img.width; ++x) {
      std::uint32_t p = img.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(img.width) + static_cast<std::size_t>(x)];
      o.push_back(static_cast<std::uint8_t>(p));
      o.push_back(static_cast<std::uint8_t>(p >> 8));
      o.push_back(static_cast<std::uint8_t>(p >> 16));
    }
    while (o.size() - start < stride) o.push_back(0);
  }
  return o;
}

std::vector<std::uint8_t> encodeBmp4(const IndexedImage& img) {
  std::uint32_t stride = ((static_cast<std::uint32_t>(img.width) + 1) / 2 + 3) & ~3u;
  std::uint32_t imageSize = stride * static_cast<std::uint32_t>(img.height);
  std::vector<std::uint8_t> o;
  header(o, 118 + imageSize, 118, img.width, img.height, 4, imageSize, 0);
  for (std::uint32_t c : img.palette) {
    o.push_back(static_cast<std::uint8_t>(c));
    o.push_back(static_cast<std::uint8_t>(c >> 8));
    o.push_back(static_cast<std::uint8_t>(c >> 16));
    o.push_back(0);
  }
  for (int y = img.height - 1; y >= 0; --y) {
    std::size_t start = o.size();
    for (int x = 0; x < img.width; x += 2) {
      auto at = [&](int xx) {
        return xx < img.width ? img.indices[static_cast<std::size_t>(y) * static_cast<std::size_t>(img.width) + static_cast<std::size_t>(xx)] & 15 : 0;
      };
      o.push_back(static_cast<std::uint8_t>((at(x) << 4) | at(x + 1)));
    }
    while (o.size() - start < stride) o.push_back(0);
  }
  return o;
}

void writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace apostila::figures
