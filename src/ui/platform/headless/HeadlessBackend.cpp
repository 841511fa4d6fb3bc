// The simulated desktop: window stack, focus hand-over, pointer routing with button grabs and
// capture, double clicks on the virtual clock, and the scripted wait.
#include "ui/platform/headless/HeadlessBackend.h"

#include <algorithm>
#include <cstdlib>

#include "ui/platform/DeviceScale.h"
#include "ui/platform/PlatformError.h"
#include "ui/platform/headless/HeadlessStall.h"

namespace apostila::platform {

HeadlessBackend::HeadlessBackend(Size screen, int deviceScale)
    : screen_(screen), scale_(std::clamp(deviceScale, 1, kMaxDeviceScale)) {}

void HeadlessBackend::setTaskbarEntry(bool shown, std::string_view title) {
  taskbarShown_ = shown;
  taskbarTitle_ = title;
  if (!shown) taskbarMinimized_ = false;
}

SimWindow& HeadlessBackend::get(WindowId window) {
  auto it = windows_.find(window);
  if (it == windows_.end()) throw PlatformError("no window with id " + std::to_string(window));
  return it->second;
}

const SimWindow& HeadlessBackend::get(WindowId window) const {
  return const_cast<HeadlessBackend*>(this)->get(window);
}

// ---- Windows --------------------------------------------------------------------------------

WindowId HeadlessBackend::createWindow(const WindowDesc& desc) {
  if (desc.size.width < 0 || desc.size.height < 0) throw PlatformError("a window cannot have a negative size");
  SimWindow w;
  w.id = nextId_++;
  w.kind = desc.kind;
  w.title = desc.title;
  w.outer = desc.outerPosition;
  w.frame = desc.kind == WindowKind::Tooltip ? FrameExtents{} : frame_;
  if (desc.sizeOf == SizeOf::Outer) {
    // The frame cannot be larger than the window: the client area shrinks to nothing first.
    w.outerSize = {std::max(desc.size.width, w.frame.horizontal()), std::max(desc.size.height, w.frame.vertical())};
  } else {
    w.outerSize = {desc.size.width + w.frame.horizontal(), desc.size.height + w.frame.vertical()};
  }
  w.framebuffer.resize(w.clientSize());
  const WindowId id = w.id;
  windows_.emplace(id, std::move(w));
  stack_.push_back(id);
  return id;
}

void HeadlessBackend::destroyWindow(WindowId window) {
  get(window);
  windows_.erase(window);
  std::erase(stack_, window);
  // Events already queued for it are dropped, as a real queue drops those of a dead window.
  std::erase_if(queue_, [&](const Event& e) { return e.window == window; });
  dropPointerHolds(window);
  if (hover_ == window) hover_ = kNoWindow;
  if (lastPress_.window == window) lastPress_ = {};
  if (focusBeforeSwitch_ == window) focusBeforeSwitch_ = kNoWindow;
  if (focused_ == window) {
    focused_ = kNoWindow;  // a destroyed window is told nothing
    focusFallback();
  }
  updateHover();
}

void HeadlessBackend::setTitle(WindowId window, std::string_view utf8) { get(window).title = utf8; }

void HeadlessBackend::setIcon(WindowId window, const IconImage& icon) {
  SimWindow& w = get(window);
  if (icon.pixels == nullptr) throw PlatformError("an icon needs pixels");
  w.icon.assign(icon.pixels, icon.pixels + IconImage::kSide * IconImage::kSide);
}

void HeadlessBackend::show(WindowId window) {
  SimWindow& w = get(window);
  if (w.visible) return;
  w.visible = true;
  w.minimized = false;
  raiseInStack(window);
  push(Event::of(EventType::Expose, window));
  if (w.takesFocus()) moveFocus(window);
  updateHover();
}

void HeadlessBackend::hide(WindowId window) {
  SimWindow& w = get(window);
  if (!w.visible) return;
  w.visible = false;
  w.minimized = false;
  // A hidden window shows nothing: its pixels go, and their storage serves the next window
  // that is drawn, so moving from page to page allocates nothing.
  std::vector<std::uint32_t> storage = w.framebuffer.release();
  if (storage.capacity() > spare_.capacity()) spare_ = std::move(storage);
  dropPointerHolds(window);
  if (focused_ == window) focusFallback();
  updateHover();
}

void HeadlessBackend::raise(WindowId window) {
  get(window);
  raiseInStack(window);
  updateHover();
}

void HeadlessBackend::focus(WindowId window) {
  const SimWindow& w = get(window);
  if (!w.onScreen() || !w.takesFocus()) return;
  moveFocus(window);
}

void HeadlessBackend::minimize(WindowId window) {
  SimWindow& w = get(window);
  if (!w.visible || w.minimized) return;
  w.minimized = true;
  dropPointerHolds(window);
  if (focused_ == window) focusFallback();
  updateHover();
}

void HeadlessBackend::restore(WindowId window) {
  SimWindow& w = get(window);
  if (!w.minimized) return;
  w.minimized = false;
  raiseInStack(window);
  push(Event::of(EventType::Expose, window));
  moveFocus(window);
  updateHover();
}

void HeadlessBackend::setOuterPosition(WindowId window, Point outer) {
  get(window).outer = outer;
  updateHover();
}

void HeadlessBackend::setClientSize(WindowId window, Size client) {
  SimWindow& w = get(window);
  if (client.width < 0 || client.height < 0) throw PlatformError("a window cannot have a negative size");
  w.outerSize = {client.width + w.frame.horizontal(), client.height + w.frame.vertical()};
  w.framebuffer.resize(client);
  if (w.visible) push(Event::of(EventType::Expose, window));
  updateHover();
}

WindowGeometry HeadlessBackend::geometry(WindowId window) const {
  const SimWindow& w = get(window);
  return {w.outerRect(), w.clientRect(), w.frame};
}

std::vector<WindowId> HeadlessBackend::stackingOrder() const {
  std::vector<WindowId> order;
  for (auto it = stack_.rbegin(); it != stack_.rend(); ++it)
    if (get(*it).onScreen()) order.push_back(*it);
  // Tool tips float above everything else.
  std::stable_partition(order.begin(), order.end(), [&](WindowId id) { return get(id).kind == WindowKind::Tooltip; });
  return order;
}

std::vector<WindowId> HeadlessBackend::windows() const {
  std::vector<WindowId> ids;
  for (const auto& [id, w] : windows_) ids.push_back(id);
  return ids;
}

void HeadlessBackend::raiseInStack(WindowId window) {
  std::erase(stack_, window);
  stack_.push_back(window);
}

// ---- Focus ----------------------------------------------------------------------------------

void HeadlessBackend::moveFocus(WindowId to) {
  appActive_ = appActive_ || to != kNoWindow;
  if (to == focused_) return;
  if (focused_ != kNoWindow) push(Event::of(EventType::FocusLost, focused_));
  focused_ = to;
  if (to != kNoWindow) push(Event::of(EventType::FocusGained, to));
}

// Like a window manager's fallback: the topmost remaining window of ours, else nothing.
void HeadlessBackend::focusFallback() {
  for (WindowId id : stackingOrder()) {
    if (id != focused_ && get(id).takesFocus()) {
      moveFocus(id);
      return;
    }
  }
  moveFocus(kNoWindow);
}

// ---- Pointer --------------------------------------------------------------------------------

WindowId HeadlessBackend::windowAt(Point screen) const {
  // A tool tip lets the pointer through to what lies beneath it, as on the real desktop.
  for (WindowId id : stackingOrder())
    if (get(id).kind != WindowKind::Tooltip && get(id).outerRect().contains(screen)) return id;
  return kNoWindow;
}

WindowId HeadlessBackend::clientWindowAt(Point screen) const {
  const WindowId id = windowAt(screen);
  return id != kNoWindow && get(id).clientRect().contains(screen) ? id : kNoWindow;
}

WindowId HeadlessBackend::pointerTarget() const {
  if (capture_ != kNoWindow) return capture_;
  if (grab_ != kNoWindow) return grab_;
  return clientWindowAt(pointer_);
}

Event HeadlessBackend::pointerEvent(EventType type, WindowId window) const {
  Event e = Event::of(type, window);
  e.screen = pointer_;
  e.client = pointer_ - get(window).clientRect().origin();
  e.buttons = buttons_;
  return e;
}

// Crossing events are held back while the pointer is held by a window, and caught up after.
void HeadlessBackend::updateHover() {
  if (capture_ != kNoWindow || grab_ != kNoWindow) return;
  const WindowId now = clientWindowAt(pointer_);
  if (now == hover_) return;
  if (hover_ != kNoWindow) push(Event::of(EventType::PointerLeave, hover_));
  hover_ = now;
  if (now != kNoWindow) push(pointerEvent(EventType::PointerEnter, now));
}

// A window that goes off screen loses what held the pointer for it, as on X.
void HeadlessBackend::dropPointerHolds(WindowId window) {
  if (capture_ == window) capture_ = kNoWindow;
  if (grab_ == window) grab_ = kNoWindow;
}

bool HeadlessBackend::capturePointer(WindowId window) {
  get(window);
  if (focused_ != window) return false;
  capture_ = window;
  return true;
}

void HeadlessBackend::releasePointer() {
  capture_ = kNoWindow;
  updateHover();
}

int HeadlessBackend::cursorDepthBelowHotSpot(CursorShape shape) const {
  // A simulated 32-pixel cursor set, as large again for each step of the device scale: the
  // arrow and the hand point from their top.
  switch (shape) {
    case CursorShape::Arrow:
    case CursorShape::ArrowWait:
    case CursorShape::Hand: return 20 * scale_;
    case CursorShape::IBeam: return 9 * scale_;
    default: return 16 * scale_;
  }
}

void HeadlessBackend::movePointer(Point screen) {
  pointer_ = screen;
  updateHover();
  if (const WindowId target = pointerTarget(); target != kNoWindow) push(pointerEvent(EventType::MouseMove, target));
}

void HeadlessBackend::pressButton(MouseButton button) {
  if (button == MouseButton::None || buttons_.held(button)) return;
  // Click to focus: a press on one of our windows raises it and gives it the focus first.
  const WindowId over = windowAt(pointer_);
  if (over != kNoWindow && capture_ == kNoWindow && grab_ == kNoWindow && get(over).takesFocus()) {
    raiseInStack(over);
    moveFocus(over);
    updateHover();
  }
  if (!buttons_.any() && capture_ == kNoWindow) grab_ = clientWindowAt(pointer_);
  buttons_.set(button, true);
  const WindowId target = pointerTarget();
  if (target == kNoWindow) return;  // on a frame or off our windows: the desktop's business

  const Press& last = lastPress_;
  const bool twice = last.window == target && last.button == button && now_ - last.time <= kDoubleClickMs &&
                     std::abs(pointer_.x - last.screen.x) <= kDoubleClickDistance &&
                     std::abs(pointer_.y - last.screen.y) <= kDoubleClickDistance;
  Event e = pointerEvent(twice ? EventType::MouseDoubleClick : EventType::MouseDown, target);
  e.button = button;
  push(e);
  // After a double click the next press starts over, so a triple press is double + single.
  lastPress_ = twice ? Press{} : Press{target, button, now_, pointer_};
}

void HeadlessBackend::releaseButton(MouseButton button) {
  if (!buttons_.held(button)) return;
  buttons_.set(button, false);
  if (const WindowId target = pointerTarget(); target != kNoWindow) {
    Event e = pointerEvent(EventType::MouseUp, target);
    e.button = button;
    push(e);
  }
  if (!buttons_.any()) grab_ = kNoWindow;
  updateHover();
}

void HeadlessBackend::click(MouseButton button) {
  pressButton(button);
  releaseButton(button);
}

void HeadlessBackend::turnWheel(int notches) {
  if (const WindowId target = pointerTarget(); target != kNoWindow) {
    Event e = pointerEvent(EventType::Wheel, target);
    e.wheel = notches;
    push(e);
  }
}

// ---- Keyboard -------------------------------------------------------------------------------

namespace {
bool desktopCloseKey(Key key, Modifiers mods) { return key == Key::F4 && mods.alt && !mods.ctrl; }
}  // namespace

void HeadlessBackend::pressKey(Key key, Modifiers mods, std::string text) {
  if (focused_ == kNoWindow) return;
  if (desktopCloseKey(key, mods)) {
    push(Event::of(EventType::CloseRequest, focused_));
    return;
  }
  Event e = Event::of(EventType::KeyDown, focused_);
  e.mods = mods;
  e.key = key;
  e.text = std::move(text);
  push(std::move(e));
}

void HeadlessBackend::releaseKey(Key key, Modifiers mods) {
  if (focused_ == kNoWindow || desktopCloseKey(key, mods)) return;
  Event e = Event::of(EventType::KeyUp, focused_);
  e.mods = mods;
  e.key = key;
  push(std::move(e));
}

void HeadlessBackend::typeKey(Key key, Modifiers mods, std::string text) {
  pressKey(key, mods, std::move(text));
  releaseKey(key, mods);
}

// ---- The desktop's own actions ---------------------------------------------------------------

bool HeadlessBackend::requestClose(WindowId window) {
  const SimWindow& w = get(window);
  if (!w.onScreen() || w.kind == WindowKind::Tooltip) return false;
  push(Event::of(EventType::CloseRequest, window));
  return true;
}

bool HeadlessBackend::closeFromTaskbar() {
  if (!taskbarShown_) return false;
  push(Event::of(EventType::AppCloseRequest));
  return true;
}

bool HeadlessBackend::minimizeFromTaskbar() {
  if (!taskbarShown_ || taskbarMinimized_) return false;
  taskbarMinimized_ = true;
  push(Event::of(EventType::AppMinimized));
  return true;
}

bool HeadlessBackend::restoreFromTaskbar() {
  if (!taskbarMinimized_) return false;
  taskbarMinimized_ = false;
  push(Event::of(EventType::AppRestored));
  return true;
}

void HeadlessBackend::switchToOtherApp() {
  if (!appActive_) return;
  focusBeforeSwitch_ = focused_;
  moveFocus(kNoWindow);
  appActive_ = false;
}

void HeadlessBackend::switchBackToApp() {
  WindowId to = focusBeforeSwitch_;
  if (to == kNoWindow || !get(to).onScreen()) {
    to = kNoWindow;
    for (WindowId id : stackingOrder())
      if (get(id).takesFocus()) { to = id; break; }
  }
  appActive_ = true;
  if (to != kNoWindow) activateByDesktop(to);
}

bool HeadlessBackend::activateByDesktop(WindowId window) {
  const SimWindow& w = get(window);
  if (!w.onScreen() || !w.takesFocus()) return false;
  raiseInStack(window);
  moveFocus(window);
  updateHover();
  return true;
}

bool HeadlessBackend::minimizeByDesktop(WindowId window) {
  return get(window).kind == WindowKind::Page && minimizeFromWindowMenu(window);  // only pages have the box
}

bool HeadlessBackend::minimizeFromWindowMenu(WindowId window) {
  const SimWindow& w = get(window);
  if (!w.onScreen() || w.kind == WindowKind::Tooltip) return false;
  push(Event::of(EventType::Minimized, window));
  minimize(window);
  return true;
}

bool HeadlessBackend::restoreByDesktop(WindowId window) {
  if (!get(window).minimized) return false;
  push(Event::of(EventType::Restored, window));
  restore(window);
  return true;
}

bool HeadlessBackend::moveByDesktop(WindowId window, Point outer) {
  SimWindow& w = get(window);
  if (!w.onScreen() || w.kind == WindowKind::Tooltip) return false;
  w.outer = outer;
  Event e = Event::of(EventType::Moved, window);
  e.outerPosition = outer;
  push(e);
  updateHover();
  return true;
}

bool HeadlessBackend::resizeByDesktop(WindowId window, Size outer) {
  SimWindow& w = get(window);
  if (!w.onScreen() || w.kind != WindowKind::Page) return false;  // only pages are sizeable
  w.outerSize = {std::max(outer.width, w.frame.horizontal()), std::max(outer.height, w.frame.vertical())};
  w.framebuffer.resize(w.clientSize());
  Event e = Event::of(EventType::Resized, window);
  e.outerSize = w.outerSize;
  e.clientSize = w.clientSize();
  push(e);
  push(Event::of(EventType::Expose, window));
  updateHover();
  return true;
}

bool HeadlessBackend::loseContent(WindowId window) {
  SimWindow& w = get(window);
  if (!w.onScreen()) return false;
  std::vector<std::uint32_t> storage = w.framebuffer.release();
  if (storage.capacity() > spare_.capacity()) spare_ = std::move(storage);
  push(Event::of(EventType::Expose, window));
  return true;
}

void HeadlessBackend::terminate() { push(Event::of(EventType::Terminate)); }

// ---- Pixels and events ----------------------------------------------------------------------

void HeadlessBackend::present(WindowId window, const PixelView& frame, std::span<const Rect> changed) {
  SimWindow& w = get(window);
  if (frame.pixels == nullptr && !changed.empty()) throw PlatformError("present needs pixels");
  w.lastPresented.clear();
  for (const Rect& r : changed)
    if (const Rect copied = w.framebuffer.copyFrom(frame, r, &spare_); !copied.empty()) w.lastPresented.push_back(copied);
  ++w.presentCount;
}

void HeadlessBackend::push(Event event) { queue_.push_back(std::move(event)); }

std::optional<Event> HeadlessBackend::pollEvent() {
  if (queue_.empty()) return std::nullopt;
  Event e = std::move(queue_.front());
  queue_.pop_front();
  return e;
}

std::optional<Event> HeadlessBackend::waitEvent(std::optional<std::int64_t> deadlineMs) {
  if (!queue_.empty()) return pollEvent();
  if (deadlineMs && now_ >= *deadlineMs) return std::nullopt;
  if (!waitActions_.empty()) {
    auto action = std::move(waitActions_.front());
    waitActions_.pop_front();
    action();
    if (!queue_.empty()) return pollEvent();
  }
  if (deadlineMs) {
    now_ = std::max(now_, *deadlineMs);
    return std::nullopt;
  }
  throw HeadlessStall{"the program waits for an event, but nothing is queued, no deadline is set and no "
                      "scripted action is left"};
}

}  // namespace apostila::platform
