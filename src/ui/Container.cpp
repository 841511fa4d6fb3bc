// Child lists, docking and passing colour and font on to children.
#include "ui/Container.h"

#include <algorithm>

#include "ui/PropertyBuilders.h"

namespace apostila::ui {

namespace {
const PropInfo kContainerProps[] = {
    props::intProp<&Container::setTabOrder>("TabOrder"),
    props::boolProp<&Container::setCtl3D>("Ctl3D"),
    props::boolProp<&Container::setParentCtl3D>("ParentCtl3D"),
    // How many children it holds: derived, so a definition may not set it.
    props::readOnlyIntProp("ControlCount"),
};
}  // namespace

const TypeInfo Container::kType{"TWinControl", &Control::kType, kContainerProps, false, nullptr};

Container::~Container() {
  while (!controls_.empty()) controls_.back()->setParent(nullptr);
}

void Container::insertControl(Control* c) {
  if (std::find(controls_.begin(), controls_.end(), c) == controls_.end()) controls_.push_back(c);
}

void Container::removeControl(Control* c) {
  controls_.erase(std::remove(controls_.begin(), controls_.end(), c), controls_.end());
}

void Container::moveControl(Control* c, int position) {
  auto it = std::find(controls_.begin(), controls_.end(), c);
  if (it == controls_.end()) return;
  controls_.erase(it);
  std::size_t pos = position < 0 ? 0 : std::min(static_cast<std::size_t>(position), controls_.size());
  controls_.insert(controls_.begin() + static_cast<std::ptrdiff_t>(pos), c);
}

void Container::arrange() {
  Bounds area = clientRect();
  int top = area.top, bottom = area.bottom();
  // Top-docked children stack downwards in child order, bottom-docked ones upwards.
  for (Control* c : controls_) {
    if (!c->visible() || c->align() != Align::alTop) continue;
    c->Control::setBounds({area.left, top, area.width, c->height()});
    top += c->height();
  }
  for (Control* c : controls_) {
    if (!c->visible() || c->align() != Align::alBottom) continue;
    bottom -= c->height();
    c->Control::setBounds({area.left, bottom, area.width, c->height()});
  }
}

void Container::setBounds(const Bounds& b) {
  bool resized = b.width != width() || b.height != height();
  Control::setBounds(b);
  if (resized) requestArrange();
}

void Container::scaleBy(int num, int den) {
  Control::scaleBy(num, den);
  for (Control* c : controls_) c->scaleBy(num, den);
}

void Container::colorChanged() {
  Control::colorChanged();
  for (Control* c : controls_) c->parentColorChanged();
}

void Container::showHintChanged() {
  for (Control* c : controls_) c->parentShowHintChanged();
}

void Container::parentFontChanged() {
  Control::parentFontChanged();
  for (Control* c : controls_) c->parentFontChanged();
}

void Container::fontChanged() {
  Control::fontChanged();
  for (Control* c : controls_) c->parentFontChanged();
}

}  // namespace apostila::ui
