// An integer rectangle in pixels: left and top inclusive, right and bottom exclusive, so the
// width is right - left. A rectangle with right <= left or bottom <= top is empty.
#pragma once

#include <algorithm>
#include <climits>

namespace apostila::ui {

// Arithmetic on rectangles saturates at the int range instead of wrapping, so a rectangle from
// extreme stored values stays far off screen rather than wrapping into view.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  static constexpr Rect ofSize(int x, int y, int width, int height) {
    return {x, y, sat(0LL + x + width), sat(0LL + y + height)};
  }

  constexpr int width() const { return sat(static_cast<long long>(right) - left); }
  constexpr int height() const { return sat(static_cast<long long>(bottom) - top); }
  constexpr bool empty() const { return right <= left || bottom <= top; }
  constexpr bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }

  // The common part; an empty result is normalised to all zeros so that empties compare equal.
  constexpr Rect intersect(const Rect& o) const {
    Rect r{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right), std::min(bottom, o.bottom)};
    return r.empty() ? Rect{} : r;
  }
  constexpr Rect offset(int dx, int dy) const {
    return {sat(0LL + left + dx), sat(0LL + top + dy), sat(0LL + right + dx), sat(0LL + bottom + dy)};
  }
  // Grows by dx on the left and right and dy on the top and bottom; negative values shrink.
  constexpr Rect inflate(int dx, int dy) const {
    return {sat(0LL + left - dx), sat(0LL + top - dy), sat(0LL + right + dx), sat(0LL + bottom + dy)};
  }

  constexpr bool operator==(const Rect&) const = default;

 private:
  static constexpr int sat(long long v) { return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX)); }
};

}  // namespace apostila::ui
