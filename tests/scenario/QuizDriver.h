// Drives the quiz the way a learner does, on the whole course on the headless desktop: enters it
// from the start page, answers (closing each message and noting what the page showed while it
// was open), moves on, and points and clicks with the simulated mouse.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "CourseFixture.h"
#include "apostila/PageRegistry.h"
#include "pages/QuestionPage.h"
#include "pages/QuizState.h"
#include "ui/DialogBox.h"

namespace apostila::testing {

// What a message box said, and what the page showed behind it while it was open: the two
// counters and the hint labels visible ("1" for Label1, "" for none).
struct Seen {
  std::string text, certas, erradas, hints;
  bool operator==(const Seen&) const = default;
};
inline std::ostream& operator<<(std::ostream& out, const Seen& s) {
  return out << "{\"" << s.text << "\", certas " << s.certas << ", erradas " << s.erradas << ", hints \"" << s.hints
             << "\"}";
}

inline pages::QuestionPage& question(int n) { return *static_cast<pages::QuestionPage*>(app::page(64 + n)); }

inline std::string visibleHints(const pages::QuestionPage& q) {
  std::string v;
  const content::TLabel* const labels[] = {q.Label1, q.Label2, q.Label3, q.Label4};
  for (int i = 0; i < 4; ++i)
    if (labels[i]->visible()) v += static_cast<char>('1' + i);
  return v;
}

inline content::TSpeedButton& letterButton(pages::QuestionPage& q, char letter) {
  content::TSpeedButton* const buttons[] = {q.BtnRespostaA, q.BtnRespostaB, q.BtnRespostaC, q.BtnRespostaD,
                                            q.BtnRespostaE};
  return *buttons[letter - 'A'];
}

// The right letter and one wrong letter of a question, from the answer key.
inline char rightLetter(int n) {
  const pages::AnswerKey key = pages::answerKeyOf(64 + n);
  for (int i = 0; i < 5; ++i)
    if (key.hintOf[static_cast<std::size_t>(i)] == 0) return static_cast<char>('A' + i);
  return '?';
}
inline char wrongLetter(int n, int which = 0) {
  const char right = rightLetter(n);
  for (char c = 'A'; c <= 'E'; ++c)
    if (c != right && which-- == 0) return c;
  return '?';
}

class QuizDriver {
 public:
  explicit QuizDriver(Course& course) : course_(course) {}

  void startAndEnterQuiz() {
    course_.start();
    click(*app::formintro->BtnQuestoes);
  }
  // A navigation button, clicked as the window system would on the learner's click.
  void click(content::TSpeedButton& button) {
    button.click();
    course_.app->processPending();
  }

  // Clicks the letters in turn on question n; every click must open one message, which is
  // closed with Return after noting what it said and what the counters showed behind it.
  std::vector<Seen> answer(int n, std::string_view letters) {
    std::vector<Seen> seen;
    pages::QuestionPage& q = question(n);
    for (char letter : letters) {
      content::TSpeedButton& button = letterButton(q, letter);
      EXPECT_TRUE(button.enabled()) << "question " << n << ": " << letter << " is not clickable";
      if (!button.enabled()) break;
      const std::size_t before = seen.size();
      dismissNextBox(q, seen);
      click(button);
      EXPECT_EQ(seen.size(), before + 1) << "question " << n << ": " << letter << " opened no message";
    }
    return seen;
  }

  // Queues the closing of the next box that waits, noting what it showed (the box's text and,
  // for a question page, its counters).
  void dismissNextBox(pages::QuestionPage& q, std::vector<Seen>& seen) {
    course_.desktop.onWait([this, &q, &seen] {
      ui::DialogBox* box = course_.app->openBox();
      seen.push_back({box ? box->desc().text : "(no box)", q.PnlCertas->caption(), q.PnlErradas->caption(),
                      visibleHints(q)});
      course_.desktop.typeKey(platform::Key::Return);
    });
  }

  // The centre of an element on the screen.
  platform::Point centreOf(const ui::Control& c) const {
    int x = c.width() / 2, y = c.height() / 2;
    const ui::Control* e = &c;
    for (; e->parent(); e = e->parent()) x += e->left(), y += e->top();
    const auto& page = static_cast<const ui::Form&>(*e);
    return course_.desktop.geometry(page.windowId()).client.origin() + platform::Point{x, y};
  }
  void pointAt(platform::Point screen) {
    course_.desktop.movePointer(screen);
    course_.app->processPending();
  }
  void pointAt(const ui::Control& c) { pointAt(centreOf(c)); }
  void pointerClick(const ui::Control& c) {
    pointAt(c);
    course_.desktop.click();
    course_.app->processPending();
  }

 private:
  Course& course_;
};

}  // namespace apostila::testing
