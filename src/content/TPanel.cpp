// Panel properties and auto-size.
#include "content/TPanel.h"

#include <algorithm>

#include "ui/PropertyBuilders.h"

namespace apostila::content {

namespace {
using namespace ui::props;
const ui::PropInfo kPanelProps[] = {
    enumProp<&TPanel::setBevelOuter>("BevelOuter", kPanelBevelType),
    enumProp<&TPanel::setBevelInner>("BevelInner", kPanelBevelType),
    intProp<&TPanel::setBevelWidth>("BevelWidth"),
    intProp<&TPanel::setBorderWidth>("BorderWidth"),
    enumProp<&TPanel::setBorderStyle>("BorderStyle", kBorderStyleType),
    enumProp<&TPanel::setAlignment>("Alignment", kAlignmentType),
};
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
