// A two-image button glyph: a 16 x 16 pixel drawing in the 16 colours and its disabled look,
// side by side in one 32 x 16 strip. The ground is olive, palette entry 3, which is also the
// strip's bottom-left pixel and so the glyph's transparent colour.
//
// The disabled image is derived from the drawing, etched: every dark pixel of the drawing
// becomes grey (127, 127, 127) with a white copy one pixel down and to the right, everything
// else is ground. The button maps white to the highlight colour and olive to the face colour
// but leaves this grey alone (only the grey 128 is mapped), so the palette carries 127.
#pragma once

#include <array>
#include <string_view>

#include "drawing/BmpWriter.h"

namespace apostila::figures {

class GlyphStrip {
 public:
  static constexpr int kSize = 16;
  static constexpr std::uint8_t kBlack = 0, kOlive = 3, kNavy = 4, kTeal = 6, kSilver = 7, kGrey = 8,
                                kRed = 9, kYellow = 11, kBlue = 12, kAqua = 14, kWhite = 15;
  // The classic 16 colours with the grey entry at (127, 127, 127).
  static const std::array<std::uint32_t, 16> kPalette;

  // 16 rows of 16 characters, one pixel each:
  //   . ground   K black   N navy   T teal   S silver   G grey   R red
  //   Y yellow   B blue    C aqua   W white
  using Art = std::array<std::string_view, kSize>;
  explicit GlyphStrip(const Art& art);

  // The same drawing facing the other way.
  GlyphStrip mirrored() const;

  std::uint8_t at(int x, int y) const { return pixels_[static_cast<std::size_t>(y * kSize + x)]; }
  // Normal image on the left, disabled image on the right.
  IndexedImage strip() const;

 private:
  GlyphStrip() = default;
  static bool dark(std::uint8_t index);

  std::array<std::uint8_t, kSize * kSize> pixels_{};
};

}  // namespace apostila::figures
