// Moving through the course shell as a learner does: the start page's menu, the information
// pages, the contents menu and its thirteen topic chains, the exit button answered No, the
// placement of every page it shows, the hand pointer over the contents menu and the start
// page's hints. Most buttons are clicked from code, as every handler path does; one walk goes
// the same roads with the pointer.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "CourseFixture.h"
#include "ui/PointerTracker.h"

namespace apostila {
namespace {

using content::TSpeedButton;

// The topic chains as the contents menu lists them: first and last theory page.
struct Chain {
  int first, last;
};
constexpr Chain kChains[] = {{5, 6},   {7, 8},   {9, 12},  {13, 15}, {16, 18}, {19, 20}, {21, 22},
                             {23, 25}, {26, 34}, {35, 41}, {42, 50}, {51, 60}, {61, 64}};

struct Navigation : ::testing::Test {
  testing::Course course;

  void SetUp() override { course.start(); }

  void click(TSpeedButton* button) {
    button->click();
    course.app->processPending();
  }
  // Clicks an exit button and answers the confirmation with Return, which picks its default, No.
  bool clickExitAnsweringNo(TSpeedButton* button) {
    bool asked = false;
    course.desktop.onWait([&] {
      asked = course.app->openBox() != nullptr;
      course.desktop.typeKey(platform::Key::Return);
    });
    click(button);
    return asked;
  }
  ::testing::AssertionResult onlyVisible(ui::Form* page) {
    const std::vector<ui::Form*> shown = course.visiblePages();
    if (shown.size() == 1 && shown[0] == page) return ::testing::AssertionSuccess();
    auto r = ::testing::AssertionFailure() << "expected only " << page->name() << ", visible:";
    for (ui::Form* f : shown) r << " " << f->name();
    return r;
  }
  ::testing::AssertionResult atHome(ui::Form* page) {
    const platform::Point outer = course.desktop.geometry(page->windowId()).outer.origin();
    if (page->left() == 90 && page->top() == 30 && outer.x == 90 && outer.y == 30) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << page->name() << " at " << page->left() << "," << page->top()
                                         << ", window at " << outer.x << "," << outer.y;
  }
  pages::TheoryPage* theory(int n) { return dynamic_cast<pages::TheoryPage*>(app::page(n)); }
  std::vector<TSpeedButton*> topics() {
    auto* m = app::Form4;
    return {m->SpeedButton3,  m->SpeedButton4,  m->SpeedButton5,  m->SpeedButton6,  m->SpeedButton7,
            m->SpeedButton8,  m->SpeedButton9,  m->SpeedButton10, m->SpeedButton11, m->SpeedButton12,
            m->SpeedButton13, m->SpeedButton14, m->SpeedButton15};
  }
  // The screen point at the middle of an element of a visible page.
  platform::Point screenCentre(const ui::Control& c) {
    int x = c.left() + c.width() / 2, y = c.top() + c.height() / 2;
    const ui::Form* page = nullptr;
    for (const ui::Container* p = c.parent(); p; p = p->parent()) {
      x += p->clientOffsetX(), y += p->clientOffsetY();
      if ((page = dynamic_cast<const ui::Form*>(p))) break;
      x += p->left(), y += p->top();
    }
    return course.desktop.geometry(page->windowId()).client.origin() + platform::Point{x, y};
  }
  void pointAt(const ui::Control& c) {
    course.desktop.movePointer(screenCentre(c));
    course.app->processPending();
  }
  void wait(int ms) {
    course.desktop.advanceClock(ms);
    course.app->processPending();
  }
};

TEST_F(Navigation, StartPageButtonsShowOnlyTheirTargetAndComeBackToTheStartPage) {
  ASSERT_TRUE(onlyVisible(app::formintro));
  struct Case {
    TSpeedButton* button;
    ui::Form* target;
    const char* caption;
    TSpeedButton* back;  // "Voltar", or the quiz's "Retornar"
  };
  const Case cases[] = {
      {app::formintro->BtnCurso, app::Form1, "Introdução", app::Form1->SpeedButton1},
      {app::formintro->BtnHabilidades, app::Form2, "Habilidades", app::Form2->SpeedButton1},
      {app::formintro->BtnCompetencias, app::Form3, "Competências", app::Form3->SpeedButton1},
      {app::formintro->BtnConteudo, app::Form4, "Menu principal - Conteúdos", app::Form4->SpeedButton1},
      {app::formintro->BtnQuestoes, app::Form65, "Questão 1", app::Form65->BtnRetornar},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.caption);
    click(c.button);
    EXPECT_TRUE(onlyVisible(c.target));
    EXPECT_TRUE(atHome(c.target));
    EXPECT_EQ(c.target->caption(), c.caption);
    EXPECT_EQ(course.desktop.title(c.target->windowId()), c.caption);
    click(c.back);
    EXPECT_TRUE(onlyVisible(app::formintro));
    EXPECT_TRUE(atHome(app::formintro));
  }
}

TEST_F(Navigation, EachTopicOpensTheFirstPageOfItsChain) {
  click(app::formintro->BtnConteudo);
  const std::vector<TSpeedButton*> buttons = topics();
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    pages::TheoryPage* first = theory(kChains[i].first);
    SCOPED_TRACE(buttons[i]->caption());
    click(buttons[i]);
    EXPECT_TRUE(onlyVisible(first));
    EXPECT_TRUE(atHome(first));
    EXPECT_EQ(first->caption(), "Teoria " + std::to_string(kChains[i].first - 4));
    EXPECT_EQ(first->SpeedButton3->caption(), "Seguir");
    click(first->SpeedButton1);  // "Voltar" on a first page: the menu
    EXPECT_TRUE(onlyVisible(app::Form4));
  }
}

