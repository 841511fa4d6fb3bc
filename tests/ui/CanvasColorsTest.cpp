// Stored colours resolved to the pixel values the canvas draws with.
#include <gtest/gtest.h>

#include "ui/Color.h"
#include "ui/canvas/SystemColors.h"

namespace apostila::ui {
namespace {

TEST(CanvasColors, StoredColoursResolveToRgb) {
  struct Case {
    TColor stored;
    std::uint32_t rgb;
  } cases[] = {
      // Fixed colours are stored blue-green-red: the bytes swap.
      {clRed, 0xFF0000},
      {clBlue, 0x0000FF},
      {0x00D5EAFF, 0xFFEAD5},  // 14019327, the label colour (255, 234, 213)
      {0x00E1F0F0, 0xF0F0E1},  // 14807280, the theory panels' light background
      {0x006F00, 0x006F00},
      // The classic scheme.
      {clBtnFace, 0xC0C0C0},
      {clBtnShadow, 0x808080},
      {clBtnHighlight, 0xFFFFFF},
      {cl3DDkShadow, 0x000000},
      {cl3DLight, 0xDFDFDF},
      {clWindowText, 0x000000},
      {clHighlight, 0x000080},
      {clInfoBk, 0xFFFFE1},
      {clInfoText, 0x000000},
      {clBackground, 0x008080},
      {clMenuBar, 0xC0C0C0},
      // Outside the scheme: index 25 has no name, 31 and up do not exist, middle bytes mean nothing.
      {systemColor(25), 0x000000},
      {systemColor(31), 0x000000},
      {systemColor(255), 0x000000},
      {static_cast<TColor>(0xFF00010F), 0x000000},
      // The two special values read as fixed colours from their low bytes.
      {clNone, 0xFFFFFF},
      {clDefault, 0x000000},
  };
  for (const Case& c : cases) EXPECT_EQ(toRgb(c.stored), c.rgb) << std::hex << "stored 0x" << c.stored;
}

}  // namespace
}  // namespace apostila::ui
