// The push button's pointer state machine.
#include "content/ButtonState.h"

namespace apostila::content {

ButtonState::Face ButtonState::face() const {
  if (!enabled_) return Face::Disabled;
  if (down_) return Face::Down;
  if (latched_) return Face::Latched;
  if (flat_ && mouseInside_) return Face::Hot;
  return Face::Up;
}

template <class F>
bool ButtonState::changes(F step) {
  const Face before = face();
  step();
  return face() != before;
}

bool ButtonState::press() {
  if (!enabled_) return false;
  return changes([&] {
    pressing_ = true;
    down_ = true;
  });
}

bool ButtonState::move(bool inside) {
  if (!pressing_) return false;
  return changes([&] { down_ = inside; });
}

bool ButtonState::release(bool inside) {
  if (!pressing_) return false;
  pressing_ = false;
  down_ = false;
  mouseInside_ = false;
  return inside;
}

bool ButtonState::cancelPress() {
  return changes([&] {
    pressing_ = false;
    down_ = false;
  });
}

bool ButtonState::enter(bool captureHeld) {
  if (!flat_ || !enabled_ || mouseInside_ || captureHeld) return false;
  return changes([&] { mouseInside_ = true; });
}

bool ButtonState::leave() {
  if (!mouseInside_ || !enabled_ || pressing_) return false;
  return changes([&] { mouseInside_ = false; });
}

bool ButtonState::setHot(bool underPointer) {
  if (!flat_ || !enabled_) return false;
  return changes([&] { mouseInside_ = underPointer; });
}

bool ButtonState::setEnabled(bool enabled) {
  return changes([&] {
    enabled_ = enabled;
    // A disabled button cannot stay pressed: its press ends without a click.
    if (!enabled) pressing_ = down_ = false;
  });
}

bool ButtonState::setFlat(bool flat) {
  return changes([&] {
    flat_ = flat;
    if (!flat) mouseInside_ = false;  // only flat buttons have a hot state
  });
}

bool ButtonState::setLatched(bool latched) {
  return changes([&] { latched_ = latched; });
}

}  // namespace apostila::content
