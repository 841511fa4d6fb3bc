// "Teoria 19" as the learner meets it: resting the pointer on "Detalhes Posicione o mouse"
// covers the curves with the green panel and its nine paragraphs, and moving off brings the
// curves back at once, whatever the pointer does next.
#include <gtest/gtest.h>

#include "CourseFixture.h"
#include "content/TLabel.h"
#include "ui/PointerTracker.h"

namespace apostila {
namespace {

using content::TSpeedButton;

struct HoverReveal : ::testing::Test {
  testing::Course course;
  pages::TForm23* page = nullptr;

  void SetUp() override {
    course.start();
    click(app::formintro->BtnConteudo);
    click(app::Form4->SpeedButton10);  // "CURVAS CARACTERÍSTICAS"
    page = app::Form23;
    ASSERT_TRUE(page->visible());
  }
  void click(TSpeedButton* button) {
    button->click();
    course.app->processPending();
  }
  // A point of the page's client area, from an element's own coordinates.
  platform::Point clientPoint(const ui::Control& c, int x, int y) {
    for (const ui::Control* e = &c; e->parent(); e = e->parent()) x += e->left(), y += e->top();
    return {x, y};
  }
  void pointAt(platform::Point client) {
    course.desktop.movePointer(course.desktop.geometry(page->windowId()).client.origin() + client);
    course.app->processPending();
  }
  void pointAt(const ui::Control& c, int dx = 0) { pointAt(clientPoint(c, c.width() / 2 + dx, c.height() / 2)); }
  // Over the curves, where the panel would be, and over the heading.
  platform::Point overCurves() { return clientPoint(*page->Panel1, 300, 250); }
  platform::Point overHeading() { return clientPoint(*page->Panel1, 30, 14); }
  void wait(int ms) {
    course.desktop.advanceClock(ms);
    course.app->processPending();
  }
  std::vector<ui::Control*> revealed() {
    return {page->Panel2, page->Label3, page->Label4, page->Label5,  page->Label6,
            page->Label7, page->Label8, page->Label9, page->Label10, page->Label11};
  }
  int shownElements() {
    int n = 0;
    for (ui::Control* c : revealed()) n += c->visible();
    return n;
  }
  // What the painted page shows: the panel's green along both of its margins, and each
  // paragraph's ink (maroon, or red for the warning) inside its own box.
  bool panelPainted() {
    const std::uint32_t green = 0xC0DCC0;
    for (int y = 4; y < page->Panel2->height() - 4; y += 40)
      for (int x : {3, page->Panel2->width() - 4})
        if (course.desktop.pixel(page->windowId(), clientPoint(*page->Panel2, x, y)) != green) return false;
    return true;
  }
  bool paragraphsPainted() {
    for (ui::Control* c : revealed()) {
      if (c == page->Panel2) continue;
      const std::uint32_t ink = c == page->Label8 ? 0xFF0000 : 0x800000;
      bool found = false;
      for (int y = 0; y < c->height() && !found; ++y)
        for (int x = 0; x < c->width() && !found; ++x)
          found = course.desktop.pixel(page->windowId(), clientPoint(*c, x, y)) == ink;
      if (!found) return false;
    }
    return true;
  }
};

TEST_F(HoverReveal, TheLabelRevealsThePanelAndItsParagraphsOnlyWhileThePointerRestsOnIt) {
  EXPECT_EQ(shownElements(), 0);
  EXPECT_FALSE(panelPainted());
  for (int visit = 0; visit < 2; ++visit) {
    SCOPED_TRACE(visit);
    pointAt(*page->Label1);
    EXPECT_EQ(shownElements(), 10);
    EXPECT_TRUE(panelPainted());
    EXPECT_TRUE(paragraphsPainted());
    pointAt(*page->Label1, page->Label1->width() / 2 - 2);  // still on the label
    EXPECT_EQ(shownElements(), 10);
    pointAt(overCurves());  // back over the curves: they show again at once
    EXPECT_EQ(shownElements(), 0);
    EXPECT_FALSE(panelPainted());
  }
}

TEST_F(HoverReveal, LeavingThroughSeguirJustAfterTheLabelKeepsTheRevealHiddenOnTheNextVisit) {
  pointAt(*page->Label1);
  ASSERT_EQ(shownElements(), 10);
  pointAt(*page->SpeedButton3);
  click(page->SpeedButton3);
  ASSERT_TRUE(app::Form24->visible());
  click(app::Form24->SpeedButton1);  // "Voltar"
  ASSERT_TRUE(page->visible());
  EXPECT_EQ(shownElements(), 0);
  EXPECT_FALSE(panelPainted());
}

TEST_F(HoverReveal, NoElementOfThePageShowsAToolTip) {
  const ui::HintWindow& hint = course.app->pointer().hintWindow();
  const platform::Point points[] = {clientPoint(*page->Label1, 40, 20), overCurves(), overHeading(),
                                    clientPoint(*page->SpeedButton3, 28, 28)};
  for (const platform::Point& at : points) {
    pointAt(at);
    wait(3000);
    EXPECT_FALSE(hint.visible()) << at.x << "," << at.y << ": " << hint.text();
  }
}

}  // namespace
}  // namespace apostila
