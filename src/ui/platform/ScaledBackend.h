// The layer's view of a desktop whose device scale s is above 1: a backend in page pixels over
// one in screen pixels. Positions, sizes, the pointer and events come through divided by s
// (screen pixel x is page pixel ⌊x/s⌋) and go down multiplied by it, so everything above it
// (pages, the pointer rules, hints, the boxes) works in page pixels as on a 96-dpi screen. Only
// the pixels are the screen's own: present() takes frames of s times the client size that
// geometry() reports, drawn by the layer for the device, and the rectangles it names in page
// pixels.
//
// The frame belongs to the window manager and is measured in screen pixels; here it counts as
// the whole page pixels it covers. A window sized by its outer size gets a client area of s
// times (outer size less that frame), and its client area is placed at s times its page
// position plus that frame, so client areas always start on a whole page pixel and the pointer
// maps the same way on every window. A client area of no whole number of page pixels (the
// learner resized it so) counts its part pixel as one, so that the frame drawn covers it.
//
// The scale is asked of the device backend the first time it matters, after the first window
// is made (the SDL backend learns it from the display with its first window). At scale 1
// every call goes straight through.
#pragma once

#include <map>
#include <optional>

#include "ui/platform/Backend.h"

namespace apostila::platform {

class ScaledBackend final : public Backend {
 public:
  explicit ScaledBackend(Backend& device) : device_(device) {}

  Backend& device() { return device_; }
  // Screen pixels per page pixel: the factor between present()'s frames and the client sizes.
  int scale() const;

  Size screenSize() const override;
  int deviceScale() const override { return scale(); }
  std::int64_t nowMs() const override { return device_.nowMs(); }
  void beep() override { device_.beep(); }
  void setClipboardText(std::string_view utf8) override { device_.setClipboardText(utf8); }
  void setTaskbarEntry(bool shown, std::string_view title) override { device_.setTaskbarEntry(shown, title); }
  void setTaskbarEntryMinimized(bool minimized) override { device_.setTaskbarEntryMinimized(minimized); }

  WindowId createWindow(const WindowDesc& desc) override;
  void destroyWindow(WindowId window) override;
  void setTitle(WindowId window, std::string_view utf8) override { device_.setTitle(window, utf8); }
  void setIcon(WindowId window, const IconImage& icon) override { device_.setIcon(window, icon); }
  void show(WindowId window) override;
  void hide(WindowId window) override { device_.hide(window); }
  void raise(WindowId window) override { device_.raise(window); }
  void focus(WindowId window) override { device_.focus(window); }
  void minimize(WindowId window) override { device_.minimize(window); }
  void restore(WindowId window) override { device_.restore(window); }
  void setOuterPosition(WindowId window, Point outer) override;
  void setClientSize(WindowId window, Size client) override;
  WindowGeometry geometry(WindowId window) const override;
  bool isVisible(WindowId window) const override { return device_.isVisible(window); }
  bool isMinimized(WindowId window) const override { return device_.isMinimized(window); }
  WindowId focusedWindow() const override { return device_.focusedWindow(); }
  std::vector<WindowId> stackingOrder() const override { return device_.stackingOrder(); }
  void watchReadable(std::span<const int> fds) override { device_.watchReadable(fds); }

  Point pointerPosition() const override;
  WindowId windowUnderPointer() const override { return device_.windowUnderPointer(); }
  bool capturePointer(WindowId window) override { return device_.capturePointer(window); }
  void releasePointer() override { device_.releasePointer(); }
  void setCursor(WindowId window, CursorShape shape) override { device_.setCursor(window, shape); }
  int cursorDepthBelowHotSpot(CursorShape shape) const override;

  void present(WindowId window, const PixelView& frame, std::span<const Rect> changed) override;

  std::optional<Event> pollEvent() override;
  std::optional<Event> waitEvent(std::optional<std::int64_t> deadlineMs) override;

 private:
  struct Placed {
    Point outer;                    // page pixels: the layer's Left/Top
    std::optional<Size> outerSize;  // page pixels, for a window sized by its outer size
    FrameExtents frame;             // screen pixels, as last seen
  };
  FrameExtents pageFrame(const FrameExtents& screen) const;
  // Sizes and places the device window for what the layer asked, with the frame it has now.
  void fit(WindowId window, Placed& placed);
  Event toPage(Event e) const;

  Backend& device_;
  mutable int scale_ = 0;  // 0 until asked
  std::map<WindowId, Placed> placed_;
};

}  // namespace apostila::platform
