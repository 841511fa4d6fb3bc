// A small page on the headless desktop for the push button's pointer rules: a panel that
// records the presses that reach it, two flat buttons with a glyph-top caption and one raised
// answer button, each counting its clicks.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "content/TPanel.h"
#include "content/TSpeedButton.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/platform/headless/HeadlessBackend.h"
#include "ui/text/ScreenTextMeasurer.h"

namespace apostila::testing {

class PressPanel : public content::TPanel {
 public:
  using content::TPanel::TPanel;
  void mouseDown(ui::MouseKey, int, int, bool) override { ++presses; }
  int presses = 0;
};

class ButtonDesk {
 public:
  ButtonDesk() {
    static ui::ScreenTextMeasurer measurer;
    ui::setTextMeasurer(&measurer);
    app = std::make_unique<ui::Application>(desktop, "/usr/games/apostila");
    app->createForm(page);
    page->setBounds({90, 30, 648, 514});
    panel = new PressPanel(page);
    panel->setParent(page);
    panel->setBounds({8, 8, 600, 400});
    panel->setColor(14807280);
    seguir = button("Seguir", {10, 10, 57, 57}, true);
    voltar = button("Voltar", {100, 10, 57, 57}, true);
    answer = button("A", {200, 10, 30, 30}, false);
    app->showForm(*page);
    app->processPending();
  }

  content::TSpeedButton* button(const std::string& caption, ui::Bounds bounds, bool flat) {
    auto* b = new content::TSpeedButton(page);
    b->setParent(panel);
    b->setBounds(bounds);
    b->setCaption(caption);
    b->setFlat(flat);
    if (flat) b->setLayout(content::ButtonLayout::blGlyphTop);
    b->onClick = [this, caption](ui::Component*) { ++clicks[caption]; };
    return b;
  }

  // Where a point of an element (its own coordinates) lies on the screen.
  platform::Point screenOf(const ui::Control* c, int x, int y) const {
    return desktop.geometry(page->windowId()).client.origin() + platform::Point{8 + c->left() + x, 8 + c->top() + y};
  }
  void moveTo(const ui::Control* c, int x = -1, int y = -1) {
    desktop.movePointer(screenOf(c, x < 0 ? c->width() / 2 : x, y < 0 ? c->height() / 2 : y));
    app->processPending();
  }
  void moveToPanel() { moveTo(panel, 300, 300); }
  void press(platform::MouseButton b = platform::MouseButton::Left) {
    desktop.pressButton(b);
    app->processPending();
  }
  void release(platform::MouseButton b = platform::MouseButton::Left) {
    desktop.releaseButton(b);
    app->processPending();
  }
  // A presented pixel of the page, in an element's coordinates.
  std::uint32_t shown(const ui::Control* c, int x, int y) const {
    return desktop.pixel(page->windowId(), {8 + c->left() + x, 8 + c->top() + y});
  }

  platform::HeadlessBackend desktop;
  std::unique_ptr<ui::Application> app;
  ui::Form* page = nullptr;
  PressPanel* panel = nullptr;
  content::TSpeedButton *seguir = nullptr, *voltar = nullptr, *answer = nullptr;
  std::map<std::string, int> clicks;
};

}  // namespace apostila::testing
