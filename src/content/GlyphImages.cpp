// Preparing a button's glyph images.
#include "content/GlyphImages.h"

#include <vector>

#include "ui/canvas/Mask.h"
#include "ui/canvas/SystemColors.h"

namespace apostila::content {

namespace {
constexpr std::uint32_t kWhite = 0xFFFFFF, kGrey = 0x808080;
}

int GlyphImages::imageIndex(State state, int numGlyphs) {
  int index = static_cast<int>(state);
  if (state == State::Down && numGlyphs < 3) index = 0;
  return index < numGlyphs ? index : 0;
}

const GlyphImages::Image& GlyphImages::image(State state, const Bitmap& strip, int numGlyphs, unsigned generation) {
  if (generation_ != generation || strip_ != &strip) {
    generation_ = generation;
    strip_ = &strip;
    stripImage_.emplace(strip);
    for (auto& p : prepared_) p.reset();
    for (auto& m : made_) m.reset();
  }
  auto& slot = prepared_[static_cast<std::size_t>(state)];
  if (!slot) slot = build(state, strip, numGlyphs);
  return *slot;
}

GlyphImages::Image GlyphImages::own(State state, ui::Canvas canvas, std::uint32_t transparent) {
  auto& made = made_[static_cast<std::size_t>(state)];
  made = std::make_unique<CanvasImage>(std::move(canvas));
  return {made.get(), ui::Rect::ofSize(0, 0, made->width(), made->height()), transparent};
}

GlyphImages::Image GlyphImages::build(State state, const Bitmap& strip, int numGlyphs) {
  const int count = numGlyphs < 1 ? 1 : numGlyphs;
  const int w = strip.width() / count, h = strip.height();
  if (w <= 0 || h <= 0) return {};
  const std::uint32_t stripKey = strip.bottomLeft();
  const int index = imageIndex(state, count);
  const ui::Rect part = ui::Rect::ofSize(index * w, 0, w, h);

  if (state != State::Disabled) {
    // Drawn from the strip as it is, leaving out the image's own bottom-left colour.
    return {&*stripImage_, part, strip.pixel(part.left, h - 1)};
  }

  const std::uint32_t face = ui::toRgb(ui::clBtnFace);
  const std::uint32_t highlight = ui::toRgb(ui::clBtnHighlight), shadow = ui::toRgb(ui::clBtnShadow);
  ui::Canvas canvas(w, h, face);
  if (count >= 2) {
    // The strip's own disabled image, recoloured for the 3-D scheme: white to highlight, mid
    // grey to shadow, the strip's transparent colour to the face, one after the other.
    std::vector<std::uint32_t> row(static_cast<std::size_t>(w));
    for (int y = 0; y < h; ++y) {
      strip.readRow(y, part.left, w, row.data());
      std::uint32_t* out = canvas.pixels() + static_cast<std::ptrdiff_t>(y) * canvas.stride();
      for (int x = 0; x < w; ++x) {
        std::uint32_t p = row[static_cast<std::size_t>(x)];
        if (p == kWhite) p = highlight;
        if (p == kGrey) p = shadow;
        if (p == stripKey) p = face;
        out[x] = p;
      }
    }
    const std::uint32_t key = canvas.pixel(0, h - 1);
    return own(state, std::move(canvas), key);
  }
  // One image only: its shape (everything neither transparent nor white) etched into the face,
  // a highlight copy one pixel down and to the right under the shadow copy.
  const ui::Mask shape = ui::Mask::fromImage(*stripImage_, part, [&](std::uint32_t p) {
    return p != stripKey && p != kWhite;
  });
  canvas.stampMask(1, 1, shape, highlight);
  canvas.stampMask(0, 0, shape, shadow);
  return own(state, std::move(canvas), face);
}

}  // namespace apostila::content
