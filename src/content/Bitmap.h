// A decoded BMP file. Uncompressed images are read in place from the bytes they were decoded
// from (the page definition keeps those bytes for the whole run), so drawing a picture copies
// no pixels up front; run-length images are expanded once into a pixel buffer of their own.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace apostila::content {

// Header fields as stored, after validation. Width and height are the stored values; the
// decoded image is width x |height|, top row first whatever the stored row order.
struct BitmapHeader {
  std::uint32_t fileSize = 0;     // the file header's size field, not checked
  std::uint32_t pixelOffset = 0;  // the file header's offset to the pixel data
  std::uint32_t headerSize = 0;   // 12 (core) or 40 and more
  std::int32_t width = 0;
  std::int32_t height = 0;        // negative: rows stored top-down
  std::uint16_t planes = 0;
  std::uint16_t bitCount = 0;
  std::uint32_t compression = 0;  // 0 none, 1 RLE8, 2 RLE4, 3 bit fields, 6 bit fields with alpha
  std::uint32_t imageSize = 0;
  std::int32_t xPelsPerMeter = 0;
  std::int32_t yPelsPerMeter = 0;
  std::uint32_t colorsUsed = 0;
  std::uint32_t colorsImportant = 0;
  // The masks in effect: the stored ones for bit fields, the defaults for plain 16 and 32 bits.
  std::uint32_t redMask = 0, greenMask = 0, blueMask = 0, alphaMask = 0;
  std::uint32_t paletteEntries = 0;  // entries actually read into the colour table
};

class Bitmap {
 public:
  // Colours are 0x00RRGGBB throughout the drawing code.
  using Rgb = std::uint32_t;

  Bitmap() = default;  // the empty bitmap: 0 x 0

  // Decodes a whole BMP file. Throws ReadError("Bitmap image is not valid") for a missing "BM"
  // signature, a plane count other than 1 and any other header the decoder cannot honour, and
  // ReadError("Stream read error") for a file too short for its headers. No bytes at all give
  // the empty bitmap (a stored picture of length 0). The bytes must outlive the Bitmap and
  // every copy of it.
  static Bitmap decode(std::span<const std::uint8_t> file);

  bool empty() const { return width_ == 0 || height_ == 0; }
  int width() const { return width_; }
  int height() const { return height_; }
  const BitmapHeader& header() const { return header_; }

  // Colour of pixel (x, y), y counted from the top. Out-of-range coordinates give 0.
  Rgb pixel(int x, int y) const;

  // Converts count pixels of row y, starting at x, into out. The range should lie inside the
  // image; any pixel outside it is written as 0 rather than read from beyond the data.
  void readRow(int y, int x, int count, Rgb* out) const;

  // The transparent colour: the colour of the bottom-left pixel (white for an empty bitmap).
  Rgb bottomLeft() const;

 private:
  // Where readRow() finds the pixels: one case per stored layout, chosen once by decode().
  enum class Source : std::uint8_t { kNone, kIndex1, kIndex4, kIndex8, kBgr24, kBgrx32, kFields16, kFields32, kExpanded };

  void convert(int y, int x, int count, Rgb* out) const;  // the range lies inside the image
  Rgb fields(std::uint32_t value) const;

  BitmapHeader header_;
  int width_ = 0;
  int height_ = 0;
  Source source_ = Source::kNone;
  // In-place source (uncompressed): the pixel rows inside the file bytes. May be shorter than
  // stride_ * height_ when the file is cut short; the missing pixels read as black.
  std::span<const std::uint8_t> pixels_;
  std::size_t stride_ = 0;
  bool topDown_ = false;
  int shift_[4] = {0, 0, 0, 0};   // bit-field extraction: shift and width per channel r, g, b, a
  int bits_[4] = {0, 0, 0, 0};
  std::shared_ptr<const std::array<Rgb, 256>> palette_;  // fixed 256 entries, unused ones black
  // Expanded source (run-length): one colour-table index per pixel, width x height, bottom row
  // first as the stream stores it. Indices keep the buffer a quarter of the size of colours.
  std::shared_ptr<const std::vector<std::uint8_t>> expanded_;
};

}  // namespace apostila::content
