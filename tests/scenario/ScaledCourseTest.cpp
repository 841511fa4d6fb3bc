// The real pages on a simulated screen of device scale 2: each of the 86 pages comes up at
// twice its size and place and is drawn whole, and the learner's pointer, at doubled screen
// coordinates, reaches what it reaches at 96 dpi: the hover reveal of "Teoria 19", an answer
// and the message it opens.
#include <gtest/gtest.h>

#include "CourseFixture.h"
#include "pages/Page.h"
#include "ui/DialogBox.h"
#include "ui/canvas/SystemColors.h"

namespace apostila {
namespace {

struct ScaledCourse : ::testing::Test {
  testing::Course course{platform::HeadlessBackend::kDefaultScreen, 2};

  void SetUp() override { course.start(); }
  // The screen pixel at the middle of an element, through its parents to the page.
  platform::Point middleOf(const ui::Form& page, const ui::Control& c) {
    int x = c.width() / 2, y = c.height() / 2;
    for (const ui::Control* e = &c; e->parent(); e = e->parent()) x += e->left(), y += e->top();
    return course.desktop.geometry(page.windowId()).client.origin() + platform::Point{2 * x + 1, 2 * y + 1};
  }
  void pointAt(const ui::Form& page, const ui::Control& c) {
    course.desktop.movePointer(middleOf(page, c));
    course.app->processPending();
  }
};

TEST_F(ScaledCourse, EveryPageComesUpAtTwiceItsSizeAndPlaceDrawnWhole) {
  ui::Form* current = app::page(0);
  for (int i = 0; i < 86; ++i) {
    ui::Form* next = app::page(i);
    if (next != current) {
      static_cast<pages::Page*>(current)->transitionTo(next);
      course.app->processPending();
      current = next;
    }
    ASSERT_TRUE(next->visible()) << next->name();
    const platform::WindowGeometry g = course.desktop.geometry(next->windowId());
    EXPECT_EQ(g.outer, (platform::Rect{180, 60, 1296, 1028})) << next->name();
    // Drawn and presented: the page colour in its corner.
    const std::uint32_t pageColour = ui::toRgb(next->color());
    EXPECT_EQ(course.desktop.pixel(next->windowId(), {1, 1}), pageColour) << next->name();
    EXPECT_GT(course.desktop.presentCount(next->windowId()), 0) << next->name();
  }
}

TEST_F(ScaledCourse, ThePointerAtDoubledCoordinatesRevealsTeoria19AndAnswersAQuestion) {
  app::formintro->BtnConteudo->click();
  course.app->processPending();
  app::Form4->SpeedButton10->click();
  course.app->processPending();
  pages::TForm23* page = app::Form23;
  ASSERT_TRUE(page->visible());
  EXPECT_FALSE(page->Panel2->visible());
  pointAt(*page, *page->Label1);
  EXPECT_TRUE(page->Panel2->visible());
  course.desktop.movePointer({2040, 1530});
  course.app->processPending();
  EXPECT_FALSE(page->Panel2->visible());

  // Back to the start page and into the quiz with clicks, then the right answer of question 1.
  pointAt(*page, *page->SpeedButton1);
  course.desktop.click();
  course.app->processPending();
  pointAt(*app::Form4, *app::Form4->SpeedButton1);
  course.desktop.click();
  course.app->processPending();
  pointAt(*app::formintro, *app::formintro->BtnQuestoes);
  course.desktop.click();
  course.app->processPending();
  ASSERT_TRUE(app::Form65->visible());
  std::string opened;
  course.desktop.onWait([&] {
    opened = course.app->openBox() ? course.app->openBox()->desc().text : "";
    course.desktop.typeKey(platform::Key::Return);
  });
  pointAt(*app::Form65, *app::Form65->BtnRespostaC);
  course.desktop.click();
  course.app->processPending();
  EXPECT_EQ(opened, "VOCÊ ACERTOU!");
}

}  // namespace
}  // namespace apostila
