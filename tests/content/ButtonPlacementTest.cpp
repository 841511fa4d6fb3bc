// Where a button puts its glyph and caption, and which image of the glyph strip each face uses.
#include <gtest/gtest.h>

#include "content/ButtonPainter.h"

namespace apostila::testing {
namespace {

using content::ButtonLayout;
using content::ButtonPainter;
using content::GlyphImages;

struct PlaceCase {
  const char* name;
  ButtonPainter::Arrangement arrangement;
  int width, height, glyphW, glyphH, captionW, captionH;
  ui::Rect glyph, caption;
};

class ButtonPlacement : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(ButtonPlacement, GlyphAndCaption) {
  const PlaceCase& c = GetParam();
  const auto p = ButtonPainter::place(c.arrangement, c.width, c.height, c.glyphW, c.glyphH, c.captionW, c.captionH);
  EXPECT_EQ(p.glyph, c.glyph);
  EXPECT_EQ(p.caption, c.caption);
}

// The theory pages' 57 x 57 flat "Seguir" (content 55 x 55): a 16 x 16 glyph over a 41 x 16
// caption; 16 + 4 + 16 = 36 high together, so the margin is (55 - 36 + 1) / 2 = 10.
INSTANTIATE_TEST_SUITE_P(
    Cases, ButtonPlacement,
    ::testing::Values(
        PlaceCase{"GlyphTop", {ButtonLayout::blGlyphTop, -1, 4}, 55, 55, 16, 16, 41, 16, {20, 10, 36, 26}, {7, 30, 48, 46}},
        // The same with the axes exchanged; items centred vertically.
        PlaceCase{"GlyphLeft", {ButtonLayout::blGlyphLeft, -1, 4}, 159, 47, 32, 32, 60, 16, {32, 8, 64, 40}, {68, 16, 128, 32}},
        // Without a caption there is no spacing: the glyph alone is centred.
        PlaceCase{"GlyphTopNoCaption", {ButtonLayout::blGlyphTop, -1, 4}, 55, 55, 16, 16, 0, 0, {20, 20, 36, 36}, {28, 36, 28, 36}},
        // Without a glyph the caption alone is centred (the answer buttons).
        PlaceCase{"CaptionOnly", {ButtonLayout::blGlyphLeft, -1, 4}, 26, 26, 0, 0, 9, 13, {9, 13, 9, 13}, {9, 7, 18, 20}},
        // A glyph below or right of the caption comes last, margin from the far edge.
        PlaceCase{"GlyphBottomWithMargin", {ButtonLayout::blGlyphBottom, 5, 4}, 55, 55, 16, 16, 41, 16, {20, 34, 36, 50}, {7, 14, 48, 30}},
        PlaceCase{"GlyphRight", {ButtonLayout::blGlyphRight, -1, 4}, 159, 47, 32, 32, 60, 16, {95, 8, 127, 40}, {31, 16, 91, 32}}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(ButtonGlyphImages, ImageOfEachFace) {
  using S = GlyphImages::State;
  struct Case {
    S state;
    int numGlyphs, index;
  } cases[] = {
      {S::Up, 1, 0},        {S::Disabled, 1, 0}, {S::Down, 1, 0},    {S::Latched, 1, 0},
      {S::Up, 2, 0},        {S::Disabled, 2, 1}, {S::Down, 2, 0},    {S::Latched, 2, 0},
      {S::Down, 3, 2},      {S::Latched, 3, 0},  {S::Latched, 4, 3}, {S::Disabled, 4, 1},
  };
  for (const Case& c : cases)
    EXPECT_EQ(GlyphImages::imageIndex(c.state, c.numGlyphs), c.index)
        << "state " << static_cast<int>(c.state) << " with " << c.numGlyphs << " images";
}

}  // namespace
}  // namespace apostila::testing
