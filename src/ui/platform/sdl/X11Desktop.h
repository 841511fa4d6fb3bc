// What the SDL backend asks of X11 directly, over SDL's own display connection: the window
// manager and its frames, the window group and the task-bar entry that stand for the program,
// window properties SDL does not set or sets wrongly, the true pointer position and the window
// under it, the stacking order, the bell, putting pixels on windows, and the notices about the
// program's windows that SDL does not turn into events.
//
// The X headers stay inside the .cpp files: their macros (Expose, None, Bool, ...) would clash
// with the backend's own names. Windows are handed over as SDL windows and as X ids (XWindow).
#pragma once

#include <SDL2/SDL.h>

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ui/platform/Geometry.h"
#include "ui/platform/Pixels.h"
#include "ui/platform/Window.h"
#include "ui/platform/sdl/TaskbarEntry.h"

struct _XDisplay;

namespace apostila::platform {

class X11Presenter;

class X11Desktop {
 public:
  // Takes SDL's display connection from `anyWindow`; throws PlatformError if SDL is not on X11.
  explicit X11Desktop(SDL_Window* anyWindow);
  ~X11Desktop();
  X11Desktop(const X11Desktop&) = delete;
  X11Desktop& operator=(const X11Desktop&) = delete;

  static XWindow xwindowOf(SDL_Window* window);
  // Puts in force, before SDL starts, the process-wide X error handler that drops errors about
  // windows already gone. SDL's own handler then passes errors on to it, and SDL puts it back
  // when it shuts down, so it also meets errors that surface only as SDL closes its
  // connections (a wake-up it sent to a window destroyed meanwhile, say).
  static void tolerateGoneWindows();
  // Waits until the server has carried out every request so far on SDL's connection. SDL
  // wakes a blocked wait by sending an event to a window over a second connection, and the
  // server may serve that connection first: a window it has not yet created is an X error.
  static void settle(SDL_Window* window);
  bool hasWindowManager() const { return hasWm_; }
  // The device scale for the screen's density: Xft.dpi in the root window's resource
  // database as the connection found it when it opened (96 dpi when it sets none).
  int deviceScale() const { return scale_; }

  // Properties a new window needs before it is first mapped: class, group, kind.
  void prepare(XWindow window, WindowKind kind);
  // Before each map of a page: no task-bar entry of its own. Window managers drop the state
  // of a window they no longer manage, so it is set again every time.
  void keepOffTaskbar(XWindow window);
  // The title in its proper encoding: SDL types WM_NAME as Latin-1 but fills it with UTF-8.
  void setTitle(XWindow window, std::string_view utf8);

  TaskbarEntry& entry() { return *entry_; }
  // The entry's notice in an X event, or Nothing.
  TaskbarEntry::Notice entryNotice(const SDL_SysWMmsg* message);
  // The window that an X event says was destroyed, or 0. Only windows of the program hear of
  // their own destruction.
  XWindow destroyedWindow(const SDL_SysWMmsg* message) const;
  // Whether the server still has the window (a round trip).
  bool exists(XWindow window);
  // Before the backend lets go of a window that is already gone: SDL would wait for the
  // server to confirm that it was unmapped, which never comes for a destroyed window.
  void forgetGoneWindow(XWindow window);

  // The frame the window manager will put around this (not yet mapped) window, if it says.
  std::optional<FrameExtents> requestFrameExtents(XWindow window);
  // The frame around a mapped window, as the window manager published it.
  std::optional<FrameExtents> frameExtents(XWindow window);
  // The client area's top-left corner on screen, straight from the server.
  Point clientOrigin(XWindow window);

  // Puts the rectangles `changed` of `frame` on the window's client area, through one image
  // that every window shares (see X11Presenter).
  void present(XWindow window, const PixelView& frame, std::span<const Rect> changed);

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

  // Pixel height of the cursor images the server uses.
  int cursorSize();

 private:
  unsigned long atom(const char* name);

  _XDisplay* display_ = nullptr;
  XWindow root_ = 0;
  XWindow leader_ = 0;  // unmapped; the group leader of every window of the program
  std::unique_ptr<TaskbarEntry> entry_;
  std::unique_ptr<X11Presenter> presenter_;  // from the first frame on
  bool hasWm_ = false;
  int scale_ = 1;
  bool wmGivesExtents_ = false;
};

}  // namespace apostila::platform
