// Direct X11 requests on SDL's display connection. Every reply is read before returning, so
// nothing here waits on the event queue; the only bounded wait is for a window manager that
// is asked for the frame of a window it has not mapped yet.
#include "ui/platform/sdl/X11Desktop.h"

#include <X11/extensions/shape.h>

#include <SDL2/SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "ui/platform/PlatformError.h"

namespace apostila::platform {
namespace {

// Turns X protocol errors into a flag instead of Xlib's default of ending the process: a
// window manager may destroy a frame between two of our requests.
class ErrorTrap {
 public:
  explicit ErrorTrap(Display* d) : display_(d) {
    XSync(display_, False);
    failed_ = false;
    previous_ = XSetErrorHandler(&ErrorTrap::onError);
  }
  ~ErrorTrap() {
    XSync(display_, False);
    XSetErrorHandler(previous_);
  }
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

// The handler in force outside the traps. A request that names a window which went away in
// the meantime (a frame the window manager destroyed, a window of ours already gone when an
// asynchronous request reaches the server) is not fatal: it is dropped. Any other error is
// handled as before.
int (*outerHandler)(Display*, XErrorEvent*) = nullptr;
int toleratingGoneWindows(Display* d, XErrorEvent* e) {
  if (e->error_code == BadWindow || e->error_code == BadDrawable) return 0;
  return outerHandler ? outerHandler(d, e) : 0;
}

// A 32-bit-format property as longs (Xlib's representation), empty if absent.
std::vector<unsigned long> longProperty(Display* d, Window w, Atom property, Atom type) {
  Atom actualType = 0;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  std::vector<unsigned long> out;
  if (XGetWindowProperty(d, w, property, 0, 1024, False, type, &actualType, &format, &count, &after, &data) ==
          Success &&
      data != nullptr) {
    if (actualType == type && format == 32) {
      const auto* values = reinterpret_cast<const unsigned long*>(data);
      out.assign(values, values + count);
    }
    XFree(data);
  }
  return out;
}

void setClass(Display* d, Window w) {
  char name[] = "apostila";
  char klass[] = "Apostila";
  XClassHint hint{name, klass};
  XSetClassHint(d, w, &hint);
}

std::optional<FrameExtents> toExtents(const std::vector<unsigned long>& v) {
  if (v.size() != 4) return std::nullopt;
  return FrameExtents{static_cast<int>(v[0]), static_cast<int>(v[1]), static_cast<int>(v[2]), static_cast<int>(v[3])};
}

}  // namespace

X11Desktop::X11Desktop(SDL_Window* anyWindow) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(anyWindow, &info)) throw PlatformError(std::string("SDL_GetWindowWMInfo: ") + SDL_GetError());
  if (info.subsystem != SDL_SYSWM_X11) throw PlatformError("the SDL backend needs an X11 display");
  display_ = info.info.x11.display;
  Display* d = display_;
  root_ = DefaultRootWindow(d);
  if (!outerHandler) outerHandler = XSetErrorHandler(&toleratingGoneWindows);

  // A window manager announces itself on the root window and confirms on its own window.
  {
    ErrorTrap trap(d);
    const Atom check = atom("_NET_SUPPORTING_WM_CHECK");
    const auto onRoot = longProperty(d, root_, check, XA_WINDOW);
    if (onRoot.size() == 1) {
      const auto onChild = longProperty(d, onRoot[0], check, XA_WINDOW);
      hasWm_ = !trap.failed() && onChild.size() == 1 && onChild[0] == onRoot[0];
    }
  }
  if (hasWm_) {
    const auto supported = longProperty(d, root_, atom("_NET_SUPPORTED"), XA_ATOM);
    wmGivesExtents_ = std::ranges::find(supported, atom("_NET_REQUEST_FRAME_EXTENTS")) != supported.end();
  }

  // Task bars and pagers ask the window manager to close a window by a message to the root
  // window; listening there is how a close of the task-bar entry can be told from a close box.
  XWindowAttributes attributes;
  XGetWindowAttributes(d, root_, &attributes);
  XSelectInput(d, root_, attributes.your_event_mask | SubstructureNotifyMask);
  netCloseWindow_ = atom("_NET_CLOSE_WINDOW");

  leader_ = XCreateSimpleWindow(d, root_, -100, -100, 1, 1, 0, 0, 0);
  setClass(d, leader_);
  const unsigned long pid = static_cast<unsigned long>(getpid());
  XChangeProperty(d, leader_, atom("_NET_WM_PID"), XA_CARDINAL, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(&pid), 1);
  XChangeProperty(d, leader_, atom("WM_CLIENT_LEADER"), XA_WINDOW, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(&leader_), 1);
  XWMHints* hints = XAllocWMHints();
  hints->flags = WindowGroupHint;
  hints->window_group = leader_;
  XSetWMHints(d, leader_, hints);
  XFree(hints);
  XFlush(d);
}

X11Desktop::~X11Desktop() {
  XDestroyWindow(display_, leader_);
  XFlush(display_);
}

XWindow X11Desktop::xwindowOf(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11)
    throw PlatformError(std::string("SDL_GetWindowWMInfo: ") + SDL_GetError());
  return info.info.x11.window;
}

unsigned long X11Desktop::atom(const char* name) { return XInternAtom(display_, name, False); }

