// A visible element of a page: position, size, visibility, colour, font, hint and pointer shape,
// with the rules for following the parent's colour and font.
#pragma once

#include <cstdint>
#include <string>

#include "ui/Color.h"
#include "ui/Component.h"
#include "ui/Font.h"
#include "ui/canvas/Rect.h"

namespace apostila::ui {

class Canvas;
class Container;
class Form;

enum class MouseKey { Left, Right, Middle };

enum class Align { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
enum class BiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };

struct Bounds {
  int left = 0, top = 0, width = 0, height = 0;
  int right() const { return left + width; }
  int bottom() const { return top + height; }
  bool operator==(const Bounds&) const = default;
};

class Control : public Component {
 public:
  explicit Control(Component* owner);
  ~Control() override;

  static const TypeInfo kType;
  const TypeInfo& typeInfo() const override { return kType; }

  Container* parent() const { return parent_; }
  void setParent(Container* parent);
  virtual bool isWindowed() const { return false; }

  const Bounds& bounds() const { return bounds_; }
  int left() const { return bounds_.left; }
  int top() const { return bounds_.top; }
  int width() const { return bounds_.width; }
  int height() const { return bounds_.height; }
  void setLeft(int v) { setBounds({v, bounds_.top, bounds_.width, bounds_.height}); }
  void setTop(int v) { setBounds({bounds_.left, v, bounds_.width, bounds_.height}); }
  void setWidth(int v) { setBounds({bounds_.left, bounds_.top, v, bounds_.height}); }
  void setHeight(int v) { setBounds({bounds_.left, bounds_.top, bounds_.width, v}); }
  virtual void setBounds(const Bounds& b);

  const std::string& caption() const { return caption_; }
  void setCaption(const std::string& text);

  bool visible() const { return visible_; }
  void setVisible(bool v);
  bool enabled() const { return enabled_; }
  void setEnabled(bool v);

  TColor color() const { return color_; }
  void setColor(TColor c);
  bool parentColor() const { return parentColor_; }
  void setParentColor(bool v);

  Font& font() { return font_; }
  const Font& font() const { return font_; }
  bool parentFont() const { return parentFont_; }
  void setParentFont(bool v);

  const std::string& hint() const { return hint_; }
  void setHint(const std::string& v) { hint_ = v; }
  bool showHint() const { return showHint_; }
  void setShowHint(bool v);
  bool parentShowHint() const { return parentShowHint_; }
  void setParentShowHint(bool v);

  int cursor() const { return cursor_; }
  void setCursor(int v) { cursor_ = v; }
  std::int32_t tag() const { return tag_; }
  void setTag(std::int32_t v) { tag_ = v; }

  Align align() const { return align_; }
  void setAlign(Align a);
  bool autoSize() const { return autoSize_; }
  void setAutoSize(bool v);
  BiDiMode biDiMode() const { return biDiMode_; }
  void setBiDiMode(BiDiMode m) { biDiMode_ = m; }
  bool parentBiDiMode() const { return parentBiDiMode_; }
  void setParentBiDiMode(bool v) { parentBiDiMode_ = v; }

  // Scales position and size by num/den (rounded to nearest), and the own font's size too.
  virtual void scaleBy(int num, int den);

  Rect boundsRect() const { return Rect::ofSize(bounds_.left, bounds_.top, bounds_.width, bounds_.height); }
  // The page this control lies on, or null while it is not on one.
  Form* form() const;
  // Draws the control in its own coordinates (the canvas is clipped to its rectangle).
  virtual void paint(Canvas&) {}
  // Whether paint sets every pixel of the bounds whatever lies beneath, so that a parent need
  // not fill beneath it.
  virtual bool opaque() const { return false; }
  // Marks the control's rectangle for repainting.
  virtual void invalidate();

  // Pointer notices (the window layer decides when they come). Coordinates are the control's own.
  // A control that does not take pointer messages lets them through to what lies beneath.
  virtual bool takesPointer() const { return true; }
  virtual void mouseEnter() {}
  virtual void mouseLeave() {}
  virtual void mouseDown(MouseKey, int /*x*/, int /*y*/, bool /*doubleClick*/) {}
  virtual void mouseMove(int /*x*/, int /*y*/) {}
  virtual void mouseUp(MouseKey, int /*x*/, int /*y*/) {}
  // Enabled or visible changed: the pointer rules may need to look again.
  virtual void stateChanged() {}
  // The parent's colour or font changed and this control follows it.
  void parentColorChanged();
  virtual void parentFontChanged();
  void parentShowHintChanged();

 protected:
  virtual void fontChanged();
  virtual void colorChanged() { invalidate(); }
  virtual void showHintChanged() {}
  virtual void captionChanged() {}
  virtual void adjustSize() {}  // auto-size kinds measure themselves here

 private:
  Container* parent_ = nullptr;
  Bounds bounds_;
  std::string caption_;
  bool visible_ = true;
  bool enabled_ = true;
  TColor color_ = clBtnFace;
  bool parentColor_ = false;
  Font font_;
  bool parentFont_ = true;
  bool syncingFont_ = false;
  std::string hint_;
  bool showHint_ = false;
  bool parentShowHint_ = true;
  int cursor_ = 0;
  std::int32_t tag_ = 0;
  Align align_ = Align::alNone;
  bool autoSize_ = false;
  BiDiMode biDiMode_ = BiDiMode::bdLeftToRight;
  bool parentBiDiMode_ = true;
};

extern const EnumType kAlignType;
extern const EnumType kBiDiModeType;

}  // namespace apostila::ui
