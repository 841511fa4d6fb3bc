// The window layer on a screen of device scale 2: pages, hit-testing, the pointer rules, the
// hint window and the modal message all work in page pixels, while the windows are twice the
// size and drawn for the screen.
#include <gtest/gtest.h>

#include <cstdlib>

#include "WindowLayerFixture.h"
#include "content/TLabel.h"
#include "content/TPanel.h"
#include "content/TSpeedButton.h"
#include "ui/Color.h"
#include "ui/PointerTracker.h"
#include "ui/canvas/SystemColors.h"

namespace apostila::testing {
namespace {

using Log = std::vector<std::string>;

struct ScaledLayer : ::testing::Test {
  WindowLayer w{2};
  content::TPanel* panel = nullptr;
  content::TLabel* label = nullptr;
  content::TSpeedButton* button = nullptr;
  Log events;

  void SetUp() override {
    // A frame as large again, as a desktop at this scale draws it.
    w.desktop.setSimulatedFrame({8, 8, 46, 8});
    panel = new content::TPanel(&w.main());
    panel->setParent(&w.main());
    panel->setBounds({8, 8, 600, 400});
    panel->setColor(14807280);
    panel->setShowHint(true);
    label = new content::TLabel(&w.main());
    label->setName("Label1");
    label->setParent(panel);
    label->setAutoSize(false);
    label->setBounds({10, 10, 100, 20});
    label->onMouseEnter = [this](ui::Component*) { events.push_back("enter"); };
    label->onMouseLeave = [this](ui::Component*) { events.push_back("leave"); };
    button = new content::TSpeedButton(&w.main());
    button->setParent(panel);
    button->setFlat(true);
    button->setBounds({200, 100, 57, 57});
    button->setCaption("Seguir");
    button->setHint("Passar para a página seguinte");
    button->onClick = [this](ui::Component*) { events.push_back("click"); };
    w.start();
  }
  // The screen pixel (dx, dy) of the block of page pixel (x, y) of the main page's client area.
  platform::Point screenPixel(int x, int y, int dx = 0, int dy = 0) {
    return w.desktop.geometry(w.main().windowId()).client.origin() + platform::Point{2 * x + dx, 2 * y + dy};
  }
  void clickAt(platform::Point p) {
    w.desktop.movePointer(p);
    w.app->processPending();
    w.desktop.click();
    w.app->processPending();
  }
};

TEST_F(ScaledLayer, APageIsTwiceItsSizeAtTwiceItsPlaceAndDrawnForTheScreen) {
  const platform::WindowGeometry screen = w.desktop.geometry(w.main().windowId());
  EXPECT_EQ(screen.outer, (platform::Rect{180, 60, 1296, 1028}));
  EXPECT_EQ(screen.client, (platform::Rect{188, 106, 1280, 974}));
  // The page itself still sees its own pixels.
  EXPECT_EQ(w.main().left(), 90);
  EXPECT_EQ(w.main().clientRect().width, 640);
  EXPECT_EQ(w.app->backend().geometry(w.main().windowId()).client, (platform::Rect{94, 53, 640, 487}));
  // The panel's raised bevel: two screen pixels where a page pixel has one.
  const auto at = [&](int x, int y) { return w.desktop.pixel(w.main().windowId(), {x, y}); };
  const std::uint32_t highlight = ui::toRgb(ui::clBtnHighlight), face = ui::toRgb(ui::clBtnFace);
  EXPECT_EQ(at(15, 20), face);
  EXPECT_EQ(at(16, 20), highlight);
  EXPECT_EQ(at(17, 20), highlight);
  EXPECT_EQ(at(18, 20), 0xF0F0E1u);
}

TEST_F(ScaledLayer, ClicksAndThePointerLandOnTheElementUnderThemInPagePixels) {
  // The button covers page columns 208 .. 264 of the client area: screen columns 416 .. 529.
  clickAt(screenPixel(208 + 28, 108 + 28, 1, 1));
  clickAt(screenPixel(264, 130, 1, 0));      // its last column's right screen pixel
  clickAt(screenPixel(265, 130, 0, 0));      // the first one past it
  clickAt(screenPixel(207, 130, 1, 0));
  EXPECT_EQ(events, (Log{"click", "click"}));
  events.clear();
  // The label's enter and leave follow the pointer's page pixel.
  w.desktop.movePointer(screenPixel(18 + 5, 18 + 5, 1, 1));
  w.app->processPending();
  w.desktop.movePointer(screenPixel(18 + 100, 18 + 5));
  w.app->processPending();
  EXPECT_EQ(events, (Log{"enter", "leave"}));
}

TEST_F(ScaledLayer, TheHintWindowShowsBesideThePointerTwiceItsSize) {
  const platform::Point p = screenPixel(208 + 20, 108 + 20, 1, 1);
  w.desktop.movePointer(p);
  w.app->processPending();
  w.desktop.advanceClock(ui::PointerTracker::kHintPause);
  w.app->processPending();
  const ui::HintWindow& hint = w.app->pointer().hintWindow();
  ASSERT_TRUE(hint.visible());
  // In page pixels: at the pointer, below the pointer shape (40 screen pixels, 20 page pixels).
  const platform::Point pointer{p.x / 2, p.y / 2};
  EXPECT_EQ(hint.bounds().origin(), (platform::Point{pointer.x, pointer.y + 20}));
  // On the screen: twice that place and size, its border two pixels wide.
  const platform::Rect onScreen = w.desktop.geometry(hint.windowId()).outer;
  EXPECT_EQ(onScreen, (platform::Rect{2 * hint.bounds().x, 2 * hint.bounds().y, 2 * hint.bounds().width,
                                      2 * hint.bounds().height}));
  EXPECT_LE(std::abs(onScreen.x - p.x), 1);
  const auto at = [&](int x, int y) { return w.desktop.pixel(hint.windowId(), {x, y}); };
  EXPECT_EQ(at(0, 5), ui::toRgb(ui::clWindowFrame));
  EXPECT_EQ(at(1, 5), ui::toRgb(ui::clWindowFrame));
  EXPECT_EQ(at(2, 5), ui::toRgb(ui::clInfoBk));
  EXPECT_EQ(at(onScreen.width - 2, 5), ui::toRgb(ui::clWindowFrame));
}

TEST_F(ScaledLayer, TheModalMessageIsCentredAndItsButtonTakesAClickAtDoubledCoordinates) {
  bool neededEscape = false;
  w.desktop.onWait([&] {
    ui::DialogBox* box = w.app->openBox();
    ASSERT_NE(box, nullptr);
    const platform::WindowGeometry g = w.desktop.geometry(box->windowId());
    // Centred on the screen, frame included, to within the page pixel the halving rounds.
    EXPECT_LE(std::abs(g.outer.x + g.outer.width / 2 - 1024), 2);
    EXPECT_LE(std::abs(g.outer.y + g.outer.height / 2 - 768), 2);
    EXPECT_EQ(g.client.width, 2 * box->clientSize().width);
    const ui::Rect b = box->buttonRect(0);
    w.desktop.movePointer(g.client.origin() + platform::Point{b.left + b.right, b.top + b.bottom});
    w.desktop.click();
  });
  w.desktop.onWait([&] {
    neededEscape = true;
    w.desktop.typeKey(platform::Key::Escape);
  });
  w.app->showMessage("Você tem mais uma chance!");
  EXPECT_FALSE(neededEscape);  // the click on its button closed it
}

}  // namespace
}  // namespace apostila::testing