TEST_F(Navigation, EveryChainWalkedForwardAndBackEndsOnTheMenu) {
  click(app::formintro->BtnConteudo);
  const std::vector<TSpeedButton*> buttons = topics();
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    const Chain chain = kChains[i];
    SCOPED_TRACE(buttons[i]->caption());
    // Forward with "Seguir" to the last page, which reads "Menu", and back with "Voltar".
    click(buttons[i]);
    for (int n = chain.first; n < chain.last; ++n) {
      ASSERT_TRUE(onlyVisible(theory(n)));
      EXPECT_EQ(theory(n)->SpeedButton3->caption(), "Seguir") << n;
      click(theory(n)->SpeedButton3);
    }
    ASSERT_TRUE(onlyVisible(theory(chain.last)));
    EXPECT_EQ(theory(chain.last)->SpeedButton3->caption(), "Menu");
    for (int n = chain.last; n >= chain.first; --n) {
      ASSERT_TRUE(onlyVisible(theory(n)));
      EXPECT_TRUE(atHome(theory(n)));
      click(theory(n)->SpeedButton1);
    }
    ASSERT_TRUE(onlyVisible(app::Form4));
    // Forward again, and out through "Menu".
    click(buttons[i]);
    for (int n = chain.first; n < chain.last; ++n) click(theory(n)->SpeedButton3);
    click(theory(chain.last)->SpeedButton3);
    EXPECT_TRUE(onlyVisible(app::Form4));
    EXPECT_TRUE(atHome(app::Form4));
  }
}

TEST_F(Navigation, APageDraggedAwayComesBackToItsPlaceWhenShownAgain) {
  auto drag = [&](ui::Form* page) {
    ASSERT_TRUE(course.desktop.moveByDesktop(page->windowId(), {300, 200}));
    course.app->processPending();
    ASSERT_EQ(page->left(), 300);
    ASSERT_EQ(page->top(), 200);
  };
  // The menu is stored at (117, 30) and placed on its first activation like any other page.
  struct Case {
    TSpeedButton* open;
    ui::Form* page;
    TSpeedButton* back;
  };
  const Case cases[] = {
      {app::formintro->BtnConteudo, app::Form4, app::Form4->SpeedButton1},
      {app::formintro->BtnCurso, app::Form1, app::Form1->SpeedButton1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.page->name());
    click(c.open);
    EXPECT_TRUE(atHome(c.page));
    drag(c.page);
    click(c.back);
    // The start page, dragged while on screen, is placed again when it comes back.
    drag(app::formintro);
    click(c.open);
    EXPECT_TRUE(atHome(c.page));
    click(c.back);
    EXPECT_TRUE(atHome(app::formintro));
  }
}

