// Every number that a page's text states is a named value, and every named value is recomputed
// here, from the circuits' components by the textbook's formulas, and compared with the text
// the figure program wrote for it. A number typed into a caption, a value computed wrongly or
// rounded wrongly, or a caption that names a value of another page all fail here. The figures
// draw their numbers from the same named values, so a picture cannot disagree with its text.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "BiasExercisesRecomputed.h"
#include "CourseFixture.h"
#include "DeviceModel.h"
#include "QuizCircuits.h"
#include "apostila/PageRegistry.h"
#include "content/TLabel.h"

namespace apostila {
namespace {

using figures::QuizCircuits;

std::map<std::string, std::string> valuesFile() {
  std::ifstream in(std::filesystem::path(APOSTILA_BINARY_DIR) / "course" / "pictures" / "values.txt");
  EXPECT_TRUE(in) << "values.txt was not written";
  std::map<std::string, std::string> out;
  std::string line;
  while (std::getline(in, line)) {
    const std::size_t tab = line.find('\t');
    if (tab != std::string::npos) out[line.substr(0, tab)] = line.substr(tab + 1);
  }
  return out;
}

// What each value must be, in SI units, computed the way the page's text says it is.
std::map<std::string, double> recomputed() {
  const double vbe = 0.7;
  std::map<std::string, double> r{{"hand.vbe", vbe}};
  {
    const auto& c = QuizCircuits::kQuestion17;
    const double ib = (c.vcc - vbe) / c.rb, ic = c.beta * ib, icNoVbe = c.beta * c.vcc / c.rb;
    r.insert({{"q17.vcc", c.vcc}, {"q17.rb", c.rb}, {"q17.rc", c.rc}, {"q17.beta", c.beta}, {"q17.ib", ib},
              {"q17.ic", ic}, {"q17.vce", c.vcc - ic * c.rc}, {"q17.vrb", c.vcc - vbe}, {"q17.vrc", ic * c.rc},
              {"q17.ic_novbe", icNoVbe}, {"q17.vce_novbe", c.vcc - icNoVbe * c.rc}, {"q17.vce_ib", c.vcc - ib * c.rc},
              {"q17.ic_sat", c.vcc / c.rc}});
  }
  {
    const auto& c = QuizCircuits::kQuestion18;
    const double vb = c.vcc * c.rb2 / (c.rb1 + c.rb2), ie = (vb - vbe) / c.re;
    const double ieNoVbe = vb / c.re, ieSlip = (c.vcc * c.rb2 / c.rb1 - vbe) / c.re;
    r.insert({{"q18.vcc", c.vcc}, {"q18.rb1", c.rb1}, {"q18.rb2", c.rb2}, {"q18.rc", c.rc}, {"q18.re", c.re},
              {"q18.beta", c.beta}, {"q18.vb", vb}, {"q18.ic", ie}, {"q18.vce", c.vcc - ie * (c.rc + c.re)},
              {"q18.vdrop", ie * (c.rc + c.re)}, {"q18.vce_rconly", c.vcc - ie * c.rc}, {"q18.ic_novbe", ieNoVbe},
              {"q18.vce_novbe", c.vcc - ieNoVbe * (c.rc + c.re)}, {"q18.ic_divslip", ieSlip},
              {"q18.vce_divslip", c.vcc - ieSlip * (c.rc + c.re)}});
  }
  {
    const auto& c = QuizCircuits::kQuestion19;
    const double ic = c.beta * (c.vcc - vbe) / c.rb, icNoVbe = c.beta * c.vcc / c.rb;
    r.insert({{"q19.vcc", c.vcc}, {"q19.rb", c.rb}, {"q19.rc", c.rc}, {"q19.beta", c.beta},
              {"q19.ic_sat", c.vcc / c.rc}, {"q19.vce_cut", c.vcc}, {"q19.ic", ic}, {"q19.vce", c.vcc - ic * c.rc},
              {"q19.ic_sat_rb", c.vcc / c.rb}, {"q19.ic_novbe", icNoVbe}, {"q19.vce_novbe", c.vcc - icNoVbe * c.rc}});
  }
  {
    const auto& c = QuizCircuits::kQuestion20;
    const double ib = (c.vbb - vbe) / c.rb, mixed = (c.vbb - vbe) / c.rc;
    EXPECT_GT(c.beta * ib, c.vcc / c.rc) << "question 20 is about a saturated switch";
    r.insert({{"q20.vcc", c.vcc}, {"q20.vbb", c.vbb}, {"q20.rb", c.rb}, {"q20.rc", c.rc}, {"q20.beta", c.beta},
              {"q20.ic_sat", c.vcc / c.rc}, {"q20.vce", 0.0}, {"q20.ib", ib}, {"q20.ic_beta", c.beta * ib},
              {"q20.ic_mixed", mixed}, {"q20.vce_mixed", c.vcc - mixed * c.rc}});
  }
  {
    // Topics 1 and 2. VBE by the ideal junction law IC = IS · e^(VBE / VT) with IS = 1e-14 A:
    // the model's Early and high-injection terms move it by less than the hundredth shown.
    // The leakage is the 10 nA a small-signal silicon transistor's data sheet gives at 25 °C.
    const double vt = 1.380649e-23 * (25 + 273.15) / 1.602176634e-19, is = 1e-14;
    r.insert({{"t03.ic1", 1e-3}, {"t03.ic2", 10e-3}, {"t03.vbe1", vt * std::log(1e-3 / is)},
              {"t03.vbe2", vt * std::log(10e-3 / is)}, {"t04.icbo", 10e-9}});
    // Topic 3: the device model at VCE = 5 V. Teoria 7 starts from IE = 5 mA; its IC is found
    // here by iterating IC = IE − IB(IC), a different road from the figure program's.
    const figures::DeviceModel q;
    const double vce = 5, ic6 = 1e-3, ib6 = q.baseCurrent(q.baseEmitterVoltage(ic6, vce), vce);
    const double ie7 = 5e-3;
    double ic7 = ie7;
    for (int i = 0; i < 60; ++i) ic7 = ie7 - q.baseCurrent(q.baseEmitterVoltage(ic7, vce), vce);
    r.insert({{"t05.ie_per_ib", (ic6 + ib6) / ib6}, {"t06.ic", ic6}, {"t06.ib", ib6}, {"t06.ie", ic6 + ib6},
              {"t07.ie", ie7}, {"t07.ib", ie7 - ic7}, {"t07.ib_ma", ie7 - ic7}, {"t07.ic", ic7},
              {"t07.icbo", q.icbo()}, {"t07.ic_maj", ic7 - q.icbo()}});
  }
  // Voltage notation: VCE = VCB + VBE with the chosen VCE and the hand method's VBE.
  r.insert({{"t15.vce", 6.0}, {"t15.vcb", 6.0 - vbe}});
  {
    // Alpha and beta (Teoria 9): the model transistor at IC = 2 mA, its base current found
    // through hFE with the leakage's share put back, IC = β · IB + (β + 1) · ICBO.
    const figures::DeviceModel q;
    const double ic = 2e-3, hfe = q.beta(ic), ib = (ic - (hfe + 1) * q.icbo()) / hfe;
    r.insert({{"t09.vce", 5.0}, {"t09.ic", ic}, {"t09.ib", ib}, {"t09.ie", ic + ib}, {"t09.alpha", ic / (ic + ib)},
              {"t09.beta", ic / ib}});
    // The worked examples (Teoria 11), each gain checked as a ratio of its currents rather than
    // by the relation the page uses.
    const double beta = 150, ib1 = 20e-6, alpha = 0.98, ie2 = 5e-3;
    const double ic1 = beta * ib1, ie1 = ic1 + ib1, ic2 = alpha * ie2, ib2 = ie2 - ic2;
    r.insert({{"t11.ex1_beta", beta}, {"t11.ex1_beta1", beta + 1}, {"t11.ex1_ib", ib1}, {"t11.ex1_ic", ic1},
              {"t11.ex1_ie", ie1}, {"t11.ex1_alpha", ic1 / ie1}, {"t11.ex2_alpha", alpha}, {"t11.ex2_1malpha", 1 - alpha},
              {"t11.ex2_ie", ie2}, {"t11.ex2_beta", ic2 / ib2}, {"t11.ex2_ic", ic2}, {"t11.ex2_ib", ib2}});
    // hFE's peak at 25 °C and VCE = 5 V by golden-section search along log IC (β(IC) has one
    // maximum).
    const double g = (std::sqrt(5.0) - 1) / 2;
    double lo = -6, hi = -1;
    for (int i = 0; i < 100; ++i) {
      const double a = hi - g * (hi - lo), b = lo + g * (hi - lo);
      if (q.beta(std::pow(10.0, a)) > q.beta(std::pow(10.0, b)))
        hi = b;
      else
        lo = a;
    }
    const double peak = std::pow(10.0, (lo + hi) / 2);
    r.insert({{"t11.vce", 5.0}, {"t11.ic_peak", peak}, {"t11.beta_peak", q.beta(peak)}});
  }
  {
    // Single-battery bias (Teoria 17 and 18): the base loop and the collector loop solved by
    // hand, and the collector circuit's ceiling, which the page shows IC stays under.
    const double vcc = 12, rb = 560e3, rc = 2.2e3, beta = 120;
    const double ib = (vcc - vbe) / rb, ic = beta * ib;
    EXPECT_LT(ic, vcc / rc) << "Teoria 18's circuit is worked in the active region";
    r.insert({{"t17.vcc", vcc}, {"t17.rb", rb}, {"t17.rc", rc}, {"t17.beta", beta}, {"t18.vrb", vcc - vbe},
              {"t18.ib", ib}, {"t18.ic", ic}, {"t18.vrc", rc * ic}, {"t18.vce", vcc - rc * ic},
              {"t18.ic_sat", vcc / rc}});
  }
  {
    // Teoria 19 reads β off its curves as a learner does: at VCE = 10 V, between the 40 µA and
    // 60 µA curves. Each point is found here from the model's terminal currents alone: the VBE
    // that draws the base current at that VCE, and the collector current it gives.
    const figures::DeviceModel q;
    const double vce = 10, ib1 = 40e-6, ib2 = 60e-6;
    auto icOnCurve = [&](double ib) {
      double lo = 0.3, hi = 1.0;
      for (int i = 0; i < 80; ++i) {
        const double m = (lo + hi) / 2;
        (q.baseCurrent(m, vce) < ib ? lo : hi) = m;
      }
      return q.collectorCurrent(lo, vce);
    };
    const double ic1 = icOnCurve(ib1), ic2 = icOnCurve(ib2), beta = (ic2 - ic1) / (ib2 - ib1);
    EXPECT_GT(beta, 100) << "the β read off Teoria 19's curves is that of a small-signal transistor";
    EXPECT_LT(beta, 300);
    r.insert({{"t19.vce_read", vce}, {"t19.ib1", ib1}, {"t19.ib2", ib2}, {"t19.ic1", ic1}, {"t19.ic2", ic2},
              {"t19.dic", ic2 - ic1}, {"t19.dib", ib2 - ib1}, {"t19.beta", beta}, {"t19.pmax", 0.5},
              {"t19.bvceo", 40}, {"t20.vknee", vbe}});
  }
  r.merge(testing::biasExercisesRecomputed());  // topic 10, the worked bias exercises
  return r;
}

// "2,4 mA" -> 2.4e-3, with the half-step of its last digit as the rounding it allows.
struct Shown {
  double value = 0, tolerance = 0;
  bool ok = false;
};

Shown readShown(const std::string& text) {
  static const std::map<std::string, double> units = {
      {"", 1},       {"V", 1},        {"mV", 1e-3},      {"A", 1},       {"mA", 1e-3},
      {"\u00B5A", 1e-6}, {"nA", 1e-9}, {"\u03A9", 1},   {"k\u03A9", 1e3}, {"M\u03A9", 1e6},
      {"W", 1},      {"mW", 1e-3}};
  std::string number = text, unit;
  if (const std::size_t space = text.find(' '); space != std::string::npos) {
    number = text.substr(0, space);
    unit = text.substr(space + 1);
  }
  const auto u = units.find(unit);
  if (u == units.end() || number.empty()) return {};
  const std::size_t comma = number.find(',');
  const int decimals = comma == std::string::npos ? 0 : static_cast<int>(number.size() - comma - 1);
  std::string dotted = number;
  if (comma != std::string::npos) dotted[comma] = '.';
  return {std::stod(dotted) * u->second, 0.5 * std::pow(10.0, -decimals) * u->second * (1 + 1e-9), true};
}

// The numbers of a caption, each with the unit that follows it: "IC ≈ 2,4 mA e VCE ≈ 6,7 V"
// gives "2,4 mA" and "6,7 V". Digits inside a name (RB1, VCE(sat)) are not numbers.
std::vector<std::string> numbersIn(const std::string& caption) {
  static const std::vector<std::string> units = {"k\u03A9", "M\u03A9", "\u03A9", "mA", "\u00B5A", "nA", "mV", "V", "A", "mW", "W"};
  std::vector<std::string> out;
  std::size_t i = 0;
  while (i < caption.size()) {
    const unsigned char c = static_cast<unsigned char>(caption[i]);
    const bool startsNumber = std::isdigit(c) && (i == 0 || !std::isalnum(static_cast<unsigned char>(caption[i - 1])));
    if (!startsNumber) {
      ++i;
      continue;
    }
    std::size_t j = i;
    while (j < caption.size() && (std::isdigit(static_cast<unsigned char>(caption[j])) ||
                                  (caption[j] == ',' && j + 1 < caption.size() &&
                                   std::isdigit(static_cast<unsigned char>(caption[j + 1])))))
      ++j;
    std::string token = caption.substr(i, j - i);
    if (j < caption.size() && caption[j] == ' ')
      for (const std::string& u : units)
        if (caption.compare(j + 1, u.size(), u) == 0 &&
            (j + 1 + u.size() == caption.size() || !std::isalnum(static_cast<unsigned char>(caption[j + 1 + u.size()])))) {
          token += " " + u;
          j += 1 + u.size();
          break;
        }
    out.push_back(token);
    i = j;
  }
  return out;
}

TEST(ComputedValues, TheCaptionScannerFindsNumbersWithTheirUnits) {
  const std::pair<std::string, std::vector<std::string>> cases[] = {
      {"IC ≈ 2,4 mA e VCE ≈ 6,7 V", {"2,4 mA", "6,7 V"}},
      {"RB1 = 10 kΩ, β = 100), calcule", {"10 kΩ", "100"}},
      {"17. No circuito", {"17"}},
      {"VCE(sat) e IB = 0.", {"0"}},
      {"24 µA é a corrente; 5 Volts", {"24 µA", "5"}},
  };
  for (const auto& [caption, numbers] : cases) EXPECT_EQ(numbersIn(caption), numbers) << caption;
}

TEST(ComputedValues, EveryValueAgreesWithItsRecomputation) {
  const auto file = valuesFile();
  const auto expected = recomputed();
  for (const auto& [name, text] : file) {
    SCOPED_TRACE(name);
    const auto e = expected.find(name);
    if (e == expected.end()) {
      ADD_FAILURE() << "no recomputation for " << name << " (" << text << ")";
      continue;
    }
    const Shown shown = readShown(text);
    ASSERT_TRUE(shown.ok) << "unreadable text \"" << text << "\"";
    EXPECT_NEAR(shown.value, e->second, shown.tolerance) << "\"" << text << "\"";
  }
  for (const auto& [name, value] : expected) EXPECT_TRUE(file.count(name)) << name << " is not in values.txt";
}

// A step that a page works out in full ("5 mA − 0,0236 mA = 4,976 mA") must hold for the
// numbers as shown, which a learner checks on paper, and not only for the exact values behind
// them: the result may differ from the shown operands' sum by its own rounding at most.
TEST(ComputedValues, WorkedStepsHoldForTheNumbersAsShown) {
  const auto file = valuesFile();
  const struct {
    const char *a, *b, *result;
    double sign;  // result = a + sign · b
  } steps[] = {
      {"t06.ic", "t06.ib", "t06.ie", +1},        // Teoria 6: IE = IC + IB
      {"t07.ie", "t07.ib_ma", "t07.ic", -1},     // Teoria 7: IC = IE − IB
      {"t07.ic", "t07.icbo", "t07.ic_maj", -1},  // Teoria 7: IC(maj) = IC − ICBO
      {"t17.vcc", "t18.vrc", "t18.vce", -1},     // Teoria 18: VCE = VCC − RC · IC
      {"t19.ic2", "t19.ic1", "t19.dic", -1},     // Teoria 19: ΔIC read between two curves
  };
  for (const auto& s : steps) {
    ASSERT_TRUE(file.count(s.a) && file.count(s.b) && file.count(s.result)) << s.result;
    const Shown a = readShown(file.at(s.a)), b = readShown(file.at(s.b)), r = readShown(file.at(s.result));
    EXPECT_NEAR(a.value + s.sign * b.value, r.value, r.tolerance)
        << file.at(s.a) << (s.sign > 0 ? " + " : " − ") << file.at(s.b) << " is not " << file.at(s.result);
  }
}

TEST(ComputedValues, EveryNumberTheCircuitQuestionsStateIsRecomputed) {
  struct Page {
    int order;
    std::vector<std::string> prefixes;  // the values this page may state
    std::set<std::string> givens;       // numbers it states as they are
  };
  const Page pages[] = {
      {81, {"q17.", "hand."}, {"17", "0 V"}},
      {82, {"q18.", "hand."}, {"18"}},
      {83, {"q19.", "hand."}, {"19", "0", "0 V"}},
      {84, {"q20.", "hand."}, {"20", "0"}},
      {5, {}, {"1947", "1948", "1951"}},
      {6, {}, {}},
      {7, {"t03.", "hand."}, {}},
      {8, {"t04."}, {"25", "10"}},
      {9, {"t05."}, {"1", "2", "3"}},  // the numbered steps, and "1 em cada ..."
      {10, {"t06."}, {}},
      {11, {"t07."}, {}},
      {12, {}, {}},
      // The configurations: a gain near or below 1, and β + 1.
      {16, {}, {}},
      {17, {}, {"1"}},
      {18, {"hand."}, {"1"}},
      {19, {"t15.", "hand."}, {}},
      {20, {"hand."}, {}},
      {13, {"t09."}, {"0,95", "0,997", "50", "300", "20", "100"}},  // the gains' typical ranges
      {14, {}, {}},
      {15, {"t11."}, {}},
      {21, {"t17.", "t18.", "hand."}, {}},
      {22, {"t17.", "t18.", "hand."}, {}},
      {23, {"t19."}, {"0"}},  // the open-base curve, IB = 0
      {24, {"t20."}, {"0", "1"}},  // VCB = 0, and α near 1
      {25, {}, {"19"}},  // the page of the common-emitter curves
      // The worked bias exercises: each page states its own exercise's values, and its number.
      {35, {"t31."}, {"1"}},
      {37, {"t33."}, {"3"}},
      {38, {"t34."}, {"4"}},
      {39, {"t35."}, {}},
      {40, {"t36."}, {"6"}},
  };
  const auto file = valuesFile();
  testing::Course course;
  for (const Page& p : pages) {
    std::set<std::string> allowed;
    for (const auto& [name, text] : file)
      for (const std::string& prefix : p.prefixes)
        if (name.rfind(prefix, 0) == 0) allowed.insert(text);
    auto walk = [&](auto& self, const ui::Container& parent) -> void {
      for (const ui::Control* c : parent.controls()) {
        if (dynamic_cast<const content::TLabel*>(c)) {
          for (const std::string& n : numbersIn(c->caption())) {
            EXPECT_TRUE(allowed.count(n) || p.givens.count(n))
                << "Form" << p.order << "." << c->name() << " states " << n << ", which is no value of its own: \""
                << c->caption() << "\"";
          }
        }
        if (auto* inner = dynamic_cast<const ui::Container*>(c)) self(self, *inner);
      }
    };
    walk(walk, *app::page(p.order));
  }
}

}  // namespace
}  // namespace apostila
