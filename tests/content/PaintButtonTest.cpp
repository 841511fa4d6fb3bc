// Push buttons pixel by pixel: the flat faces (idle, hot, pressed) transparent and opaque, the
// disabled glyph images, prepared images following the glyph and its image count, and the
// standard raised button of the answers with its letter, enabled and embossed.
#include <gtest/gtest.h>

#include <functional>

#include "PaintFixtures.h"
#include "content/ElementText.h"
#include "content/TPanel.h"
#include "content/TSpeedButton.h"
#include "ui/CanvasPixels.h"
#include "ui/text/TextLayout.h"

namespace apostila::testing {
namespace {

using content::TSpeedButton;

constexpr Rgb kPanel = 0xF0F0E1, kOlive = 0x808000;
const ColorKey kKey = {{'.', kPanel}, {'o', kOlive},         {'r', 0xFF0000},    {'n', 0x000080},
                       {'w', 0xFFFFFF}, {'g', 0x7F7F7F},     {'m', 0x808080},    {'K', 0x000000},
                       {'F', kFace},    {'H', kHighlight},   {'S', kShadow}};
// What the drawings are read back as: highlight and shadow are white and mid grey in this
// scheme, so those two show as H and S.
const ColorKey kShown = [] {
  ColorKey k = kKey;
  k.erase('w');
  k.erase('m');
  return k;
}();

// Glyph strips as the stored ones are made: olive (the transparent colour) at the bottom left.
const std::vector<std::string> kOneImage = {"rrro", "rooo", "roro", "oooo"};
// Image 1, the disabled one, in white, the glyphs' (127,127,127) grey, mid grey and olive.
const std::vector<std::string> kTwoImages = {"rrrowgmo", "rooogwoo", "roromowg", "oooooooo"};
const std::vector<std::string> kEtchable = {"rwro", "rooo", "oooo", "oooo"};

// What is done to the button before it is painted.
enum class Face { Idle, Hot, Pressed, Disabled };

struct FaceCase {
  const char* name;
  const std::vector<std::string>* strip;
  int numGlyphs;
  bool transparent;
  Face face;
  std::vector<std::string> pixels;
};

class ButtonFaces : public ::testing::TestWithParam<FaceCase> {};

// An 8 x 8 flat button without caption on the light panel; its 4 x 4 glyph is centred in the
// 6 x 6 content area, at (2, 2).
TEST_P(ButtonFaces, FlatButton) {
  const FaceCase& c = GetParam();
  PaintPage page;
  auto* panel = page.add<content::TPanel>(nullptr, {0, 0, 8, 8});
  panel->setBevelOuter(content::PanelBevel::bvNone);
  panel->setColor(14807280);
  auto* b = page.add<TSpeedButton>(panel, {0, 0, 8, 8});
  b->setFlat(true);
  b->setTransparent(c.transparent);
  b->setColor(ui::clBlack);
  b->glyph().setBitmap(bitmapOf(*c.strip, kKey));
  b->setNumGlyphs(c.numGlyphs);
  switch (c.face) {
    case Face::Idle: break;
    case Face::Hot: b->mouseEnter(); break;
    case Face::Pressed: b->mouseEnter(), b->mouseDown(ui::MouseKey::Left, 3, 3, false); break;
    case Face::Disabled: b->setEnabled(false); break;
  }
  EXPECT_TRUE(ui::test::pixelsAre(page.paint(8, 8), c.pixels, kShown));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ButtonFaces,
    ::testing::Values(
        // No face at all: the glyph alone over the panel.
        FaceCase{"IdleTransparent", &kOneImage, 1, true, Face::Idle,
                 {"........", "........", "..rrr...", "..r.....", "..r.r...", "........", "........", "........"}},
        // A raised one-pixel edge under the pointer.
        FaceCase{"HotTransparent", &kOneImage, 1, true, Face::Hot,
                 {"HHHHHHHS", "H......S", "H.rrr..S", "H.r....S", "H.r.r..S", "H......S", "H......S", "SSSSSSSS"}},
        // Pressed: sunken, and the glyph one pixel down and to the right.
        FaceCase{"PressedTransparent", &kOneImage, 1, true, Face::Pressed,
                 {"SSSSSSSH", "S......H", "S......H", "S..rrr.H", "S..r...H", "S..r.r.H", "S......H", "HHHHHHHH"}},
        // An opaque button fills its face with its colour, or with the face colour where it draws
        // the edge; the glyph's transparent pixels show the face colour.
        FaceCase{"IdleOpaque", &kOneImage, 1, false, Face::Idle,
                 {"KKKKKKKK", "KKKKKKKK", "KKrrrFKK", "KKrFFFKK", "KKrFrFKK", "KKFFFFKK", "KKKKKKKK", "KKKKKKKK"}},
        FaceCase{"HotOpaque", &kOneImage, 1, false, Face::Hot,
                 {"HHHHHHHS", "HFFFFFFS", "HFrrrFFS", "HFrFFFFS", "HFrFrFFS", "HFFFFFFS", "HFFFFFFS", "SSSSSSSS"}},
        // The second image: white to the highlight colour (white in this scheme too), olive to
        // the face colour, which is then transparent; the 127 grey stays as it is.
        FaceCase{"DisabledTwoImagesTransparent", &kTwoImages, 2, true, Face::Disabled,
                 {"........", "........", "..HgS...", "..gH....", "..S.Hg..", "........", "........", "........"}},
        FaceCase{"DisabledTwoImagesOpaque", &kTwoImages, 2, false, Face::Disabled,
                 {"KKKKKKKK", "KKKKKKKK", "KKHgSFKK", "KKgHFFKK", "KKSFHgKK", "KKFFFFKK", "KKKKKKKK", "KKKKKKKK"}},
        // Pressed with two images still shows the first.
        FaceCase{"PressedTwoImages", &kTwoImages, 2, true, Face::Pressed,
                 {"SSSSSSSH", "S......H", "S......H", "S..rrr.H", "S..r...H", "S..r.r.H", "S......H", "HHHHHHHH"}},
        // One image: its shape (not olive, not white) etched, shadow over a highlight copy.
        FaceCase{"DisabledOneImageEtched", &kEtchable, 1, true, Face::Disabled,
                 {"........", "........", "..S.S...", "..SH.H..", "...H....", "........", "........", "........"}}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(ButtonGlyph, PreparedImagesFollowTheGlyphAndItsImageCount) {
  PaintPage page;
  auto* panel = page.add<content::TPanel>(nullptr, {0, 0, 12, 6});
  panel->setBevelOuter(content::PanelBevel::bvNone);
  panel->setColor(14807280);
  auto* b = page.add<TSpeedButton>(panel, {0, 0, 12, 6});
  b->setFlat(true);
  b->glyph().setBitmap(bitmapOf({"rrrrnnnn", "rrrrnnnn", "rrrrnnnn", "orrrnnnn"}, kKey));
  // The whole strip is one 8 x 4 image, centred in the 10 x 4 content area.
  EXPECT_TRUE(ui::test::pixelsAre(page.paint(12, 6),
                                  {"............", "..rrrrnnnn..", "..rrrrnnnn..", "..rrrrnnnn..", "...rrrnnnn..", "............"},
                                  kKey));
  b->setNumGlyphs(2);
  EXPECT_TRUE(ui::test::pixelsAre(page.paint(12, 6),
                                  {"............", "....rrrr....", "....rrrr....", "....rrrr....", ".....rrr....", "............"},
                                  kKey));
  b->glyph().setBitmap(bitmapOf({"nnnnrrrr", "nnnnrrrr", "nnnnrrrr", "onnnrrrr"}, kKey));
  EXPECT_TRUE(ui::test::pixelsAre(page.paint(12, 6),
                                  {"............", "....nnnn....", "....nnnn....", "....nnnn....", ".....nnn....", "............"},
                                  kKey));
}

// The answer buttons: not flat, no glyph, a letter in the standard raised frame.
class AnswerButton : public ::testing::TestWithParam<bool> {};

TEST_P(AnswerButton, LetterCentredInTheRaisedFrame) {
  const bool enabled = GetParam();
  PaintPage page;
  auto* b = page.add<TSpeedButton>(nullptr, {0, 0, 30, 30});
  b->font().setHeight(-11);
  b->font().setStyle(ui::fsBold);
  b->font().setColor(ui::clBlack);
  b->setCaption("A");
  b->setEnabled(enabled);

  ui::Canvas expected(30, 30, 0);
  const ui::Rect content = expected.buttonFrame({0, 0, 30, 30}, false);
  const ui::ScreenFont font = content::ElementText::screenFont(b->font());
  ui::TextFormat f;
  const ui::Rect need = ui::TextLayout::measure(font, "A", {0, 0, 26, 0}, f);
  const ui::Rect at = ui::Rect::ofSize(content.left + (26 - need.width() + 1) / 2,
                                       content.top + (26 - need.height() + 1) / 2, need.width(), need.height());
  if (enabled) {
    ui::TextLayout::draw(expected, font, "A", at, f, 0x000000);
  } else {
    ui::TextLayout::draw(expected, font, "A", at.offset(1, 1), f, kHighlight);
    ui::TextLayout::draw(expected, font, "A", at, f, kShadow);
  }
  EXPECT_TRUE(sameCanvas(page.paint(30, 30), expected));
}

INSTANTIATE_TEST_SUITE_P(States, AnswerButton, ::testing::Values(true, false),
                         [](const auto& test) { return test.param ? "Enabled" : "DisabledEmbossed"; });

}  // namespace
}  // namespace apostila::testing
