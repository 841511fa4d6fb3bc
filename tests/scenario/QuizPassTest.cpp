// Whole passes through the twenty questions to the conclusion page, starting again with
// "Repetir" and after leaving to the start page, and the circuit preview of the last four.
#include <gtest/gtest.h>

#include "QuizDriver.h"

namespace apostila {
namespace {

using testing::question;

struct Pass {
  const char* what;
  std::string (*clicks)(int n);
  const char* certas;
  const char* erradas;
};

const Pass kPasses[] = {
    {"every question right", [](int n) { return std::string(1, testing::rightLetter(n)); }, "20", "0"},
    {"every question wrong twice",
     [](int n) { return std::string{testing::wrongLetter(n, n % 4), testing::wrongLetter(n, (n + 1) % 4)}; }, "0", "40"},
    {"every question skipped", [](int) { return std::string(); }, "0", "0"},
};

// The passes run one after the other, each begun with "Repetir", so each one also shows that
// starting again forgets the pass before.
TEST(QuizPass, TheConclusionPageShowsTheCountsOfThePass) {
  testing::Course course;
  testing::QuizDriver quiz(course);
  quiz.startAndEnterQuiz();
  for (const Pass& pass : kPasses) {
    SCOPED_TRACE(pass.what);
    ASSERT_EQ(course.visiblePages(), std::vector<ui::Form*>{app::Form65});
    EXPECT_EQ(question(1).PnlCertas->caption(), "0");
    EXPECT_EQ(question(1).PnlErradas->caption(), "0");
    for (int n = 1; n <= 20; ++n) {
      quiz.answer(n, pass.clicks(n));
      EXPECT_EQ(question(n).BtnAvancar->caption(), n == 20 ? "Conclusão" : "Avançar");
      quiz.click(*question(n).BtnAvancar);
      ASSERT_EQ(course.visiblePages(), std::vector<ui::Form*>{app::page(n == 20 ? 85 : 65 + n)}) << n;
    }
    EXPECT_EQ(app::Form85->PnlCertas->caption(), pass.certas);
    EXPECT_EQ(app::Form85->PnlErradas->caption(), pass.erradas);
    EXPECT_EQ(app::Form85->left(), 90);
    EXPECT_EQ(app::Form85->top(), 30);
    EXPECT_EQ(app::Form85->BtnAvancar->caption(), "Repetir");
    quiz.click(*app::Form85->BtnAvancar);
  }
}

// Leaving the quiz keeps the counts until question 1 is next activated: the conclusion page's
// "Retornar" and question 7's both lead to the start page, and "Questões" starts from 0.
TEST(QuizPass, ComingBackThroughQuestoesStartsANewPass) {
  testing::Course course;
  testing::QuizDriver quiz(course);
  quiz.startAndEnterQuiz();
  for (int n = 1; n <= 20; ++n) {
    if (n <= 3) quiz.answer(n, std::string{testing::wrongLetter(n), testing::rightLetter(n)});
    quiz.click(*question(n).BtnAvancar);
  }
  EXPECT_EQ(app::Form85->PnlCertas->caption(), "3");
  EXPECT_EQ(app::Form85->PnlErradas->caption(), "3");
  quiz.click(*app::Form85->BtnRetornar);
  ASSERT_EQ(course.visiblePages(), std::vector<ui::Form*>{app::formintro});
  EXPECT_EQ(pages::quiz().Certas, 3);
  EXPECT_EQ(pages::quiz().Erradas, 3);

  quiz.click(*app::formintro->BtnQuestoes);
  for (int n = 1; n <= 6; ++n) {
    quiz.answer(n, std::string(1, testing::rightLetter(n)));
    quiz.click(*question(n).BtnAvancar);
  }
  EXPECT_EQ(question(7).PnlCertas->caption(), "6");
  quiz.click(*question(7).BtnRetornar);
  ASSERT_EQ(course.visiblePages(), std::vector<ui::Form*>{app::formintro});
  quiz.click(*app::formintro->BtnQuestoes);
  EXPECT_EQ(question(1).PnlCertas->caption(), "0");
  EXPECT_EQ(question(1).PnlErradas->caption(), "0");
  EXPECT_EQ(pages::quiz().Certas, 0);
  EXPECT_EQ(pages::quiz().Tentativa, 1);
}

struct Preview {
  int question;
  ui::Bounds label, panel;
  int pictureWidth, pictureHeight;
};
const Preview kPreviews[] = {
    {17, {264, 64, 225, 13}, {16, 88, 214, 248}, 212, 246},
    {18, {280, 56, 225, 13}, {16, 80, 238, 204}, 236, 202},
    {19, {280, 48, 225, 13}, {10, 64, 266, 225}, 264, 223},
    {20, {288, 48, 217, 13}, {8, 56, 254, 283}, 252, 281},
};

// On the last four questions the circuit shows while the pointer rests on the red caption and
// hides when it leaves, whether the question is open or already answered; the first sixteen
// have no such caption.
TEST(QuizPass, TheCircuitShowsWhileThePointerIsOnTheRedCaption) {
  testing::Course course;
  testing::QuizDriver quiz(course);
  quiz.startAndEnterQuiz();
  for (int n = 1; n <= 16; ++n) {
    EXPECT_EQ(question(n).Label7, nullptr) << n;
    EXPECT_EQ(question(n).Panel1, nullptr) << n;
    quiz.click(*question(n).BtnAvancar);
  }
  for (const Preview& p : kPreviews) {
    SCOPED_TRACE(p.question);
    pages::QuestionPage& q = question(p.question);
    ASSERT_TRUE(q.visible());
    ASSERT_NE(q.Label7, nullptr);
    EXPECT_EQ(q.Label7->caption(), "Posicione o mouse para ver o circuito");
    EXPECT_EQ(q.Label7->bounds(), p.label);
    EXPECT_FALSE(q.Panel1->visible());
    EXPECT_FALSE(q.Image2->visible());
    for (int closed = 0; closed < 2; ++closed) {
      quiz.pointAt(*q.Label7);
      EXPECT_TRUE(q.Panel1->visible());
      EXPECT_TRUE(q.Image2->visible());
      EXPECT_EQ(q.Panel1->bounds(), p.panel);
      EXPECT_EQ(q.Image2->bounds(), (ui::Bounds{1, 1, p.pictureWidth, p.pictureHeight}));
      // Still on the caption, a pixel inside its right end: the shown panel does not take it.
      quiz.pointAt(quiz.centreOf(*q.Label7) + platform::Point{p.label.width / 2 - 2, 0});
      EXPECT_TRUE(q.Panel1->visible());
      quiz.pointAt(*q.Panel2);
      EXPECT_FALSE(q.Panel1->visible());
      EXPECT_FALSE(q.Image2->visible());
      if (!closed) quiz.answer(p.question, std::string(1, testing::rightLetter(p.question)));
    }
    quiz.click(*q.BtnAvancar);
  }
}

}  // namespace
}  // namespace apostila
