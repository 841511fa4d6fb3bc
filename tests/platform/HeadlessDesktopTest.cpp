// The desktop around the program's windows: the task-bar entry and its close, close boxes and
// the close key, switching applications, the learner minimising, moving and resizing, and the
// small services (keys, clipboard, beep, cursor, termination).
#include <gmock/gmock.h>

#include "DesktopFixture.h"

namespace apostila::platform {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

using HeadlessDesktop = DesktopTest;

TEST_F(HeadlessDesktop, TheTaskbarEntryIsWhatTheLayerSaysAndOnlyAShownOneCanBeClosed) {
  EXPECT_FALSE(desk.taskbarShown());
  EXPECT_FALSE(desk.closeFromTaskbar());
  desk.setTaskbarEntry(true, "Curso");
  EXPECT_EQ(desk.taskbarTitle(), "Curso");
  EXPECT_TRUE(desk.closeFromTaskbar());
  EXPECT_THAT(drain(), ElementsAre("AppCloseRequest"));
  desk.setTaskbarEntry(false, "Curso");
  EXPECT_FALSE(desk.closeFromTaskbar());
}

TEST_F(HeadlessDesktop, TheTaskbarEntryIsMinimisedAndRestoredByTheLearnerOrByTheLayer) {
  EXPECT_FALSE(desk.minimizeFromTaskbar());  // no entry to minimise
  desk.setTaskbarEntry(true, "Curso");
  EXPECT_TRUE(desk.minimizeFromTaskbar());
  EXPECT_FALSE(desk.minimizeFromTaskbar());
  EXPECT_TRUE(desk.restoreFromTaskbar());
  EXPECT_FALSE(desk.restoreFromTaskbar());
  EXPECT_THAT(drain(), ElementsAre("AppMinimized", "AppRestored"));
  // The layer's own minimise is not reported back, and an entry that goes away is not minimised.
  desk.setTaskbarEntryMinimized(true);
  EXPECT_TRUE(desk.taskbarMinimized());
  desk.setTaskbarEntry(false, "Curso");
  EXPECT_FALSE(desk.taskbarMinimized());
  EXPECT_THAT(drain(), IsEmpty());
}

TEST_F(HeadlessDesktop, CloseBoxesAndTheCloseKeyAskTheWindowToClose) {
  const WindowId hidden = page();
  const WindowId w = shownPage();
  drain();
  EXPECT_FALSE(desk.requestClose(hidden));  // no close box on a hidden window
  EXPECT_TRUE(desk.requestClose(w));
  desk.typeKey(Key::F4, kAlt);  // the desktop keeps the key for itself
  desk.typeKey(Key::C, kCtrl, "");
  EXPECT_THAT(drain(), ElementsAre("CloseRequest window 2", "CloseRequest window 2", "KeyDown window 2 key 30 +ctrl",
                                   "KeyUp window 2 key 30 +ctrl"));
}

TEST_F(HeadlessDesktop, SwitchingToAnotherApplicationAndBackLosesAndRegainsTheSameWindow) {
  const WindowId a = shownPage();
  shownPage();
  desk.focus(a);
  drain();
  desk.switchToOtherApp();
  EXPECT_FALSE(desk.appActive());
  desk.typeKey(Key::Return);  // typed into the other program
  desk.switchBackToApp();
  EXPECT_TRUE(desk.appActive());
  EXPECT_EQ(desk.focusedWindow(), a);
  EXPECT_THAT(drain(), ElementsAre("FocusLost window 1", "FocusGained window 1"));
}

TEST_F(HeadlessDesktop, TheLearnerMinimisesRestoresMovesAndResizesPages) {
  desk.setSimulatedFrame({1, 1, 20, 5});
  const WindowId w = shownPage({10, 10}, {300, 200});
  const WindowId dialog = desk.createWindow(windowDesc(WindowKind::Dialog, "box", {0, 0}, {100, 50}));
  desk.show(dialog);
  drain();

  EXPECT_FALSE(desk.minimizeByDesktop(dialog));  // no minimise box on a dialog
  EXPECT_FALSE(desk.resizeByDesktop(dialog, {500, 500}));
  // Some window menus minimise it all the same.
  ASSERT_TRUE(desk.minimizeFromWindowMenu(dialog));
  EXPECT_TRUE(desk.isMinimized(dialog));
  desk.restore(dialog);
  drain();
  ASSERT_TRUE(desk.minimizeByDesktop(w));
  EXPECT_TRUE(desk.isMinimized(w));
  EXPECT_FALSE(desk.moveByDesktop(w, {0, 0}));  // not on screen
  ASSERT_TRUE(desk.restoreByDesktop(w));
  EXPECT_TRUE(desk.moveByDesktop(w, {40, 50}));
  EXPECT_TRUE(desk.resizeByDesktop(w, {400, 300}));
  EXPECT_EQ(desk.geometry(w).client, Rect(41, 70, 398, 275));
  EXPECT_EQ(desk.pixels(w).width, 398);
  EXPECT_THAT(drain(), ElementsAre("Minimized window 1", "Restored window 1", "Expose window 1",
                                   "FocusLost window 2", "FocusGained window 1", "Moved window 1 to 40,50",
                                   "Resized window 1 outer 400x300 client 398x275", "Expose window 1"));
}

TEST_F(HeadlessDesktop, ClipboardBeepCursorIconAndTermination) {
  const WindowId w = page();
  desk.setClipboardText("---\nCurso\n");
  desk.beep();
  desk.beep();
  desk.setCursor(w, CursorShape::Hand);
  std::vector<std::uint32_t> icon(32 * 32, 0xFF00FF00u);
  EXPECT_THAT(desk.icon(w), IsEmpty());
  desk.setIcon(w, {icon.data()});
  desk.terminate();

  EXPECT_EQ(desk.clipboard(), "---\nCurso\n");
  EXPECT_EQ(desk.beeps(), 2);
  EXPECT_EQ(desk.cursor(w), CursorShape::Hand);
  EXPECT_EQ(desk.icon(w), icon);
  EXPECT_GT(desk.cursorDepthBelowHotSpot(CursorShape::Arrow), 0);
  EXPECT_THAT(drain(), ElementsAre("Terminate"));
}

}  // namespace
}  // namespace apostila::platform
