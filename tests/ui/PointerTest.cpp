// The pointer rules: enter and leave at the idle step, tool-tip hints with their timing and
// placement, and the pointer shape.
#include <gtest/gtest.h>

#include "WindowLayerFixture.h"
#include "content/TLabel.h"
#include "content/TPanel.h"
#include "ui/PointerTracker.h"

namespace apostila::testing {
namespace {

using Log = std::vector<std::string>;

struct PointerTest : ::testing::Test {
  WindowLayer w;
  content::TPanel* panel = nullptr;
  content::TLabel *a = nullptr, *b = nullptr, *plain = nullptr;
  Log events;

  content::TLabel* label(const std::string& name, ui::Bounds bounds, const std::string& hint) {
    auto* l = new content::TLabel(&w.main());
    l->setName(name);
    l->setParent(panel);
    l->setAutoSize(false);
    l->setBounds(bounds);
    l->setCaption(name);
    if (!hint.empty()) {
      l->setHint(hint);
      l->setShowHint(true);
    }
    l->onMouseEnter = [this](ui::Component* s) { events.push_back("enter " + static_cast<ui::Control*>(s)->name()); };
    l->onMouseLeave = [this](ui::Component* s) { events.push_back("leave " + static_cast<ui::Control*>(s)->name()); };
    return l;
  }
  void SetUp() override {
    panel = new content::TPanel(&w.main());
    panel->setParent(&w.main());
    panel->setBounds({8, 8, 600, 400});
    panel->setShowHint(true);  // hints on for the panel, but no hint text of its own
    a = label("A", {10, 10, 100, 20}, "Passar para a questão seguinte|texto longo");
    b = label("B", {10, 40, 100, 20}, "Voltar ao formulário anterior");
    plain = label("Plain", {10, 200, 100, 20}, "");
    plain->setShowHint(false);
    w.start();
  }
  void moveTo(ui::Control* c, int dx = 5, int dy = 5) {
    w.desktop.movePointer(w.screenOf(w.main(), 8 + c->left() + dx, 8 + c->top() + dy));
    w.app->processPending();
  }
  void moveToPanel(int x, int y) {
    w.desktop.movePointer(w.screenOf(w.main(), 8 + x, 8 + y));
    w.app->processPending();
  }
  void wait(int ms) {
    w.desktop.advanceClock(ms);
    w.app->processPending();
  }
  const ui::HintWindow& hint() { return w.app->pointer().hintWindow(); }
};

TEST_F(PointerTest, EnterAndLeaveComeInOrderAtTheIdleStep) {
  moveTo(a);
  moveTo(b);
  EXPECT_EQ(events, (Log{"enter A", "leave A", "enter B"}));
  events.clear();
  // Hidden while under the pointer: its leave comes at the next idle step.
  b->setVisible(false);
  w.app->processPending();
  EXPECT_EQ(events, (Log{"leave B"}));
  events.clear();
  // A disabled label still hears the pointer.
  a->setEnabled(false);
  moveTo(a);
  EXPECT_EQ(events, (Log{"enter A"}));
  // Off the program's windows: a leave.
  w.desktop.movePointer({1000, 700});
  w.app->processPending();
  EXPECT_EQ(events, (Log{"enter A", "leave A"}));
}

TEST_F(PointerTest, AHintShowsAfterTheRestAndHidesAfterItsTime) {
  moveTo(a);
  wait(499);
  EXPECT_FALSE(hint().visible());
  wait(1);
  ASSERT_TRUE(hint().visible());
  EXPECT_EQ(hint().text(), "Passar para a questão seguinte");  // cut at the first "|"
  // Below the pointer shape, and never taking the activation.
  platform::Point p = w.desktop.pointerPosition();
  EXPECT_EQ(hint().bounds().x, p.x);
  EXPECT_EQ(hint().bounds().y, p.y + w.desktop.cursorDepthBelowHotSpot(platform::CursorShape::Arrow));
  EXPECT_EQ(w.desktop.focusedWindow(), w.main().windowId());
  EXPECT_TRUE(w.takeLog().empty());
  wait(2499);
  EXPECT_TRUE(hint().visible());
  wait(1);
  EXPECT_FALSE(hint().visible());
  // Still on it: the same hint does not come back.
  moveTo(a, 7, 6);
  wait(3000);
  EXPECT_FALSE(hint().visible());
}

TEST_F(PointerTest, APressOrAKeyEndsTheHint) {
  for (int way = 0; way < 2; ++way) {
    moveToPanel(300, 300);
    moveTo(a);
    wait(500);
    ASSERT_TRUE(hint().visible());
    if (way == 0)
      w.desktop.click();
    else
      w.desktop.typeKey(platform::Key::Space);
    w.app->processPending();
    EXPECT_FALSE(hint().visible());
    EXPECT_EQ(w.app->pointer().hintOwner(), nullptr);
  }
}

TEST_F(PointerTest, StraightToAnotherHintedElementShowsItAtOnce) {
  moveTo(a);
  wait(500);
  moveTo(b);
  ASSERT_TRUE(hint().visible());
  EXPECT_EQ(hint().text(), "Voltar ao formulário anterior");
  // Crossing panel area without hint text ends quick mode: the wait comes back.
  moveToPanel(300, 300);
  EXPECT_FALSE(hint().visible());
  moveTo(a);
  EXPECT_FALSE(hint().visible());
  EXPECT_EQ(w.app->pointer().hintOwner(), a);
  EXPECT_FALSE(w.app->pointer().quickHintMode());
  wait(500);
  EXPECT_TRUE(hint().visible());
}

TEST_F(PointerTest, NoHintWhereItsSwitchIsOffOrItsTextEmpty) {
  moveTo(plain);
  wait(600);
  EXPECT_FALSE(hint().visible());
  moveToPanel(300, 300);
  wait(600);
  EXPECT_FALSE(hint().visible());
}

TEST_F(PointerTest, AHintNearTheScreenEdgeStaysOnTheDesktop) {
  w.main().placeAt(1024 - 648, 768 - 514);
  w.app->processPending();
  content::TLabel* corner = label("Corner", {580, 370, 20, 20}, "Uma dica comprida que passaria da borda da tela");
  moveTo(corner, 15, 15);
  wait(500);
  ASSERT_TRUE(hint().visible());
  EXPECT_LE(hint().bounds().right(), 1024);
  EXPECT_LE(hint().bounds().bottom(), 768);
}

TEST_F(PointerTest, ThePointerTakesTheShapeOfTheTopmostEnabledElement) {
  a->setCursor(-21);
  moveTo(a);
  EXPECT_EQ(w.desktop.cursor(w.main().windowId()), platform::CursorShape::Hand);
  moveTo(b);
  EXPECT_EQ(w.desktop.cursor(w.main().windowId()), platform::CursorShape::Arrow);
  // A disabled element is passed over: the shape comes from what lies beneath.
  a->setEnabled(false);
  moveTo(a);
  EXPECT_EQ(w.desktop.cursor(w.main().windowId()), platform::CursorShape::Arrow);
}

}  // namespace
}  // namespace apostila::testing
