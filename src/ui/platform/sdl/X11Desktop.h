// What the SDL backend asks of X11 directly, over SDL's own display connection: the window
// manager and its frames, the window group that stands for the program's task-bar entry,
// window properties SDL does not set, the true pointer position and the window under it, the
// stacking order, the bell, and the task bar's close requests.
//
// The X headers stay inside the .cpp: their macros (Expose, None, Bool, ...) would clash with
// the backend's own names. Windows are handed over as SDL windows and as X ids (XWindow).
#pragma once

#include <SDL2/SDL.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/platform/Geometry.h"
#include "ui/platform/Window.h"

struct _XDisplay;

namespace apostila::platform {

using XWindow = unsigned long;

class X11Desktop {
 public:
  // Takes SDL's display connection from `anyWindow`; throws PlatformError if SDL is not on X11.
  explicit X11Desktop(SDL_Window* anyWindow);
  ~X11Desktop();
  X11Desktop(const X11Desktop&) = delete;
  X11Desktop& operator=(const X11Desktop&) = delete;

  static XWindow xwindowOf(SDL_Window* window);
  bool hasWindowManager() const { return hasWm_; }

  // Properties a new window needs before it is first mapped: class, group, kind.
  void prepare(XWindow window, WindowKind kind, std::string_view appTitle);
  // The text task bars show for the program (the icon name of ICCCM).
  void setIconName(XWindow window, std::string_view title);

  // The frame the window manager will put around this (not yet mapped) window, if it says.
  std::optional<FrameExtents> requestFrameExtents(XWindow window);
  // The frame around a mapped window, as the window manager published it.
  std::optional<FrameExtents> frameExtents(XWindow window);
  // The client area's top-left corner on screen, straight from the server.
  Point clientOrigin(XWindow window);

  void mapRaised(XWindow window);
  void unmap(XWindow window);
  void raise(XWindow window);
  void bell();

  Point pointer();
  // The child of the root window under the pointer (a frame, an override-redirect window, or
  // some other program's window), or 0.
  XWindow topLevelUnderPointer();
  // The child of the root window that contains `window` (its frame under a window manager).
  XWindow topLevelOf(XWindow window);
  // The children of the root window, bottom first.
  std::vector<XWindow> rootChildren();

  // A close request sent to the window manager by a task bar or pager (_NET_CLOSE_WINDOW):
  // the window it is about, or 0 for any other message.
  XWindow closeRequestTarget(const SDL_SysWMmsg* message) const;

  // Pixel height of the cursor images the server uses.
  int cursorSize();

 private:
  unsigned long atom(const char* name);

  _XDisplay* display_ = nullptr;
  XWindow root_ = 0;
  XWindow leader_ = 0;  // unmapped; the group leader of every window of the program
  bool hasWm_ = false;
  bool wmGivesExtents_ = false;
  unsigned long netCloseWindow_ = 0;
};

}  // namespace apostila::platform
