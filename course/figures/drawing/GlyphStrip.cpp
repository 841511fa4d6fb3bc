// Two-image glyph strips from pixel drawings.
#include "drawing/GlyphStrip.h"

#include <stdexcept>
#include <string>

namespace apostila::figures {

const std::array<std::uint32_t, 16> GlyphStrip::kPalette = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x7F7F7F, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

namespace {
std::uint8_t indexOf(char c) {
  switch (c) {
    case '.': return GlyphStrip::kOlive;
    case 'K': return GlyphStrip::kBlack;
    case 'N': return GlyphStrip::kNavy;
    case 'T': return GlyphStrip::kTeal;
    case 'S': return GlyphStrip::kSilver;
    case 'G': return GlyphStrip::kGrey;
    case 'R': return GlyphStrip::kRed;
    case 'Y': return GlyphStrip::kYellow;
    case 'B': return GlyphStrip::kBlue;
    case 'C': return GlyphStrip::kAqua;
    case 'W': return GlyphStrip::kWhite;
    default: throw std::invalid_argument(std::string("glyph drawing: unknown colour '") + c + "'");
  }
}
}  // namespace

GlyphStrip::GlyphStrip(const Art& art) {
  for (int y = 0; y < kSize; ++y) {
    if (art[static_cast<std::size_t>(y)].size() != kSize) throw std::invalid_argument("glyph drawing: a row is not 16 wide");
    for (int x = 0; x < kSize; ++x)
      pixels_[static_cast<std::size_t>(y * kSize + x)] = indexOf(art[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]);
  }
}

GlyphStrip GlyphStrip::mirrored() const {
  GlyphStrip m;
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) m.pixels_[static_cast<std::size_t>(y * kSize + x)] = at(kSize - 1 - x, y);
  return m;
}

bool GlyphStrip::dark(std::uint8_t index) {
  const std::uint32_t c = kPalette[index];
  return index != kOlive && ((c >> 16) & 0xFF) + ((c >> 8) & 0xFF) + (c & 0xFF) < 384;
}

IndexedImage GlyphStrip::strip() const {
  IndexedImage img;
  img.width = 2 * kSize;
  img.height = kSize;
  img.palette = kPalette;
  img.indices.assign(static_cast<std::size_t>(img.width * img.height), kOlive);
  auto put = [&](int x, int y, std::uint8_t c) { img.indices[static_cast<std::size_t>(y * img.width + x)] = c; };
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) put(x, y, at(x, y));
  // Highlight first, then the grey over it, so the etched edge shows only below and right.
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x)
      if (dark(at(x, y)) && x + 1 < kSize && y + 1 < kSize) put(kSize + x + 1, y + 1, kWhite);
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x)
      if (dark(at(x, y))) put(kSize + x, y, kGrey);
  return img;
}

}  // namespace apostila::figures
