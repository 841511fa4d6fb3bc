// The push button's pointer state machine: the face it shows (up, hot, pressed, latched,
// disabled), the mouse-inside flag that makes a flat button hot, and the press in progress.
// It knows nothing of windows or capture: the button feeds it what the pointer did and repaints
// when a step reports that the face changed. Painting reads face() and nothing else.
//
//   idle (up) <-> hot (flat, enabled, pointer over it)
//     -> pressed (press in progress; the face follows the pointer in and out)
//     -> released (a click if inside) -> idle or hot, as the pointer check then finds.
//   disabled is entered and left only through setEnabled.
#pragma once

namespace apostila::content {

class ButtonState {
 public:
  enum class Face { Up, Hot, Down, Latched, Disabled };

  Face face() const;
  bool pressing() const { return pressing_; }
  bool mouseInside() const { return mouseInside_; }
  bool enabled() const { return enabled_; }
  bool flat() const { return flat_; }

  // Each step returns whether the face changed.

  // The left button went down over the button. Ignored while disabled; returns false then.
  bool press();
  // The pointer moved while the press lasts: pressed inside, up outside.
  bool move(bool inside);
  // The left button came up: the press ends and the mouse-inside flag is cleared. Returns
  // whether that was a click (a press was in progress and the release point lies inside). The
  // caller repaints and then re-evaluates the hot state with setHot().
  bool release(bool inside);
  // The press ends without a click (its capture was taken away, the button was disabled).
  bool cancelPress();

  // The pointer came onto the button: a flat, enabled button not yet hot becomes hot, unless
  // some element holds the mouse capture.
  bool enter(bool captureHeld);
  // The pointer left: the hot state ends unless a press is in progress.
  bool leave();
  // After a release and when Enabled changes: a flat, enabled button is hot exactly when it is
  // the topmost element under the pointer.
  bool setHot(bool underPointer);

  bool setEnabled(bool enabled);
  bool setFlat(bool flat);
  // Latched down (a button of a group that stays down).
  bool setLatched(bool latched);

 private:
  template <class F>
  bool changes(F step);

  bool enabled_ = true;
  bool flat_ = false;
  bool latched_ = false;
  bool pressing_ = false;
  bool down_ = false;  // the face is pressed: a press is in progress and the pointer inside
  bool mouseInside_ = false;
};

}  // namespace apostila::content
