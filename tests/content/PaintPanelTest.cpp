// Panels: bevels, border and fill pixel by pixel, the caption on its "W"-high line, and a panel
// docked to the top of its parent.
#include <gtest/gtest.h>

#include "PaintFixtures.h"
#include "content/ElementText.h"
#include "content/TPanel.h"
#include "ui/CanvasPixels.h"
#include "ui/text/TextLayout.h"

namespace apostila::testing {
namespace {

using content::PanelBevel;
using content::TPanel;

constexpr Rgb kPanel = 0xF0F0E1;  // stored 14807280, the theory pages' light panel
const ui::test::Palette kColors = {{'H', kHighlight}, {'S', kShadow}, {'F', kPanel}};

struct BevelCase {
  const char* name;
  PanelBevel outer, inner;
  int borderWidth;
  std::vector<std::string> pixels;
};

class PanelBevels : public ::testing::TestWithParam<BevelCase> {};

TEST_P(PanelBevels, FrameAndFill) {
  const BevelCase& c = GetParam();
  PaintPage page;
  auto* p = page.add<TPanel>(nullptr, {0, 0, 7, 7});
  p->setColor(14807280);
  p->setBevelOuter(c.outer);
  p->setBevelInner(c.inner);
  p->setBorderWidth(c.borderWidth);
  EXPECT_TRUE(ui::test::pixelsAre(page.paint(7, 7), c.pixels, kColors));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PanelBevels,
    ::testing::Values(
        // Light on the top and left, dark on the bottom and right; the two mixed corners dark.
        BevelCase{"Raised", PanelBevel::bvRaised, PanelBevel::bvNone, 0,
                  {"HHHHHHS", "HFFFFFS", "HFFFFFS", "HFFFFFS", "HFFFFFS", "HFFFFFS", "SSSSSSS"}},
        // Lowered: the raised bevel with its colours swapped.
        BevelCase{"Lowered", PanelBevel::bvLowered, PanelBevel::bvNone, 0,
                  {"SSSSSSH", "SFFFFFH", "SFFFFFH", "SFFFFFH", "SFFFFFH", "SFFFFFH", "HHHHHHH"}},
        BevelCase{"None", PanelBevel::bvNone, PanelBevel::bvNone, 0,
                  {"FFFFFFF", "FFFFFFF", "FFFFFFF", "FFFFFFF", "FFFFFFF", "FFFFFFF", "FFFFFFF"}},
        // Outer bevel, then a border in the panel's colour, then the inner bevel inside it.
        BevelCase{"RaisedBorderLowered", PanelBevel::bvRaised, PanelBevel::bvLowered, 1,
                  {"HHHHHHS", "HFFFFFS", "HFSSHFS", "HFSFHFS", "HFHHHFS", "HFFFFFS", "SSSSSSS"}}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(PanelCaption, CentredOnALineAsHighAsAW) {
  PaintPage page;
  auto* p = page.add<TPanel>(nullptr, {0, 0, 100, 40});
  p->setColor(ui::clBlack);
  p->font().setColor(ui::clLime);
  p->font().setHeight(-11);
  p->setCaption("Início");
  const ui::Canvas drawn = page.paint(100, 40);

  // Inside the raised bevel the room is rows 1 to 38; the 13-pixel line starts at
  // (1 + 39 - 13) / 2 = 13, and the text is centred across the 98 columns.
  ui::Canvas expected(100, 40, 0);
  expected.edge3D({0, 0, 100, 40}, 1, kHighlight, kShadow);
  const ui::ScreenFont font = content::ElementText::screenFont(p->font());
  ASSERT_EQ(font.height(), 13);
  ui::TextFormat centred;
  centred.align = ui::TextFormat::Align::Center;
  ui::TextLayout::draw(expected, font, "Início", {1, 13, 99, 26}, centred, 0x00FF00);
  EXPECT_TRUE(sameCanvas(drawn, expected));
}

TEST(PanelAlign, TopPanelSpansItsParentAndKeepsItsHeight) {
  PaintPage page;
  auto* parent = page.add<TPanel>(nullptr, {0, 0, 9, 6});
  parent->setBevelOuter(PanelBevel::bvNone);
  parent->setColor(14807280);
  auto* top = page.add<TPanel>(parent, {3, 2, 4, 2});
  top->setBevelOuter(PanelBevel::bvNone);
  top->setColor(ui::clBlack);
  top->setAlign(ui::Align::alTop);
  EXPECT_EQ(top->bounds(), (ui::Bounds{0, 0, 9, 2}));
  EXPECT_TRUE(ui::test::pixelsAre(page.paint(9, 6), {"KKKKKKKKK", "KKKKKKKKK", "FFFFFFFFF", "FFFFFFFFF", "FFFFFFFFF", "FFFFFFFFF"},
                                  {{'K', 0}, {'F', kPanel}}));
}

}  // namespace
}  // namespace apostila::testing
