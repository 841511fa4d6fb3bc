// Markup layout: plain runs, scripts and fractions, measured and drawn by one routine so that
// what is measured is what is drawn.
#include "drawing/TextSetter.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "drawing/Drawing.h"
#include "drawing/FigureFonts.h"

namespace apostila::figures {

namespace {

bool scriptChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; }

// The braced group starting at i (which holds '{'), without its braces; i moves past it.
std::string_view group(std::string_view s, std::size_t& i) {
  if (i >= s.size() || s[i] != '{') throw std::invalid_argument("figure text: expected '{' in \"" + std::string(s) + "\"");
  int depth = 0;
  for (std::size_t j = i; j < s.size(); ++j) {
    if (s[j] == '\\' && j + 1 < s.size()) {
      ++j;
      continue;
    }
    if (s[j] == '{') ++depth;
    if (s[j] == '}' && --depth == 0) {
      std::string_view inner = s.substr(i + 1, j - i - 1);
      i = j + 1;
      return inner;
    }
  }
  throw std::invalid_argument("figure text: unbalanced braces in \"" + std::string(s) + "\"");
}

// A script: a braced group or a run of letters and digits.
std::string_view script(std::string_view s, std::size_t& i) {
  const std::size_t start = i;
  if (i < s.size() && s[i] == '{') {
    const std::string_view inner = group(s, i);
    if (inner.empty()) throw std::invalid_argument("figure text: empty script in \"" + std::string(s) + "\"");
    return inner;
  }
  while (i < s.size() && scriptChar(s[i])) ++i;
  if (i == start) throw std::invalid_argument("figure text: empty script in \"" + std::string(s) + "\"");
  return s.substr(start, i - start);
}

}  // namespace

void TextSetter::font(double size) {
  cairo_set_font_face(cr_, FigureFonts::face(bold_));
  cairo_set_font_options(cr_, FigureFonts::options());
  cairo_set_font_size(cr_, size);
}

double TextSetter::glyphs(const std::string& utf8, double size, double x, double y, bool paint, Extent& e) {
  if (utf8.empty()) return 0;
  font(size);
  cairo_font_extents_t fe;
  cairo_font_extents(cr_, &fe);
  cairo_text_extents_t te;
  cairo_text_extents(cr_, utf8.c_str(), &te);
  e.ascent = std::max(e.ascent, fe.ascent * 0.8);
  e.descent = std::max(e.descent, fe.descent);
  if (paint) {
    // Baselines on whole pixels: a run lands on the same pixel rows wherever it is set.
    cairo_glyph_t* glyphs = nullptr;
    int count = 0;
    if (cairo_scaled_font_text_to_glyphs(cairo_get_scaled_font(cr_), std::round(x), std::round(y), utf8.c_str(), -1,
                                         &glyphs, &count, nullptr, nullptr, nullptr) != CAIRO_STATUS_SUCCESS)
      throw std::runtime_error("lettering: the text cannot be set: " + utf8);
    // Each glyph on a whole pixel of the page, where the rasteriser puts it at one to one, so
    // that a twin drawn at twice the size has every glyph where the picture has it.
    for (int i = 0; i < count; ++i) {
      glyphs[i].x = std::round(glyphs[i].x);
      glyphs[i].y = std::round(glyphs[i].y);
    }
    cairo_show_glyphs(cr_, glyphs, count);
    cairo_glyph_free(glyphs);
    cairo_new_path(cr_);
  }
  return te.x_advance;
}

TextSetter::Extent TextSetter::run(std::string_view s, double size, double x, double y, bool paint) {
  Extent e;
  std::string plain;
  const double x0 = x;
  auto flush = [&] {
    x += glyphs(plain, size, x, y, paint, e);
    plain.clear();
  };
  const double sub = size == kMainSize ? kSubSize : size * 0.8;
  std::size_t i = 0;
  while (i < s.size()) {
    const char c = s[i];
    if (c == '\\') {
      if (s.substr(i, 5) == "\\frac") {
        flush();
        i += 5;
        const std::string_view num = group(s, i), den = group(s, i);
        const Extent n = run(num, size, 0, 0, false), d = run(den, size, 0, 0, false);
        const double w = std::max(n.width, d.width) + size * 0.3;
        const double axis = std::round(y - size * 0.32) + 0.5, gap = size * 0.18;
        if (paint) {
          run(num, size, x + (w - n.width) / 2, std::round(axis - gap - n.descent), true);
          run(den, size, x + (w - d.width) / 2, std::round(axis + gap + d.ascent), true);
          cairo_save(cr_);
          cairo_set_line_width(cr_, 1);
          cairo_set_line_cap(cr_, CAIRO_LINE_CAP_BUTT);
          cairo_move_to(cr_, std::round(x + size * 0.1), axis);
          cairo_line_to(cr_, std::round(x + w - size * 0.1), axis);
          cairo_stroke(cr_);
          cairo_restore(cr_);
        }
        e.ascent = std::max(e.ascent, y - axis + gap + n.descent + n.ascent);
        e.descent = std::max(e.descent, axis - y + gap + d.ascent + d.descent);
        x += w;
        continue;
      }
      if (i + 1 < s.size()) plain += s[i + 1];
      i += 2;
      continue;
    }
    if (c == '_' || c == '^') {
      flush();
      ++i;
      std::string text(script(s, i));
      if (c == '^' && !text.empty() && text[0] == '-') text = "\u2212" + text.substr(1);
      const double shift = c == '_' ? size * 0.22 : -size * 0.42;
      const Extent k = run(text, sub, x, y + shift, paint);
      e.ascent = std::max(e.ascent, k.ascent - shift);
      e.descent = std::max(e.descent, k.descent + shift);
      x += k.width;
      continue;
    }
    if (c == '{' || c == '}')
      throw std::invalid_argument("figure text: a brace outside a script or fraction (write \\{) in \"" + std::string(s) + "\"");
    plain += c;
    ++i;
  }
  flush();
  e.width = x - x0;
  return e;
}

TextSetter::Extent TextSetter::measure(std::string_view markup, double size) { return run(markup, size, 0, 0, false); }

TextSetter::Extent TextSetter::draw(Pt at, std::string_view markup, Align align, double size) {
  const Extent e = measure(markup, size);
  const double x = align == Align::Left ? at.x : align == Align::Center ? at.x - e.width / 2 : at.x - e.width;
  if (!ink_) return run(markup, size, x, at.y, true);
  cairo_save(cr_);
  const std::uint32_t rgb = *ink_;
  cairo_set_source_rgb(cr_, ((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0);
  run(markup, size, x, at.y, true);
  cairo_restore(cr_);
  return e;
}

}  // namespace apostila::figures
