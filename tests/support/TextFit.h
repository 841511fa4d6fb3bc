// Measures of whether a text fits its box as the program lays it out with its own fonts: how
// far the drawn ink reaches past the box, and whether every line break falls between words.
#pragma once

#include <algorithm>
#include <sstream>
#include <string>

#include "content/TLabel.h"
#include "ui/canvas/Canvas.h"
#include "ui/text/ScreenTextMeasurer.h"
#include "ui/text/TextLayout.h"

namespace apostila::testing {

using ui::Rect;
using ui::TextFormat;
using ui::TextLayout;

inline ui::ScreenFont fontOf(const ui::Control& c) { return ui::ScreenFont(ui::ScreenTextMeasurer::descOf(c.font())); }

// How far the drawn text reaches beyond each side of the box it is laid out in.
struct Overflow {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool any() const { return left > 0 || top > 0 || right > 0 || bottom > 0; }
};

// Draws the text unclipped, laid out in textBox, and looks for ink outside limit (both in the
// same coordinates; the text box is the limit unless a caption is placed inside a larger area).
inline Overflow inkOutside(const ui::ScreenFont& font, const std::string& text, const TextFormat& format, const Rect& textBox,
                    const Rect& limit) {
  constexpr int kRoom = 80;
  constexpr std::uint32_t kGround = 0xFFFFFF;
  ui::Canvas canvas(limit.width() + 2 * kRoom, limit.height() + 2 * kRoom, kGround);
  canvas.translate(kRoom - limit.left, kRoom - limit.top);
  TextFormat unclipped = format;
  unclipped.clip = false;
  TextLayout(font, text, textBox.width(), unclipped).draw(canvas, textBox, 0x000000);
  const Rect box = Rect::ofSize(kRoom, kRoom, limit.width(), limit.height());
  Overflow o;
  for (int y = 0; y < canvas.height(); ++y)
    for (int x = 0; x < canvas.width(); ++x) {
      if (canvas.pixel(x, y) == kGround || box.contains(x, y)) continue;
      o.left = std::max(o.left, box.left - x);
      o.right = std::max(o.right, x - box.right + 1);
      o.top = std::max(o.top, box.top - y);
      o.bottom = std::max(o.bottom, y - box.bottom + 1);
    }
  return o;
}
inline Overflow inkOutside(const ui::ScreenFont& font, const std::string& text, const TextFormat& format, int width, int height) {
  const Rect box = Rect::ofSize(0, 0, width, height);
  return inkOutside(font, text, format, box, box);
}

// True when every line break fell between words: the lines joined with single spaces give
// back the text with its runs of spaces collapsed.
inline bool wordsWhole(const TextLayout& layout, const std::string& text) {
  auto collapse = [](const std::string& s) {
    std::istringstream in(s);
    std::string word, out;
    while (in >> word) out += (out.empty() ? "" : " ") + word;
    return out;
  };
  std::string joined;
  for (int i = 0; i < layout.lineCount(); ++i) joined += (i ? " " : "") + layout.lineText(i);
  return collapse(joined) == collapse(text);
}

inline TextFormat labelFormat(const content::TLabel& label) {
  TextFormat f;
  f.align = label.alignment() == content::Alignment::taCenter         ? TextFormat::Align::Center
            : label.alignment() == content::Alignment::taRightJustify ? TextFormat::Align::Right
                                                                       : TextFormat::Align::Left;
  f.wordWrap = label.wordWrap();
  f.expandTabs = true;
  f.prefix = label.showAccelChar();
  return f;
}

// A label's own text in its own box.
inline Overflow labelOverflow(const content::TLabel& label) {
  return inkOutside(fontOf(label), label.caption(), labelFormat(label), label.width(), label.height());
}
inline bool labelWordsWhole(const content::TLabel& label) {
  return wordsWhole(TextLayout(fontOf(label), label.caption(), label.width(), labelFormat(label)), label.caption());
}

}  // namespace apostila::testing
