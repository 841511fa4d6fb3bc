// Push button faces.
#include "content/ButtonPainter.h"

#include <optional>

#include "content/ElementText.h"
#include "content/TSpeedButton.h"
#include "ui/canvas/SystemColors.h"
#include "ui/text/TextLayout.h"

namespace apostila::content {

namespace {

struct Axis {
  int glyph, caption;  // positions of the two items along the layout's direction
};

// Along the layout's direction: extent of the area, sizes of the two items.
Axis along(int extent, int glyph, int caption, int margin, int spacing, bool glyphLast) {
  const bool both = glyph > 0 && caption > 0;
  if (!both) spacing = 0;
  if (margin < 0 && spacing < 0) {
    // Spread evenly: the same gap before, between and after.
    margin = spacing = (extent - glyph - caption) / 3;
  } else if (margin < 0) {
    margin = (extent - (glyph + spacing + caption) + 1) / 2;
  } else if (spacing < 0) {
    spacing = (extent - margin - glyph - caption) / 2;
  }
  if (!glyphLast) return {margin, margin + glyph + spacing};
  const int g = extent - margin - glyph;
  return {g, g - spacing - caption};
}

int across(int extent, int item) { return (extent - item + 1) / 2; }

}  // namespace

ButtonPainter::Placement ButtonPainter::place(const Arrangement& a, int width, int height, int glyphWidth,
                                              int glyphHeight, int captionWidth, int captionHeight) {
  const bool vertical = a.layout == ButtonLayout::blGlyphTop || a.layout == ButtonLayout::blGlyphBottom;
  const bool glyphLast = a.layout == ButtonLayout::blGlyphRight || a.layout == ButtonLayout::blGlyphBottom;
  Placement p;
  if (vertical) {
    const Axis y = along(height, glyphHeight, captionHeight, a.margin, a.spacing, glyphLast);
    p.glyph = ui::Rect::ofSize(across(width, glyphWidth), y.glyph, glyphWidth, glyphHeight);
    p.caption = ui::Rect::ofSize(across(width, captionWidth), y.caption, captionWidth, captionHeight);
  } else {
    const Axis x = along(width, glyphWidth, captionWidth, a.margin, a.spacing, glyphLast);
    p.glyph = ui::Rect::ofSize(x.glyph, across(height, glyphHeight), glyphWidth, glyphHeight);
    p.caption = ui::Rect::ofSize(x.caption, across(height, captionHeight), captionWidth, captionHeight);
  }
  return p;
}

GlyphImages::State ButtonPainter::glyphState(ButtonState::Face face) {
  switch (face) {
    case ButtonState::Face::Disabled: return GlyphImages::State::Disabled;
    case ButtonState::Face::Down: return GlyphImages::State::Down;
    case ButtonState::Face::Latched: return GlyphImages::State::Latched;
    default: return GlyphImages::State::Up;
  }
}

void ButtonPainter::paint(ui::Canvas& canvas, const TSpeedButton& button, ButtonState::Face face, GlyphImages& images) {
  const ui::Rect whole = ui::Rect::ofSize(0, 0, button.width(), button.height());
  const bool down = face == ButtonState::Face::Down || face == ButtonState::Face::Latched;
  const std::uint32_t btnFace = ui::toRgb(ui::clBtnFace);

  ui::Rect content;
  if (button.flat()) {
    if (down || face == ButtonState::Face::Hot) {
      if (!button.transparent()) canvas.fillRect(whole, btnFace);
      const std::uint32_t light = ui::toRgb(ui::clBtnHighlight), dark = ui::toRgb(ui::clBtnShadow);
      if (down)
        canvas.edge3D(whole, 1, dark, light);
      else
        canvas.edge3D(whole, 1, light, dark);
    } else if (!button.transparent()) {
      // Idle or disabled: a transparent flat button has no face at all.
      canvas.fillRect(whole, ui::toRgb(button.color()));
    }
    content = whole.inflate(-1, -1);
  } else {
    content = canvas.buttonFrame(whole, down);
  }
  if (content.empty()) return;

  const GlyphImages::Image& glyph =
      images.image(glyphState(face), button.glyph().bitmap(), button.numGlyphs(), button.glyphGeneration());
  const ui::ScreenFont font = ElementText::screenFont(button.font());
  ui::TextFormat format;
  format.singleLine = true;
  format.align = ui::TextFormat::Align::Center;
  format.clip = false;
  int captionWidth = 0, captionHeight = 0;
  if (!button.caption().empty()) {
    const ui::Rect need = ui::TextLayout::measure(font, button.caption(), {0, 0, content.width(), 0}, format);
    captionWidth = need.width();
    captionHeight = need.height();
  }
  const Placement p = place({button.layout(), button.margin(), button.spacing()}, content.width(), content.height(),
                            glyph.empty() ? 0 : glyph.width(), glyph.empty() ? 0 : glyph.height(), captionWidth,
                            captionHeight);
  const int dx = content.left + (down ? 1 : 0), dy = content.top + (down ? 1 : 0);

  // Glyph and caption stay inside the face, whatever their size.
  ui::Canvas::State saved = canvas.state();
  canvas.clipTo(content);
  if (!glyph.empty()) {
    const ui::Rect at = p.glyph.offset(dx, dy);
    // A transparent button lets the panel show through the glyph's transparent pixels; an
    // opaque one shows its face colour there.
    if (!button.transparent()) canvas.fillRect(at, btnFace);
    canvas.drawImage(at.left, at.top, *glyph.source, glyph.part, glyph.transparent);
  }
  if (captionWidth > 0 || captionHeight > 0)
    ElementText::draw(canvas, font, button.caption(), p.caption.offset(dx, dy), format,
                      ui::toRgb(button.font().color()), face != ButtonState::Face::Disabled);
  canvas.restore(saved);
}

}  // namespace apostila::content
