// Page window properties, defined properties and scaling at load.
#include "ui/Form.h"

#include "ui/PropertyBuilders.h"
#include "ui/TextMeasurer.h"

#include <algorithm>
#include "ui/Application.h"
#include "ui/canvas/SystemColors.h"

namespace apostila::ui {

namespace {
constexpr auto kFormProps = props::byName({
    props::boolProp<&Form::setOldCreateOrder>("OldCreateOrder"),
    props::eventProp<&Form::setOnActivate>("OnActivate"),
    props::eventProp<&Form::setOnDeactivate>("OnDeactivate"),
    props::eventProp<&Form::setOnCreate>("OnCreate"),
    props::eventProp<&Form::setOnClose>("OnClose", EventSignature::Close),
    props::eventProp<&Form::setOnCloseQuery>("OnCloseQuery", EventSignature::CloseQuery),
});
constexpr DefinedProp kFormDefined[] = {
    {"PixelsPerInch", DefinedKind::Integer},
    {"TextHeight", DefinedKind::Integer},
    {"IgnoreFontProperty", DefinedKind::Boolean},
};
}  // namespace

const TypeInfo Form::kType{"TForm", &Container::kType, kFormProps, false, nullptr, kFormDefined};
constinit const PageClassInfo Form::kPageClass{"TForm", nullptr, {}, {}};

Form::Form(Component* owner) : Container(owner) {
  setVisible(false);
  setBounds({0, 0, 648, 514});
}

bool Form::readDefined(std::string_view name, DefinedValue& value) {
  if (sameName(name, "TextHeight")) {
    textHeight_ = value.integer();
  } else if (sameName(name, "PixelsPerInch")) {
    pixelsPerInch_ = value.integer();
  } else if (sameName(name, "IgnoreFontProperty")) {
    ignoreFontProperty_ = value.boolean();
  } else {
    return false;
  }
  return true;
}

void Form::scaleToScreen() {
  const TextMeasurer* m = textMeasurer();
  if (!m || pixelsPerInch_ <= 0 || textHeight_ <= 0) return;
  int screen = m->pixelsPerInch();
  if (screen != pixelsPerInch_) {
    font().setHeight(static_cast<int>(static_cast<long long>(font().height()) * screen / pixelsPerInch_));
    font().setPixelsPerInch(screen);
  }
  int measured = m->textHeight(font());
  if (measured != textHeight_ && measured > 0)
    for (Control* c : controls()) c->scaleBy(measured, textHeight_);
}

}  // namespace apostila::ui

namespace apostila::ui {

Application* Form::application() const { return dynamic_cast<Application*>(owner()); }

void Form::show() {
  if (Application* app = application()) app->showForm(*this);
}

void Form::hide() {
  if (Application* app = application())
    app->hideForm(*this);
  else
    setVisible(false);
}

void Form::close() {
  if (Application* app = application()) app->closeForm(*this);
}

void Form::setBounds(const Bounds& b) {
  Bounds old = bounds();
  Container::setBounds(b);
  // Left and Top move the window at once.
  if (!moving_ && windowId_ != platform::kNoWindow && (old.left != b.left || old.top != b.top))
    if (Application* app = application()) app->moveFormWindow(*this);
}

void Form::invalidateArea(const Rect& area) {
  // A page without its window yet is drawn whole when the window is made: nothing to note.
  if (windowId_ == platform::kNoWindow) return;
  // Children report in the page's own coordinates; the window sees them scrolled.
  Rect view = windowClientW_ > 0 ? scroll_.view() : Rect::ofSize(0, 0, clientRect().width, clientRect().height);
  Rect r = area.offset(clientOffsetX(), clientOffsetY()).intersect(view);
  if (r.empty()) return;
  for (Rect& d : dirty_) {
    // Merge with an overlapping area rather than growing the list without end.
    if (!d.intersect(r).empty()) {
      d = {std::min(d.left, r.left), std::min(d.top, r.top), std::max(d.right, r.right), std::max(d.bottom, r.bottom)};
      return;
    }
  }
  dirty_.push_back(r);
}

void Form::invalidate() {
  if (windowId_ == platform::kNoWindow) return;
  int w = windowClientW_ > 0 ? windowClientW_ : clientRect().width;
  int h = windowClientH_ > 0 ? windowClientH_ : clientRect().height;
  dirty_ = {Rect::ofSize(0, 0, w, h)};
}

void Form::paintTree(Canvas& canvas) {
  Canvas::State saved = canvas.state();
  if (windowClientW_ > 0) canvas.clipTo(scroll_.view());
  Container::paintTree(canvas);
  canvas.restore(saved);
  scroll_.paint(canvas);
}

bool Form::updateScrollBars(int clientWidth, int clientHeight) {
  int right = 0, bottom = 0;
  for (Control* c : controls()) {
    if (!c->visible()) continue;
    right = std::max(right, c->bounds().right());
    bottom = std::max(bottom, c->bounds().bottom());
  }
  int oldX = scroll_.x(), oldY = scroll_.y();
  bool hadH = scroll_.horizontal(), hadV = scroll_.vertical();
  windowClientW_ = clientWidth;
  windowClientH_ = clientHeight;
  scroll_.layout(clientWidth, clientHeight, right, bottom);
  bool changed = oldX != scroll_.x() || oldY != scroll_.y() || hadH != scroll_.horizontal() || hadV != scroll_.vertical();
  if (changed) invalidate();
  return changed;
}

void Form::paint(Canvas& canvas) {
  // The page colour fills the client area, and whatever lies beyond the elements when larger.
  canvas.fillRect(Rect::ofSize(0, 0, clientRect().width, clientRect().height), toRgb(color()));
}

}  // namespace apostila::ui
