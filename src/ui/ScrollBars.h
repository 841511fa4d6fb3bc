// The page window's scroll bars: when the client area is smaller than the extent of the page's
// elements, a bar appears along that side and scrolls the content; when it is larger, nothing
// does and the page colour fills the rest. Behaviour (position, dragging, arrows, the wheel) is
// kept apart from painting, which draws from this state only.
#pragma once

#include "ui/canvas/Rect.h"

namespace apostila::ui {

class Canvas;

class ScrollBars {
 public:
  static constexpr int kThickness = 16;

  // Lays the bars out for a client area and a content extent; keeps the position in range.
  void layout(int clientWidth, int clientHeight, int contentWidth, int contentHeight);
  bool horizontal() const { return hBar_; }
  bool vertical() const { return vBar_; }
  int x() const { return x_; }
  int y() const { return y_; }
  // The part of the client area that shows content (less the bars).
  Rect view() const { return Rect::ofSize(0, 0, viewW_, viewH_); }

  // Pointer input in client coordinates. press returns true when it hit a bar.
  bool press(int px, int py);
  void drag(int px, int py);
  void release();
  void wheel(int notches);
  bool dragging() const { return drag_ != Part::None; }

  void paint(Canvas& canvas) const;

  struct Track {
    int start, length, thumbStart, thumbLength;
  };

 private:
  enum class Part { None, HThumb, VThumb };
  Track hTrack() const;
  Track vTrack() const;
  void scrollTo(int nx, int ny);

  bool hBar_ = false, vBar_ = false;
  int clientW_ = 0, clientH_ = 0, contentW_ = 0, contentH_ = 0, viewW_ = 0, viewH_ = 0;
  int x_ = 0, y_ = 0;
  Part drag_ = Part::None;
  int grab_ = 0;  // pointer offset inside the thumb
};

}  // namespace apostila::ui
