// Scroll bar layout, input and look.
#include "ui/ScrollBars.h"

#include <algorithm>

#include "ui/Color.h"
#include "ui/canvas/Canvas.h"
#include "ui/canvas/SystemColors.h"

namespace apostila::ui {

void ScrollBars::layout(int cw, int ch, int contentW, int contentH) {
  clientW_ = cw, clientH_ = ch, contentW_ = contentW, contentH_ = contentH;
  // One bar can make the other necessary, so decide twice.
  hBar_ = contentW > cw;
  vBar_ = contentH > ch - (hBar_ ? kThickness : 0);
  hBar_ = contentW > cw - (vBar_ ? kThickness : 0);
  viewW_ = std::max(0, cw - (vBar_ ? kThickness : 0));
  viewH_ = std::max(0, ch - (hBar_ ? kThickness : 0));
  scrollTo(x_, y_);
}

void ScrollBars::scrollTo(int nx, int ny) {
  x_ = hBar_ ? std::clamp(nx, 0, std::max(0, contentW_ - viewW_)) : 0;
  y_ = vBar_ ? std::clamp(ny, 0, std::max(0, contentH_ - viewH_)) : 0;
}

namespace {
// A bar's track between its two arrow buttons and the thumb on it, for one axis.
ScrollBars::Track trackFor(int view, int content, int pos) {
  int start = ScrollBars::kThickness, length = std::max(0, view - 2 * ScrollBars::kThickness);
  int thumb = content > 0 ? std::max(8, length * view / content) : length;
  thumb = std::min(thumb, length);
  int range = std::max(1, content - view);
  return {start, length, start + (length - thumb) * pos / range, thumb};
}
}  // namespace

ScrollBars::Track ScrollBars::hTrack() const { return trackFor(viewW_, contentW_, x_); }
ScrollBars::Track ScrollBars::vTrack() const { return trackFor(viewH_, contentH_, y_); }

bool ScrollBars::press(int px, int py) {
  const int step = 16;
  if (hBar_ && py >= viewH_ && px < viewW_) {
    Track t = hTrack();
    if (px < t.start) scrollTo(x_ - step, y_);
    else if (px >= t.start + t.length) scrollTo(x_ + step, y_);
    else if (px < t.thumbStart) scrollTo(x_ - viewW_, y_);
    else if (px >= t.thumbStart + t.thumbLength) scrollTo(x_ + viewW_, y_);
    else drag_ = Part::HThumb, grab_ = px - t.thumbStart;
    return true;
  }
  if (vBar_ && px >= viewW_ && py < viewH_) {
    Track t = vTrack();
    if (py < t.start) scrollTo(x_, y_ - step);
    else if (py >= t.start + t.length) scrollTo(x_, y_ + step);
    else if (py < t.thumbStart) scrollTo(x_, y_ - viewH_);
    else if (py >= t.thumbStart + t.thumbLength) scrollTo(x_, y_ + viewH_);
    else drag_ = Part::VThumb, grab_ = py - t.thumbStart;
    return true;
  }
  return px >= viewW_ || py >= viewH_;  // the corner between the bars
}

void ScrollBars::drag(int px, int py) {
  if (drag_ == Part::HThumb) {
    Track t = hTrack();
    int free = std::max(1, t.length - t.thumbLength);
    scrollTo((px - grab_ - t.start) * std::max(0, contentW_ - viewW_) / free, y_);
  } else if (drag_ == Part::VThumb) {
    Track t = vTrack();
    int free = std::max(1, t.length - t.thumbLength);
    scrollTo(x_, (py - grab_ - t.start) * std::max(0, contentH_ - viewH_) / free);
  }
}

void ScrollBars::release() { drag_ = Part::None; }

void ScrollBars::wheel(int notches) {
  if (vBar_) scrollTo(x_, y_ - notches * 3 * 16);
  else if (hBar_) scrollTo(x_ - notches * 3 * 16, y_);
}

namespace {
void arrow(Canvas& c, const Rect& r, int dx, int dy) {
  Rect face = c.buttonFrame(r, false);
  int cx = (face.left + face.right) / 2, cy = (face.top + face.bottom) / 2;
  // A small solid triangle pointing along (dx, dy).
  for (int i = 0; i < 4; ++i) {
    int len = 2 * i + 1;
    if (dx != 0) c.fillRect(Rect::ofSize(cx - dx * (i - 2), cy - i, 1, len), 0);
    else c.fillRect(Rect::ofSize(cx - i, cy - dy * (i - 2), len, 1), 0);
  }
}
}  // namespace

void ScrollBars::paint(Canvas& c) const {
  const std::uint32_t track = 0xE0E0E0;
  if (hBar_) {
    Rect bar = Rect::ofSize(0, viewH_, viewW_, kThickness);
    c.fillRect(bar, track);
    Track t = hTrack();
    arrow(c, Rect::ofSize(0, viewH_, kThickness, kThickness), -1, 0);
    arrow(c, Rect::ofSize(viewW_ - kThickness, viewH_, kThickness, kThickness), 1, 0);
    if (t.length > 0) c.buttonFrame(Rect::ofSize(t.thumbStart, viewH_, t.thumbLength, kThickness), false);
  }
  if (vBar_) {
    Rect bar = Rect::ofSize(viewW_, 0, kThickness, viewH_);
    c.fillRect(bar, track);
    Track t = vTrack();
    arrow(c, Rect::ofSize(viewW_, 0, kThickness, kThickness), 0, -1);
    arrow(c, Rect::ofSize(viewW_, viewH_ - kThickness, kThickness, kThickness), 0, 1);
    if (t.length > 0) c.buttonFrame(Rect::ofSize(viewW_, t.thumbStart, kThickness, t.thumbLength), false);
  }
  if (hBar_ && vBar_) c.fillRect(Rect::ofSize(viewW_, viewH_, kThickness, kThickness), toRgb(clBtnFace));
}

}  // namespace apostila::ui
