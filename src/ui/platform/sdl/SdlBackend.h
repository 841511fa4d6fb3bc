// Real windows: the backend over SDL2 on X11 (see docs/x11-desktop.md for how the program's
// windows, frames and task-bar entry map onto X11).
//
// Construction starts SDL's video and fails with a PlatformError ("cannot open the display:
// ...") when there is no display; the caller prints that one line and exits with 1. Only one
// SdlBackend may exist at a time: SDL is process-wide. While it exists, SIGTERM, SIGHUP and
// SIGINT arrive as a Terminate event instead of ending the process.
#pragma once

#include <array>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/platform/Backend.h"
#include "ui/platform/sdl/SdlHandles.h"
#include "ui/platform/sdl/SignalWatcher.h"
#include "ui/platform/sdl/X11Desktop.h"

namespace apostila::platform {

class SdlBackend final : public Backend {
 public:
  SdlBackend();
  ~SdlBackend() override;

  Size screenSize() const override;
  int deviceScale() const override;
  std::int64_t nowMs() const override;
  void beep() override;
  void setClipboardText(std::string_view utf8) override;
  void setTaskbarEntry(bool shown, std::string_view title) override;
  void setTaskbarEntryMinimized(bool minimized) override;

  WindowId createWindow(const WindowDesc& desc) override;
  void destroyWindow(WindowId window) override;
  void setTitle(WindowId window, std::string_view utf8) override;
  void setIcon(WindowId window, const IconImage& icon) override;
  void show(WindowId window) override;
  void hide(WindowId window) override;
  void raise(WindowId window) override;
  void focus(WindowId window) override;
  void minimize(WindowId window) override;
  void restore(WindowId window) override;
  void setOuterPosition(WindowId window, Point outer) override;
  void setClientSize(WindowId window, Size client) override;
  WindowGeometry geometry(WindowId window) const override;
  bool isVisible(WindowId window) const override;
  bool isMinimized(WindowId window) const override;
  WindowId focusedWindow() const override;
  std::vector<WindowId> stackingOrder() const override;

  Point pointerPosition() const override;
  WindowId windowUnderPointer() const override;
  bool capturePointer(WindowId window) override;
  void releasePointer() override;
  void setCursor(WindowId window, CursorShape shape) override;
  int cursorDepthBelowHotSpot(CursorShape shape) const override;

  void present(WindowId window, const PixelView& frame, std::span<const Rect> changed) override;

  std::optional<Event> pollEvent() override;
  std::optional<Event> waitEvent(std::optional<std::int64_t> deadlineMs) override;
  void watchReadable(std::span<const int> fds) override;

  // Whether a window manager runs on the display (frames, task bar, close requests).
  bool hasWindowManager() const { return x11_ && x11_->hasWindowManager(); }

 private:
  struct Native {
    WindowKind kind = WindowKind::Page;
    std::string title;
    std::vector<std::uint32_t> icon;  // empty until set
    SdlWindowPtr sdl;
    Uint32 sdlId = 0;
    XWindow xwindow = 0;
    Point outer;  // the layer's Left/Top: the truth, whatever the window manager says
    Size client;
    FrameExtents frame;
    bool visible = false;
    bool minimized = false;
    bool keepOuter = false;  // sized by its outer size: a frame learnt later shrinks the client
    Size outerWanted;
    std::int64_t ignoreMovesUntil = 0;   // echoes of our own move still to come
    int corrections = 0;  // re-placements of one move that the window manager put elsewhere
  };

  Native& get(WindowId window);
  const Native& get(WindowId window) const;
  // Ours for SDL's window id, or kNoWindow.
  WindowId idOf(Uint32 sdlWindowId) const;
  void open(Native& w);
  // The X side of the desktop, made with the first window (or a hidden one of its own when
  // something must be known before any window exists).
  X11Desktop& desktop();
  void applyIcon(Native& w);
  void rebuild(WindowId window);
  void handFocusBack();
  std::optional<WindowId> ourWindowAt(XWindow topLevel) const;
  void place(Native& w);
  void adoptFrame(Native& w, FrameExtents frame);
  void translate(const SDL_Event& event);
  void translateWindowEvent(const SDL_WindowEvent& event);
  Event pointerEvent(EventType type, WindowId window, int x, int y) const;

  static bool prepareSdl();  // the hints that must be set before SDL starts

  bool prepared_ = prepareSdl();
  SdlVideo video_;  // SDL is up for everything below
  Uint32 terminateEvent_ = 0;
  Uint32 readableEvent_ = 0;
  std::unique_ptr<SignalWatcher> signals_;
  std::unique_ptr<X11Desktop> x11_;  // from the first window on
  std::map<WindowId, Native> windows_;
  std::map<Uint32, WindowId> bySdlId_;
  WindowId focusWanted_ = kNoWindow;  // the window of ours the desktop should focus
  SdlWindowPtr waker_;  // never shown; lets SDL block in its wait before any window exists
  std::array<SdlCursorPtr, 12> cursors_;
  int currentCursor_ = -1;
  std::string appTitle_;
  bool entryShown_ = false;
  std::map<WindowKind, FrameExtents> frameCache_;
  MouseButtons held_;
  bool swallowF4Up_ = false;
  std::deque<Event> pending_;
};

}  // namespace apostila::platform
