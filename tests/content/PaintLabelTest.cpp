// Labels: the fill of an opaque label and the panel showing through a transparent one, the
// disabled emboss, and auto-size against a fixed box that cuts its text off. Each drawing is
// compared pixel by pixel with the text drawn on its own over the background it should have.
#include <gtest/gtest.h>

#include "PaintFixtures.h"
#include "content/ElementText.h"
#include "content/TLabel.h"
#include "content/TPanel.h"
#include "ui/text/TextLayout.h"

namespace apostila::testing {
namespace {

using content::Alignment;
using content::TLabel;

constexpr Rgb kPanel = 0xF0F0E1;

struct LabelPage {
  LabelPage() {
    panel = page.add<content::TPanel>(nullptr, {0, 0, 160, 60});
    panel->setBevelOuter(content::PanelBevel::bvNone);
    panel->setColor(14807280);
    label = page.add<TLabel>(panel, {10, 8, 140, 40});
    label->setAutoSize(false);
    label->font().assign(verdana());
  }
  static const ui::Font& verdana() {
    static ui::Font f = [] {
      ui::Font v;
      v.setName("Verdana");
      v.setHeight(-13);
      v.setStyle(ui::fsBold);
      v.setColor(ui::clBlue);
      return v;
    }();
    return f;
  }
  // The panel with the label's text drawn by itself into the label's box.
  ui::Canvas expected(Rgb box, const ui::TextFormat& format, Rgb text) {
    ui::Canvas c(160, 60, kPanel);
    const ui::Rect r = ui::Rect::ofSize(10, 8, label->width(), label->height());
    c.fillRect(r, box);
    ui::TextLayout::draw(c, content::ElementText::screenFont(label->font()), label->caption(), r, format, text);
    return c;
  }
  PaintPage page;
  content::TPanel* panel = nullptr;
  TLabel* label = nullptr;
};

struct FillCase {
  const char* name;
  bool transparent;
  ui::TColor color;
  Alignment alignment;
  bool wordWrap;
  Rgb box;  // what shows behind the text
};

class LabelFill : public ::testing::TestWithParam<FillCase> {};

TEST_P(LabelFill, BackgroundBehindTheText) {
  const FillCase& c = GetParam();
  LabelPage p;
  p.label->setTransparent(c.transparent);
  p.label->setColor(c.color);
  p.label->setAlignment(c.alignment);
  p.label->setWordWrap(c.wordWrap);
  p.label->setCaption("Corrente de base e corrente de coletor");
  ui::TextFormat f;
  f.wordWrap = c.wordWrap;
  f.align = c.alignment == Alignment::taCenter ? ui::TextFormat::Align::Center : ui::TextFormat::Align::Left;
  EXPECT_TRUE(sameCanvas(p.page.paint(160, 60), p.expected(c.box, f, 0x0000FF)));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LabelFill,
    ::testing::Values(
        // Its own colour is never drawn: the panel shows between the letters.
        FillCase{"Transparent", true, ui::clYellow, Alignment::taLeftJustify, false, kPanel},
        FillCase{"BlackBox", false, ui::clBlack, Alignment::taLeftJustify, false, 0x000000},
        FillCase{"BlackBoxCentredWrapped", false, ui::clBlack, Alignment::taCenter, true, 0x000000}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(LabelDisabled, TextEmbossedInTheThreeDColours) {
  LabelPage p;
  p.label->setTransparent(true);
  p.label->setCaption("Emissor");
  p.label->setEnabled(false);
  ui::Canvas expected(160, 60, kPanel);
  const ui::ScreenFont font = content::ElementText::screenFont(p.label->font());
  const ui::Rect box = ui::Rect::ofSize(10, 8, 140, 40);
  ui::TextFormat f;
  ui::Canvas::State s = expected.state();
  expected.clipTo(box);  // the highlight copy stays inside the label
  ui::TextLayout::draw(expected, font, "Emissor", box.offset(1, 1), f, kHighlight);
  ui::TextLayout::draw(expected, font, "Emissor", box, f, kShadow);
  expected.restore(s);
  EXPECT_TRUE(sameCanvas(p.page.paint(160, 60), expected));
}

TEST(LabelSize, AutoSizeGrowsToItsLineAndAFixedBoxCutsTheTextOff) {
  const std::string text = "Transistor bipolar de junção";
  LabelPage p;
  const ui::ScreenFont font = content::ElementText::screenFont(p.label->font());
  ui::TextFormat f;
  const ui::Rect need = ui::TextLayout::measure(font, text, {0, 0, 1000, 0}, f);
  ASSERT_GT(need.width(), 140);

  // Fixed at 60 x 20: the text runs on past the box, and what lies past it is not drawn.
  p.label->setBounds({10, 8, 60, 20});
  p.label->setTransparent(true);
  p.label->setCaption(text);
  ui::Canvas whole(160, 60, kPanel);
  ui::TextLayout::draw(whole, font, text, ui::Rect::ofSize(10, 8, need.width(), need.height()), f, 0x0000FF);
  ui::Canvas cut(160, 60, kPanel);
  for (int y = 8; y < 28; ++y)
    for (int x = 10; x < 70; ++x) cut.fillRect(ui::Rect::ofSize(x, y, 1, 1), whole.pixel(x, y));
  EXPECT_TRUE(sameCanvas(p.page.paint(160, 60), cut));

  // Auto-sized without word wrap: as wide and high as its one line, the whole text shown.
  p.label->setAutoSize(true);
  EXPECT_EQ(p.label->bounds(), (ui::Bounds{10, 8, need.width(), need.height()}));
  p.panel->setBounds({0, 0, 300, 60});
  ui::Canvas wide(300, 60, kPanel);
  ui::TextLayout::draw(wide, font, text, ui::Rect::ofSize(10, 8, need.width(), need.height()), f, 0x0000FF);
  EXPECT_TRUE(sameCanvas(p.page.paint(300, 60), wide));
}

}  // namespace
}  // namespace apostila::testing
