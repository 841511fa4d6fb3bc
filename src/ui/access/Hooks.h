// What the window layer tells an assistive-technology bridge: the few moments a screen reader
// has to hear about. The layer calls these only while a bridge is installed; with none (the
// usual case, and always while accessibility is off) each hook costs one test of a pointer.
#pragma once

namespace apostila::ui {

class Application;
class Control;
class DialogBox;
class Form;

class AccessHooks {
 public:
  virtual ~AccessHooks() = default;
  // A control's caption, visibility or enabled state changed (a page's visibility too).
  virtual void captionChanged(Control& control) = 0;
  virtual void visibilityChanged(Control& control) = 0;
  virtual void enabledChanged(Control& control) = 0;
  // The focused page changed (either may be null).
  virtual void pageActivated(Form* now, Form* before) = 0;
  // One of the layer's boxes opened or is about to close.
  virtual void boxOpened(DialogBox& box) = 0;
  virtual void boxClosing(DialogBox& box) = 0;
  // A source handed to the backend's watchReadable has data.
  virtual void readable() = 0;
  // The application is going away: the bridge lets go of it.
  virtual void applicationGone(Application& application) = 0;
};

// The installed bridge, or null.
inline AccessHooks*& accessHooks() {
  static AccessHooks* hooks = nullptr;
  return hooks;
}

}  // namespace apostila::ui
