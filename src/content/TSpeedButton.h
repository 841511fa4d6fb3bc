// The push-button element: a glyph strip and a caption, flat or raised, clicked with the mouse.
// Its pointer behaviour is the state machine of ButtonState, fed from the pointer notices; its
// look is ButtonPainter's drawing of the face that state selects.
#pragma once

#include "content/ButtonState.h"
#include "content/Enums.h"
#include "content/GlyphImages.h"
#include "content/Graphic.h"
#include "ui/Control.h"
#include "ui/Events.h"

namespace apostila::content {

class TSpeedButton : public ui::Control {
 public:
  explicit TSpeedButton(ui::Component* owner);
  static const ui::TypeInfo kType;
  const ui::TypeInfo& typeInfo() const override { return kType; }

  GraphicBitmap& glyph() { return glyph_; }
  const GraphicBitmap& glyph() const { return glyph_; }
  int numGlyphs() const { return numGlyphs_; }
  void setNumGlyphs(int n);
  ButtonLayout layout() const { return layout_; }
  void setLayout(ButtonLayout l) { layout_ = l, invalidate(); }
  int margin() const { return margin_; }
  void setMargin(int m) { margin_ = m, invalidate(); }
  int spacing() const { return spacing_; }
  void setSpacing(int s) { spacing_ = s, invalidate(); }
  bool flat() const { return flat_; }
  void setFlat(bool v);
  bool transparent() const { return transparent_; }
  void setTransparent(bool v) { transparent_ = v, invalidate(); }
  int groupIndex() const { return groupIndex_; }
  void setGroupIndex(int v);
  bool down() const { return down_; }
  void setDown(bool v);
  bool allowAllUp() const { return allowAllUp_; }
  void setAllowAllUp(bool v) { allowAllUp_ = v; }

  void setOnClick(ui::NotifyEvent e) { onClick = std::move(e); }
  ui::NotifyEvent onClick;

  // Runs the click handler as if the learner had clicked, whatever the button's state.
  void click() {
    if (onClick) onClick(this);
  }

  // Bumped whenever the glyph or the image count changes, so prepared images can be rebuilt.
  unsigned glyphGeneration() const { return glyphGeneration_; }

  const ButtonState& buttonState() const { return state_; }
  void paint(ui::Canvas& canvas) override;

  // A disabled button lets the pointer through to what lies beneath it.
  bool takesPointer() const override { return enabled(); }
  void mouseEnter() override;
  void mouseLeave() override;
  void mouseDown(ui::MouseKey key, int x, int y, bool doubleClick) override;
  void mouseMove(int x, int y) override;
  void mouseUp(ui::MouseKey key, int x, int y) override;
  void stateChanged() override;

 private:
  bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width() && y < height(); }
  // Whether the press still holds the capture; a capture taken away ends the press.
  bool pressHolds();
  // Sets the hot state from whether this button is the topmost element under the pointer.
  void checkHot();
  void apply(bool faceChanged) {
    if (faceChanged) invalidate();
  }

  ButtonState state_;
  GlyphImages images_;
  GraphicBitmap glyph_;
  int numGlyphs_ = 1;
  ButtonLayout layout_ = ButtonLayout::blGlyphLeft;
  int margin_ = -1;
  int spacing_ = 4;
  bool flat_ = false;
  bool transparent_ = true;
  int groupIndex_ = 0;
  bool down_ = false;
  bool allowAllUp_ = false;
  unsigned glyphGeneration_ = 0;
};

}  // namespace apostila::content
