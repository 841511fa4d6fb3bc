// The simulated desktop's windows: geometry with and without a frame, stacking, and where the
// keyboard focus goes when windows come and go.
#include <gmock/gmock.h>

#include "DesktopFixture.h"
#include "ui/platform/PlatformError.h"

namespace apostila::platform {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

using HeadlessWindows = DesktopTest;

TEST_F(HeadlessWindows, ClientAreaIsOuterLessTheSimulatedFrame) {
  const WindowId plain = page({199, 103}, {648, 514});
  desk.setSimulatedFrame({1, 1, 20, 5});
  const WindowId framed = page({199, 103}, {648, 514});
  const WindowId dialog =
      desk.createWindow(windowDesc(WindowKind::Dialog, "box", {0, 0}, {300, 120}, SizeOf::Client));
  const WindowId tip = tooltip({5, 5});

  EXPECT_EQ(desk.geometry(plain).client, Rect(199, 103, 648, 514));
  EXPECT_EQ(desk.geometry(framed).outer, Rect(199, 103, 648, 514));
  EXPECT_EQ(desk.geometry(framed).client, Rect(200, 123, 646, 489));
  EXPECT_EQ(desk.geometry(dialog).outer.size(), Size(302, 145));
  EXPECT_EQ(desk.geometry(tip).client, desk.geometry(tip).outer);  // tool tips have no frame
  EXPECT_EQ(desk.pixels(framed).width, 646);

  desk.setOuterPosition(framed, {90, 30});
  EXPECT_EQ(desk.geometry(framed).client.origin(), Point(91, 50));
  desk.setClientSize(framed, {100, 50});
  EXPECT_EQ(desk.geometry(framed).outer, Rect(90, 30, 102, 75));
}

TEST_F(HeadlessWindows, WindowsStartHiddenAndAShownWindowComesOnTopWithTheFocus) {
  const WindowId a = page(), b = page();
  EXPECT_FALSE(desk.isVisible(a));
  EXPECT_THAT(desk.stackingOrder(), IsEmpty());

  desk.show(a);
  desk.show(b);
  EXPECT_THAT(desk.stackingOrder(), ElementsAre(b, a));
  EXPECT_EQ(desk.focusedWindow(), b);
  EXPECT_THAT(drain(), ElementsAre("Expose window 1", "FocusGained window 1", "Expose window 2",
                                   "FocusLost window 1", "FocusGained window 2"));

  desk.show(b);  // already shown: nothing at all
  desk.raise(a);
  EXPECT_THAT(desk.stackingOrder(), ElementsAre(a, b));
  EXPECT_EQ(desk.focusedWindow(), b);  // raising alone does not focus
  desk.focus(a);
  EXPECT_THAT(drain(), ElementsAre("FocusLost window 2", "FocusGained window 1"));
}

TEST_F(HeadlessWindows, ATooltipFloatsOnTopAndNeverTakesTheFocus) {
  const WindowId a = shownPage();
  const WindowId tip = tooltip({10, 10});
  drain();
  desk.show(tip);
  const WindowId b = shownPage();
  EXPECT_THAT(desk.stackingOrder(), ElementsAre(tip, b, a));
  EXPECT_EQ(desk.focusedWindow(), b);
  desk.focus(tip);
  desk.hide(tip);
  EXPECT_EQ(desk.focusedWindow(), b);
  for (const Event& e : drainOf(EventType::FocusGained)) EXPECT_NE(e.window, tip);
}

TEST_F(HeadlessWindows, TheFocusFallsBackToTheTopmostWindowLeft) {
  const WindowId a = shownPage(), b = shownPage(), c = shownPage();
  desk.raise(a);  // stack: a, c, b
  drain();

  desk.focus(b);
  desk.hide(b);
  EXPECT_EQ(desk.focusedWindow(), a);
  desk.minimize(a);
  EXPECT_EQ(desk.focusedWindow(), c);
  EXPECT_TRUE(desk.isVisible(a));  // minimised is still shown
  EXPECT_THAT(desk.stackingOrder(), ElementsAre(c));
  desk.hide(c);
  EXPECT_EQ(desk.focusedWindow(), kNoWindow);
  EXPECT_THAT(drain(), ElementsAre("FocusLost window 3", "FocusGained window 2",  // focus(b)
                                   "FocusLost window 2", "FocusGained window 1",  // hide(b)
                                   "FocusLost window 1", "FocusGained window 3",  // minimize(a)
                                   "FocusLost window 3"));

  desk.restore(a);
  EXPECT_FALSE(desk.isMinimized(a));
  EXPECT_EQ(desk.focusedWindow(), a);
  EXPECT_THAT(drain(), ElementsAre("Expose window 1", "FocusGained window 1"));
}

TEST_F(HeadlessWindows, ADestroyedWindowIsToldNothingMoreAndItsQueuedEventsGo) {
  const WindowId a = shownPage(), b = shownPage();
  drain();
  desk.requestClose(b);
  desk.destroyWindow(b);
  EXPECT_EQ(desk.focusedWindow(), a);
  EXPECT_THAT(drain(), ElementsAre("FocusGained window 1"));
  EXPECT_THROW(desk.show(b), PlatformError);
  EXPECT_THAT(desk.windows(), ElementsAre(a));
  EXPECT_EQ(shownPage(), 3u);  // ids are not reused
}

TEST_F(HeadlessWindows, UnknownIdsAndNegativeSizesAreRefused) {
  EXPECT_THROW(desk.geometry(42), PlatformError);
  EXPECT_THROW(desk.setTitle(kNoWindow, "x"), PlatformError);
  EXPECT_THROW(page({0, 0}, {-1, 10}), PlatformError);
  EXPECT_THROW(desk.setClientSize(page(), {10, -1}), PlatformError);
}

}  // namespace
}  // namespace apostila::platform
