// Turns X protocol errors into a flag for as long as it lives, instead of Xlib's default of
// ending the process: a window manager may destroy a frame between two of our requests, and a
// server may refuse an extension's request that it advertised. Include after the X headers.
#pragma once

#include <X11/Xlib.h>

namespace apostila::platform {

class X11ErrorTrap {
 public:
  explicit X11ErrorTrap(Display* d) : display_(d) {
    XSync(display_, False);
    failed_ = false;
    previous_ = XSetErrorHandler(&X11ErrorTrap::onError);
  }
  ~X11ErrorTrap() {
    XSync(display_, False);
    XSetErrorHandler(previous_);
  }
  X11ErrorTrap(const X11ErrorTrap&) = delete;
  X11ErrorTrap& operator=(const X11ErrorTrap&) = delete;
  bool failed() {
    XSync(display_, False);
    return failed_;
  }

 private:
  static int onError(Display*, XErrorEvent*) {
    failed_ = true;
    return 0;
  }
  static inline bool failed_ = false;
  Display* display_;
  int (*previous_)(Display*, XErrorEvent*) = nullptr;
};

}  // namespace apostila::platform
