// The request: a client message sent to a window the same connection has just destroyed.
#include "PendingXError.h"

#include <X11/Xlib.h>

PendingXError::PendingXError() {
  Display* d = XOpenDisplay(nullptr);
  if (!d) return;
  display_ = d;
  const Window gone = XCreateSimpleWindow(d, DefaultRootWindow(d), 0, 0, 1, 1, 0, 0, 0);
  XDestroyWindow(d, gone);
  XEvent nothing{};
  nothing.xclient.type = ClientMessage;
  nothing.xclient.format = 32;
  XSendEvent(d, gone, False, NoEventMask, &nothing);
  XFlush(d);
}

void PendingXError::close() {
  if (display_) XCloseDisplay(static_cast<Display*>(display_));
  display_ = nullptr;
}
