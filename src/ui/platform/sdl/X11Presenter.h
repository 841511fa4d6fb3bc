// How the program's pixels reach its windows on X11: one image shared by every window.
//
// The layer draws only what changed on a window and the server keeps what was put there until
// it says the window lost it (an Expose, after which the layer draws the whole window again).
// So no window needs pixels of its own on our side: one image, as large as the largest client
// area put so far, carries each change to its window in turn, and a hidden page holds nothing.
// Where the server can read our memory (MIT-SHM on a local display) the image lives in shared
// memory and a change costs one copy; elsewhere its rows travel over the connection.
#pragma once

#include <memory>
#include <span>

#include "ui/platform/Geometry.h"
#include "ui/platform/Pixels.h"
#include "ui/platform/sdl/TaskbarEntry.h"

struct _XDisplay;

namespace apostila::platform {

class X11Presenter {
 public:
  // `anyWindow` is one of the program's windows: every window of the program is made with the
  // display's visual, and the image and its drawing context are made for that visual.
  X11Presenter(_XDisplay* display, XWindow anyWindow);
  ~X11Presenter();
  X11Presenter(const X11Presenter&) = delete;
  X11Presenter& operator=(const X11Presenter&) = delete;

  // Puts the rectangles `changed` (client coordinates) of `frame` on the window; what lies
  // outside the frame is skipped, and the server clips what lies outside the window.
  void present(XWindow window, const PixelView& frame, std::span<const Rect> changed);

  // Whether the image is in memory shared with the server (for tests and benchmarks).
  bool shared() const;

 private:
  struct Image;
  void ensureSize(int width, int height);
  void copyIn(const PixelView& frame, const Rect& r);

  _XDisplay* display_;
  struct Visual;
  std::unique_ptr<Visual> visual_;
  std::unique_ptr<Image> image_;
  bool shmUsable_ = false;
};

}  // namespace apostila::platform
