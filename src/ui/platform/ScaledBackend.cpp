// Page pixels over screen pixels.
#include "ui/platform/ScaledBackend.h"

#include <algorithm>
#include <climits>
#include <vector>

#include "ui/platform/DeviceScale.h"

namespace apostila::platform {

namespace {
// Products saturate well inside the int range: positions and sizes come from stored pages, and
// a page that asks for the impossible gets a window far off or very large, never a wrapped-around
// one, with room left for the device to add its frame.
constexpr long long kFar = 1LL << 30;
int sat(long long v) { return static_cast<int>(std::clamp(v, -kFar, kFar)); }
int floorDiv(int a, int s) { return a >= 0 ? a / s : -static_cast<int>((-static_cast<long long>(a) + s - 1) / s); }
int ceilDiv(int a, int s) { return -floorDiv(-std::max(a, -INT_MAX), s); }
Point times(Point p, int s) { return {sat(1LL * p.x * s), sat(1LL * p.y * s)}; }
Size times(Size z, int s) { return {sat(1LL * z.width * s), sat(1LL * z.height * s)}; }
Point over(Point p, int s) { return {floorDiv(p.x, s), floorDiv(p.y, s)}; }
// Where the device window's outer corner goes for the layer's `outer`: its client area at s
// times (outer plus the frame in page pixels).
Point deviceOuter(Point outer, const FrameExtents& page, const FrameExtents& screen, int s) {
  return {sat((0LL + outer.x + page.left) * s - screen.left), sat((0LL + outer.y + page.top) * s - screen.top)};
}
}  // namespace

int ScaledBackend::scale() const {
  if (scale_ == 0) scale_ = std::clamp(device_.deviceScale(), 1, kMaxDeviceScale);
  return scale_;
}

Size ScaledBackend::screenSize() const {
  const Size screen = device_.screenSize();
  const int s = scale();
  return {screen.width / s, screen.height / s};
}

FrameExtents ScaledBackend::pageFrame(const FrameExtents& f) const {
  const int s = scale();
  return {ceilDiv(f.left, s), ceilDiv(f.right, s), ceilDiv(f.top, s), ceilDiv(f.bottom, s)};
}

WindowId ScaledBackend::createWindow(const WindowDesc& desc) {
  if (scale_ == 1) return device_.createWindow(desc);
  if (desc.size.width < 0 || desc.size.height < 0) return device_.createWindow(desc);  // the device refuses it
  Placed placed;
  placed.outer = desc.outerPosition;
  if (desc.sizeOf == SizeOf::Outer && desc.kind != WindowKind::Tooltip) placed.outerSize = desc.size;
  if (scale_ == 0) {
    // The first window: made as asked, since the scale may only be known once it exists, and
    // fitted afterwards while it is still hidden.
    const WindowId id = device_.createWindow(desc);
    if (scale() == 1) return id;
    if (!placed.outerSize) device_.setClientSize(id, times(desc.size, scale_));
    fit(id, placed_[id] = placed);
    return id;
  }
  const int s = scale_;
  WindowDesc d = desc;
  d.sizeOf = SizeOf::Client;
  d.size = times(desc.size, s);
  d.outerPosition = times(desc.outerPosition, s);
  const WindowId id = device_.createWindow(d);
  fit(id, placed_[id] = placed);
  return id;
}

void ScaledBackend::fit(WindowId window, Placed& p) {
  const int s = scale();
  p.frame = device_.geometry(window).frame;
  const FrameExtents f = pageFrame(p.frame);
  if (p.outerSize)
    device_.setClientSize(window, times(Size{std::max(0, p.outerSize->width - f.horizontal()),
                                         std::max(0, p.outerSize->height - f.vertical())}, s));
  device_.setOuterPosition(window, deviceOuter(p.outer, f, p.frame, s));
}

void ScaledBackend::destroyWindow(WindowId window) {
  device_.destroyWindow(window);
  placed_.erase(window);
}

void ScaledBackend::show(WindowId window) {
  device_.show(window);
  // Mapping may bring the window manager's real frame.
  if (auto it = placed_.find(window); it != placed_.end() && device_.geometry(window).frame != it->second.frame)
    fit(window, it->second);
}

void ScaledBackend::setOuterPosition(WindowId window, Point outer) {
  auto it = placed_.find(window);
  if (it == placed_.end()) {
    device_.setOuterPosition(window, outer);
    return;
  }
  it->second.outer = outer;
  const FrameExtents& frame = it->second.frame = device_.geometry(window).frame;
  device_.setOuterPosition(window, deviceOuter(outer, pageFrame(frame), frame, scale()));
}

void ScaledBackend::setClientSize(WindowId window, Size client) {
  auto it = placed_.find(window);
  if (it == placed_.end()) {
    device_.setClientSize(window, client);
    return;
  }
  it->second.outerSize.reset();
  device_.setClientSize(window, client.width < 0 || client.height < 0 ? client : times(client, scale()));
}

WindowGeometry ScaledBackend::geometry(WindowId window) const {
  const WindowGeometry g = device_.geometry(window);
  if (!placed_.contains(window)) return g;
  const int s = scale();
  const FrameExtents f = pageFrame(g.frame);
  // A client area the learner sized to no whole number of page pixels counts the part pixel as
  // one: the frame drawn for it covers every screen pixel (the backend cuts what is beyond).
  const Rect client(over(g.client.origin(), s), Size{ceilDiv(g.client.width, s), ceilDiv(g.client.height, s)});
  const Rect outer(client.x - f.left, client.y - f.top, client.width + f.horizontal(), client.height + f.vertical());
  return {outer, client, f};
}

Point ScaledBackend::pointerPosition() const {
  const Point p = device_.pointerPosition();
  const int s = scale_;
  if (s <= 1) return p;
  // Over one of our windows, counted from its client area, which starts on a whole page pixel
  // even where the desktop moved it elsewhere: the pointer rules see the element the events see.
  if (const WindowId w = device_.windowUnderPointer(); w != kNoWindow && placed_.contains(w)) {
    const Point origin = device_.geometry(w).client.origin();
    return over(p - origin, s) + over(origin, s);
  }
  return over(p, s);
}

int ScaledBackend::cursorDepthBelowHotSpot(CursorShape shape) const {
  return ceilDiv(device_.cursorDepthBelowHotSpot(shape), scale());
}

void ScaledBackend::present(WindowId window, const PixelView& frame, std::span<const Rect> changed) {
  const int s = scale();
  if (s == 1 || !placed_.contains(window)) {
    device_.present(window, frame, changed);
    return;
  }
  std::vector<Rect> onScreen;
  onScreen.reserve(changed.size());
  for (const Rect& r : changed)
    onScreen.push_back({sat(1LL * r.x * s), sat(1LL * r.y * s), sat(1LL * r.width * s), sat(1LL * r.height * s)});
  device_.present(window, frame, onScreen);
}

Event ScaledBackend::toPage(Event e) const {
  const int s = scale_;
  auto it = placed_.find(e.window);
  if (it == placed_.end()) {
    e.client = over(e.client, s);
    e.screen = over(e.screen, s);
    return e;
  }
  const Point origin = over(device_.geometry(e.window).client.origin(), s);
  e.client = over(e.client, s);
  e.screen = e.client + origin;
  switch (e.type) {
    case EventType::Moved: {
      const FrameExtents f = pageFrame(it->second.frame);
      e.outerPosition = {origin.x - f.left, origin.y - f.top};
      // The learner moved it: this is the layer's position from now on.
      const_cast<Placed&>(it->second).outer = e.outerPosition;
      break;
    }
    case EventType::Resized: {
      const FrameExtents f = pageFrame(device_.geometry(e.window).frame);
      e.clientSize = {ceilDiv(e.clientSize.width, s), ceilDiv(e.clientSize.height, s)};
      e.outerSize = {e.clientSize.width + f.horizontal(), e.clientSize.height + f.vertical()};
      const_cast<Placed&>(it->second).outerSize.reset();
      break;
    }
    default:
      break;
  }
  return e;
}

std::optional<Event> ScaledBackend::pollEvent() {
  // Before the scale is known no window exists, and there is nothing to convert.
  auto e = device_.pollEvent();
  if (e && scale_ > 1) return toPage(std::move(*e));
  return e;
}

std::optional<Event> ScaledBackend::waitEvent(std::optional<std::int64_t> deadlineMs) {
  auto e = device_.waitEvent(deadlineMs);
  if (e && scale_ > 1) return toPage(std::move(*e));
  return e;
}

}  // namespace apostila::platform
