// One question visit, scored: every way a learner can answer a question, with the messages,
// what the counters and hints show while each message is open, and the page left behind.
#include <gtest/gtest.h>

#include "QuizDriver.h"

namespace apostila {
namespace {

using testing::Seen;
using testing::question;

const std::string kChance = "Você tem mais uma chance!";
const std::string kRight = "VOCÊ ACERTOU!";
const std::string kWrong = "VOCÊ ERROU!";

struct Visit {
  const char* what;
  const char* clicks;  // on question 2: B is right; A shows Label1, C Label2
  std::vector<Seen> seen;
  int certas, erradas, tentativa;
  bool closed;
  const char* hintsLeft;
};

// Question 1 is answered wrong and then right first, so both counters start question 2 at 1.
const Visit kVisits[] = {
    {"right at the first try", "B", {{kRight, "2", "1", ""}}, 2, 1, 1, true, ""},
    {"wrong, then right", "AB", {{kChance, "1", "1", "1"}, {kRight, "2", "2", ""}}, 2, 2, 2, true, ""},
    {"the same wrong option twice", "AA", {{kChance, "1", "1", "1"}, {kWrong, "1", "3", ""}}, 1, 3, 3, true, ""},
    {"a second wrong option", "AC", {{kChance, "1", "1", "1"}, {kWrong, "1", "3", ""}}, 1, 3, 3, true, ""},
    {"wrong, then leaves", "A", {{kChance, "1", "1", "1"}}, 1, 2, 2, false, "1"},
    {"nothing", "", {}, 1, 1, 1, false, ""},
};

TEST(QuizScoring, EachWayOfAnsweringAQuestionCountsAsTheScoreTableSays) {
  for (const Visit& v : kVisits) {
    SCOPED_TRACE(v.what);
    testing::Course course;
    testing::QuizDriver quiz(course);
    quiz.startAndEnterQuiz();
    quiz.answer(1, "AC");
    quiz.click(*question(1).BtnAvancar);
    pages::QuestionPage& q = question(2);
    ASSERT_EQ(course.visiblePages(), std::vector<ui::Form*>{&q});

    EXPECT_EQ(quiz.answer(2, v.clicks), v.seen);
    EXPECT_EQ(pages::quiz().Certas, v.certas);
    EXPECT_EQ(pages::quiz().Erradas, v.erradas);
    EXPECT_EQ(pages::quiz().Tentativa, v.tentativa);
    EXPECT_EQ(q.PnlCertas->caption(), std::to_string(v.certas));
    EXPECT_EQ(q.PnlErradas->caption(), std::to_string(v.erradas));
    for (char letter = 'A'; letter <= 'E'; ++letter)
      EXPECT_EQ(testing::letterButton(q, letter).enabled(), !v.closed) << letter;
    EXPECT_EQ(q.Image1->visible(), v.closed);
    EXPECT_EQ(testing::visibleHints(q), v.hintsLeft);

    // Leaving counts nothing more, and the next question opens with the counts so far.
    quiz.click(*q.BtnAvancar);
    EXPECT_EQ(question(3).PnlCertas->caption(), std::to_string(v.certas));
    EXPECT_EQ(question(3).PnlErradas->caption(), std::to_string(v.erradas));
    EXPECT_EQ(pages::quiz().Tentativa, 1);
  }
}

// The smiley marks the right option whichever way the question closes: right on question 1
// is C, at the Top of C's button.
TEST(QuizScoring, TheSolutionMarkerStandsBesideTheRightOption) {
  testing::Course course;
  testing::QuizDriver quiz(course);
  quiz.startAndEnterQuiz();
  EXPECT_EQ(quiz.answer(1, "C"), (std::vector<Seen>{{kRight, "1", "0", ""}}));
  EXPECT_TRUE(question(1).Image1->visible());
  EXPECT_EQ(question(1).Image1->top(), question(1).BtnRespostaC->top());
  EXPECT_EQ(question(1).Image1->top(), 248);
}

// A closed question takes no more answers from the mouse until it is opened again, while the
// navigation buttons keep working. The first wrong click through the pointer shows that the
// mouse does reach the answer buttons.
TEST(QuizScoring, AClosedQuestionIgnoresAnswerClicksButNotNavigation) {
  testing::Course course;
  testing::QuizDriver quiz(course);
  quiz.startAndEnterQuiz();
  pages::QuestionPage& q = question(1);
  std::vector<Seen> seen;
  quiz.dismissNextBox(q, seen);
  quiz.pointerClick(*q.BtnRespostaA);
  ASSERT_EQ(seen, (std::vector<Seen>{{kChance, "0", "0", "1"}}));
  quiz.dismissNextBox(q, seen);
  quiz.pointerClick(*q.BtnRespostaB);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[1], (Seen{kWrong, "0", "2", ""}));

