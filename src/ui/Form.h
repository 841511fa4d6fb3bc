// A page window as its definition describes it: outer position and size, caption, colour, font,
// the design-time density used for scaling, and its event slots. Window behaviour (showing,
// activation, closing) is added by the window layer on top of this.
#pragma once

#include "ui/Container.h"
#include "ui/Events.h"
#include "ui/PageClass.h"

namespace apostila::ui {

class Form : public Container {
 public:
  explicit Form(Component* owner);

  static const TypeInfo kType;
  const TypeInfo& typeInfo() const override { return kType; }
  static const PageClassInfo kPageClass;
  // The page class's own table; every page class overrides this.
  virtual const PageClassInfo& pageClass() const { return kPageClass; }

  bool readDefined(std::string_view name, DefinedValue& value) override;

  void setOnActivate(NotifyEvent e) { onActivate = std::move(e); }
  void setOnDeactivate(NotifyEvent e) { onDeactivate = std::move(e); }
  void setOnCreate(NotifyEvent e) { onCreate = std::move(e); }
  void setOnClose(CloseEvent e) { onClose = std::move(e); }
  void setOnCloseQuery(CloseQueryEvent e) { onCloseQuery = std::move(e); }
  NotifyEvent onActivate, onDeactivate, onCreate;
  CloseEvent onClose;
  CloseQueryEvent onCloseQuery;

  bool oldCreateOrder() const { return oldCreateOrder_; }
  void setOldCreateOrder(bool v) { oldCreateOrder_ = v; }
  int textHeight() const { return textHeight_; }
  int designPixelsPerInch() const { return pixelsPerInch_; }
  bool ignoreFontProperty() const { return ignoreFontProperty_; }

  // The client area, inside the window frame; the window layer sets it from the frame extents.
  Bounds clientRect() const override { return {0, 0, width() - frameWidth_, height() - frameHeight_}; }
  void setFrameSize(int horizontal, int vertical) { frameWidth_ = horizontal, frameHeight_ = vertical; }

  // After reading: adapts the page to the screen's density and text height, if it stores them.
  void scaleToScreen();

 private:
  bool oldCreateOrder_ = true;
  int textHeight_ = 0;
  int pixelsPerInch_ = 0;  // 0: not stored, no scaling
  bool ignoreFontProperty_ = false;
  int frameWidth_ = 0, frameHeight_ = 0;
};

}  // namespace apostila::ui