TEST_F(Navigation, SairAnsweredNoLeavesThePageOnScreen) {
  // Reach each page through the shell, then ask to leave and decline.
  click(app::formintro->BtnCurso);
  EXPECT_TRUE(clickExitAnsweringNo(app::Form1->SpeedButton2));
  EXPECT_TRUE(onlyVisible(app::Form1));
  click(app::Form1->SpeedButton1);
  click(app::formintro->BtnConteudo);
  EXPECT_TRUE(clickExitAnsweringNo(app::Form4->SpeedButton2));
  EXPECT_TRUE(onlyVisible(app::Form4));
  click(app::Form4->SpeedButton3);
  click(theory(5)->SpeedButton3);
  EXPECT_TRUE(clickExitAnsweringNo(theory(6)->SpeedButton2));
  EXPECT_TRUE(onlyVisible(theory(6)));
  EXPECT_TRUE(atHome(theory(6)));
  click(theory(6)->SpeedButton1);
  EXPECT_TRUE(onlyVisible(theory(5)));
  click(theory(5)->SpeedButton1);
  click(app::Form4->SpeedButton1);
  EXPECT_TRUE(clickExitAnsweringNo(app::formintro->BtnSair));
  EXPECT_TRUE(onlyVisible(app::formintro));
  EXPECT_FALSE(course.app->terminated());
}

// Random walks over every navigation button of whatever page is on screen (the answer buttons
// are the quiz's): after each click exactly one page is visible.
TEST_F(Navigation, AfterAnySequenceOfClicksExactlyOnePageIsVisible) {
  std::mt19937 random(20261209);
  int steps = 0, exits = 0;
  for (; steps < 600; ++steps) {
    const std::vector<ui::Form*> shown = course.visiblePages();
    ASSERT_EQ(shown.size(), 1u) << "after " << steps << " clicks";
    std::vector<TSpeedButton*> buttons;
    std::vector<ui::Control*> pending(shown[0]->controls().begin(), shown[0]->controls().end());
    while (!pending.empty()) {
      ui::Control* c = pending.back();
      pending.pop_back();
      if (auto* box = dynamic_cast<ui::Container*>(c)) pending.insert(pending.end(), box->controls().begin(), box->controls().end());
      auto* b = dynamic_cast<TSpeedButton*>(c);
      if (b && b->onClick && b->name().rfind("BtnResposta", 0) != 0) buttons.push_back(b);
    }
    ASSERT_FALSE(buttons.empty()) << shown[0]->name();
    TSpeedButton* pick = buttons[std::uniform_int_distribution<std::size_t>(0, buttons.size() - 1)(random)];
    if (pick->caption() == "Sair") {
      ASSERT_TRUE(clickExitAnsweringNo(pick)) << shown[0]->name();
      ++exits;
    } else {
      click(pick);
    }
  }
  EXPECT_GT(exits, 0);
  EXPECT_FALSE(course.app->terminated());
}

TEST_F(Navigation, TheHandPointerShowsOverTheFirstSixTopicsOnly) {
  click(app::formintro->BtnConteudo);
  const std::vector<TSpeedButton*> buttons = topics();
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    pointAt(*buttons[i]);
    const auto want = i < 6 ? platform::CursorShape::Hand : platform::CursorShape::Arrow;
    EXPECT_EQ(course.desktop.cursor(app::Form4->windowId()), want) << buttons[i]->name();
  }
  pointAt(*app::Form4->SpeedButton1);
  EXPECT_EQ(course.desktop.cursor(app::Form4->windowId()), platform::CursorShape::Arrow);
  pointAt(*app::Form4->SpeedButton8);
  pointAt(*app::Form4->Label1);
  EXPECT_EQ(course.desktop.cursor(app::Form4->windowId()), platform::CursorShape::Arrow);
}

