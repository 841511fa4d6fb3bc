// A page window as its definition describes it: outer position and size, caption, colour, font,
// the design-time density used for scaling, and its event slots. Window behaviour (showing,
// activation, closing) is added by the window layer on top of this.
#pragma once

#include <vector>

#include "ui/Container.h"
#include "ui/Events.h"
#include "ui/PageClass.h"
#include "ui/ScrollBars.h"
#include "ui/platform/Window.h"

namespace apostila::ui {

class Application;

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

  // ---- Window operations (the application carries them out) ----------------------------
  Application* application() const;
  void show();
  void hide();
  void close();
  void setBounds(const Bounds& b) override;
  bool active() const { return active_; }
  bool windowEnabled() const { return windowEnabled_; }
  bool minimized() const { return minimized_; }

  void invalidateArea(const Rect& area) override;
  void invalidate() override;
  void paint(Canvas& canvas) override;
  void paintTree(Canvas& canvas) override;

  // Scrolling when the window is smaller than the page's elements.
  int clientOffsetX() const override { return -scroll_.x(); }
  int clientOffsetY() const override { return -scroll_.y(); }
  ScrollBars& scrollBars() { return scroll_; }
  // Lays the bars out for the window's client size; returns true when the view moved.
  bool updateScrollBars(int clientWidth, int clientHeight);

  // Native window state, kept by the application.
  platform::WindowId windowId() const { return windowId_; }
  const std::vector<Rect>& dirtyAreas() const { return dirty_; }
  void clearDirty() { dirty_.clear(); }

 private:
  friend class Application;

 private:
  bool oldCreateOrder_ = true;
  int textHeight_ = 0;
  int pixelsPerInch_ = 0;  // 0: not stored, no scaling
  bool ignoreFontProperty_ = false;
  int frameWidth_ = 0, frameHeight_ = 0;
  platform::WindowId windowId_ = platform::kNoWindow;
  bool active_ = false;
  bool windowEnabled_ = true;
  bool minimized_ = false;
  bool moving_ = false;  // the layer itself is recording a move the desktop made
  std::vector<Rect> dirty_;
  ScrollBars scroll_;
  int windowClientW_ = 0, windowClientH_ = 0;
  int paintedW_ = -1, paintedH_ = -1;  // the client size the page was last drawn at
  bool exposed_ = false;  // the server lost the client area's pixels: present all of it again
};

}  // namespace apostila::ui
