// The panel element: a child window with bevels, a fill colour and a centred caption.
#pragma once

#include "content/Enums.h"
#include "ui/Container.h"

namespace apostila::content {

class TPanel : public ui::Container {
 public:
  explicit TPanel(ui::Component* owner);
  static const ui::TypeInfo kType;
  const ui::TypeInfo& typeInfo() const override { return kType; }
  bool opaque() const override { return true; }  // frame, bevels, border and face cover it all

  PanelBevel bevelOuter() const { return bevelOuter_; }
  void setBevelOuter(PanelBevel b) { bevelOuter_ = b, invalidate(); }
  PanelBevel bevelInner() const { return bevelInner_; }
  void setBevelInner(PanelBevel b) { bevelInner_ = b, invalidate(); }
  int bevelWidth() const { return bevelWidth_; }
  void setBevelWidth(int w) { bevelWidth_ = w, invalidate(); }
  int borderWidth() const { return borderWidth_; }
  void setBorderWidth(int w) { borderWidth_ = w, invalidate(); }
  BorderStyle borderStyle() const { return borderStyle_; }
  void setBorderStyle(BorderStyle s) { borderStyle_ = s, invalidate(); }
  Alignment alignment() const { return alignment_; }
  void setAlignment(Alignment a) { alignment_ = a, invalidate(); }

  void loaded() override;
  // Bevels, border, fill and the caption centred on its line.
  void paint(ui::Canvas& canvas) override;

 protected:
  void adjustSize() override;

 private:
  PanelBevel bevelOuter_ = PanelBevel::bvRaised;
  PanelBevel bevelInner_ = PanelBevel::bvNone;
  int bevelWidth_ = 1;
  int borderWidth_ = 0;
  BorderStyle borderStyle_ = BorderStyle::bsNone;
  Alignment alignment_ = Alignment::taCenter;
};

}  // namespace apostila::content
