// A control that holds other controls: a panel or the page window itself. Its windowed children
// (panels) always lie above its other children; it docks children aligned to its top or bottom.
#pragma once

#include <vector>

#include "ui/Control.h"
#include "ui/canvas/Canvas.h"

namespace apostila::ui {

class Container : public Control {
 public:
  explicit Container(Component* owner) : Control(owner) {}
  ~Container() override;

  static const TypeInfo kType;
  const TypeInfo& typeInfo() const override { return kType; }
  bool isWindowed() const override { return true; }

  const std::vector<Control*>& controls() const { return controls_; }
  void insertControl(Control* c);
  void removeControl(Control* c);
  // Moves a child to a position among the children (clamped to the list).
  void moveControl(Control* c, int position);

  int tabOrder() const { return tabOrder_; }
  void setTabOrder(int v) { tabOrder_ = v; }
  bool ctl3D() const { return ctl3D_; }
  void setCtl3D(bool v) { ctl3D_ = v; }
  bool parentCtl3D() const { return parentCtl3D_; }
  void setParentCtl3D(bool v) { parentCtl3D_ = v; }

  // The area children are placed in, in the container's own coordinates.
  virtual Bounds clientRect() const { return {0, 0, width(), height()}; }
  // Docks the alTop and alBottom children.
  void arrange();
  // The same, unless a definition is still being read into the container.
  void requestArrange() {
    if (!loading()) arrange();
  }
  void setBounds(const Bounds& b) override;
  void scaleBy(int num, int den) override;

  void parentFontChanged() override;

  // A child's area (in this container's client coordinates) needs repainting.
  virtual void invalidateArea(const Rect& area);
  void invalidate() override;
  // Paints the background (panels: bevels and caption) and then the children in order:
  // non-windowed children in stored order, then the windowed ones above them.
  virtual void paintTree(Canvas& canvas);
  // The topmost visible child under (x, y) (client coordinates), descending into panels, or
  // this container itself. With enabledOnly, disabled elements are passed over, and with
  // pointerOnly, those that let the pointer through.
  Control* controlAt(int x, int y, bool enabledOnly, bool pointerOnly);
  // Offset of the client area inside the container's own rectangle.
  virtual int clientOffsetX() const { return 0; }
  virtual int clientOffsetY() const { return 0; }

 protected:
  void fontChanged() override;
  void colorChanged() override;
  void showHintChanged() override;

 private:
  std::vector<Control*> controls_;
  int tabOrder_ = -1;
  bool ctl3D_ = true;
  bool parentCtl3D_ = true;
};

}  // namespace apostila::ui