  // A box opened by a click on a closed question would be closed and noted here.
  quiz.dismissNextBox(q, seen);
  for (char letter = 'A'; letter <= 'E'; ++letter) {
    EXPECT_FALSE(testing::letterButton(q, letter).enabled()) << letter;
    quiz.pointerClick(testing::letterButton(q, letter));
  }
  EXPECT_EQ(seen.size(), 2u) << "a closed question answered a click";
  EXPECT_EQ(pages::quiz().Certas, 0);
  EXPECT_EQ(pages::quiz().Erradas, 2);
  EXPECT_EQ(pages::quiz().Tentativa, 3);
  EXPECT_EQ(q.PnlErradas->caption(), "2");

  quiz.pointerClick(*q.BtnAvancar);
  EXPECT_EQ(course.visiblePages(), std::vector<ui::Form*>{app::Form66});
}

// Leaving the quiz and coming back in through "Questões" reopens question 1 with a new pass:
// the closed question is open again and both counters are back at 0. Question 2, closed in
// the first pass, opens again too.
TEST(QuizScoring, AClosedQuestionOpensAgainWhenItIsActivatedAgain) {
  testing::Course course;
  testing::QuizDriver quiz(course);
  quiz.startAndEnterQuiz();
  quiz.answer(1, "C");
  quiz.click(*question(1).BtnAvancar);
  quiz.answer(2, "AC");
  quiz.click(*question(2).BtnRetornar);
  ASSERT_EQ(course.visiblePages(), std::vector<ui::Form*>{app::formintro});
  EXPECT_EQ(pages::quiz().Certas, 1);  // kept while outside the quiz
  EXPECT_EQ(pages::quiz().Erradas, 2);

  quiz.click(*app::formintro->BtnQuestoes);
  for (int n : {1, 2}) {
    SCOPED_TRACE(n);
    pages::QuestionPage& q = question(n);
    ASSERT_TRUE(q.visible());
    for (char letter = 'A'; letter <= 'E'; ++letter) EXPECT_TRUE(testing::letterButton(q, letter).enabled()) << letter;
    EXPECT_FALSE(q.Image1->visible());
    EXPECT_EQ(testing::visibleHints(q), "");
    EXPECT_EQ(q.PnlCertas->caption(), "0");
    EXPECT_EQ(q.PnlErradas->caption(), "0");
    EXPECT_EQ(pages::quiz().Tentativa, 1);
    if (n == 1) quiz.click(*q.BtnAvancar);
  }
  // And it counts again.
  EXPECT_EQ(quiz.answer(2, "B"), (std::vector<Seen>{{kRight, "1", "0", ""}}));
}

// "Sair" answered No leaves the question exactly as it was: the hint still shown, the second
// chance still there, the counters and the page's place unchanged (no new activation).
TEST(QuizScoring, SairAnsweredNoLeavesTheQuestionAsItWas) {
  testing::Course course;
  testing::QuizDriver quiz(course);
  quiz.startAndEnterQuiz();
  quiz.click(*question(1).BtnAvancar);
  quiz.click(*question(2).BtnAvancar);
  pages::QuestionPage& q = question(3);  // A is right; C shows Label1
  quiz.answer(3, "C");
  ASSERT_TRUE(course.desktop.moveByDesktop(q.windowId(), {200, 120}));
  course.app->processPending();

  std::string asked;
  course.desktop.onWait([&] {
    if (ui::DialogBox* box = course.app->openBox()) asked = box->desc().text;
    course.desktop.typeKey(platform::Key::Return);  // the default button: No
  });
  quiz.click(*q.BtnSair);
  EXPECT_EQ(asked, "Deseja encerrar o programa?");
  EXPECT_FALSE(course.app->terminated());
  EXPECT_EQ(course.visiblePages(), std::vector<ui::Form*>{&q});
  EXPECT_EQ(course.desktop.geometry(q.windowId()).outer.origin(), (platform::Point{200, 120}));
  EXPECT_EQ(testing::visibleHints(q), "1");
  EXPECT_EQ(q.PnlErradas->caption(), "1");
  EXPECT_EQ(pages::quiz().Tentativa, 2);

  // The second chance is still there: the next wrong answer closes the question.
  EXPECT_EQ(quiz.answer(3, "D"), (std::vector<Seen>{{kWrong, "0", "2", ""}}));
}

}  // namespace
}  // namespace apostila
