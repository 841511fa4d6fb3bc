// The fixed classic colour scheme and stored-colour resolution.
#include "ui/canvas/SystemColors.h"

#include <array>

namespace apostila::ui {

namespace {

constexpr std::uint32_t rgb(unsigned r, unsigned g, unsigned b) { return (r << 16) | (g << 8) | b; }

// Indexed as the system colour numbers. Grey 3-D faces, navy selection, teal desktop.
constexpr std::array<std::uint32_t, kSystemColorCount> kScheme = {
    rgb(192, 192, 192),  //  0 scroll bar
    rgb(0, 128, 128),    //  1 desktop background
    rgb(0, 0, 128),      //  2 active caption
    rgb(128, 128, 128),  //  3 inactive caption
    rgb(192, 192, 192),  //  4 menu
    rgb(255, 255, 255),  //  5 window
    rgb(0, 0, 0),        //  6 window frame
    rgb(0, 0, 0),        //  7 menu text
    rgb(0, 0, 0),        //  8 window text
    rgb(255, 255, 255),  //  9 caption text
    rgb(192, 192, 192),  // 10 active border
    rgb(192, 192, 192),  // 11 inactive border
    rgb(128, 128, 128),  // 12 application workspace
    rgb(0, 0, 128),      // 13 highlight
    rgb(255, 255, 255),  // 14 highlight text
    rgb(192, 192, 192),  // 15 button face
    rgb(128, 128, 128),  // 16 button shadow
    rgb(128, 128, 128),  // 17 grey (disabled) text
    rgb(0, 0, 0),        // 18 button text
    rgb(192, 192, 192),  // 19 inactive caption text
    rgb(255, 255, 255),  // 20 button highlight
    rgb(0, 0, 0),        // 21 3-D dark shadow
    rgb(223, 223, 223),  // 22 3-D light
    rgb(0, 0, 0),        // 23 tool-tip text
    rgb(255, 255, 225),  // 24 tool-tip background
    rgb(0, 0, 0),        // 25 (no name)
    rgb(0, 0, 128),      // 26 hot-tracked item
    rgb(16, 132, 208),   // 27 active caption gradient end
    rgb(181, 181, 181),  // 28 inactive caption gradient end
    rgb(0, 0, 128),      // 29 menu highlight
    rgb(192, 192, 192),  // 30 menu bar
};

}  // namespace

std::uint32_t systemColorRgb(int index) {
  if (index < 0 || index >= kSystemColorCount) return 0;
  return kScheme[static_cast<std::size_t>(index)];
}

std::uint32_t toRgb(TColor color) {
  const auto v = static_cast<std::uint32_t>(color);
  if (isSystemColor(color)) {
    // The middle bytes of a system colour carry nothing; a value with them set is not a colour
    // the scheme knows, so it falls to black like any other unknown index.
    if ((v & 0x00FFFF00u) != 0) return 0;
    return systemColorRgb(static_cast<int>(v & 0xFFu));
  }
  return ((v & 0xFFu) << 16) | (v & 0xFF00u) | ((v >> 16) & 0xFFu);
}

}  // namespace apostila::ui
