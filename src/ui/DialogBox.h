// The three boxes the layer draws itself: the modal message, the platform message box and the
// error box. Each is a fixed-size native dialog with an optional icon, a word-wrapped text and a
// row of buttons, laid out in units of its font; input picks a button or cancels.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ui/canvas/Rect.h"
#include "ui/platform/Backend.h"
#include "ui/text/FontDesc.h"

namespace apostila::ui {

class Canvas;

struct DialogDesc {
  enum class Icon { None, Question, Stop };
  struct Button {
    std::string caption;
    int result;
  };
  std::string caption;
  std::string text;
  Icon icon = Icon::None;
  std::vector<Button> buttons;
  int focusedButton = 0;      // the default button, focused when the box opens
  int cancelResult = -1;      // Esc and the close box; -1 when the box cannot be cancelled
  bool copyOnCtrlC = false;   // Ctrl+C beeps and copies the box's content
  FontDesc font;
};

class DialogBox {
 public:
  DialogBox(platform::Backend& backend, DialogDesc desc);
  ~DialogBox();
  DialogBox(const DialogBox&) = delete;
  DialogBox& operator=(const DialogBox&) = delete;

  void show();
  void hide();
  platform::WindowId windowId() const { return window_; }
  // Handles an event of its own window. Returns true when it used it.
  bool handle(const platform::Event& event);
  std::optional<int> result() const { return result_; }
  // Chooses the button as a click on it would (an assistive technology's action).
  void press(std::size_t index) { choose(static_cast<int>(index)); }
  const DialogDesc& desc() const { return desc_; }
  // Paints and presents what changed.
  void refresh();

  // Layout, in client coordinates, for tests and for the platform's own look.
  platform::Size clientSize() const { return {width_, height_}; }
  Rect textRect() const { return text_; }
  Rect buttonRect(std::size_t i) const { return buttons_.at(i); }
  int focusedButton() const { return focused_; }
  // The plain-text copy of the box that Ctrl+C puts on the clipboard.
  std::string clipboardText() const;

 private:
  void layout();
  void paint(Canvas& canvas) const;
  void choose(int index);
  int buttonAt(platform::Point p) const;

  platform::Backend& backend_;
  DialogDesc desc_;
  platform::WindowId window_ = platform::kNoWindow;
  int width_ = 0, height_ = 0;
  Rect icon_, text_;
  std::vector<Rect> buttons_;
  int focused_ = 0;
  int pressed_ = -1;        // button held down by the mouse
  bool pressedInside_ = false;
  bool keyDown_ = false;    // Space held on the focused button
  bool dirty_ = true;
  std::optional<int> result_;
  std::vector<std::uint32_t> pixels_;
};

}  // namespace apostila::ui