void X11Desktop::prepare(XWindow window, WindowKind kind, std::string_view appTitle) {
  Display* d = display_;
  setClass(d, window);
  XWMHints* hints = XGetWMHints(d, window);
  if (hints == nullptr) {
    hints = XAllocWMHints();
    hints->flags = 0;
  }
  hints->flags |= WindowGroupHint;
  hints->window_group = leader_;
  XSetWMHints(d, window, hints);
  XFree(hints);
  XChangeProperty(d, window, atom("WM_CLIENT_LEADER"), XA_WINDOW, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(&leader_), 1);

  if (kind == WindowKind::Page && !appTitle.empty()) setIconName(window, appTitle);
  if (kind == WindowKind::Dialog) {
    const unsigned long type = atom("_NET_WM_WINDOW_TYPE_DIALOG");
    XChangeProperty(d, window, atom("_NET_WM_WINDOW_TYPE"), XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&type), 1);
    // Motif hints: move and close only; border, title and window menu.
    const unsigned long motif[5] = {1 | 2, 4 | 32, 2 | 8 | 16, 0, 0};
    const Atom motifAtom = atom("_MOTIF_WM_HINTS");
    XChangeProperty(d, window, motifAtom, motifAtom, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(motif), 5);
    // Transient for the group leader: kept above the program's pages, no entry of its own.
    XSetTransientForHint(d, window, leader_);
  }
  if (kind == WindowKind::Tooltip) {
    // An empty input shape: the pointer passes through the tip to the page beneath, which keeps
    // its pointer events and its element under the pointer.
    XShapeCombineRectangles(d, window, ShapeInput, 0, 0, nullptr, 0, ShapeSet, YXBanded);
  }
  XFlush(d);
}

void X11Desktop::setIconName(XWindow window, std::string_view title) {
  Display* d = display_;
  const std::string text(title);
  XChangeProperty(d, window, atom("_NET_WM_ICON_NAME"), atom("UTF8_STRING"), 8, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(text.data()), static_cast<int>(text.size()));
  char* list[] = {const_cast<char*>(text.c_str())};
  XTextProperty property;
  if (Xutf8TextListToTextProperty(d, list, 1, XStdICCTextStyle, &property) >= Success) {
    XSetWMIconName(d, window, &property);
    XFree(property.value);
  }
  XFlush(d);
}

std::optional<FrameExtents> X11Desktop::requestFrameExtents(XWindow window) {
  if (!hasWm_) return FrameExtents{};
  if (!wmGivesExtents_) return std::nullopt;
  Display* d = display_;
  const Atom extents = atom("_NET_FRAME_EXTENTS");
  XEvent request = {};
  request.xclient.type = ClientMessage;
  request.xclient.window = window;
  request.xclient.message_type = atom("_NET_REQUEST_FRAME_EXTENTS");
  request.xclient.format = 32;
  XSendEvent(d, root_, False, SubstructureRedirectMask | SubstructureNotifyMask, &request);
  // The window manager answers by setting a property; give it a quarter of a second.
  for (int i = 0; i < 125; ++i) {
    XSync(d, False);
    if (auto e = toExtents(longProperty(d, window, extents, XA_CARDINAL))) return e;
    SDL_Delay(2);
  }
  return std::nullopt;
}

std::optional<FrameExtents> X11Desktop::frameExtents(XWindow window) {
  if (!hasWm_) return FrameExtents{};
  return toExtents(longProperty(display_, window, atom("_NET_FRAME_EXTENTS"), XA_CARDINAL));
}

Point X11Desktop::clientOrigin(XWindow window) {
  int x = 0, y = 0;
  Window child = 0;
  XTranslateCoordinates(display_, window, root_, 0, 0, &x, &y, &child);
  return {x, y};
}

void X11Desktop::mapRaised(XWindow window) {
  XMapRaised(display_, window);
  XFlush(display_);
}

void X11Desktop::unmap(XWindow window) {
  XUnmapWindow(display_, window);
  XFlush(display_);
}

void X11Desktop::raise(XWindow window) {
  XRaiseWindow(display_, window);
  XFlush(display_);
}

void X11Desktop::bell() {
  XBell(display_, 0);
  XFlush(display_);
}

Point X11Desktop::pointer() {
  Window rootReturn = 0, child = 0;
  int rx = 0, ry = 0, wx = 0, wy = 0;
  unsigned int mask = 0;
  XQueryPointer(display_, root_, &rootReturn, &child, &rx, &ry, &wx, &wy, &mask);
  return {rx, ry};
}

XWindow X11Desktop::topLevelUnderPointer() {
  Window rootReturn = 0, child = 0;
  int rx = 0, ry = 0, wx = 0, wy = 0;
  unsigned int mask = 0;
  if (!XQueryPointer(display_, root_, &rootReturn, &child, &rx, &ry, &wx, &wy, &mask)) return 0;
  return child;
}

XWindow X11Desktop::topLevelOf(XWindow window) {
  ErrorTrap trap(display_);
  for (int depth = 0; depth < 16; ++depth) {
    Window rootReturn = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display_, window, &rootReturn, &parent, &children, &count)) return 0;
    if (children != nullptr) XFree(children);
    if (parent == 0 || parent == root_) return window;
    window = parent;
  }
  return 0;
}

std::vector<XWindow> X11Desktop::rootChildren() {
  Window rootReturn = 0, parent = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  std::vector<XWindow> out;
  if (XQueryTree(display_, root_, &rootReturn, &parent, &children, &count) && children != nullptr) {
    out.assign(children, children + count);
    XFree(children);
  }
  return out;
}

XWindow X11Desktop::closeRequestTarget(const SDL_SysWMmsg* message) const {
  if (message == nullptr || message->subsystem != SDL_SYSWM_X11) return 0;
  const XEvent& e = message->msg.x11.event;
  if (e.type != ClientMessage || e.xclient.message_type != netCloseWindow_) return 0;
  return e.xclient.window;
}

int X11Desktop::cursorSize() {
  const char* size = XGetDefault(display_, "Xcursor", "size");
  const int n = size != nullptr ? std::atoi(size) : 0;
  return n > 0 ? n : 16;  // the core cursor font's glyphs
}

}  // namespace apostila::platform