TEST_F(Navigation, StartPageButtonsShowTheirHintsAndTheOtherShellPagesShowNone) {
  const ui::HintWindow& hint = course.app->pointer().hintWindow();
  struct Case {
    TSpeedButton* button;
    const char* text;
  };
  const Case cases[] = {
      {app::formintro->BtnCurso, "Digitar informações sobre o curso"},
      {app::formintro->BtnHabilidades, "Definir as habilidades adquiridas ao fazer curso"},
      {app::formintro->BtnCompetencias, "Definir as competências adquiridas ao fazer o curso"},
      {app::formintro->BtnConteudo, "Criar os formulários com conteúdo do curso"},
      {app::formintro->BtnQuestoes, "Criar questões relacionadas ao conteúdo do curso"},
      {app::formintro->BtnSair, "Finalizar o programa"},
  };
  for (const Case& c : cases) {
    // Each time from the information panel, which has no hint, after any tip has gone.
    pointAt(*app::formintro->Label2);
    wait(3000);
    ASSERT_FALSE(hint.visible());
    pointAt(*c.button);
    EXPECT_FALSE(hint.visible()) << "before the pause";
    wait(500);
    EXPECT_TRUE(hint.visible()) << c.text;
    EXPECT_EQ(hint.text(), c.text);
  }
  pointAt(*app::formintro->Label2);
  wait(3000);

  struct Quiet {
    TSpeedButton* open;
    ui::Form* page;
    std::vector<ui::Control*> elements;
  };
  auto* m = app::Form4;
  const Quiet quiet[] = {
      {app::formintro->BtnCurso, app::Form1,
       {app::Form1->SpeedButton1, app::Form1->SpeedButton2, app::Form1->Label2, app::Form1->Label1}},
      {app::formintro->BtnHabilidades, app::Form2, {app::Form2->SpeedButton1, app::Form2->SpeedButton2, app::Form2->Label7}},
      {app::formintro->BtnCompetencias, app::Form3, {app::Form3->SpeedButton1, app::Form3->SpeedButton2, app::Form3->Label4}},
      {app::formintro->BtnConteudo, m, {m->SpeedButton1, m->SpeedButton2, m->SpeedButton3, m->SpeedButton15, m->Label1}},
  };
  for (const Quiet& q : quiet) {
    click(q.open);
    for (ui::Control* c : q.elements) {
      pointAt(*c);
      wait(3000);
      EXPECT_FALSE(hint.visible()) << q.page->name() << "." << c->name() << ": " << hint.text();
    }
    click(static_cast<TSpeedButton*>(q.elements[0]));  // "Voltar"
  }
}

// The same roads with the learner's pointer: press and release over each button.
TEST_F(Navigation, PointerClicksTakeTheSameRoads) {
  auto press = [&](TSpeedButton* b) {
    pointAt(*b);
    course.desktop.click();
    course.app->processPending();
  };
  press(app::formintro->BtnCompetencias);
  EXPECT_TRUE(onlyVisible(app::Form3));
  press(app::Form3->SpeedButton1);
  EXPECT_TRUE(onlyVisible(app::formintro));
  press(app::formintro->BtnConteudo);
  ASSERT_TRUE(onlyVisible(app::Form4));
  press(app::Form4->SpeedButton7);  // topic 5
  ASSERT_TRUE(onlyVisible(theory(16)));
  press(theory(16)->SpeedButton3);
  press(theory(17)->SpeedButton3);
  ASSERT_TRUE(onlyVisible(theory(18)));
  EXPECT_EQ(theory(18)->SpeedButton3->caption(), "Menu");
  press(theory(18)->SpeedButton3);
  EXPECT_TRUE(onlyVisible(app::Form4));
  EXPECT_TRUE(atHome(app::Form4));
  // A press that slides off the button before the release goes nowhere.
  pointAt(*app::Form4->SpeedButton1);
  course.desktop.pressButton();
  course.app->processPending();
  pointAt(*app::Form4->Label1);
  course.desktop.releaseButton();
  course.app->processPending();
  EXPECT_TRUE(onlyVisible(app::Form4));
  // "Sair" from the pointer, declined with the confirmation's default.
  bool asked = false;
  course.desktop.onWait([&] {
    asked = course.app->openBox() != nullptr;
    course.desktop.typeKey(platform::Key::Return);
  });
  press(app::Form4->SpeedButton2);
  EXPECT_TRUE(asked);
  EXPECT_TRUE(onlyVisible(app::Form4));
  press(app::Form4->SpeedButton1);
  EXPECT_TRUE(onlyVisible(app::formintro));
}

}  // namespace
}  // namespace apostila
