// The texts of the start page, the information pages, the contents menu and the theory pages
// against their fixed boxes, laid out with the program's own fonts exactly as the elements lay
// them out: no line may be cut off at a box's edge and no word broken inside. Auto-sized labels
// must stay inside their panel, and button captions must fit beside or under their glyphs.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "CourseFixture.h"
#include "TextFit.h"
#include "content/TLabel.h"
#include "content/TPanel.h"
#include "content/TSpeedButton.h"
#include "ui/text/ScreenTextMeasurer.h"
#include "ui/text/TextLayout.h"

namespace apostila {
namespace {

using namespace testing;

std::string describe(const ui::Form& page, const ui::Control& c, const std::string& what) {
  return page.name() + "." + c.name() + " \"" + c.caption() + "\": " + what;
}

std::string describe(const Overflow& o) {
  return "text reaches beyond the box by " + std::to_string(o.left) + " left, " + std::to_string(o.top) + " top, " +
         std::to_string(o.right) + " right, " + std::to_string(o.bottom) + " bottom";
}

// The panel's client area inside its bevels, in the panel's coordinates.
Rect innerRect(const content::TPanel& panel) {
  int inset = panel.borderWidth();
  if (panel.bevelOuter() != content::PanelBevel::bvNone) inset += panel.bevelWidth();
  if (panel.bevelInner() != content::PanelBevel::bvNone) inset += panel.bevelWidth();
  return Rect::ofSize(0, 0, panel.width(), panel.height()).inflate(-inset, -inset);
}

// Boxes the page layout fixes too small for their font's line, with how far the text may reach
// past them. The introduction page's heading is 33 pixels high for a 32-pixel font whose line
// is 36: what lies below the baseline is cut, and in "Introdução" that is only the cedilla's
// tail. Any other cut, or a deeper one, is a fault.
struct KnownCut {
  const char* page;
  const char* element;
  int bottom;
};
constexpr KnownCut kKnownCuts[] = {{"Form1", "Label1", 3}};

bool knownCut(const ui::Form& page, const ui::Control& c, const Overflow& o) {
  for (const KnownCut& k : kKnownCuts)
    if (page.name() == k.page && c.name() == k.element)
      return o.left == 0 && o.top == 0 && o.right == 0 && o.bottom <= k.bottom;
  return false;
}

void checkLabel(const ui::Form& page, const content::TLabel& label, const Rect& room, std::vector<std::string>& faults) {
  const ui::ScreenFont font = fontOf(label);
  const TextFormat format = labelFormat(label);
  if (label.autoSize()) {
    // Sized to its text at load: the box itself must stay inside what the panel shows.
    const Rect box = label.boundsRect();
    if (box.intersect(room) != box) faults.push_back(describe(page, label, "sized to its text, it leaves its panel"));
    return;
  }
  const TextLayout layout(font, label.caption(), label.width(), format);
  if (!wordsWhole(layout, label.caption())) faults.push_back(describe(page, label, "a word is broken across lines"));
  const Overflow o = inkOutside(font, label.caption(), format, label.width(), label.height());
  if (o.any() && !knownCut(page, label, o)) faults.push_back(describe(page, label, describe(o)));
}

void checkPanelCaption(const ui::Form& page, const content::TPanel& panel, std::vector<std::string>& faults) {
  if (panel.caption().empty()) return;
  // One line, centred vertically on the height of "W" in the inner area.
  const ui::ScreenFont font = fontOf(panel);
  const Rect inner = innerRect(panel);
  const int lineHeight = TextLayout::measure(font, "W", {}, {}).height();
  const int top = (inner.top + inner.bottom - lineHeight) / 2;
  TextFormat format;
  format.align = TextFormat::Align::Center;
  format.singleLine = true;
  const Overflow o = inkOutside(font, panel.caption(), format, {inner.left, top, inner.right, inner.bottom}, inner);
  if (o.any()) faults.push_back(describe(page, panel, describe(o)));
}

void checkButton(const ui::Form& page, const content::TSpeedButton& button, std::vector<std::string>& faults) {
  // A flat face loses one pixel a side to its edge, a raised one two to its frame.
  const int inset = button.flat() ? 1 : 2;
  const int roomW = button.width() - 2 * inset, roomH = button.height() - 2 * inset;
  const Rect caption = TextLayout::measure(fontOf(button), button.caption(), {0, 0, roomW, 0}, {});
  const content::Bitmap& glyph = button.glyph().bitmap();
  const int glyphW = glyph.empty() ? 0 : glyph.width() / std::max(1, button.numGlyphs());
  const int glyphH = glyph.empty() ? 0 : glyph.height();
  const int spacing = glyph.empty() || button.caption().empty() ? 0 : button.spacing();
  int needW = 0, needH = 0;
  if (button.layout() == content::ButtonLayout::blGlyphTop || button.layout() == content::ButtonLayout::blGlyphBottom) {
    needW = std::max(glyphW, caption.width());
    needH = glyphH + spacing + caption.height();
  } else {
    needW = glyphW + spacing + caption.width();
    needH = std::max(glyphH, caption.height());
  }
  if (needW > roomW || needH > roomH)
    faults.push_back(describe(page, button, "needs " + std::to_string(needW) + " x " + std::to_string(needH) + ", has " +
                                                std::to_string(roomW) + " x " + std::to_string(roomH)));
}

void checkTree(const ui::Form& page, const ui::Container& parent, const Rect& room, std::vector<std::string>& faults) {
  for (const ui::Control* c : parent.controls()) {
    if (auto* label = dynamic_cast<const content::TLabel*>(c)) checkLabel(page, *label, room, faults);
    if (auto* button = dynamic_cast<const content::TSpeedButton*>(c)) checkButton(page, *button, faults);
    if (auto* panel = dynamic_cast<const content::TPanel*>(c)) {
      checkPanelCaption(page, *panel, faults);
      checkTree(page, *panel, innerRect(*panel), faults);
    }
  }
}

TEST(ShellText, EveryTextFitsItsBoxWithTheProgramsFonts) {
  testing::Course course;
  std::vector<std::string> faults;
  // The start page, the information pages, the contents menu and the sixty theory pages.
  for (int order = 0; order <= 64; ++order) {
    const ui::Form* page = app::page(order);
    const ui::Bounds client = page->clientRect();
    checkTree(*page, *page, Rect::ofSize(0, 0, client.width, client.height), faults);
  }
  std::string all;
  for (const std::string& f : faults) all += "\n  " + f;
  EXPECT_TRUE(faults.empty()) << faults.size() << " texts do not fit:" << all;
}

// The check itself: a text that is cut must be reported, whichever edge cuts it.
TEST(ShellText, TheFitCheckSeesCutLinesAndBrokenWords) {
  const ui::ScreenFont font(ui::FontDesc{"MS Sans Serif", -13, ui::FontDesc::kBold});
  TextFormat wrap;
  wrap.wordWrap = true;
  const int lineH = font.height();
  const int wide = font.textWidth("Polarização da base");
  EXPECT_FALSE(inkOutside(font, "Polarização da base", {}, wide, lineH).any());
  EXPECT_GT(inkOutside(font, "Polarização da base", {}, wide - 8, lineH).right, 0);
  EXPECT_GT(inkOutside(font, "Polarização da base", wrap, wide - 8, lineH).bottom, 0);  // second line cut
  EXPECT_GT(inkOutside(font, "Junção", {}, 200, lineH - 4).bottom, 0);                    // the cedilla
  TextFormat centred;
  centred.align = TextFormat::Align::Center;
  EXPECT_GT(inkOutside(font, "Polarização da base", centred, wide - 8, lineH).left, 0);
  EXPECT_TRUE(wordsWhole(TextLayout(font, "Polarização  da base", wide, wrap), "Polarização  da base"));
  EXPECT_FALSE(wordsWhole(TextLayout(font, "Polarização", wide / 3, wrap), "Polarização"));
}

}  // namespace
}  // namespace apostila
