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
  for (const Container* p = c->parent(); p; p = p->parent()) {
    if (dynamic_cast<const Form*>(p)) return r.offset(p->clientOffsetX(), p->clientOffsetY());
    r = r.offset(p->left() + p->clientOffsetX(), p->top() + p->clientOffsetY());
  }
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

Control* PointerTracker::elementUnderPointer(bool enabledOnly, bool pointerOnly, Form** formOut,
                                             const platform::Point* at, Form* in) const {
  platform::Backend& b = app_.backend();
  Form* form = in && in->visible() ? in : app_.formOfWindow(b.windowUnderPointer());
  if (formOut) *formOut = form;
  if (!form || !form->visible() || !form->windowEnabled() || form->minimized()) return nullptr;
  platform::Point p = (at ? *at : b.pointerPosition()) - b.geometry(form->windowId()).client.origin();
  Rect view = form->scrollBars().view();
  if (!view.empty() && !view.contains(p.x, p.y)) return form;  // over a scroll bar
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
  const platform::Point at = e.screen;
  auto local = [&](Control* c) {
    platform::Point p = at - b.geometry(form.windowId()).client.origin();
    if (c->form() != &form && c->form() && c->form()->windowId() != platform::kNoWindow)
      p = at - b.geometry(c->form()->windowId()).client.origin();
    Rect r = formRect(c);
    return platform::Point{p.x - r.left, p.y - r.top};
  };
  auto key = [](platform::MouseButton m) {
    return m == platform::MouseButton::Right ? MouseKey::Right : m == platform::MouseButton::Middle ? MouseKey::Middle : MouseKey::Left;
  };
  switch (e.type) {
    case EventType::MouseMove: {
      if (form.scrollBars().dragging()) {
        platform::Point p = at - b.geometry(form.windowId()).client.origin();
        form.scrollBars().drag(p.x, p.y);
        form.invalidate();
        return;
      }
      if (captured_) {
        platform::Point p = local(captured_);
        captured_->mouseMove(p.x, p.y);
      }
      hintMove(elementUnderPointer(false, false, nullptr, &at, &form));
      updateCursor();
      return;
    }
    case EventType::MouseDown:
    case EventType::MouseDoubleClick: {
      // The press goes to what lies under the pointer now: after a click that changed pages,
      // the second press of a double click lands on the page just shown.
      Form* under = nullptr;
      Control* target = elementUnderPointer(true, true, &under, &at, &form);
      if (!target) return;
      if (under && e.button == platform::MouseButton::Left) {
        platform::Point p = at - b.geometry(under->windowId()).client.origin();
        Rect view = under->scrollBars().view();
        if (!view.contains(p.x, p.y) && under->scrollBars().press(p.x, p.y)) {
          under->invalidate();
          return;
        }
      }
      platform::Point p = local(target);
      target->mouseDown(key(e.button), p.x, p.y, e.type == EventType::MouseDoubleClick);
      return;
    }
    case EventType::Wheel:
      form.scrollBars().wheel(e.wheel);
      form.invalidate();
      return;
    case EventType::MouseUp: {
      if (form.scrollBars().dragging()) {
        form.scrollBars().release();
        return;
      }
      Control* target = captured_ ? captured_ : elementUnderPointer(true, true, nullptr, &at, &form);
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
