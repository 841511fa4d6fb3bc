// The pointer rules: which element lies under the pointer at each idle step and its enter and
// leave notices, the mouse capture of a pressed button, the tool-tip hint with its one timer,
// and the pointer shape.
#pragma once

#include <memory>
#include <optional>

#include "ui/Control.h"
#include "ui/HintWindow.h"
#include "ui/Timers.h"
#include "ui/platform/Event.h"

namespace apostila::ui {

class Application;
class Form;

class PointerTracker {
 public:
  explicit PointerTracker(Application& app);
  ~PointerTracker();

  // Rule of the idle step: enter and leave, and the hint ends over no element of the program.
  void idle();
  // A pointer message for a page.
  void mouseEvent(Form& form, const platform::Event& event);
  void formHidden(Form& form);
  void shutdown();

  // The capture a pressed push button holds until its release.
  void capture(Control* control);
  void releaseCapture(Control* control);
  void cancelCapture();
  Control* captured() const { return captured_; }
  bool anyCapture() const { return captured_ != nullptr; }

  Control* pointerElement() const { return element_; }
  // Whether the control is the topmost element under the pointer (for a button's hot state).
  bool isUnderPointer(const Control* control) const;

  // ---- Hints ----
  void endHint();
  const HintWindow& hintWindow() const { return hint_; }
  Control* hintOwner() const { return hintOwner_; }
  bool quickHintMode() const { return quick_; }
  static constexpr int kHintPause = 500, kShortHintPause = 0, kHintHidePause = 2500;

 private:
  // The element under the pointer (disabled ones included), or none off the program's pages.
  // For an event, `at` is where it happened and `in` the page it was delivered to, used while
  // that page is still on screen.
  Control* elementUnderPointer(bool enabledOnly, bool pointerOnly, Form** formOut = nullptr,
                               const platform::Point* at = nullptr, Form* in = nullptr) const;
  void hintMove(Control* under);
  void showHint();
  void hideHintWindow();
  void updateCursor();
  void stopTimer();

  Application& app_;
  Control* element_ = nullptr;
  Control* captured_ = nullptr;
  HintWindow hint_;
  Control* hintOwner_ = nullptr;
  bool quick_ = false;
  Rect hintRect_;  // screen coordinates
  std::optional<Timers::Id> timer_;
};

}  // namespace apostila::ui
