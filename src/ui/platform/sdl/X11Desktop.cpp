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

#include "ui/platform/DeviceScale.h"
#include "ui/platform/PlatformError.h"
#include "ui/platform/sdl/X11ErrorTrap.h"
#include "ui/platform/sdl/X11Presenter.h"
#include "ui/platform/sdl/X11Props.h"

namespace apostila::platform {

using x11::atom;
using x11::longProperty;

namespace {

using ErrorTrap = X11ErrorTrap;

// The handler in force outside the traps. A request that names a window which went away in
// the meantime (a frame the window manager destroyed, a window of ours already gone when an
// asynchronous request reaches the server) is not fatal: it is dropped. Any other error is
// handled as before.
int (*outerHandler)(Display*, XErrorEvent*) = nullptr;
int toleratingGoneWindows(Display* d, XErrorEvent* e) {
  if (e->error_code == BadWindow || e->error_code == BadDrawable) return 0;
  return outerHandler ? outerHandler(d, e) : 0;
}

// SDL's X11 side of `window`: its display connection and its X window.
decltype(SDL_SysWMinfo::info.x11) x11Info(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window, &info)) throw PlatformError(std::string("SDL_GetWindowWMInfo: ") + SDL_GetError());
  if (info.subsystem != SDL_SYSWM_X11) throw PlatformError("the SDL backend needs an X11 display");
  return info.info.x11;
}

std::optional<FrameExtents> toExtents(const std::vector<unsigned long>& v) {
  if (v.size() != 4) return std::nullopt;
  return FrameExtents{static_cast<int>(v[0]), static_cast<int>(v[1]), static_cast<int>(v[2]), static_cast<int>(v[3])};
}

}  // namespace

X11Desktop::X11Desktop(SDL_Window* anyWindow) {
  display_ = x11Info(anyWindow).display;
  Display* d = display_;
  root_ = DefaultRootWindow(d);
  // Read with the connection, so this costs no request. Only the root's database: neither
  // resource files nor the environment.
  const char* resources = XResourceManagerString(d);
  scale_ = deviceScaleForDpi(xftDpiIn(resources ? resources : "").value_or(kDefaultDpi));
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

  // The group leader: never mapped, it stands for the program in every window's hints.
  leader_ = XCreateSimpleWindow(d, root_, -100, -100, 1, 1, 0, 0, 0);
  x11::setClassAndPid(d, leader_);
  x11::setWindowProperty(d, leader_, "WM_CLIENT_LEADER", leader_);
  XWMHints* hints = XAllocWMHints();
  hints->flags = WindowGroupHint;
  hints->window_group = leader_;
  XSetWMHints(d, leader_, hints);
  XFree(hints);
  entry_ = std::make_unique<TaskbarEntry>(d, leader_);
  XFlush(d);
}

X11Desktop::~X11Desktop() {
  presenter_.reset();
  entry_.reset();
  XDestroyWindow(display_, leader_);
  // Errors still on their way (requests on windows destroyed from outside) are met by the
  // tolerant handler now, behind SDL's, and again once SDL has put it back while shutting down.
  XSync(display_, False);
}

XWindow X11Desktop::xwindowOf(SDL_Window* window) { return x11Info(window).window; }

void X11Desktop::tolerateGoneWindows() {
  // Other errors go on to the handler found the first time, Xlib's own. A later start of SDL
  // (tests start it many times) finds SDL's previous handler in force, which passes errors
  // back to this one: taking that as the outer handler would loop.
  const auto previous = XSetErrorHandler(&toleratingGoneWindows);
  if (!outerHandler && previous != &toleratingGoneWindows) outerHandler = previous;
}

void X11Desktop::settle(SDL_Window* window) { XSync(x11Info(window).display, False); }

unsigned long X11Desktop::atom(const char* name) { return x11::atom(display_, name); }

void X11Desktop::prepare(XWindow window, WindowKind kind) {
  Display* d = display_;
  x11::setClassAndPid(d, window);
  XWMHints* hints = XGetWMHints(d, window);
  if (hints == nullptr) {
    hints = XAllocWMHints();
    hints->flags = 0;
  }
  hints->flags |= WindowGroupHint;
  hints->window_group = leader_;
  XSetWMHints(d, window, hints);
  XFree(hints);
  x11::setWindowProperty(d, window, "WM_CLIENT_LEADER", leader_);

  if (kind == WindowKind::Dialog) {
    x11::setAtoms(d, window, "_NET_WM_WINDOW_TYPE", {"_NET_WM_WINDOW_TYPE_DIALOG"});
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
  // Synced, not flushed: the window must exist on the server before a wake-up can name it.
  XSync(d, False);
}

void X11Desktop::keepOffTaskbar(XWindow window) {
  Display* d = display_;
  const Atom state = atom("_NET_WM_STATE"), skip = atom("_NET_WM_STATE_SKIP_TASKBAR");
  auto atoms = longProperty(d, window, state, XA_ATOM);
  if (std::ranges::find(atoms, skip) != atoms.end()) return;
  atoms.push_back(skip);
  XChangeProperty(d, window, state, XA_ATOM, 32, PropModeReplace, reinterpret_cast<const unsigned char*>(atoms.data()),
                  static_cast<int>(atoms.size()));
  XFlush(d);
}

void X11Desktop::setTitle(XWindow window, std::string_view utf8) {
  x11::setText(display_, window, "WM_NAME", "_NET_WM_NAME", utf8);
  XFlush(display_);
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

void X11Desktop::present(XWindow window, const PixelView& frame, std::span<const Rect> changed) {
  if (!presenter_) presenter_ = std::make_unique<X11Presenter>(display_, window);
  presenter_->present(window, frame, changed);
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

TaskbarEntry::Notice X11Desktop::entryNotice(const SDL_SysWMmsg* message) {
  if (message == nullptr || message->subsystem != SDL_SYSWM_X11) return TaskbarEntry::Notice::Nothing;
  return entry_->notice(message->msg.x11.event);
}

XWindow X11Desktop::destroyedWindow(const SDL_SysWMmsg* message) const {
  if (message == nullptr || message->subsystem != SDL_SYSWM_X11) return 0;
  const XEvent& e = message->msg.x11.event;
  // The notice the window itself gets, not the copy its parent (a frame) gets.
  if (e.type != DestroyNotify || e.xdestroywindow.event != e.xdestroywindow.window) return 0;
  return e.xdestroywindow.window;
}

bool X11Desktop::exists(XWindow window) {
  ErrorTrap trap(display_);
  XWindowAttributes attributes;
  return XGetWindowAttributes(display_, window, &attributes) != 0 && !trap.failed();
}

void X11Desktop::forgetGoneWindow(XWindow window) {
  XEvent unmapped = {};
  unmapped.xunmap.type = UnmapNotify;
  unmapped.xunmap.display = display_;
  unmapped.xunmap.event = window;
  unmapped.xunmap.window = window;
  XPutBackEvent(display_, &unmapped);
}

int X11Desktop::cursorSize() {
  const char* size = XGetDefault(display_, "Xcursor", "size");
  const int n = size != nullptr ? std::atoi(size) : 0;
  return n > 0 ? n : 16;  // the core cursor font's glyphs
}

}  // namespace apostila::platform
