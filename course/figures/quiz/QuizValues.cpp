// The quiz's named values. The circuit questions state their components, the right results of
// the hand methods, and the results of the slips their wrong options and hints describe, each
// computed the way the slip computes it. Computed results carry three significant figures, as
// everywhere in the course; results that come out exact (10 mA, 43 mA) are printed as they are.
#include <cmath>
#include <stdexcept>
#include <string>

#include "Topics.h"
#include "ValueTable.h"
#include "model/HandMethods.h"
#include "quiz/QuizCircuits.h"

namespace apostila::figures {

namespace {

void addComponents(ValueTable& t, const std::string& q, const BiasCircuit& c) {
  t.add(q + ".vcc", c.vcc, "V");
  if (c.hasOwnBaseSupply()) t.add(q + ".vbb", c.vbb, "V");
  t.add(q + ".rb", c.rb, c.rb >= 1e3 ? "k\u03A9" : "\u03A9");
  t.add(q + ".rc", c.rc, c.rc >= 1e3 ? "k\u03A9" : "\u03A9");
  t.add(q + ".beta", c.beta, "");
}

// A current as its option prints it, in milliamperes to two decimals (three significant
// figures): the learner carries that number to VCE, so the page does too, and each VCE follows
// from the IC printed beside it. A VCE worked so can land on half a unit of its last digit
// (15 V − 1,5 kΩ · 4,99 mA = 7,515 V); it is rounded up, as on paper.
double asPrinted(double amps) { return std::round(amps * 1e5) / 1e5; }
double halfUp(double volts) { return volts + 1e-9; }

// Fixed bias: IC and VCE, and what the slips give.
void question17(ValueTable& t) {
  const auto& c = QuizCircuits::kQuestion17;
  addComponents(t, "q17", c);
  const OperatingPoint p = HandMethods::baseBias(c);
  if (p.saturated || p.cutOff) throw std::logic_error("question 17 must be in the active region");
  const double ic = asPrinted(p.ic);
  t.add("q17.ib", p.ib, "\u00B5A", 1);
  t.add("q17.ic", ic, "mA", 2);
  t.work("q17.vrc", "q17.rc", Op::Product, "q17.ic", "V", 2);
  t.work("q17.vce", "q17.vcc", Op::Difference, "q17.vrc", "V", 2);
  // VBE left out: all of VCC across RB.
  const double icNoVbe = asPrinted(c.beta * c.vcc / c.rb);
  t.add("q17.ic_novbe", icNoVbe, "mA", 2);
  t.add("q17.vce_novbe", halfUp(c.vcc - icNoVbe * c.rc), "V", 2);
  // The base current taken for the collector's.
  t.add("q17.vce_ib", c.vcc - p.ib * c.rc, "V", 1);
  t.add("q17.ic_sat", p.icSat, "mA", 2);
}

// Divider bias by the approximate method.
void question18(ValueTable& t) {
  const auto& c = QuizCircuits::kQuestion18;
  t.add("q18.vcc", c.vcc, "V");
  t.add("q18.rb1", c.rb, "k\u03A9");
  t.add("q18.rb2", c.rb2, "k\u03A9");
  t.add("q18.rc", c.rc, "k\u03A9");
  t.add("q18.re", c.re, "k\u03A9");
  t.add("q18.beta", c.beta, "");
  if (!HandMethods::approximationHolds(c)) throw std::logic_error("question 18 must suit the approximate method");
  const double ic = asPrinted(HandMethods::dividerApproximate(c).ic);
  t.add("q18.ic", ic, "mA", 2);
  t.work("q18.rcre", "q18.rc", Op::Sum, "q18.re", "k\u03A9");
  t.work("q18.vdrop", "q18.rcre", Op::Product, "q18.ic", "V", 2);
  t.work("q18.vce", "q18.vcc", Op::Difference, "q18.vdrop", "V", 2);
  // RE left out of the collector current's path: VCE = VCC − IC · RC.
  t.add("q18.vce_rconly", halfUp(c.vcc - ic * c.rc), "V", 2);
  // The base voltage taken for the emitter's (VBE forgotten).
  const double ieNoVbe = asPrinted(HandMethods::dividerVoltage(c) / c.re);
  t.add("q18.ic_novbe", ieNoVbe, "mA", 2);
  t.add("q18.vce_novbe", halfUp(c.vcc - ieNoVbe * (c.rc + c.re)), "V", 2);
  // The divider as VCC · RB2 / RB1, without adding the two resistors.
  const double ieDivider = asPrinted((c.vcc * c.rb2 / c.rb - HandMethods::kVbe) / c.re);
  t.add("q18.ic_divslip", ieDivider, "mA", 2);
  t.add("q18.vce_divslip", halfUp(c.vcc - ieDivider * (c.rc + c.re)), "V", 2);
}

// Load line and Q point.
void question19(ValueTable& t) {
  const auto& c = QuizCircuits::kQuestion19;
  addComponents(t, "q19", c);
  const OperatingPoint p = HandMethods::baseBias(c);
  if (p.saturated || p.cutOff) throw std::logic_error("question 19 must be in the active region");
  t.add("q19.ic_sat", HandMethods::loadLineCurrent(c.vcc, c.rc), "mA", 0);
  t.add("q19.vce_cut", HandMethods::loadLineVoltage(c.vcc), "V", 0);
  const double ic = asPrinted(p.ic);
  t.add("q19.ic", ic, "mA", 2);
  t.add("q19.vce", halfUp(c.vcc - ic * c.rc), "V", 2);
  // The load line's end taken through RB.
  t.add("q19.ic_sat_rb", c.vcc / c.rb, "\u00B5A", 1);
  // VBE taken off in the collector loop too, at both ends of the line.
  t.add("q19.ic_sat_vbe", (c.vcc - HandMethods::kVbe) / c.rc, "mA", 2);
  t.add("q19.vce_cut_vbe", c.vcc - HandMethods::kVbe, "V", 1);
  const double icNoVbe = asPrinted(c.beta * c.vcc / c.rb);
  t.add("q19.ic_novbe", icNoVbe, "mA", 2);
  t.add("q19.vce_novbe", halfUp(c.vcc - icNoVbe * c.rc), "V", 2);
}

// The switch: saturated, IC capped by the collector circuit.
void question20(ValueTable& t) {
  const auto& c = QuizCircuits::kQuestion20;
  addComponents(t, "q20", c);
  const OperatingPoint p = HandMethods::baseBias(c);
  if (!p.saturated) throw std::logic_error("question 20 must saturate");
  t.add("q20.ic_sat", p.icSat, "mA", 0);
  t.add("q20.vce", p.vce, "V", 0);
  t.add("q20.ib", p.ib, "mA", 2);
  t.add("q20.ic_beta", c.beta * p.ib, "mA", 0);
  // The base current taken for the collector's.
  t.add("q20.vce_ib", c.vcc - p.ib * c.rc, "V", 1);
  // VBB − VBE divided by RC: the two loops mixed.
  const double icMixed = (c.vbb - HandMethods::kVbe) / c.rc;
  t.add("q20.ic_mixed", icMixed, "mA", 1);
  t.add("q20.vce_mixed", c.vcc - icMixed * c.rc, "V", 1);
}

}  // namespace

void addQuizValues(ValueTable& t) {
  question17(t);
  question18(t);
  question19(t);
  question20(t);
}

}  // namespace apostila::figures
