// A font ready to measure and draw text: a stored font description resolved to one of the
// embedded faces at a pixel size. Copies are cheap and share one glyph cache per face and size.
//
// Every advance is a whole number of pixels and drawing places each glyph at exactly the pen
// position that measuring adds up, so a measured width is the drawn width. Like the rest of the
// window-system layer, fonts are used from the one thread that runs the pages.
#pragma once

#include <cstdint>
#include <string_view>

#include "ui/canvas/Canvas.h"
#include "ui/text/FontMetrics.h"
#include "ui/text/FontDesc.h"

namespace apostila::ui {

class ScreenFont {
 public:
  using Rgb = std::uint32_t;

  // Pixel sizes beyond this are drawn at this size: stored data cannot ask for a glyph cache of
  // absurd bitmaps.
  static constexpr int kMaxPixelSize = 400;

  explicit ScreenFont(const FontDesc& desc = {});

  const FontDesc& desc() const { return desc_; }
  const FontMetrics& metrics() const;
  int height() const { return metrics().height; }
  int pixelSize() const;  // the character (em) height in pixels

  // The width of one line of text, the sum of its characters' advances. Control characters,
  // tabs among them, have no width here (tab stops are a matter of layout: see TextLayout).
  int textWidth(std::string_view utf8) const;
  int advance(char32_t cp) const;

  // Draws one line of text with the top-left corner of its cell at (x, top), underlined and
  // struck out as the style asks. Returns the width drawn (= textWidth).
  int drawLine(Canvas& canvas, int x, int top, std::string_view utf8, Rgb color) const;

  // Building blocks for layout: one character with its pen at (penX, cell top), and the
  // underline or strike-out stroke under a span of a line.
  void drawChar(Canvas& canvas, int penX, int top, char32_t cp, Rgb color) const;
  void drawUnderline(Canvas& canvas, int x, int top, int width, Rgb color) const;
  void drawStrikeOut(Canvas& canvas, int x, int top, int width, Rgb color) const;

  struct Instance;  // the resolved faces at one size, shared and cached for the run

 private:
  FontDesc desc_;
  Instance* inst_ = nullptr;
};

}  // namespace apostila::ui
