// Panel properties, painting and auto-size.
#include "content/TPanel.h"

#include <algorithm>

#include "content/ElementText.h"
#include "ui/PropertyBuilders.h"
#include "ui/canvas/SystemColors.h"
#include "ui/text/TextLayout.h"

namespace apostila::content {

namespace {
using namespace ui::props;
constexpr auto kPanelProps = ui::props::byName({
    enumProp<&TPanel::setBevelOuter>("BevelOuter", kPanelBevelType),
    enumProp<&TPanel::setBevelInner>("BevelInner", kPanelBevelType),
    intProp<&TPanel::setBevelWidth>("BevelWidth"),
    intProp<&TPanel::setBorderWidth>("BorderWidth"),
    enumProp<&TPanel::setBorderStyle>("BorderStyle", kBorderStyleType),
    enumProp<&TPanel::setAlignment>("Alignment", kAlignmentType),
});

// A bevel frame of the given width inside r; returns what lies inside it.
ui::Rect drawBevel(ui::Canvas& canvas, const ui::Rect& r, PanelBevel bevel, int width) {
  if (bevel == PanelBevel::bvNone || width <= 0) return r;
  // A lowered bevel is the raised one with its light and dark sides swapped; a spacing bevel
  // takes room without drawing.
  const std::uint32_t light = ui::toRgb(ui::clBtnHighlight), dark = ui::toRgb(ui::clBtnShadow);
  if (bevel == PanelBevel::bvRaised) canvas.edge3D(r, width, light, dark);
  if (bevel == PanelBevel::bvLowered) canvas.edge3D(r, width, dark, light);
  return r.inflate(-width, -width);
}
}  // namespace

const ui::TypeInfo TPanel::kType{"TPanel", &ui::Container::kType, kPanelProps, true,
                                 [](ui::Component& owner) -> ui::Component* { return new TPanel(&owner); }};

TPanel::TPanel(ui::Component* owner) : ui::Container(owner) {
  setBounds({0, 0, 185, 41});
  setColor(ui::clBtnFace);
}

void TPanel::loaded() {
  ui::Container::loaded();
  adjustSize();
}

void TPanel::paint(ui::Canvas& canvas) {
  ui::Rect r = ui::Rect::ofSize(0, 0, width(), height());
  const std::uint32_t fill = ui::toRgb(color());
  if (borderStyle_ == BorderStyle::bsSingle) {
    canvas.frameRect(r, ui::toRgb(ui::clWindowFrame));
    r = r.inflate(-1, -1);
  }
  r = drawBevel(canvas, r, bevelOuter_, bevelWidth_);
  if (borderWidth_ > 0) {
    canvas.edge3D(r, borderWidth_, fill, fill);
    r = r.inflate(-borderWidth_, -borderWidth_);
  }
  r = drawBevel(canvas, r, bevelInner_, bevelWidth_);
  canvas.fillRect(r, fill);
  if (caption().empty()) return;

  // The caption's line is as high as a "W" and centred in what the bevels leave.
  const ui::ScreenFont font = ElementText::screenFont(this->font());
  ui::TextFormat format;
  format.singleLine = true;
  format.expandTabs = true;
  format.clip = false;
  format.align = alignment_ == Alignment::taCenter       ? ui::TextFormat::Align::Center
                 : alignment_ == Alignment::taRightJustify ? ui::TextFormat::Align::Right
                                                           : ui::TextFormat::Align::Left;
  const int lineHeight = ui::TextLayout::measure(font, "W", r, format).height();
  const int top = static_cast<int>((static_cast<long long>(r.top) + r.bottom - lineHeight) / 2);
  const ui::Rect line{r.left, top, r.right, top + lineHeight};
  ElementText::draw(canvas, font, caption(), line, format, ui::toRgb(this->font().color()), true);
}

void TPanel::adjustSize() {
  // An auto-sized panel wraps its visible children; it keeps its position.
  if (!autoSize() || loading() || controls().empty()) return;
  int right = 0, bottom = 0;
  bool any = false;
  for (ui::Control* c : controls()) {
    if (!c->visible()) continue;
    right = std::max(right, c->bounds().right());
    bottom = std::max(bottom, c->bounds().bottom());
    any = true;
  }
  if (any) setBounds({left(), top(), right, bottom});
}

}  // namespace apostila::content
