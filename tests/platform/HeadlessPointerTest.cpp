// The simulated pointer: which window is under it, where its events go (button grabs,
// capture, click to focus), crossing events, and double clicks on the virtual clock.
#include <gmock/gmock.h>

#include "DesktopFixture.h"

namespace apostila::platform {
namespace {

using ::testing::ElementsAre;

class HeadlessPointer : public DesktopTest {
 protected:
  void SetUp() override {
    desk.setSimulatedFrame({1, 1, 20, 5});
    back = shownPage({0, 0}, {300, 300});     // client 1,20 .. 299,294
    front = shownPage({200, 0}, {300, 300});  // client 201,20 .. 499,294
    drain();
  }
  WindowId back = kNoWindow, front = kNoWindow;
};

TEST_F(HeadlessPointer, TheWindowUnderThePointerIsTheTopmostOneFrameIncluded) {
  enum Which { Back, Front, None };
  struct Case { Point at; bool backRaised; Which expected; };
  for (const auto& [at, backRaised, expected] : std::vector<Case>{
           {{100, 100}, false, Back},
           {{250, 100}, false, Front},  // overlap: front is on top
           {{250, 100}, true, Back},    // ... until back is raised
           {{250, 5}, false, Front},    // on the title bar
           {{600, 100}, false, None},   // the desktop
       }) {
    desk.raise(backRaised ? back : front);
    desk.movePointer(at);
    const WindowId want[] = {back, front, kNoWindow};
    EXPECT_EQ(desk.windowUnderPointer(), want[expected]) << at.x << "," << at.y;
  }
  desk.raise(front);
  desk.movePointer({250, 100});
  desk.hide(front);
  EXPECT_EQ(desk.windowUnderPointer(), back);  // hidden windows are not under the pointer
  desk.minimize(back);
  EXPECT_EQ(desk.windowUnderPointer(), kNoWindow);
}

TEST_F(HeadlessPointer, MovesReportClientAndScreenPositionsAndCrossings) {
  desk.movePointer({50, 60});
  desk.movePointer({250, 100});  // straight into the front window
  desk.movePointer({250, 5});    // onto its frame: no move event, a leave
  desk.movePointer({600, 100});
  EXPECT_THAT(drain(), ElementsAre("PointerEnter window 1", "MouseMove window 1 at 49,40 (screen 50,60)",
                                   "PointerLeave window 1", "PointerEnter window 2",
                                   "MouseMove window 2 at 49,80 (screen 250,100)", "PointerLeave window 2"));

  desk.movePointer({250, 100});
  drain();
  desk.hide(front);  // the window goes from under the pointer
  EXPECT_THAT(drain(), ElementsAre("FocusLost window 2", "FocusGained window 1", "PointerLeave window 2",
                                   "PointerEnter window 1"));
}

TEST_F(HeadlessPointer, AWindowWhereAButtonWentDownGetsThePointerUntilRelease) {
  desk.movePointer({250, 100});
  desk.pressButton();
  desk.movePointer({600, 400});  // outside every window
  desk.releaseButton();
  EXPECT_THAT(drain(), ElementsAre("PointerEnter window 2", "MouseMove window 2 at 49,80 (screen 250,100)",
                                   "MouseDown window 2 left at 49,80 (screen 250,100)",
                                   "MouseMove window 2 at 399,380 (screen 600,400)",
                                   "MouseUp window 2 left at 399,380 (screen 600,400)",
                                   "PointerLeave window 2"));  // the crossing comes after the release
}

TEST_F(HeadlessPointer, APressFocusesAndRaisesTheWindowBeforeItArrives) {
  desk.movePointer({100, 100});
  drain();
  desk.click(MouseButton::Right);
  EXPECT_THAT(desk.stackingOrder(), ElementsAre(back, front));
  EXPECT_THAT(drain(), ElementsAre("FocusLost window 2", "FocusGained window 1", "MouseDown window 1 right at 99,80 (screen 100,100)",
                                   "MouseUp window 1 right at 99,80 (screen 100,100)"));
  // A press on the frame focuses too, but the client hears nothing of it.
  desk.movePointer({450, 5});
  drain();
  desk.click();
  EXPECT_EQ(desk.focusedWindow(), front);
  EXPECT_THAT(drain(), ElementsAre("FocusLost window 1", "FocusGained window 2"));
}

TEST_F(HeadlessPointer, CaptureNeedsTheFocusAndHoldsThePointerUntilReleased) {
  EXPECT_FALSE(desk.capturePointer(back));
  EXPECT_EQ(desk.captureWindow(), kNoWindow);
  ASSERT_TRUE(desk.capturePointer(front));

  desk.movePointer({100, 100});  // over the other window
  desk.turnWheel(-1);
  desk.releasePointer();
  desk.movePointer({101, 100});
  EXPECT_THAT(drain(), ElementsAre("MouseMove window 2 at -101,80 (screen 100,100)",
                                   "Wheel window 2 -1", "PointerEnter window 1",
                                   "MouseMove window 1 at 100,80 (screen 101,100)"));

  desk.capturePointer(front);
  desk.hide(front);  // a hidden window loses its capture
  EXPECT_EQ(desk.captureWindow(), kNoWindow);
}

TEST_F(HeadlessPointer, TheSecondPressOfADoubleClickIsReportedAsOne) {
  struct Case { const char* name; int afterMs; Point second; const char* expected; };
  for (const auto& [name, afterMs, second, expected] : std::vector<Case>{
           {"quick and close", 500, {252, 103}, "MouseDoubleClick"},
           {"too slow", 501, {250, 100}, "MouseDown"},
           {"too far", 100, {255, 100}, "MouseDown"},
       }) {
    desk.advanceClock(10'000);  // forget earlier presses
    desk.movePointer({250, 100});
    desk.click();
    desk.advanceClock(afterMs);
    desk.movePointer(second);
    drain();
    desk.click();
    EXPECT_EQ(desk.pollEvent()->type == EventType::MouseDoubleClick ? "MouseDoubleClick" : "MouseDown",
              std::string(expected))
        << name;
    drain();
  }
  // A third quick press starts a new click rather than a second double click.
  desk.advanceClock(10'000);
  desk.click();
  desk.click();
  desk.click();
  std::vector<EventType> presses;
  while (auto e = desk.pollEvent())
    if (e->type != EventType::MouseUp) presses.push_back(e->type);
  EXPECT_THAT(presses, ElementsAre(EventType::MouseDown, EventType::MouseDoubleClick, EventType::MouseDown));
}

}  // namespace
}  // namespace apostila::platform
