// A simulated desktop for tests, tools and benchmarks: a screen, a window stack, the focus,
// the pointer, a virtual clock, and the pixels each window was given. A hidden window keeps no
// pixels: they read black until the window is drawn again.
//
// It behaves like a desktop with a click-to-focus window manager: a newly shown window takes
// the focus; a click into a window of ours that does not have the focus raises and focuses it
// first; when the focused window goes away the topmost remaining window of ours gets the
// focus; Alt+F4 is the desktop's close key and arrives as CloseRequest, not as keys. Frames
// are empty (client size = outer size) unless the test sets a simulated frame.
//
// The virtual clock moves only when the test advances it or when the program waits:
// waitEvent() with nothing queued first runs the next action the test scripted with onWait();
// if that queues nothing, the clock jumps to the deadline and the wait returns at once, and
// with no deadline it throws HeadlessStall. Inputs go where they would go at the moment they
// are made (keys typed ahead go to the window focused when typing, as on a real desktop).
//
// Test-facing controls and queries are the non-virtual members below the Backend overrides.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui/platform/Backend.h"
#include "ui/platform/headless/SimWindow.h"

namespace apostila::platform {

class HeadlessBackend final : public Backend {
 public:
  static constexpr Size kDefaultScreen{1024, 768};
  static constexpr int kDoubleClickMs = 500;
  static constexpr int kDoubleClickDistance = 4;  // pixels, either axis

  // deviceScale: the density the simulated screen reports (1 to 3; clamped), so that tests can
  // run the layer as it runs on a high-density screen. Geometry, pointer and pixels here are
  // the screen's own, as on a real desktop.
  explicit HeadlessBackend(Size screen = kDefaultScreen, int deviceScale = 1);

  // ---- Backend ----
  Size screenSize() const override { return screen_; }
  int deviceScale() const override { return scale_; }
  std::int64_t nowMs() const override { return now_; }
  void beep() override { ++beeps_; }
  void setClipboardText(std::string_view utf8) override { clipboard_ = utf8; }
  void setTaskbarEntry(bool shown, std::string_view title) override;
  void setTaskbarEntryMinimized(bool minimized) override { taskbarMinimized_ = taskbarShown_ && minimized; }

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
  bool isVisible(WindowId window) const override { return get(window).visible; }
  bool isMinimized(WindowId window) const override { return get(window).minimized; }
  WindowId focusedWindow() const override { return focused_; }
  std::vector<WindowId> stackingOrder() const override;

  Point pointerPosition() const override { return pointer_; }
  WindowId windowUnderPointer() const override { return windowAt(pointer_); }
  bool capturePointer(WindowId window) override;
  void releasePointer() override;
  void setCursor(WindowId window, CursorShape shape) override { get(window).cursor = shape; }
  int cursorDepthBelowHotSpot(CursorShape shape) const override;

  void present(WindowId window, const PixelView& frame, std::span<const Rect> changed) override;

  std::optional<Event> pollEvent() override;
  std::optional<Event> waitEvent(std::optional<std::int64_t> deadlineMs) override;
  // The simulated desktop has no sockets: a test says when a source is readable.
  void watchReadable(std::span<const int>) override {}

  // ---- The simulated learner and desktop ----

  // Frame around Page and Dialog windows created from now on (tool tips have none).
  void setSimulatedFrame(FrameExtents frame) { frame_ = frame; }

  void movePointer(Point screen);
  void pressButton(MouseButton button = MouseButton::Left);
  void releaseButton(MouseButton button = MouseButton::Left);
  void click(MouseButton button = MouseButton::Left);  // press and release where the pointer is
  void turnWheel(int notches);
  // Keys go to the focused window of ours; with none (another application active) they are lost.
  void pressKey(Key key, Modifiers mods = {}, std::string text = {});
  void releaseKey(Key key, Modifiers mods = {});
  void typeKey(Key key, Modifiers mods = {}, std::string text = {});

  void advanceClock(std::int64_t ms) { now_ += ms; }
  // Queues an action to run the next time the program waits with nothing to do; one action
  // per such wait, in order.
  void onWait(std::function<void()> action) { waitActions_.push_back(std::move(action)); }
  std::size_t pendingEvents() const { return queue_.size(); }

