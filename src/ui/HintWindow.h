// The one reused tool-tip window: a bordered box in the hint colour with the hint text, shown
// above every window without taking the activation.
#pragma once

#include <string>
#include <vector>

#include "ui/canvas/Rect.h"
#include "ui/platform/Backend.h"

namespace apostila::ui {

class HintWindow {
 public:
  explicit HintWindow(platform::Backend& backend) : backend_(backend) {}
  ~HintWindow();
  HintWindow(const HintWindow&) = delete;
  HintWindow& operator=(const HintWindow&) = delete;

  // Shows the text with the box's top-left corner at `at`, moved to stay on the desktop.
  void show(const std::string& text, platform::Point at);
  void hide();
  bool visible() const { return visible_; }
  const std::string& text() const { return text_; }
  platform::Rect bounds() const { return bounds_; }
  platform::WindowId windowId() const { return window_; }

 private:
  platform::Backend& backend_;
  platform::WindowId window_ = platform::kNoWindow;
  bool visible_ = false;
  std::string text_;
  platform::Rect bounds_;
  std::vector<std::uint32_t> pixels_;
};

}  // namespace apostila::ui
