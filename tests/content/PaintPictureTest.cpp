// Pictures: natural size at the top-left corner, cut to the element, and with Transparent the
// bottom-left pixel's colour (white in every stored picture) showing the panel behind.
#include <gtest/gtest.h>

#include "PaintFixtures.h"
#include "content/TImage.h"
#include "content/TPanel.h"
#include "ui/CanvasPixels.h"

namespace apostila::testing {
namespace {

constexpr Rgb kPanel = 0xF0F0E1, kWhite = 0xFFFFFF, kRed = 0xFF0000, kNavy = 0x000080;
const ColorKey kKey = {{'w', kWhite}, {'r', kRed}, {'n', kNavy}, {'.', kPanel}};

// A 4 x 3 picture, white around a red and navy shape, white at the bottom left.
const std::vector<std::string> kPicture = {"wrrw", "wnnr", "wwrw"};

struct PictureCase {
  const char* name;
  bool transparent;
  ui::Bounds element;  // inside a 6 x 4 panel
  std::vector<std::string> pixels;
};

class PicturePaint : public ::testing::TestWithParam<PictureCase> {};

TEST_P(PicturePaint, DrawnFromTheTopLeftCorner) {
  const PictureCase& c = GetParam();
  PaintPage page;
  auto* panel = page.add<content::TPanel>(nullptr, {0, 0, 6, 4});
  panel->setBevelOuter(content::PanelBevel::bvNone);
  panel->setColor(14807280);
  auto* image = page.add<content::TImage>(panel, c.element);
  image->picture().setBitmap(bitmapOf(kPicture, kKey));
  image->setTransparent(c.transparent);
  EXPECT_TRUE(ui::test::pixelsAre(page.paint(6, 4), c.pixels, kKey));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PicturePaint,
    ::testing::Values(
        PictureCase{"Opaque", false, {1, 0, 4, 3}, {".wrrw.", ".wnnr.", ".wwrw.", "......"}},
        PictureCase{"TransparentWhiteShowsThePanel", true, {1, 0, 4, 3}, {"..rr..", "..nnr.", "...r..", "......"}},
        // A larger element leaves the rest undrawn; a smaller one cuts the picture off.
        PictureCase{"LargerElement", false, {0, 0, 6, 4}, {"wrrw..", "wnnr..", "wwrw..", "......"}},
        PictureCase{"SmallerElement", false, {2, 1, 2, 2}, {"......", "..wr..", "..wn..", "......"}}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(PictureSize, AutoSizeTakesThePictureSize) {
  PaintPage page;
  auto* image = page.add<content::TImage>(nullptr, {5, 6, 100, 100});
  image->setAutoSize(true);
  image->picture().setBitmap(bitmapOf(kPicture, kKey));
  EXPECT_EQ(image->bounds(), (ui::Bounds{5, 6, 4, 3}));
}

}  // namespace
}  // namespace apostila::testing
