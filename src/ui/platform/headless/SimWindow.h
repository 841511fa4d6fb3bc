// One window of the simulated desktop: everything the headless backend knows about it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ui/platform/Geometry.h"
#include "ui/platform/Window.h"
#include "ui/platform/headless/Framebuffer.h"

namespace apostila::platform {

struct SimWindow {
  WindowId id = kNoWindow;
  WindowKind kind = WindowKind::Page;
  std::string title;
  Point outer;
  Size outerSize;
  FrameExtents frame;
  bool visible = false;
  bool minimized = false;
  CursorShape cursor = CursorShape::Arrow;
  std::vector<std::uint32_t> icon;  // empty until set
  Framebuffer framebuffer;          // the client area
  std::vector<Rect> lastPresented;  // what the last present() copied, clipped
  int presentCount = 0;

  Size clientSize() const {
    return {outerSize.width - frame.horizontal(), outerSize.height - frame.vertical()};
  }
  Rect outerRect() const { return {outer, outerSize}; }
  Rect clientRect() const { return {outer + Point{frame.left, frame.top}, clientSize()}; }
  bool onScreen() const { return visible && !minimized; }
  bool takesFocus() const { return kind != WindowKind::Tooltip; }
};

}  // namespace apostila::platform
