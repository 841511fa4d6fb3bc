// Plain geometry for the backends: points, sizes, rectangles and window-frame extents, all in
// whole pixels. Screen coordinates have their origin at the top-left of the screen; client
// coordinates at the top-left of a window's client area.
#pragma once

#include <algorithm>

namespace apostila::platform {

struct Point {
  int x = 0;
  int y = 0;
  friend constexpr bool operator==(Point, Point) = default;
  friend constexpr Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
  friend constexpr Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
};

struct Size {
  int width = 0;
  int height = 0;
  friend constexpr bool operator==(Size, Size) = default;
};

// Half-open: covers x .. x+width-1 and y .. y+height-1.
struct Rect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;

  constexpr Rect() = default;
  constexpr Rect(int x_, int y_, int w, int h) : x(x_), y(y_), width(w), height(h) {}
  constexpr Rect(Point origin, Size size) : x(origin.x), y(origin.y), width(size.width), height(size.height) {}

  constexpr Point origin() const { return {x, y}; }
  constexpr Size size() const { return {width, height}; }
  constexpr int right() const { return x + width; }
  constexpr int bottom() const { return y + height; }
  constexpr bool empty() const { return width <= 0 || height <= 0; }
  constexpr bool contains(Point p) const { return p.x >= x && p.x < right() && p.y >= y && p.y < bottom(); }
  constexpr Rect intersect(const Rect& o) const {
    const int l = std::max(x, o.x), t = std::max(y, o.y);
    const int r = std::min(right(), o.right()), b = std::min(bottom(), o.bottom());
    return r > l && b > t ? Rect{l, t, r - l, b - t} : Rect{};
  }
  friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

// The window manager's decoration around a client area, in pixels on each side.
struct FrameExtents {
  int left = 0;
  int right = 0;
  int top = 0;
  int bottom = 0;
  friend constexpr bool operator==(const FrameExtents&, const FrameExtents&) = default;
  constexpr int horizontal() const { return left + right; }
  constexpr int vertical() const { return top + bottom; }
};

}  // namespace apostila::platform