  // Each returns false, doing nothing, where the desktop would offer no such thing (a hidden
  // window has no close box; a task-bar entry that is not shown cannot be closed).
  bool requestClose(WindowId window);  // the close box
  bool closeFromTaskbar();
  bool minimizeFromTaskbar();          // the entry's own minimise
  bool restoreFromTaskbar();           // a click on the minimised entry
  void switchToOtherApp();             // another program takes the focus
  void switchBackToApp();              // back to the window of ours that had the focus
  bool activateByDesktop(WindowId window);  // a click on its title bar, or the window switcher
  bool minimizeByDesktop(WindowId window);
  // Minimise from the window menu, which some window managers offer on windows that have no
  // minimise box (dialogs) as well.
  bool minimizeFromWindowMenu(WindowId window);
  bool restoreByDesktop(WindowId window);
  bool moveByDesktop(WindowId window, Point outer);  // dragged by its title bar
  bool resizeByDesktop(WindowId window, Size outer);
  // The server lost what the window showed (another window passed over it): its pixels read
  // black until the layer presents them again, and an Expose says so. False for a window that
  // is not on the screen.
  bool loseContent(WindowId window);
  void terminate();  // SIGTERM, the desktop logging off
  // A source the layer reads itself (a bus connection) has data: the wait ends with Readable.
  void sourceReadable() { push(Event::of(EventType::Readable)); }

  // ---- What the desktop shows ----
  std::vector<WindowId> windows() const;  // every window not destroyed, in creation order
  WindowKind kind(WindowId window) const { return get(window).kind; }
  const std::string& title(WindowId window) const { return get(window).title; }
  CursorShape cursor(WindowId window) const { return get(window).cursor; }
  const std::vector<std::uint32_t>& icon(WindowId window) const { return get(window).icon; }
  std::uint32_t pixel(WindowId window, Point client) const { return get(window).framebuffer.at(client); }
  PixelView pixels(WindowId window) const { return get(window).framebuffer.view(); }
  const std::vector<Rect>& lastPresented(WindowId window) const { return get(window).lastPresented; }
  int presentCount(WindowId window) const { return get(window).presentCount; }
  WindowId captureWindow() const { return capture_; }
  bool appActive() const { return appActive_; }
  bool taskbarShown() const { return taskbarShown_; }
  bool taskbarMinimized() const { return taskbarMinimized_; }
  const std::string& taskbarTitle() const { return taskbarTitle_; }
  const std::string& clipboard() const { return clipboard_; }
  int beeps() const { return beeps_; }

 private:
  SimWindow& get(WindowId window);
  const SimWindow& get(WindowId window) const;
  WindowId windowAt(Point screen) const;
  WindowId clientWindowAt(Point screen) const;
  WindowId pointerTarget() const;
  void push(Event event);
  Event pointerEvent(EventType type, WindowId window) const;
  void moveFocus(WindowId to);
  void focusFallback();
  void raiseInStack(WindowId window);
  void updateHover();
  void dropPointerHolds(WindowId window);

  Size screen_;
  int scale_ = 1;
  FrameExtents frame_;
  std::int64_t now_ = 0;
  WindowId nextId_ = 1;
  std::map<WindowId, SimWindow> windows_;
  std::vector<WindowId> stack_;  // bottom first
  WindowId focused_ = kNoWindow;
  WindowId focusBeforeSwitch_ = kNoWindow;
  bool appActive_ = true;

  Point pointer_;
  MouseButtons buttons_;
  WindowId grab_ = kNoWindow;     // where the held buttons went down
  WindowId capture_ = kNoWindow;  // explicit capture
  WindowId hover_ = kNoWindow;    // client area the pointer was last reported in
  struct Press {
    WindowId window = kNoWindow;
    MouseButton button = MouseButton::None;
    std::int64_t time = 0;
    Point screen;
  } lastPress_;

  std::vector<std::uint32_t> spare_;  // pixel storage a hidden window gave up
  std::deque<Event> queue_;
  std::deque<std::function<void()>> waitActions_;

  bool taskbarShown_ = false;
  bool taskbarMinimized_ = false;
  std::string taskbarTitle_;
  std::string clipboard_;
  int beeps_ = 0;
};

}  // namespace apostila::platform
