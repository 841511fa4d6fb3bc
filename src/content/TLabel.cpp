// Label properties, painting and the auto-size rule.
#include "content/TLabel.h"

#include "content/ElementText.h"
#include "ui/PropertyBuilders.h"
#include "ui/TextMeasurer.h"
#include "ui/canvas/SystemColors.h"
#include "ui/text/TextLayout.h"

namespace apostila::content {

namespace {
using namespace ui::props;
constexpr auto kLabelProps = ui::props::byName({
    enumProp<&TLabel::setAlignment>("Alignment", kAlignmentType),
    boolProp<&TLabel::setWordWrap>("WordWrap"),
    boolProp<&TLabel::setTransparent>("Transparent"),
    enumProp<&TLabel::setLayout>("Layout", kTextLayoutType),
    boolProp<&TLabel::setShowAccelChar>("ShowAccelChar"),
    referenceProp<&TLabel::setFocusControl>("FocusControl"),
    eventProp<&TLabel::setOnMouseEnter>("OnMouseEnter"),
    eventProp<&TLabel::setOnMouseLeave>("OnMouseLeave"),
    eventProp<&TLabel::setOnClick>("OnClick"),
});
}  // namespace

const ui::TypeInfo TLabel::kType{"TLabel", &ui::Control::kType, kLabelProps, true,
                                 [](ui::Component& owner) -> ui::Component* { return new TLabel(&owner); }};

TLabel::TLabel(ui::Component* owner) : ui::Control(owner) {
  setBounds({0, 0, 65, 17});
  setParentColor(true);
  setAutoSize(true);
}

void TLabel::setAlignment(Alignment a) {
  if (a == alignment_) return;
  alignment_ = a;
  invalidate();
}

void TLabel::setWordWrap(bool v) {
  if (v == wordWrap_) return;
  wordWrap_ = v;
  adjustSize();
  invalidate();
}

void TLabel::setShowAccelChar(bool v) {
  if (v == showAccelChar_) return;
  showAccelChar_ = v;
  adjustSize();
  invalidate();
}

void TLabel::loaded() {
  ui::Control::loaded();
  adjustSize();
}

void TLabel::paint(ui::Canvas& canvas) {
  const ui::Rect box = ui::Rect::ofSize(0, 0, width(), height());
  if (!transparent_) canvas.fillRect(box, ui::toRgb(color()));
  if (caption().empty()) return;
  // The reading order stays left to right whatever BiDiMode says: right-to-left layout is
  // only honoured where the platform reports right-to-left language support, and this one
  // does not.
  ui::TextFormat format;
  format.align = alignment_ == Alignment::taCenter       ? ui::TextFormat::Align::Center
                 : alignment_ == Alignment::taRightJustify ? ui::TextFormat::Align::Right
                                                           : ui::TextFormat::Align::Left;
  format.wordWrap = wordWrap_;
  format.expandTabs = true;
  format.prefix = showAccelChar_;
  format.clip = true;  // text beyond a fixed-size box is cut off
  const ui::ScreenFont font = ElementText::screenFont(this->font());
  ui::Rect textBox = box;
  if (layout_ != TextLayout::tlTop) {
    const int textHeight = ui::TextLayout::measure(font, caption(), box, format).height();
    const int room = box.height() - textHeight;
    textBox = box.offset(0, layout_ == TextLayout::tlCenter ? room / 2 : room);
    textBox.bottom = box.bottom;
  }
  ElementText::draw(canvas, font, caption(), textBox, format, ui::toRgb(this->font().color()), enabled());
}

void TLabel::adjustSize() {
  if (!autoSize() || loading()) return;
  const ui::TextMeasurer* m = ui::textMeasurer();
  if (!m) return;
  // An empty caption measures as one space, so the label keeps a line's height.
  const std::string& text = caption().empty() ? std::string(" ") : caption();
  ui::TextSize size = m->measure(font(), text, wordWrap_, width());
  int newLeft = left();
  if (alignment_ == Alignment::taRightJustify) newLeft = left() + width() - size.width;
  setBounds({newLeft, top(), size.width, size.height});
}

}  // namespace apostila::content
