// The native facts the window-system layer stands on. A backend knows windows, the pointer,
// the keyboard, pixels, the clock and the desktop's events; it knows nothing of pages,
// activation, modal boxes, hints or timers. Those rules live in the layer above and run the
// same over every backend.
//
// Two implementations: sdl/SdlBackend (real windows on X11) and headless/HeadlessBackend (a
// simulated desktop with a virtual clock, for tests, tools and benchmarks).
//
// Conventions:
// - One thread. Every call is made from the thread that created the backend.
// - Positions are screen pixels. A window's Left/Top is its outer top-left corner, frame
//   included, and the backend keeps the value the layer set as the truth: reading it back
//   gives what was set, not what a window manager may report a moment later.
// - Windows are created hidden, on the layer's request; the layer asks for a page's window on
//   the page's first show, not at start-up.
// - Failures of the native system, and ids the backend never gave out, throw PlatformError.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "ui/platform/Event.h"
#include "ui/platform/Geometry.h"
#include "ui/platform/Pixels.h"
#include "ui/platform/Window.h"

namespace apostila::platform {

class Backend {
 public:
  virtual ~Backend() = default;
  Backend() = default;
  Backend(const Backend&) = delete;
  Backend& operator=(const Backend&) = delete;

  // ---- The desktop ------------------------------------------------------------------------

  virtual Size screenSize() const = 0;

  // How many screen pixels stand for one page pixel (1, 2 or 3; DeviceScale.h), fixed for the
  // run. A desktop backend's geometry is in screen pixels whatever the scale; the layer sees it
  // through ScaledBackend, whose geometry is in page pixels and whose frames are this many
  // times its client sizes. The SDL backend learns the scale from the display with its first
  // window, so the layer asks after making one.
  virtual int deviceScale() const { return 1; }

  // Milliseconds on a monotonic clock (virtual in headless). Deadlines given to waitEvent are
  // on this clock.
  virtual std::int64_t nowMs() const = 0;

  virtual void beep() = 0;

  virtual void setClipboardText(std::string_view utf8) = 0;

  // The program's single task-bar entry, which stands for the application rather than for
  // one window: the layer shows it while at least one page is visible, with the application
  // title. Pages and dialogs have no entry of their own. Close on it arrives as
  // AppCloseRequest, the desktop's minimise and restore of it as AppMinimized and AppRestored.
  virtual void setTaskbarEntry(bool shown, std::string_view title) = 0;
  // Shows the entry minimised (the whole program is off the screen) or back to normal, when
  // the layer minimises or restores the program itself. Not echoed as AppMinimized or
  // AppRestored.
  virtual void setTaskbarEntryMinimized(bool minimized) = 0;

  // ---- Windows ----------------------------------------------------------------------------

  // A new window, hidden, at desc.outerPosition. For SizeOf::Outer the client area is the
  // outer size less the frame the desktop puts around this kind of window.
  virtual WindowId createWindow(const WindowDesc& desc) = 0;
  virtual void destroyWindow(WindowId window) = 0;

  virtual void setTitle(WindowId window, std::string_view utf8) = 0;
  virtual void setIcon(WindowId window, const IconImage& icon) = 0;

  // Maps the window on top of the others. The desktop normally gives it the focus too
  // (reported by FocusGained, possibly later); a Tooltip never takes it.
  virtual void show(WindowId window) = 0;
  // Unmaps the window. If it held the focus, the desktop hands the focus to some other window.
  virtual void hide(WindowId window) = 0;
  // Top of the stacking order (a Tooltip stays above all the others regardless).
  virtual void raise(WindowId window) = 0;
  // Asks the desktop to give the window the keyboard focus (to activate it); some desktops
  // also raise it. Ignored for hidden, minimised and tool-tip windows.
  virtual void focus(WindowId window) = 0;
  virtual void minimize(WindowId window) = 0;
  // Back from minimised, on top, and focused.
  virtual void restore(WindowId window) = 0;

  // Moves the outer top-left corner to `outer`, at once; geometry() reports it from now on.
  virtual void setOuterPosition(WindowId window, Point outer) = 0;
  virtual void setClientSize(WindowId window, Size client) = 0;

  virtual WindowGeometry geometry(WindowId window) const = 0;
  // Shown by the layer (and not hidden since); stays true while minimised.
  virtual bool isVisible(WindowId window) const = 0;
  virtual bool isMinimized(WindowId window) const = 0;
  // Our window holding the keyboard focus as last reported by the desktop, or kNoWindow
  // (another application has it, or nothing does).
  virtual WindowId focusedWindow() const = 0;
  // Our visible, not minimised windows, topmost first.
  virtual std::vector<WindowId> stackingOrder() const = 0;

  // ---- Pointer ----------------------------------------------------------------------------

  virtual Point pointerPosition() const = 0;
  // Our topmost window whose outer rectangle (frame included) is under the pointer, or
  // kNoWindow when the pointer is over the desktop or another program. Ignores capture. Tool
  // tips let the pointer through: the pointer over one is over the window beneath it.
  virtual WindowId windowUnderPointer() const = 0;
  // Sends all pointer events to `window` until releasePointer(), wherever the pointer is.
  // As on the native desktops, this works only while one of our windows holds the keyboard
  // focus: returns false (nothing captured) when `window` is not the focused window.
  // Independently of this, a window where a button went down gets the pointer events until
  // the last button comes up.
  virtual bool capturePointer(WindowId window) = 0;
  virtual void releasePointer() = 0;
  // The shape shown while the pointer is over `window`. The SDL backend has one shape for all
  // windows, so set it for the window under the pointer.
  virtual void setCursor(WindowId window, CursorShape shape) = 0;
  // How far the shape reaches below its hot spot, in pixels (to place a tool tip under it).
  virtual int cursorDepthBelowHotSpot(CursorShape shape) const = 0;

  // ---- Pixels -----------------------------------------------------------------------------

  // Puts the rectangles `changed` (client coordinates) of `frame` on the window's client area.
  // The frame is the whole client area as the layer rendered it; parts of it or of a rectangle
  // outside the current client area are skipped. Other pixels on screen stay as they were
  // presented before, until an Expose says they were lost.
  virtual void present(WindowId window, const PixelView& frame, std::span<const Rect> changed) = 0;

  // ---- Events -----------------------------------------------------------------------------

  // The next event, or nothing if none is waiting. Never blocks.
  virtual std::optional<Event> pollEvent() = 0;
  // Blocks until the next event or until nowMs() >= deadlineMs, whichever comes first
  // (nothing at the deadline). Without a deadline it blocks until an event comes. Waiting
  // uses no processor time; the layer owns its timers and passes the earliest as deadline.
  virtual std::optional<Event> waitEvent(std::optional<std::int64_t> deadlineMs) = 0;

  // Other sources of input read by the layer itself (a bus connection's socket). The waits
  // above also end with one Readable event (no window) when one of `fds` has data or hangs up;
  // the watch then rests until the layer calls this again, after it has read what was there,
  // so that nothing wakes the loop twice for one arrival. An empty list ends the watch. A
  // backend whose desktop has no such sources ignores it; one standing over another backend
  // passes it on (so every backend says which it does).
  virtual void watchReadable(std::span<const int> fds) = 0;
};

}  // namespace apostila::platform
