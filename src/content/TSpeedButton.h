// The push-button element: a glyph strip and a caption, flat or raised, clicked with the mouse.
#pragma once

#include "content/Enums.h"
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
  void setFlat(bool v) { flat_ = v, invalidate(); }
  bool transparent() const { return transparent_; }
  void setTransparent(bool v) { transparent_ = v, invalidate(); }
  int groupIndex() const { return groupIndex_; }
  void setGroupIndex(int v) { groupIndex_ = v; }
  bool down() const { return down_; }
  void setDown(bool v) { down_ = v, invalidate(); }
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

 private:
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
