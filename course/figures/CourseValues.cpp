// The course's named values. The quiz's circuit questions state their components, the right
// results of the hand methods, and the results of the slips their wrong options and hints
// describe, each computed the way the slip computes it.
#include <cmath>
#include <stdexcept>

#include "DeviceModel.h"
#include "HandMethods.h"
#include "QuizCircuits.h"
#include "Topic10Exercises.h"
#include "Topic3Figures.h"
#include "Topic12Figures.h"
#include "Topic9b.h"
#include "Topic12bValues.h"
#include "Topic13Values.h"
#include "Topic11Figures.h"
#include "ValueTable.h"

namespace apostila::figures {

void addTopic9Values(ValueTable& t);  // bias circuits: Teoria 22 to 26

namespace {

void addComponents(ValueTable& t, const std::string& q, const BaseResistorCircuit& c, bool ownBaseSupply) {
  t.add(q + ".vcc", c.vcc, "V");
  if (ownBaseSupply) t.add(q + ".vbb", c.vbb, "V");
  t.add(q + ".rb", c.rb, c.rb >= 1e3 ? "k\u03A9" : "\u03A9");
  t.add(q + ".rc", c.rc, c.rc >= 1e3 ? "k\u03A9" : "\u03A9");
  t.add(q + ".beta", c.beta, "");
}

// Fixed bias: IC and VCE, and what the slips give.
void question17(ValueTable& t) {
  const auto& c = QuizCircuits::kQuestion17;
  addComponents(t, "q17", c, false);
  const OperatingPoint p = HandMethods::baseBias(c);
  if (p.saturated || p.cutOff) throw std::logic_error("question 17 must be in the active region");
  t.add("q17.ib", p.ib, "\u00B5A", 0);
  t.add("q17.ic", p.ic, "mA", 1);
  t.add("q17.vce", p.vce, "V", 1);
  t.add("q17.vrb", c.vcc - HandMethods::kVbe, "V", 1);
  t.add("q17.vrc", p.ic * c.rc, "V", 1);
  // VBE left out: all of VCC across RB.
  const double icNoVbe = c.beta * c.vcc / c.rb;
  t.add("q17.ic_novbe", icNoVbe, "mA", 1);
  t.add("q17.vce_novbe", c.vcc - icNoVbe * c.rc, "V", 1);
  // The base current taken for the collector's.
  t.add("q17.vce_ib", c.vcc - p.ib * c.rc, "V", 1);
  t.add("q17.ic_sat", p.icSat, "mA", 1);
}

// Divider bias by the approximate method; one decimal throughout, both from the exact results.
void question18(ValueTable& t) {
  const auto& c = QuizCircuits::kQuestion18;
  t.add("q18.vcc", c.vcc, "V");
  t.add("q18.rb1", c.rb1, "k\u03A9");
  t.add("q18.rb2", c.rb2, "k\u03A9");
  t.add("q18.rc", c.rc, "k\u03A9");
  t.add("q18.re", c.re, "k\u03A9");
  t.add("q18.beta", c.beta, "");
  if (!HandMethods::approximationHolds(c)) throw std::logic_error("question 18 must suit the approximate method");
  const OperatingPoint p = HandMethods::dividerApproximate(c);
  t.add("q18.vb", HandMethods::dividerVoltage(c), "V", 2);
  t.add("q18.ic", p.ic, "mA", 1);
  t.add("q18.vce", p.vce, "V", 1);
  t.add("q18.vdrop", p.ic * (c.rc + c.re), "V", 1);
  // RE only under the collector current's path forgotten: VCE = VCC − IC · RC.
  t.add("q18.vce_rconly", c.vcc - p.ic * c.rc, "V", 1);
  // The base voltage taken for the emitter's (VBE forgotten).
  const double ieNoVbe = HandMethods::dividerVoltage(c) / c.re;
  t.add("q18.ic_novbe", ieNoVbe, "mA", 1);
  t.add("q18.vce_novbe", c.vcc - ieNoVbe * (c.rc + c.re), "V", 1);
  // The divider as VCC · RB2 / RB1, without adding the two resistors.
  const double ieDivider = (c.vcc * c.rb2 / c.rb1 - HandMethods::kVbe) / c.re;
  t.add("q18.ic_divslip", ieDivider, "mA", 1);
  t.add("q18.vce_divslip", c.vcc - ieDivider * (c.rc + c.re), "V", 1);
}

// Load line and Q point.
void question19(ValueTable& t) {
  const auto& c = QuizCircuits::kQuestion19;
  addComponents(t, "q19", c, false);
  const OperatingPoint p = HandMethods::baseBias(c);
  if (p.saturated || p.cutOff) throw std::logic_error("question 19 must be in the active region");
  t.add("q19.ic_sat", HandMethods::loadLineCurrent(c.vcc, c.rc), "mA", 0);
  t.add("q19.vce_cut", HandMethods::loadLineVoltage(c.vcc), "V", 0);
  t.add("q19.ic", p.ic, "mA", 1);
  t.add("q19.vce", p.vce, "V", 1);
  // The load line's end taken through RB.
  t.add("q19.ic_sat_rb", c.vcc / c.rb, "\u00B5A", 0);
  const double icNoVbe = c.beta * c.vcc / c.rb;
  t.add("q19.ic_novbe", icNoVbe, "mA", 1);
  t.add("q19.vce_novbe", c.vcc - icNoVbe * c.rc, "V", 1);
}

// The switch: saturated, IC capped by the collector circuit.
void question20(ValueTable& t) {
  const auto& c = QuizCircuits::kQuestion20;
  addComponents(t, "q20", c, true);
  const OperatingPoint p = HandMethods::baseBias(c);
  if (!p.saturated) throw std::logic_error("question 20 must saturate");
  t.add("q20.ic_sat", p.icSat, "mA", 0);
  t.add("q20.vce", p.vce, "V", 0);
  t.add("q20.ib", p.ib, "mA", 2);
  t.add("q20.ic_beta", c.beta * p.ib, "mA", 0);
  // VBB − VBE divided by RC: the two loops mixed.
  const double icMixed = (c.vbb - HandMethods::kVbe) / c.rc;
  t.add("q20.ic_mixed", icMixed, "mA", 1);
  t.add("q20.vce_mixed", c.vcc - icMixed * c.rc, "V", 1);
}

// Topics 1 and 2: how little VBE changes over a decade of current once the junction conducts,
// and the reverse-biased collector junction's leakage, both from the device model at 25 °C.
void topics1And2(ValueTable& t) {
  const DeviceModel q;
  const double vce = 5, low = 1e-3, high = 10e-3;
  t.add("t03.ic1", low, "mA");
  t.add("t03.ic2", high, "mA");
  t.add("t03.vbe1", q.baseEmitterVoltage(low, vce), "V", 2);
  t.add("t03.vbe2", q.baseEmitterVoltage(high, vce), "V", 2);
  t.add("t04.icbo", q.icbo(), "nA", 0);
}

// Voltage notation: the NPN's VCE split into VCB and VBE, with the hand method's VBE.
void topic6(ValueTable& t) {
  const double vce = 6.0;
  t.add("t15.vce", vce, "V");
  t.add("t15.vcb", vce - HandMethods::kVbe, "V", 1);
}

// Alpha and beta. Teoria 9 reads the three currents of the model transistor at IC = 2 mA and
// divides them; Teoria 11 works two examples by the relations between the gains and finds where
// the model's hFE peaks at room temperature.
void topic4(ValueTable& t) {
  const DeviceModel q;
  const double vce = 5, ic = 2e-3;
  const double ib = q.baseCurrent(q.baseEmitterVoltage(ic, vce), vce);
  t.add("t09.vce", vce, "V");
  t.add("t09.ic", ic, "mA");
  t.add("t09.ib", ib, "\u00B5A", 1);
  t.add("t09.ie", ic + ib, "mA", 2);
  t.add("t09.alpha", ic / (ic + ib), "", 3);
  t.add("t09.beta", ic / ib, "", 0);

  // Given β and IB: IC = β · IB, IE = IC + IB, α = β / (β + 1).
  const double beta1 = 150, ib1 = 20e-6;
  t.add("t11.ex1_beta", beta1, "");
  t.add("t11.ex1_beta1", beta1 + 1, "");
  t.add("t11.ex1_ib", ib1, "\u00B5A");
  t.add("t11.ex1_ic", beta1 * ib1, "mA", 0);
  t.add("t11.ex1_ie", beta1 * ib1 + ib1, "mA", 2);
  t.add("t11.ex1_alpha", beta1 / (beta1 + 1), "", 3);
  // Given α and IE: β = α / (1 − α), IC = α · IE, IB = IE − IC.
  const double alpha2 = 0.98, ie2 = 5e-3;
  t.add("t11.ex2_alpha", alpha2, "");
  t.add("t11.ex2_1malpha", 1 - alpha2, "", 2);
  t.add("t11.ex2_ie", ie2, "mA");
  t.add("t11.ex2_beta", alpha2 / (1 - alpha2), "", 0);
  t.add("t11.ex2_ic", alpha2 * ie2, "mA", 1);
  t.add("t11.ex2_ib", ie2 - alpha2 * ie2, "mA", 1);

  // The peak of hFE(IC) at 25 °C and VCE = 5 V, searched along the logarithm of IC in steps of
  // 1/200 decade.
  const double curveVce = 5;
  t.add("t11.vce", curveVce, "V");
  double icPeak = 1e-6, betaPeak = 0;
  for (int i = 0; i <= 1000; ++i) {
    const double icAt = 1e-6 * std::pow(10.0, i / 200.0), b = q.beta(icAt, DeviceModel::kRoomCelsius, curveVce);
    if (b > betaPeak) betaPeak = b, icPeak = icAt;
  }
  t.add("t11.beta_peak", betaPeak, "", 0);
  t.add("t11.ic_peak", icPeak, "mA", 0);
}

// Single-battery bias: RB from VCC instead of VBB. Teoria 17 draws the circuit, Teoria 18
// solves it by the hand method and checks that β · IB stays under IC(sat).
void topic7(ValueTable& t) {
  const BaseResistorCircuit c{.vbb = 12.0, .rb = 560e3, .vcc = 12.0, .rc = 2.2e3, .beta = 120};
  const OperatingPoint p = HandMethods::baseBias(c);
  if (p.saturated || p.cutOff) throw std::logic_error("Teoria 18's circuit must be in the active region");
  t.add("t17.vcc", c.vcc, "V");
  t.add("t17.rb", c.rb, "k\u03A9");
  t.add("t17.rc", c.rc, "k\u03A9");
  t.add("t17.beta", c.beta, "");
  t.add("t18.vrb", c.vcc - HandMethods::kVbe, "V", 1);
  t.add("t18.ib", p.ib, "\u00B5A", 1);
  t.add("t18.ic", p.ic, "mA", 2);
  t.add("t18.vrc", p.ic * c.rc, "V", 1);
  t.add("t18.vce", p.vce, "V", 1);
  t.add("t18.ic_sat", p.icSat, "mA", 2);
}

// The characteristic curves: Teoria 19 reads β between the 40 µA and 60 µA curves at
// VCE = 10 V, as a learner reads it off the picture; Teoria 20 marks the input curve's knee.
void topic8(ValueTable& t) {
  const DeviceModel q;
  const double vce = 10, ib1 = 40e-6, ib2 = 60e-6;
  const double ic1 = q.outputCurve(ib1, vce), ic2 = q.outputCurve(ib2, vce);
  t.add("t19.vce_read", vce, "V");
  t.add("t19.ib1", ib1, "\u00B5A");
  t.add("t19.ib2", ib2, "\u00B5A");
  t.add("t19.ic1", ic1, "mA", 1);
  t.add("t19.ic2", ic2, "mA", 1);
  t.add("t19.dic", ic2 - ic1, "mA", 1);
  t.add("t19.dib", ib2 - ib1, "\u00B5A");
  t.add("t19.beta", (ic2 - ic1) / (ib2 - ib1), "", 0);
  t.add("t19.pmax", q.parameters().pmax, "W");
  t.add("t19.bvceo", q.parameters().bvceo, "V");
  t.add("t20.vknee", HandMethods::kVbe, "V", 1);
}

ValueTable build() {
  ValueTable t;
  t.add("hand.vbe", HandMethods::kVbe, "V", 1);
  question17(t);
  question18(t);
  question19(t);
  question20(t);
  topics1And2(t);
  addTopic3Values(t);
  topic4(t);
  topic6(t);
  topic7(t);
  topic8(t);
  addTopic12Values(t);
  addTopic9Values(t);
  addTopic9bValues(t);
  addTopic12bValues(t);
  addTopic13Values(t);
  addTopic11Values(t);
  addTopic10Values(t);
  return t;
}

}  // namespace

const ValueTable& courseValues() {
  static const ValueTable table = build();
  return table;
}

}  // namespace apostila::figures
