// The quiz's content as this build compiled it: twenty numbered questions with five options
// and a hint for each wrong one, decimal commas throughout, the pictures at their sizes, and
// the circuit questions, whose statements must state the values the circuit figures are drawn
// with and whose right answers must be what the course's transistor model computes from them.
#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "CourseFixture.h"
#include "apostila/PageRegistry.h"
#include "drawing/QuantityText.h"
#include "pages/CourseShape.h"
#include "pages/QuestionPage.h"
#include "quiz/QuizCircuits.h"

namespace apostila {
namespace {

using figures::QuantityText;
using figures::QuizCircuits;

constexpr int kPageOfQuestion0 = pages::shape::kFirstQuestionPage - 1;

pages::QuestionPage& question(int n) { return *static_cast<pages::QuestionPage*>(app::page(kPageOfQuestion0 + n)); }

std::vector<content::TLabel*> options(pages::QuestionPage& q) {
  return {q.LblRespostaA, q.LblRespostaB, q.LblRespostaC, q.LblRespostaD, q.LblRespostaE};
}

int rightIndex(int n) {
  const pages::AnswerKey key = pages::answerKeyOf(kPageOfQuestion0 + n);
  for (int i = 0; i < 5; ++i)
    if (key.hintOf[static_cast<std::size_t>(i)] == 0) return i;
  return -1;
}

struct CircuitQuestion {
  int number;
  std::vector<std::string> given;    // what the statement must state
  std::vector<std::string> results;  // what the right option states; a wrong one misses one at least
  std::string right;                 // the right option as the page writes it
};

std::vector<CircuitQuestion> circuitQuestions() {
  using Q = QuantityText;
  auto volts = [](double v) { return Q::plain(v) + " V"; };
  const std::string approx = " \u2248 ";
  std::vector<CircuitQuestion> list;
  // The textbook's hand method, written out here: VBE = 0,7 V, IC = β · IB in the active region,
  // and the collector circuit's ceiling IC(sat) = VCC / (RC + RE).
  const double vbe = 0.7;
  // VCE is worked from the IC the option prints beside it (to the hundredth of a milliampere),
  // and a half unit of its last digit rounds up, as on paper.
  auto printed = [](double amps) { return std::round(amps * 1e5) / 1e5; };
  const double halfUp = 1e-9;

  const auto& c17 = QuizCircuits::kQuestion17;
  const double icq17 = printed(c17.beta * (c17.vcc - vbe) / c17.rb), vceq17 = c17.vcc - icq17 * c17.rc + halfUp;
  EXPECT_LT(icq17, c17.vcc / c17.rc) << "question 17 is worked in the active region";
  const std::string ic17 = "IC" + approx + Q::milliamps(icq17, 2), vce17 = "VCE" + approx + Q::volts(vceq17, 2);
  list.push_back({17,
                  {"VCC = " + volts(c17.vcc), "RB = " + Q::ohms(c17.rb), "RC = " + Q::ohms(c17.rc),
                   "\u03B2 = " + Q::plain(c17.beta)},
                  {ic17, vce17},
                  ic17 + " e " + vce17});

  const auto& c18 = QuizCircuits::kQuestion18;
  // The approximate method: the base at the divider's open voltage, IC ≈ IE.
  const double ie18 = printed((c18.vcc * c18.rb2 / (c18.rb + c18.rb2) - vbe) / c18.re);
  const double vceq18 = c18.vcc - ie18 * (c18.rc + c18.re) + halfUp;
  EXPECT_GT(vceq18, 0) << "question 18 is worked in the active region";
  // Three significant figures, as the course prints computed results.
  const std::string ic18 = "IC" + approx + Q::milliamps(ie18, 2), vce18 = "VCE" + approx + Q::volts(vceq18, 2);
  list.push_back({18,
                  {"VCC = " + volts(c18.vcc), "RB1 = " + Q::ohms(c18.rb), "RB2 = " + Q::ohms(c18.rb2),
                   "RC = " + Q::ohms(c18.rc), "RE = " + Q::ohms(c18.re), "\u03B2 = " + Q::plain(c18.beta),
                   "método aproximado"},
                  {ic18, vce18},
                  ic18 + " e " + vce18});

  const auto& c19 = QuizCircuits::kQuestion19;
  const double icq19 = printed(c19.beta * (c19.vcc - vbe) / c19.rb), vceq19 = c19.vcc - icq19 * c19.rc + halfUp;
  EXPECT_LT(icq19, c19.vcc / c19.rc) << "question 19 is worked in the active region";
  // The load line's ends: IC(sat) = VCC / RC with VCE = 0, and VCE(corte) = VCC with IC = 0.
  const std::string sat19 = "IC(sat) = " + Q::milliamps(c19.vcc / c19.rc, 0), cut19 = "VCE(corte) = " + Q::volts(c19.vcc, 0);
  const std::string ic19 = "IC" + approx + Q::milliamps(icq19, 2), vce19 = "VCE" + approx + Q::volts(vceq19, 2);
  list.push_back({19,
                  {"VCC = " + volts(c19.vcc), "RB = " + Q::ohms(c19.rb), "RC = " + Q::ohms(c19.rc),
                   "\u03B2 = " + Q::plain(c19.beta), "reta de carga"},
                  {sat19, cut19, ic19, vce19},
                  sat19 + " e " + cut19 + "; Q em " + ic19 + " e " + vce19});

  const auto& c20 = QuizCircuits::kQuestion20;
  // Saturated where β · IB asks for more than the collector circuit passes; VCE is then 0 V.
  EXPECT_GT(c20.beta * (c20.vbb - vbe) / c20.rb, c20.vcc / c20.rc) << "question 20 is about a saturated switch";
  const std::string ic20 = "IC" + approx + Q::milliamps(c20.vcc / c20.rc, 0), vce20 = "VCE" + approx + Q::volts(0, 0);
  list.push_back({20,
                  {"VBB = " + volts(c20.vbb), "RB = " + Q::ohms(c20.rb), "VCC = " + volts(c20.vcc),
                   "RC = " + Q::ohms(c20.rc), "\u03B2 = " + Q::plain(c20.beta)},
                  {"Saturado", ic20, vce20},
                  "Saturado, com " + ic20 + " e " + vce20});
  return list;
}

TEST(QuizContent, CircuitQuestionsStateTheFiguresValuesAndAnswerWithTheModelsResult) {
  testing::Course course;
  for (const CircuitQuestion& c : circuitQuestions()) {
    SCOPED_TRACE(c.number);
    pages::QuestionPage& q = question(c.number);
    for (const std::string& g : c.given)
      EXPECT_NE(q.LblQuestao->caption().find(g), std::string::npos) << "the statement does not state " << g;
    const std::vector<content::TLabel*> opts = options(q);
    const int right = rightIndex(c.number);
    EXPECT_EQ(opts[static_cast<std::size_t>(right)]->caption(), c.right);
    for (int i = 0; i < 5; ++i) {
      if (i == right) continue;
      const std::string& text = opts[static_cast<std::size_t>(i)]->caption();
      bool lacksOne = false;
      for (const std::string& result : c.results)
        if (text.find(result) == std::string::npos) lacksOne = true;
      EXPECT_TRUE(lacksOne) << "option " << static_cast<char>('A' + i) << " gives the right result: " << text;
    }
  }
}

// The questions of one value type their data and their options; the right option must be what
// the course's relation gives from the data the statement states.
TEST(QuizContent, NumericQuestionsAnswerWhatTheRelationGivesFromTheirData) {
  testing::Course course;
  using Q = QuantityText;
  const double vbe = 0.7;
  struct Row {
    int number;
    std::vector<std::string> given;
    std::string right;
  };
  const Row rows[] = {
      {5, {"IB = 50 \u00B5A", "IC = 5 mA"}, "IE = " + Q::milliamps(50e-6 + 5e-3, 2)},        // IE = IB + IC
      {6, {"IC = 6 mA", "IB = 40 \u00B5A"}, "\u03B2 = " + Q::plain(6e-3 / 40e-6)},         // β = IC / IB
      {7, {"\u03B2 = 99"}, "\u03B1 = " + Q::number(99.0 / (99 + 1), 2)},                  // α = β / (β + 1)
      {10, {"VCB = 4,3 V", "VBE = " + Q::volts(vbe, 1)}, "VCE = " + Q::volts(4.3 + vbe, 1)},  // VCE = VCB + VBE
      {13, {"ICBO = 10 nA", "\u03B2 = 99"}, "ICEO = " + Q::plain((99 + 1) * 10.0) + " nA"},  // (β + 1) · ICBO
      {14, {"5 nA a 25 \u00B0C", "dobra a cada 10 \u00B0C", "a 55 \u00B0C"},
       "ICBO = " + Q::plain(5.0 * std::pow(2.0, (55 - 25) / 10.0)) + " nA"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.number);
    pages::QuestionPage& q = question(r.number);
    for (const std::string& g : r.given)
      EXPECT_NE(q.LblQuestao->caption().find(g), std::string::npos) << "the statement does not state " << g;
    EXPECT_EQ(options(q)[static_cast<std::size_t>(rightIndex(r.number))]->caption(), r.right);
  }
}

// The approximate method of question 18 must be a fair one for that circuit: with β · RE ten
// times RB2 or more it lands within a few per cent of the exact solution.
TEST(QuizContent, TheApproximateDividerAnswerIsCloseToTheExactOne) {
  const auto& c = QuizCircuits::kQuestion18;
  const double vbe = 0.7;
  EXPECT_GE(c.beta * c.re, 10 * c.rb2);
  // Approximate: the base at the divider's open voltage, IC ≈ IE. Exact: the divider's
  // Thévenin equivalent, its base current included.
  const double vth = c.vcc * c.rb2 / (c.rb + c.rb2), rth = 1 / (1 / c.rb + 1 / c.rb2);
  const double icApprox = (vth - vbe) / c.re, vceApprox = c.vcc - icApprox * (c.rc + c.re);
  const double ib = (vth - vbe) / (rth + (c.beta + 1) * c.re), ic = c.beta * ib, ie = ic + ib;
  const double vce = c.vcc - ic * c.rc - ie * c.re;
  EXPECT_NEAR(icApprox / ic, 1.0, 0.05);
  EXPECT_NEAR(vceApprox / vce, 1.0, 0.05);
}

TEST(QuizContent, QuestionsAreNumberedWithFiveOptionsAndAHintForEachWrongOne) {
  testing::Course course;
  for (int n = 1; n <= 20; ++n) {
    SCOPED_TRACE(n);
    pages::QuestionPage& q = question(n);
    EXPECT_EQ(q.LblQuestao->caption().rfind(std::to_string(n) + ". ", 0), 0u) << q.LblQuestao->caption();
    std::set<std::string> distinct;
    for (content::TLabel* o : options(q)) {
      EXPECT_FALSE(o->caption().empty()) << o->name();
      distinct.insert(o->caption());
    }
    EXPECT_EQ(distinct.size(), 5u);
    std::set<std::string> hints;
    for (content::TLabel* h : {q.Label1, q.Label2, q.Label3, q.Label4}) {
      EXPECT_GT(h->caption().size(), 20u) << h->name() << " \"" << h->caption() << "\"";
      hints.insert(h->caption());
    }
    EXPECT_EQ(hints.size(), 4u);
  }
}

// A number written with a decimal point ("0.7 V") is a slip in a Portuguese text.
TEST(QuizContent, NumbersUseTheDecimalComma) {
  testing::Course course;
  const std::regex point("[0-9]\\.[0-9]");
  std::vector<std::string> slips;
  auto walk = [&](auto& self, const ui::Container& parent) -> void {
    for (const ui::Control* c : parent.controls()) {
      if (std::regex_search(c->caption(), point)) slips.push_back(c->name() + ": " + c->caption());
      if (auto* inner = dynamic_cast<const ui::Container*>(c)) self(self, *inner);
    }
  };
  for (int order = pages::shape::kFirstQuestionPage; order <= pages::shape::kResultPage; ++order)
    walk(walk, *app::page(order));
  EXPECT_TRUE(slips.empty()) << slips.front();
}

// The solution marker is the same 32 x 32 picture on every page; the circuits have the sizes
// their preview panels are made for. All are 24-bit on a white ground (white is the colour a
// transparent picture leaves out).
TEST(QuizContent, ThePicturesHaveTheirSizesOnAWhiteGround) {
  testing::Course course;
  auto check = [](const content::Bitmap& b, int w, int h) {
    EXPECT_EQ(b.width(), w);
    EXPECT_EQ(b.height(), h);
    EXPECT_EQ(b.header().bitCount, 24);
    for (auto [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}})
      EXPECT_EQ(b.pixel(x, y), 0xFFFFFFu) << x << "," << y;
  };
  const content::Bitmap& first = question(1).Image1->picture().bitmap();
  for (int n = 1; n <= 20; ++n) {
    SCOPED_TRACE(n);
    const content::Bitmap& smiley = question(n).Image1->picture().bitmap();
    check(smiley, 32, 32);
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) ASSERT_EQ(smiley.pixel(x, y), first.pixel(x, y));
  }
  const std::uint32_t face = first.pixel(16, 5);
  EXPECT_TRUE((face >> 16) > 200 && ((face >> 8) & 0xFF) > 160 && (face & 0xFF) < 80) << std::hex << face;
  const std::pair<int, int> circuits[] = {{212, 246}, {236, 202}, {264, 223}, {252, 281}};
  for (int n = 17; n <= 20; ++n) {
    SCOPED_TRACE(n);
    check(question(n).Image2->picture().bitmap(), circuits[n - 17].first, circuits[n - 17].second);
  }
}

}  // namespace
}  // namespace apostila
