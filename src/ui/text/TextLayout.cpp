// Line breaking and drawing of text blocks.
#include "ui/text/TextLayout.h"

#include <algorithm>
#include <climits>

#include "ui/text/Utf8.h"

namespace apostila::ui {

namespace {
constexpr int kTabStopChars = 8;
}

TextLayout::TextLayout(const ScreenFont& font, std::string_view utf8, int width, const TextFormat& format)
    : font_(font), format_(format) {
  const std::u32string raw = Utf8::decode(utf8);
  text_.reserve(raw.size());
  for (std::size_t i = 0; i < raw.size(); ++i) {
    if (format.prefix && raw[i] == U'&') {
      if (++i == raw.size()) break;  // a lone "&" at the end marks nothing
      text_.push_back(raw[i]);
      accel_.push_back(raw[i] != U'&');
      continue;
    }
    text_.push_back(raw[i]);
    accel_.push_back(false);
  }

  const bool wrapping = format.wordWrap && !format.singleLine;
  std::size_t begin = 0;
  for (std::size_t i = 0;; ++i) {
    const bool atEnd = i == text_.size();
    const bool isBreak = !atEnd && !format.singleLine && (text_[i] == U'\n' || text_[i] == U'\r');
    if (!atEnd && !isBreak) continue;
    if (wrapping) {
      wrap(begin, i, width);
    } else {
      int x = 0;
      for (std::size_t k = begin; k < i; ++k) x += advanceAt(k, x);
      lines_.push_back({begin, i, x});
    }
    if (atEnd) break;
    if (text_[i] == U'\r' && i + 1 < text_.size() && text_[i + 1] == U'\n') ++i;
    begin = i + 1;
  }
}

int TextLayout::advanceAt(std::size_t i, int x) const {
  if (text_[i] == U'\t') {
    if (!format_.expandTabs) return 0;
    const int stop = std::max(1, kTabStopChars * font_.metrics().averageCharWidth);
    return (x / stop + 1) * stop - x;
  }
  return font_.advance(text_[i]);
}

// Greedy filling: a line takes words while they fit; the spaces where a line breaks belong to
// no line. A word that does not fit even on a line of its own is cut between characters, each
// line taking as many characters as fit and always at least one, so the loop always moves on.
void TextLayout::wrap(std::size_t begin, std::size_t end, int width) {
  std::size_t lineBegin = begin, lineEnd = begin;
  int x = 0;             // width of [lineBegin, lineEnd)
  bool hasWord = false;  // the line holds a word, not only leading spaces
  std::size_t i = begin;
  while (i < end) {
    const std::size_t spaces = i;
    while (i < end && text_[i] == U' ') ++i;
    const std::size_t ws = i;
    while (i < end && text_[i] != U' ') ++i;
    const std::size_t we = i;
    if (ws == we) {
      // Spaces closing the paragraph: kept on a line of nothing else, otherwise left out.
      if (!hasWord) {
        for (std::size_t k = spaces; k < we; ++k) x += advanceAt(k, x);
        lineEnd = we;
      }
      break;
    }
    int xs = x;
    for (std::size_t k = spaces; k < ws; ++k) xs += advanceAt(k, xs);
    int xw = xs;
    for (std::size_t k = ws; k < we; ++k) xw += advanceAt(k, xw);
    if (xw <= width) {
      lineEnd = we, x = xw, hasWord = true;
      continue;
    }
    if (hasWord) {
      lines_.push_back({lineBegin, lineEnd, x});
      lineBegin = lineEnd = ws, x = xs = 0;
      xw = 0;
      for (std::size_t k = ws; k < we; ++k) xw += advanceAt(k, xw);
      if (xw <= width) {
        lineEnd = we, x = xw, hasWord = true;
        continue;
      }
    }
    // The word is wider than a whole line.
    std::size_t pos = ws;
    int cx = xs;
    lineEnd = ws;
    for (;;) {
      std::size_t k = pos;
      while (k < we) {
        const int a = advanceAt(k, cx);
        if (cx + a > width && k > lineBegin) break;
        cx += a;
        ++k;
      }
      if (k == we) {
        lineEnd = we, x = cx, hasWord = true;
        break;
      }
      lines_.push_back({lineBegin, k, cx});
      lineBegin = lineEnd = pos = k;
      cx = 0;
    }
  }
  lines_.push_back({lineBegin, lineEnd, x});
}

int TextLayout::width() const {
  int w = 0;
  for (const Line& l : lines_) w = std::max(w, l.width);
  return w;
}

int TextLayout::height() const {
  return static_cast<int>(std::min<long long>(static_cast<long long>(lines_.size()) * font_.height(), INT_MAX));
}

std::string TextLayout::lineText(int line) const {
  const Line& l = lines_.at(static_cast<std::size_t>(line));
  return Utf8::encode(std::u32string_view(text_).substr(l.begin, l.end - l.begin));
}

int TextLayout::lineWidth(int line) const { return lines_.at(static_cast<std::size_t>(line)).width; }

Rect TextLayout::measure(const ScreenFont& font, std::string_view utf8, const Rect& bounds,
                         const TextFormat& format) {
  const TextLayout layout(font, utf8, bounds.width(), format);
  return {bounds.left, bounds.top, static_cast<int>(std::min<long long>(static_cast<long long>(bounds.left) + layout.width(), INT_MAX)),
          static_cast<int>(std::min<long long>(static_cast<long long>(bounds.top) + layout.height(), INT_MAX))};
}

void TextLayout::draw(Canvas& canvas, const ScreenFont& font, std::string_view utf8, const Rect& bounds,
                      const TextFormat& format, Rgb color) {
  TextLayout(font, utf8, bounds.width(), format).draw(canvas, bounds, color);
}

void TextLayout::draw(Canvas& canvas, const Rect& bounds, Rgb color) const {
  const Canvas::State saved = canvas.state();
  if (format_.clip) canvas.clipTo(bounds);
  const int lineHeight = font_.height();
  const Rect visible = canvas.logicalClip();
  for (std::size_t n = 0; n < lines_.size(); ++n) {
    const long long top = static_cast<long long>(bounds.top) + static_cast<long long>(n) * lineHeight;
    if (top >= visible.bottom) break;
    if (top + lineHeight <= visible.top) continue;
    const Line& l = lines_[n];
    long long left = bounds.left;
    if (format_.align == TextFormat::Align::Right) left = static_cast<long long>(bounds.right) - l.width;
    if (format_.align == TextFormat::Align::Center)
      left = bounds.left + (static_cast<long long>(bounds.width()) - l.width) / 2;
    if (left > visible.right || left + l.width < visible.left) continue;
    const int x0 = static_cast<int>(left), y = static_cast<int>(top);
    int x = 0;
    for (std::size_t k = l.begin; k < l.end; ++k) {
      const int a = advanceAt(k, x);
      if (text_[k] != U'\t') font_.drawChar(canvas, x0 + x, y, text_[k], color);
      if (accel_[k]) font_.drawUnderline(canvas, x0 + x, y, a, color);
      x += a;
    }
    if (font_.desc().underline()) font_.drawUnderline(canvas, x0, y, l.width, color);
    if (font_.desc().strikeOut()) font_.drawStrikeOut(canvas, x0, y, l.width, color);
  }
  canvas.restore(saved);
}

}  // namespace apostila::ui
