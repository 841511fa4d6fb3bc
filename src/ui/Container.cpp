// Child lists, docking and passing colour and font on to children.
#include "ui/Container.h"

#include <algorithm>
#include <cassert>

#include "ui/PropertyBuilders.h"

namespace apostila::ui {

namespace {
constexpr auto kContainerProps = props::byName({
    props::intProp<&Container::setTabOrder>("TabOrder"),
    props::boolProp<&Container::setCtl3D>("Ctl3D"),
    props::boolProp<&Container::setParentCtl3D>("ParentCtl3D"),
    // How many children it holds: derived, so a definition may not set it.
    props::readOnlyIntProp("ControlCount"),
});
}  // namespace

const TypeInfo Container::kType{"TWinControl", &Control::kType, kContainerProps, false, nullptr};

Container::~Container() {
  while (!controls_.empty()) controls_.back()->setParent(nullptr);
}

// Only Control::setParent calls these, and only when the parent really changes, so a control
// being inserted is never already here. Both stay constant-time at the end of the list, which
// keeps reading and freeing a page of many siblings linear.
void Container::insertControl(Control* c) {
  assert(std::find(controls_.begin(), controls_.end(), c) == controls_.end());
  controls_.push_back(c);
}

void Container::removeControl(Control* c) {
  // Searched from the end: the destructor frees children last first.
  auto it = std::find(controls_.rbegin(), controls_.rend(), c);
  if (it != controls_.rend()) controls_.erase(std::next(it).base());
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

void Container::invalidateArea(const Rect& area) {
  if (!visible() || !parent()) return;
  Rect mine = area.offset(left() + clientOffsetX(), top() + clientOffsetY()).intersect(boundsRect());
  if (!mine.empty()) parent()->invalidateArea(mine);
}

void Container::invalidate() {
  if (parent() && visible()) parent()->invalidateArea(boundsRect());
}

void Container::paintTree(Canvas& canvas) {
  // The opaque children paint every pixel of their bounds again: the container's own fills
  // leave those parts to them.
  const std::size_t mark = canvas.covered();
  for (const Control* c : controls_)
    if (c->visible() && c->opaque()) canvas.cover(c->boundsRect().offset(clientOffsetX(), clientOffsetY()));
  paint(canvas);
  canvas.uncover(mark);
  Canvas::State saved = canvas.state();
  canvas.translate(clientOffsetX(), clientOffsetY());
  for (int pass = 0; pass < 2; ++pass) {
    for (Control* c : controls_) {
      if (!c->visible() || c->isWindowed() != (pass == 1)) continue;
      Canvas::Scope scope(canvas, c->boundsRect());
      if (c->isWindowed())
        static_cast<Container*>(c)->paintTree(canvas);
      else
        c->paint(canvas);
    }
  }
  canvas.restore(saved);
}

Control* Container::controlAt(int x, int y, bool enabledOnly, bool pointerOnly) {
  x -= clientOffsetX();
  y -= clientOffsetY();
  // Windowed children lie above the others; among siblings, later ones lie on top.
  for (int pass = 0; pass < 2; ++pass) {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
      Control* c = *it;
      if (!c->visible() || c->isWindowed() != (pass == 0) || !c->boundsRect().contains(x, y)) continue;
      if (c->isWindowed()) return static_cast<Container*>(c)->controlAt(x - c->left(), y - c->top(), enabledOnly, pointerOnly);
      if (enabledOnly && !c->enabled()) continue;
      if (pointerOnly && !c->takesPointer()) continue;
      return c;
    }
  }
  return this;
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
