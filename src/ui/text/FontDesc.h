// What a font is asked for by: the name pages store, the stored height and the style bits.
#pragma once

#include <cstdint>
#include <string>

namespace apostila::ui {

struct FontDesc {
  // Style bits, the same values as the font style set elements store.
  static constexpr std::uint32_t kBold = 1, kItalic = 2, kUnderline = 4, kStrikeOut = 8;

  std::string name = "MS Sans Serif";  // matched without regard to case; unknown names get the default face
  // Negative: the character height in pixels (the em size, without internal leading).
  // Positive: the cell height in pixels (ascent + descent). Zero: the default, 11 px characters.
  int height = -11;
  std::uint32_t style = 0;

  bool bold() const { return (style & kBold) != 0; }
  bool italic() const { return (style & kItalic) != 0; }
  bool underline() const { return (style & kUnderline) != 0; }
  bool strikeOut() const { return (style & kStrikeOut) != 0; }

  bool operator==(const FontDesc&) const = default;
};

}  // namespace apostila::ui
