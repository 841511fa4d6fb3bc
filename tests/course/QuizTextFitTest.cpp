// The quiz pages' texts against their boxes, laid out with the program's own fonts as the
// labels lay them out: no line may be cut at a box's edge and no word broken inside. And the
// question layout that the learner reads: every hint directly below the option it explains,
// no text box over another or under the counters column, the solution marker beside the right
// option, and the per-page sizes within the template's ranges.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "CourseFixture.h"
#include "TextFit.h"
#include "apostila/PageRegistry.h"
#include "content/TLabel.h"
#include "pages/QuestionPage.h"
#include "ui/canvas/Canvas.h"
#include "ui/text/ScreenTextMeasurer.h"
#include "ui/text/TextLayout.h"

namespace apostila {
namespace {

using testing::labelOverflow;
using testing::labelWordsWhole;

pages::QuestionPage& question(int n) { return *static_cast<pages::QuestionPage*>(app::page(64 + n)); }

void collectLabels(const ui::Container& parent, std::vector<const content::TLabel*>& out) {
  for (const ui::Control* c : parent.controls()) {
    if (auto* label = dynamic_cast<const content::TLabel*>(c)) out.push_back(label);
    if (auto* inner = dynamic_cast<const ui::Container*>(c)) collectLabels(*inner, out);
  }
}

TEST(QuizText, EveryFixedSizeTextFitsItsBox) {
  testing::Course course;
  std::vector<std::string> faults;
  int checked = 0;
  for (int order = 65; order <= 85; ++order) {
    std::vector<const content::TLabel*> labels;
    collectLabels(*app::page(order), labels);
    for (const content::TLabel* label : labels) {
      if (label->autoSize()) continue;
      ++checked;
      const std::string where = app::page(order)->name() + "." + label->name() + " \"" + label->caption() + "\": ";
      if (labelOverflow(*label).any()) faults.push_back(where + "cut at the edge of its " + std::to_string(label->width()) +
                                                  " x " + std::to_string(label->height()) + " box");
      if (!labelWordsWhole(*label)) faults.push_back(where + "a word is broken across lines");
    }
  }
  EXPECT_GE(checked, 20 * 10);  // statement, five options and four hints a page, at least
  std::string all;
  for (const std::string& f : faults) all += "\n  " + f;
  EXPECT_TRUE(faults.empty()) << all;
}

// The fit check itself sees a cut: the same label one line too short.
TEST(QuizText, TheFitCheckSeesACutLine) {
  testing::Course course;
  content::TLabel& statement = *question(18).LblQuestao;
  ASSERT_FALSE(labelOverflow(statement).any());
  statement.setBounds({statement.left(), statement.top(), statement.width(), statement.height() - 16});
  EXPECT_TRUE(labelOverflow(statement).any());
  statement.setBounds({statement.left(), statement.top(), 60, statement.height()});
  EXPECT_FALSE(labelWordsWhole(statement));
}

bool within(int v, int low, int high) { return v >= low && v <= high; }

TEST(QuizText, QuestionLayoutKeepsEachHintUnderItsOptionAndNothingOverlaps) {
  testing::Course course;
  const int buttonTops[] = {88, 168, 248, 328, 408};
  const int optionTops[][2] = {{77, 93}, {159, 175}, {239, 255}, {319, 335}, {398, 414}};
  for (int n = 1; n <= 20; ++n) {
    SCOPED_TRACE(n);
    pages::QuestionPage& q = question(n);
    const pages::AnswerKey key = pages::answerKeyOf(64 + n);
    content::TLabel* const opts[] = {q.LblRespostaA, q.LblRespostaB, q.LblRespostaC, q.LblRespostaD, q.LblRespostaE};
    content::TLabel* const hints[] = {q.Label1, q.Label2, q.Label3, q.Label4};

    EXPECT_TRUE(within(q.LblQuestao->width(), 169, 497) && within(q.LblQuestao->height(), 17, 65));
    std::vector<const ui::Control*> texts = {q.LblQuestao};
    for (int i = 0; i < 5; ++i) {
      const content::TLabel& o = *opts[i];
      EXPECT_EQ(o.left(), 96);
      EXPECT_TRUE(within(o.top(), optionTops[i][0], optionTops[i][1])) << o.name() << " at " << o.top();
      EXPECT_TRUE(within(o.width(), 161, 409) && within(o.height(), 18, 52)) << o.name();
      texts.push_back(&o);
      const int hint = key.hintOf[static_cast<std::size_t>(i)];
      if (hint == 0) {
        EXPECT_EQ(q.Image1->top(), buttonTops[i]);
        continue;
      }
      // The hint a wrong letter shows begins just under that option's text.
      const content::TLabel& h = *hints[hint - 1];
      EXPECT_TRUE(within(h.top(), o.top() + o.height(), o.top() + o.height() + 3)) << h.name() << " under " << o.name();
      EXPECT_EQ(h.left(), hint == 4 ? 95 : 96);
      EXPECT_TRUE(within(h.width(), 113, 410) && within(h.height(), 19, 33)) << h.name();
      texts.push_back(&h);
    }
    EXPECT_EQ(q.Image1->left(), 24);
    if (q.Label7) texts.push_back(q.Label7);
    const ui::Bounds column = q.Panel2->bounds();
    const ui::Bounds client = q.clientRect();
    for (std::size_t a = 0; a < texts.size(); ++a) {
      const ui::Bounds ba = texts[a]->bounds();
      EXPECT_LE(ba.right(), column.left) << texts[a]->name() << " runs under the counters";
      EXPECT_LE(ba.bottom(), std::min(client.height, column.bottom())) << texts[a]->name();
      for (std::size_t b = a + 1; b < texts.size(); ++b) {
        const ui::Bounds bb = texts[b]->bounds();
        const bool apart = ba.right() <= bb.left || bb.right() <= ba.left || ba.bottom() <= bb.top || bb.bottom() <= ba.top;
        EXPECT_TRUE(apart) << texts[a]->name() << " overlaps " << texts[b]->name();
      }
    }
  }
}

}  // namespace
}  // namespace apostila
