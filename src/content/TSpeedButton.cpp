// Button properties, painting and the pointer hooks that drive the button's state machine.
#include "content/TSpeedButton.h"

#include "content/ButtonPainter.h"
#include "ui/Application.h"
#include "ui/PointerTracker.h"
#include "ui/PropertyBuilders.h"

namespace apostila::content {

namespace {
using namespace ui::props;
constexpr auto kButtonProps = ui::props::byName({
    objectProp<static_cast<GraphicBitmap& (TSpeedButton::*)()>(&TSpeedButton::glyph)>("Glyph", GraphicBitmap::kType),
    intProp<&TSpeedButton::setNumGlyphs>("NumGlyphs"),
    enumProp<&TSpeedButton::setLayout>("Layout", kButtonLayoutType),
    intProp<&TSpeedButton::setMargin>("Margin"),
    intProp<&TSpeedButton::setSpacing>("Spacing"),
    boolProp<&TSpeedButton::setFlat>("Flat"),
    boolProp<&TSpeedButton::setTransparent>("Transparent"),
    intProp<&TSpeedButton::setGroupIndex>("GroupIndex"),
    boolProp<&TSpeedButton::setDown>("Down"),
    boolProp<&TSpeedButton::setAllowAllUp>("AllowAllUp"),
    eventProp<&TSpeedButton::setOnClick>("OnClick"),
});

// The pointer rules of the application the button's page belongs to; none for a button that
// is not on a page of a running application.
ui::PointerTracker* trackerOf(const ui::Control& c) {
  ui::Form* f = c.form();
  ui::Application* app = f ? f->application() : nullptr;
  return app ? &app->pointer() : nullptr;
}
}  // namespace

const ui::TypeInfo TSpeedButton::kType{
    "TSpeedButton", &ui::Control::kType, kButtonProps, true,
    [](ui::Component& owner) -> ui::Component* { return new TSpeedButton(&owner); }};

TSpeedButton::TSpeedButton(ui::Component* owner) : ui::Control(owner) {
  setBounds({0, 0, 23, 22});
  setColor(ui::clBtnFace);
  glyph_.onChange = [this] {
    ++glyphGeneration_;
    invalidate();
  };
}

void TSpeedButton::setNumGlyphs(int n) {
  // The strip holds one to four images; anything else means one.
  if (n < 1 || n > 4) n = 1;
  if (n == numGlyphs_) return;
  numGlyphs_ = n;
  ++glyphGeneration_;
  invalidate();
}

}  // namespace apostila::content

namespace apostila::content {

void TSpeedButton::setFlat(bool v) {
  flat_ = v;
  state_.setFlat(v);
  invalidate();
}

// Only a button of a group stays down.
void TSpeedButton::setGroupIndex(int v) {
  groupIndex_ = v;
  apply(state_.setLatched(groupIndex_ != 0 && down_));
}

void TSpeedButton::setDown(bool v) {
  down_ = v;
  apply(state_.setLatched(groupIndex_ != 0 && down_));
}

void TSpeedButton::paint(ui::Canvas& canvas) { ButtonPainter::paint(canvas, *this, state_.face(), images_); }

bool TSpeedButton::pressHolds() {
  if (!state_.pressing()) return false;
  // The window layer takes the capture away when the page is hidden or a box opens: that
  // press is over, with no click.
  ui::PointerTracker* t = trackerOf(*this);
  if (t && t->captured() != this) {
    apply(state_.cancelPress());
    return false;
  }
  return true;
}

void TSpeedButton::checkHot() {
  if (ui::PointerTracker* t = trackerOf(*this)) apply(state_.setHot(t->isUnderPointer(this)));
}

void TSpeedButton::mouseEnter() {
  pressHolds();
  ui::PointerTracker* t = trackerOf(*this);
  apply(state_.enter(t && t->anyCapture()));
}

void TSpeedButton::mouseLeave() {
  pressHolds();
  apply(state_.leave());
}

void TSpeedButton::mouseDown(ui::MouseKey key, int, int, bool) {
  // The second press of a double click is a press like the first.
  if (key != ui::MouseKey::Left || !enabled()) return;
  apply(state_.press());
  if (ui::PointerTracker* t = trackerOf(*this)) t->capture(this);
}

void TSpeedButton::mouseMove(int x, int y) {
  if (pressHolds()) apply(state_.move(inside(x, y)));
}

void TSpeedButton::mouseUp(ui::MouseKey key, int x, int y) {
  if (key != ui::MouseKey::Left || !pressHolds()) return;
  if (ui::PointerTracker* t = trackerOf(*this)) t->releaseCapture(this);
  const bool clicked = state_.release(inside(x, y));
  invalidate();
  if (clicked) {
    try {
      click();
    } catch (...) {
      checkHot();  // the error goes on to the loop's error box; the face is settled first
      throw;
    }
  }
  checkHot();
}

void TSpeedButton::stateChanged() {
  ui::PointerTracker* t = trackerOf(*this);
  const bool wasPressing = state_.pressing();
  if (enabled() != state_.enabled()) {
    apply(state_.setEnabled(enabled()));
    checkHot();
  }
  // Hidden or disabled in the middle of a press: the press ends without a click.
  if (wasPressing && (!visible() || !enabled())) {
    apply(state_.cancelPress());
    if (t) t->releaseCapture(this);
  }
}

}  // namespace apostila::content
