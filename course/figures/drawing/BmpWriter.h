// Writes the two BMP layouts the course's page definitions carry: 24-bit pictures (40-byte
// header, bottom-up, no colour table) and 4-bit glyph strips with a 16-entry colour table.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <vector>

namespace apostila::figures {

// 0x00RRGGBB per pixel, rows from the top.
struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
  RgbImage(int w, int h, std::uint32_t fill = 0xFFFFFF)
      : width(w), height(h), pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill) {}
  std::uint32_t& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)]; }
};

// Palette indices 0..15 per pixel, rows from the top, with the 16 colours (0x00RRGGBB).
struct IndexedImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> indices;
  std::array<std::uint32_t, 16> palette{};
};

std::vector<std::uint8_t> encodeBmp24(const RgbImage& image);
std::vector<std::uint8_t> encodeBmp4(const IndexedImage& image);
void writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

// The classic 16-colour table: black, maroon, green, olive, navy, purple, teal, silver, grey,
// red, lime, yellow, blue, fuchsia, aqua, white.
extern const std::array<std::uint32_t, 16> kStandardPalette;

}  // namespace apostila::figures
