// Enter and leave, capture, hints and the pointer shape.
#include "ui/PointerTracker.h"

#include "ui/Application.h"
#include "ui/Container.h"
#include "ui/Form.h"

namespace apostila::ui {

namespace {
// The control's rectangle in its form's client coordinates.
Rect formRect(const Control* c) {
  Rect r = c->boundsRect();
  if (dynamic_cast<const Form*>(c)) return Rect::ofSize(0, 0, c->width(), c->height());
  for (const Container* p = c->parent(); p && !dynamic_cast<const Form*>(p); p = p->parent())
    r = r.offset(p->left() + p->clientOffsetX(), p->top() + p->clientOffsetY());
  return r;
}

bool effectiveShowHint(const Control* c) { return c->showHint(); }

platform::CursorShape shapeOf(int cursor) {
  switch (cursor) {
    case -21: return platform::CursorShape::Hand;
    case -4: return platform::CursorShape::IBeam;
    case -11: return platform::CursorShape::Wait;
    case -19: return platform::CursorShape::ArrowWait;
    case -3: return platform::CursorShape::Cross;
    case -18: return platform::CursorShape::No;
    case -22: return platform::CursorShape::SizeAll;
    case -7: return platform::CursorShape::SizeNS;
    case -9: return platform::CursorShape::SizeWE;
    case -8: return platform::CursorShape::SizeNWSE;
    case -6: return platform::CursorShape::SizeNESW;
    default: return platform::CursorShape::Arrow;
  }
}
}  // namespace

PointerTracker::PointerTracker(Application& app) : app_(app), hint_(app.backend()) {}
PointerTracker::~PointerTracker() = default;

Control* PointerTracker::elementUnderPointer(bool enabledOnly, bool pointerOnly, Form** formOut) const {
  platform::Backend& b = app_.backend();
  Form* form = app_.formOfWindow(b.windowUnderPointer());
  if (formOut) *formOut = form;
  if (!form || !form->visible() || !form->windowEnabled() || form->minimized()) return nullptr;
  platform::Point p = b.pointerPosition() - b.geometry(form->windowId()).client.origin();
  return form->controlAt(p.x, p.y, enabledOnly, pointerOnly);
}

bool PointerTracker::isUnderPointer(const Control* control) const {
  return elementUnderPointer(true, true) == control;
}

void PointerTracker::idle() {
  Control* now = elementUnderPointer(false, false);
  if (now != element_) {
    Control* old = element_;
    element_ = now;
    // During a capture only the capturing element hears of its own leave and enter.
    if (old && (!captured_ || old == captured_)) app_.guarded([&] { old->mouseLeave(); });
    if (now && (!captured_ || now == captured_)) app_.guarded([&] { now->mouseEnter(); });
  }
  if (!now && app_.hintsOn()) endHint();
  updateCursor();
}

void PointerTracker::updateCursor() {
  Form* form = nullptr;
  Control* top = elementUnderPointer(true, false, &form);
  if (!form) return;
  int cursor = top ? top->cursor() : 0;
  if (cursor == 0) cursor = form->cursor();
  app_.backend().setCursor(form->windowId(), shapeOf(cursor));
}

void PointerTracker::mouseEvent(Form& form, const platform::Event& e) {
  using platform::EventType;
  platform::Backend& b = app_.backend();
  auto local = [&](Control* c) {
    platform::Point p = b.pointerPosition() - b.geometry(form.windowId()).client.origin();
    if (c->form() != &form && c->form() && c->form()->windowId() != platform::kNoWindow)
      p = b.pointerPosition() - b.geometry(c->form()->windowId()).client.origin();
    Rect r = formRect(c);
    return platform::Point{p.x - r.left, p.y - r.top};
  };
  auto key = [](platform::MouseButton m) {
    return m == platform::MouseButton::Right ? MouseKey::Right : m == platform::MouseButton::Middle ? MouseKey::Middle : MouseKey::Left;
  };
  switch (e.type) {
    case EventType::MouseMove: {
      if (captured_) {
        platform::Point p = local(captured_);
        captured_->mouseMove(p.x, p.y);
      }
      hintMove(elementUnderPointer(false, false));
      updateCursor();
      return;
    }
    case EventType::MouseDown:
    case EventType::MouseDoubleClick: {
      // The press goes to what lies under the pointer now: after a click that changed pages,
      // the second press of a double click lands on the page just shown.
      Form* under = nullptr;
      Control* target = elementUnderPointer(true, true, &under);
      if (!target) return;
      platform::Point p = local(target);
      target->mouseDown(key(e.button), p.x, p.y, e.type == EventType::MouseDoubleClick);
      return;
    }
    case EventType::MouseUp: {
      Control* target = captured_ ? captured_ : elementUnderPointer(true, true);
      if (!target) return;
      platform::Point p = local(target);
      target->mouseUp(key(e.button), p.x, p.y);
      return;
    }
    default:
      return;
  }
}

void PointerTracker::formHidden(Form& form) {
  if (captured_ && captured_->form() == &form) cancelCapture();
  if (hintOwner_ && hintOwner_->form() == &form) endHint();
}

void PointerTracker::shutdown() {
  stopTimer();
  element_ = nullptr;
  captured_ = nullptr;
  hintOwner_ = nullptr;
}

void PointerTracker::capture(Control* control) {
  captured_ = control;
  Form* f = control ? control->form() : nullptr;
  if (f && f->windowId() != platform::kNoWindow) app_.backend().capturePointer(f->windowId());
}

void PointerTracker::releaseCapture(Control* control) {
  if (captured_ != control) return;
  captured_ = nullptr;
  app_.backend().releasePointer();
}

void PointerTracker::cancelCapture() {
  if (!captured_) return;
  captured_ = nullptr;
  app_.backend().releasePointer();
}

// ---- Hints --------------------------------------------------------------------------------

void PointerTracker::stopTimer() {
  if (timer_) app_.stopTimer(*timer_);
  timer_.reset();
}

void PointerTracker::endHint() {
  hint_.hide();
  hintOwner_ = nullptr;
  quick_ = false;
  stopTimer();
}

void PointerTracker::hintMove(Control* under) {
  // The candidate: the element under the pointer, or its nearest ancestor whose hints are on.
  Control* candidate = under;
  while (candidate && !effectiveShowHint(candidate)) candidate = candidate->parent();
  if (!candidate || !app_.hintsOn()) {
    endHint();
    return;
  }
  platform::Point p = app_.backend().pointerPosition();
  if (candidate == hintOwner_ && hintRect_.contains(p.x, p.y)) return;
  int pause = quick_ ? kShortHintPause : kHintPause;
  bool keepQuick = quick_;
  endHint();
  quick_ = keepQuick;
  hintOwner_ = candidate;
  if (quick_ && pause == 0) {
    showHint();
  } else {
    timer_ = app_.startTimer(pause, [this] {
      timer_.reset();
      showHint();
    });
  }
}

void PointerTracker::showHint() {
  quick_ = false;
  Control* owner = hintOwner_;
  Control* under = elementUnderPointer(false, false);
  Control* resolved = under;
  while (resolved && !effectiveShowHint(resolved)) resolved = resolved->parent();
  if (!owner || app_.backend().focusedWindow() == platform::kNoWindow || resolved != owner) {
    endHint();
    return;
  }
  std::string text;
  for (const Control* c = owner; c && text.empty(); c = c->parent()) text = c->hint();
  text = text.substr(0, text.find('|'));
  if (text.empty()) {
    endHint();
    return;
  }
  platform::Backend& b = app_.backend();
  platform::Point p = b.pointerPosition();
  hint_.show(text, {p.x, p.y + b.cursorDepthBelowHotSpot(platform::CursorShape::Arrow)});
  quick_ = true;
  Form* form = owner->form();
  platform::Point origin = form ? b.geometry(form->windowId()).client.origin() : platform::Point{};
  hintRect_ = formRect(owner).offset(origin.x, origin.y);
  timer_ = app_.startTimer(kHintHidePause, [this] {
    // Hidden, but the owner and quick mode stay: the same hint does not come back while the
    // pointer stays on it, and another hinted element shows its hint at once.
    timer_.reset();
    hint_.hide();
  });
}

}  // namespace apostila::ui
