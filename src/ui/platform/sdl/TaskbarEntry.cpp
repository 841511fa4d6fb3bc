// The task-bar entry's window and the window manager's messages about it.
#include "ui/platform/sdl/TaskbarEntry.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/shape.h>

#include "ui/platform/DeviceScale.h"
#include "ui/platform/sdl/X11Props.h"

namespace apostila::platform {

using x11::atom;

TaskbarEntry::TaskbarEntry(_XDisplay* display, XWindow groupLeader) : display_(display), leader_(groupLeader) {
  create();
}

TaskbarEntry::~TaskbarEntry() {
  if (window_ != 0) XDestroyWindow(display_, window_);
  XFlush(display_);
}

void TaskbarEntry::create() {
  Display* d = display_;
  const int screen = DefaultScreen(d);
  const int x = DisplayWidth(d, screen) / 2, y = DisplayHeight(d, screen) / 2;
  window_ = XCreateSimpleWindow(d, DefaultRootWindow(d), x, y, 1, 1, 0, 0, 0);
  XSelectInput(d, window_, StructureNotifyMask | PropertyChangeMask);
  x11::setClassAndPid(d, window_);
  x11::setWindowProperty(d, window_, "WM_CLIENT_LEADER", leader_);
  x11::setAtoms(d, window_, "_NET_WM_WINDOW_TYPE", {"_NET_WM_WINDOW_TYPE_NORMAL"});

  // No input of its own, but told when the window manager would give it the focus.
  XWMHints* hints = XAllocWMHints();
  hints->flags = WindowGroupHint | InputHint | StateHint;
  hints->window_group = leader_;
  hints->input = False;
  hints->initial_state = minimized_ ? IconicState : NormalState;
  XSetWMHints(d, window_, hints);
  XFree(hints);
  Atom protocols[] = {atom(d, "WM_DELETE_WINDOW"), atom(d, "WM_TAKE_FOCUS")};
  XSetWMProtocols(d, window_, protocols, 2);

  // Where it was put and no other size; no frame; restore, minimise and close only.
  XSizeHints* size = XAllocSizeHints();
  size->flags = USPosition | PMinSize | PMaxSize;
  size->x = x;
  size->y = y;
  size->min_width = size->max_width = size->min_height = size->max_height = 1;
  XSetWMNormalHints(d, window_, size);
  XFree(size);
  const unsigned long motif[5] = {1 | 2, 8 | 32, 0, 0, 0};
  const Atom motifAtom = atom(d, "_MOTIF_WM_HINTS");
  XChangeProperty(d, window_, motifAtom, motifAtom, 32, PropModeReplace, reinterpret_cast<const unsigned char*>(motif),
                  5);
  XShapeCombineRectangles(d, window_, ShapeBounding, 0, 0, nullptr, 0, ShapeSet, YXBanded);
  XShapeCombineRectangles(d, window_, ShapeInput, 0, 0, nullptr, 0, ShapeSet, YXBanded);

  if (!title_.empty()) {
    x11::setText(d, window_, "WM_NAME", "_NET_WM_NAME", title_);
    x11::setText(d, window_, "WM_ICON_NAME", "_NET_WM_ICON_NAME", title_);
  }
  if (!icon_.empty())
    XChangeProperty(d, window_, atom(d, "_NET_WM_ICON"), XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(icon_.data()), static_cast<int>(icon_.size()));
  XFlush(d);
}

void TaskbarEntry::map() {
  XMapWindow(display_, window_);
  XFlush(display_);
}

void TaskbarEntry::show(std::string_view title) {
  if (title != title_) {
    title_ = title;
    x11::setText(display_, window_, "WM_NAME", "_NET_WM_NAME", title_);
    x11::setText(display_, window_, "WM_ICON_NAME", "_NET_WM_ICON_NAME", title_);
  }
  if (shown_) return;
  shown_ = true;
  minimized_ = false;
  map();
}

void TaskbarEntry::hide() {
  if (!shown_) return;
  shown_ = false;
  minimized_ = false;
  XWithdrawWindow(display_, window_, DefaultScreen(display_));
  XFlush(display_);
}

void TaskbarEntry::setMinimized(bool minimized) {
  if (!shown_ || minimized == minimized_) return;
  minimized_ = minimized;
  if (minimized)
    XIconifyWindow(display_, window_, DefaultScreen(display_));
  else
    map();  // mapping an iconic window is how ICCCM asks for it back
  XFlush(display_);
}

void TaskbarEntry::setIcon(const IconImage& icon, int scale) {
  constexpr int side = IconImage::kSide;
  icon_.assign({static_cast<unsigned long>(side), static_cast<unsigned long>(side)});
  icon_.insert(icon_.end(), icon.pixels, icon.pixels + side * side);
  if (scale > 1) {
    const std::vector<std::uint32_t> large = enlargedIcon(icon, scale);
    icon_.push_back(static_cast<unsigned long>(side * scale));
    icon_.push_back(static_cast<unsigned long>(side * scale));
    icon_.insert(icon_.end(), large.begin(), large.end());
  }
  XChangeProperty(display_, window_, atom(display_, "_NET_WM_ICON"), XA_CARDINAL, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(icon_.data()), static_cast<int>(icon_.size()));
  XFlush(display_);
}

TaskbarEntry::Notice TaskbarEntry::notice(const XEvent& e) {
  if (e.xany.window != window_ || window_ == 0) return Notice::Nothing;
  Display* d = display_;
  switch (e.type) {
    case ClientMessage:
      if (e.xclient.message_type != atom(d, "WM_PROTOCOLS") || e.xclient.format != 32) return Notice::Nothing;
      if (static_cast<Atom>(e.xclient.data.l[0]) == atom(d, "WM_DELETE_WINDOW")) return Notice::Close;
      if (static_cast<Atom>(e.xclient.data.l[0]) == atom(d, "WM_TAKE_FOCUS")) return Notice::Focus;
      return Notice::Nothing;
    case PropertyNotify: {
      if (e.xproperty.atom != atom(d, "WM_STATE") || e.xproperty.state != PropertyNewValue || !shown_) return Notice::Nothing;
      const Atom wmState = atom(d, "WM_STATE");
      const auto state = x11::longProperty(d, window_, wmState, wmState);
      if (state.empty()) return Notice::Nothing;
      if (state[0] == IconicState && !minimized_) {
        minimized_ = true;
        return Notice::Minimized;
      }
      if (state[0] == NormalState && minimized_) {
        minimized_ = false;
        return Notice::Restored;
      }
      return Notice::Nothing;
    }
    case DestroyNotify:
      if (e.xdestroywindow.window != window_) return Notice::Nothing;
      create();
      if (shown_) map();
      return Notice::Nothing;
    default:
      return Notice::Nothing;
  }
}

}  // namespace apostila::platform
