// The text label element: transparent or opaque, aligned, optionally word-wrapped, auto-sized
// to its caption, with pointer enter and leave events.
#pragma once

#include "content/Enums.h"
#include "ui/Control.h"
#include "ui/Events.h"

namespace apostila::content {

class TLabel : public ui::Control {
 public:
  explicit TLabel(ui::Component* owner);
  static const ui::TypeInfo kType;
  const ui::TypeInfo& typeInfo() const override { return kType; }

  Alignment alignment() const { return alignment_; }
  void setAlignment(Alignment a);
  bool wordWrap() const { return wordWrap_; }
  void setWordWrap(bool v);
  bool transparent() const { return transparent_; }
  bool opaque() const override { return !transparent_; }  // its colour fills the whole box
  void setTransparent(bool v) { transparent_ = v, invalidate(); }
  TextLayout layout() const { return layout_; }
  void setLayout(TextLayout l) { layout_ = l, invalidate(); }
  bool showAccelChar() const { return showAccelChar_; }
  void setShowAccelChar(bool v);
  ui::Control* focusControl() const { return focusControl_; }
  void setFocusControl(ui::Control* c) { focusControl_ = c; }

  void setOnMouseEnter(ui::NotifyEvent e) { onMouseEnter = std::move(e); }
  void setOnMouseLeave(ui::NotifyEvent e) { onMouseLeave = std::move(e); }
  void setOnClick(ui::NotifyEvent e) { onClick = std::move(e); }
  ui::NotifyEvent onMouseEnter, onMouseLeave, onClick;

  void loaded() override;
  // The fill (unless transparent) and the caption, embossed when disabled.
  void paint(ui::Canvas& canvas) override;

  // The pointer's enter and leave notices become the label's events, enabled or not.
  void mouseEnter() override {
    if (onMouseEnter) onMouseEnter(this);
  }
  void mouseLeave() override {
    if (onMouseLeave) onMouseLeave(this);
  }

 protected:
  void adjustSize() override;

 private:
  Alignment alignment_ = Alignment::taLeftJustify;
  bool wordWrap_ = false;
  bool transparent_ = false;
  TextLayout layout_ = TextLayout::tlTop;
  bool showAccelChar_ = true;
  ui::Control* focusControl_ = nullptr;
};

}  // namespace apostila::content
