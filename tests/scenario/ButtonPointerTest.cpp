// The push button under a simulated learner: press, capture, moving out and back in, release
// with and without a click, the other mouse buttons, disabled buttons letting the pointer
// through, the hot state of flat buttons and double clicks.
#include <gtest/gtest.h>

#include "ButtonDesk.h"
#include "CourseFixture.h"
#include "ui/PointerTracker.h"
#include "ui/canvas/SystemColors.h"

namespace apostila::testing {
namespace {

using Face = content::ButtonState::Face;
using platform::MouseButton;

TEST(ButtonPointer, ReleaseOutsideGivesNoClickAndMovingBackInDoes) {
  ButtonDesk d;
  d.moveTo(d.seguir);
  d.press();
  EXPECT_EQ(d.seguir->buttonState().face(), Face::Down);
  EXPECT_EQ(d.app->pointer().captured(), d.seguir);
  EXPECT_EQ(d.desktop.captureWindow(), d.page->windowId());

  // Out onto the other flat button: the face comes up (still hot, as the press holds the
  // pointer), and the capture keeps the other button from lighting up.
  d.moveTo(d.voltar);
  EXPECT_EQ(d.seguir->buttonState().face(), Face::Hot);
  EXPECT_EQ(d.voltar->buttonState().face(), Face::Up);
  d.release();
  EXPECT_EQ(d.clicks["Seguir"], 0);
  EXPECT_FALSE(d.app->pointer().anyCapture());
  EXPECT_EQ(d.seguir->buttonState().face(), Face::Up);

  // Out and back in before the release: a click, and the button is hot again under the pointer.
  d.moveTo(d.seguir);
  d.press();
  d.moveToPanel();
  EXPECT_EQ(d.seguir->buttonState().face(), Face::Hot);
  d.moveTo(d.seguir, 3, 50);
  EXPECT_EQ(d.seguir->buttonState().face(), Face::Down);
  d.release();
  EXPECT_EQ(d.clicks["Seguir"], 1);
  EXPECT_EQ(d.seguir->buttonState().face(), Face::Hot);
  EXPECT_FALSE(d.seguir->buttonState().pressing());
}

TEST(ButtonPointer, OnlyTheLeftButtonPresses) {
  ButtonDesk d;
  for (MouseButton b : {MouseButton::Right, MouseButton::Middle}) {
    d.moveTo(d.answer);
    d.press(b);
    EXPECT_EQ(d.answer->buttonState().face(), Face::Up);
    EXPECT_FALSE(d.app->pointer().anyCapture());
    d.release(b);
  }
  EXPECT_EQ(d.clicks["A"], 0);
}

TEST(ButtonPointer, DisabledButtonLetsThePointerThroughToThePanel) {
  ButtonDesk d;
  d.answer->setEnabled(false);
  d.seguir->setEnabled(false);
  d.moveTo(d.answer);
  d.desktop.click();
  d.app->processPending();
  EXPECT_EQ(d.clicks["A"], 0);
  EXPECT_EQ(d.panel->presses, 1);
  EXPECT_EQ(d.answer->buttonState().face(), Face::Disabled);
  EXPECT_FALSE(d.app->pointer().anyCapture());
  // A disabled flat button never lights up.
  d.moveTo(d.seguir);
  d.desktop.click();
  d.app->processPending();
  EXPECT_EQ(d.clicks["Seguir"], 0);
  EXPECT_EQ(d.panel->presses, 2);
  EXPECT_EQ(d.shown(d.seguir, 0, 0), d.shown(d.panel, 300, 300));
}

TEST(ButtonPointer, FlatButtonsAreHotWhileThePointerIsOverThem) {
  ButtonDesk d;
  const std::uint32_t panel = d.shown(d.panel, 300, 300);
  d.moveTo(d.seguir);
  EXPECT_EQ(d.seguir->buttonState().face(), Face::Hot);
  EXPECT_EQ(d.shown(d.seguir, 0, 0), ui::toRgb(ui::clBtnHighlight));
  EXPECT_EQ(d.shown(d.seguir, 56, 56), ui::toRgb(ui::clBtnShadow));
  // Straight onto the next one: the first goes out, the second lights up.
  d.moveTo(d.voltar);
  EXPECT_EQ(d.seguir->buttonState().face(), Face::Up);
  EXPECT_EQ(d.shown(d.seguir, 0, 0), panel);
  EXPECT_EQ(d.voltar->buttonState().face(), Face::Hot);
  d.moveToPanel();
  EXPECT_EQ(d.voltar->buttonState().face(), Face::Up);
  // A raised button has no hot state.
  const std::uint32_t frame = d.shown(d.answer, 0, 0);
  d.moveTo(d.answer);
  EXPECT_EQ(d.answer->buttonState().face(), Face::Up);
  EXPECT_EQ(d.shown(d.answer, 0, 0), frame);
}

TEST(ButtonPointer, EnabledChangeLooksAgainAtThePointer) {
  ButtonDesk d;
  d.moveTo(d.seguir);
  d.seguir->setEnabled(false);
  d.app->processPending();
  EXPECT_EQ(d.seguir->buttonState().face(), Face::Disabled);
  d.seguir->setEnabled(true);
  EXPECT_EQ(d.seguir->buttonState().face(), Face::Hot);
  d.seguir->setEnabled(false);
  d.moveToPanel();
  d.seguir->setEnabled(true);
  EXPECT_EQ(d.seguir->buttonState().face(), Face::Up);
}

TEST(ButtonPointer, DisabledDuringAPressEndsItWithoutAClick) {
  ButtonDesk d;
  d.moveTo(d.seguir);
  d.press();
  d.seguir->setEnabled(false);
  EXPECT_FALSE(d.app->pointer().anyCapture());
  d.seguir->setEnabled(true);
  d.release();
  EXPECT_EQ(d.clicks["Seguir"], 0);
  EXPECT_FALSE(d.seguir->buttonState().pressing());
}

TEST(ButtonPointer, DoubleClickGivesTwoClicks) {
  ButtonDesk d;
  d.moveTo(d.answer);
  d.desktop.click();
  d.desktop.advanceClock(100);
  d.desktop.click();  // within the double-click time: the second press is a double click
  d.app->processPending();
  EXPECT_EQ(d.clicks["A"], 2);
}

// On the course itself: the second press of a double click on "Seguir" lands on the page the
// first click opened, whose "Seguir" lies at the same place.
TEST(ButtonPointer, DoubleClickOnSeguirWalksTwoPages) {
  Course course;
  course.start();
  app::Form26->show();
  app::formintro->hide();
  course.app->processPending();
  const content::TSpeedButton* seguir = app::Form26->SpeedButton3;
  ASSERT_EQ(seguir->caption(), "Seguir");
  platform::Point at = course.desktop.geometry(app::Form26->windowId()).client.origin() +
                       platform::Point{seguir->parent()->left() + seguir->left() + 28, seguir->parent()->top() + seguir->top() + 28};
  course.desktop.movePointer(at);
  course.app->processPending();
  course.desktop.click();
  course.desktop.click();
  course.app->processPending();
  EXPECT_EQ(course.visiblePages(), (std::vector<ui::Form*>{app::Form28}));
}

}  // namespace
}  // namespace apostila::testing
