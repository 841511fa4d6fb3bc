// A block of text broken into lines for one font, width and format. Measuring and drawing both
// go through a layout, so a measured rectangle is exactly the one drawn into.
//
//   Rect need = TextLayout::measure(font, caption, box, format);   // how much room it takes
//   TextLayout::draw(canvas, font, caption, box, format, rgb);      // draw it, no background
//
// Lines are top-aligned in the rectangle, one line height (the font's height) apart, and each
// is aligned left, right or centred in the rectangle's width ((width - line width) / 2, rounded
// toward zero). Explicit line breaks are "\r\n", "\n" and a lone "\r"; a text has one line more
// than it has breaks, so the empty text is one empty line.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ui/canvas/Canvas.h"
#include "ui/canvas/Rect.h"
#include "ui/text/ScreenFont.h"
#include "ui/text/TextFormat.h"

namespace apostila::ui {

class TextLayout {
 public:
  using Rgb = std::uint32_t;

  // width is the room for wrapping (used only with wordWrap).
  TextLayout(const ScreenFont& font, std::string_view utf8, int width, const TextFormat& format);

  // The rectangle the text needs: bounds' top-left corner, the widest line's width and the
  // number of lines times the line height. Wrapping uses the width of bounds.
  static Rect measure(const ScreenFont& font, std::string_view utf8, const Rect& bounds, const TextFormat& format);
  // Draws the text in bounds without a background.
  static void draw(Canvas& canvas, const ScreenFont& font, std::string_view utf8, const Rect& bounds,
                   const TextFormat& format, Rgb color);

  int lineCount() const { return static_cast<int>(lines_.size()); }
  int width() const;   // of the widest line
  int height() const;  // lines times line height
  std::string lineText(int line) const;  // as drawn: prefixes resolved, break spaces left out
  int lineWidth(int line) const;

  void draw(Canvas& canvas, const Rect& bounds, Rgb color) const;

 private:
  struct Line {
    std::size_t begin, end;  // characters drawn on the line
    int width;
  };
  int advanceAt(std::size_t i, int x) const;  // advance of character i with the pen at x
  void wrap(std::size_t begin, std::size_t end, int width);

  ScreenFont font_;
  TextFormat format_;
  std::u32string text_;
  std::vector<bool> accel_;  // character is the accelerator (underlined)
  std::vector<Line> lines_;
};

}  // namespace apostila::ui
