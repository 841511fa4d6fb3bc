// The numbers of Teoria 22 to 26, all by the hand methods: what β's spread does to the fixed
// bias of Teoria 17 (Teoria 22), the divider of Teoria 24 solved exactly through its Thévenin
// equivalent and by the approximate method (Teoria 26), and the collector feedback of Teoria 25,
// solved (Teoria 26) and solved again with β doubled, to show how little IC moves.
#include <cmath>
#include <stdexcept>

#include "Topics.h"
#include "ValueTable.h"
#include "model/HandMethods.h"
#include "topics/07-single-battery/SingleBatteryCircuit.h"
#include "topics/09-bias/Topic9Circuits.h"

namespace apostila::figures {

namespace {

const char* const kKilohms = "k\u03A9";
const char* const kMicroamps = "\u00B5A";

// Teoria 22: Teoria 17's circuit with two transistors of one type, β at the ends of its spread.
void fixedBiasSpread(ValueTable& t) {
  const BiasCircuit& c = kSingleBatteryCircuit;
  // Teoria 22 multiplies Teoria 18's IB as that page prints it, to the tenth of a µA.
  const double ib = std::round((c.vcc - HandMethods::kVbe) / c.rb / 0.1e-6) * 0.1e-6;
  const double low = 100, high = 300;
  if (low * ib >= c.vcc / c.rc || high * ib <= c.vcc / c.rc)
    throw std::logic_error("Teoria 22: the low β must stay active and the high one must saturate");
  t.add("t22.beta_low", low, "");
  t.work("t22.ic_low", "t22.beta_low", Op::Product, "t18.ib", "mA", 2);
  t.add("t22.beta_high", high, "");
  t.work("t22.ic_high", "t22.beta_high", Op::Product, "t18.ib", "mA", 2);
}

// Teoria 24 and 26: the divider, exact through VTH and RTH, then the approximate method. Each
// step of the worked solution starts from the numbers printed before it, rounded as printed,
// so that a learner who redoes it from the page lands on the printed result.
void divider(ValueTable& t) {
  const BiasCircuit& c = kTopic9Divider;
  const double vbe = HandMethods::kVbe;
  t.add("t24.vcc", c.vcc, "V");
  t.add("t24.rb1", c.rb, kKilohms);
  t.add("t24.rb2", c.rb2, kKilohms);
  t.add("t24.rc", c.rc, kKilohms);
  t.add("t24.re", c.re, kKilohms);
  t.add("t24.beta", c.beta, "");
  const OperatingPoint p = HandMethods::dividerExact(c);
  if (p.saturated || p.cutOff) throw std::logic_error("Teoria 26's divider must be worked in the active region");
  const double vth = HandMethods::dividerVoltage(c), rth = HandMethods::dividerResistance(c);
  t.work("t24.rb_sum", "t24.rb1", Op::Sum, "t24.rb2", kKilohms, 1);
  t.add("t24.vth", vth, "V", 2);
  t.add("t24.rth", rth, kKilohms, 2);
  t.work("t24.beta1", "t24.beta", Op::Sum, "1", "");
  t.add("t24.ib", (t.shown("t24.vth") - vbe) / (t.shown("t24.rth") + (c.beta + 1) * c.re), kMicroamps, 2);
  t.work("t24.ic", "t24.beta", Op::Product, "t24.ib", "mA", 2);
  t.work("t24.ie", "t24.ic", Op::Sum, "t24.ib", "mA", 2);
  t.work("t24.vrc", "t24.rc", Op::Product, "t24.ic", "V", 2);
  t.work("t24.vre", "t24.re", Op::Product, "t24.ie", "V", 2);
  t.work("t24.vce", Op::Difference, {"t24.vcc", "t24.vrc", "t24.vre"}, "V", 2);
  if (std::abs(t.shown("t24.ic") - p.ic) > 0.01e-3)
    throw std::logic_error("Teoria 26: the worked steps drift from the divider's solution");
  if (!HandMethods::approximationHolds(c)) throw std::logic_error("Teoria 26's divider must suit the approximate method");
  // The approximate method: VB ≈ VTH, VE = VB − VBE, IC ≈ IE = VE / RE, VCE ≈ VCC − (RC + RE) · IE.
  const OperatingPoint a = HandMethods::dividerApproximate(c);
  t.work("t24.beta_re", "t24.beta", Op::Product, "t24.re", kKilohms);
  t.work("t24.ten_rb2", "10", Op::Product, "t24.rb2", kKilohms);
  t.work("t24.ve_approx", "t24.vth", Op::Difference, "hand.vbe", "V", 2);
  t.work("t24.ic_approx", "t24.ve_approx", Op::Quotient, "t24.re", "mA", 2);
  t.work("t24.rc_re", "t24.rc", Op::Sum, "t24.re", kKilohms);
  t.add("t24.vce_approx", c.vcc - t.shown("t24.rc_re") * t.shown("t24.ic_approx"), "V", 2);
  if (std::abs(t.shown("t24.ic_approx") - a.ic) > 0.01e-3)
    throw std::logic_error("Teoria 26: the approximate steps drift from the approximate method");
  t.work("t24.approx_excess", "t24.ic", Op::Change, "t24.ic_approx", "", 1);
}

// Teoria 25 and 26: collector feedback, and the same circuit with a transistor of twice the β.
void collectorFeedback(ValueTable& t) {
  const BiasCircuit& c = kTopic9Feedback;
  t.add("t25.vcc", c.vcc, "V");
  t.add("t25.rb", c.rb, kKilohms);
  t.add("t25.rc", c.rc, kKilohms);
  t.add("t25.beta", c.beta, "");
  t.add("t25.beta1", c.beta + 1, "");
  const OperatingPoint p = HandMethods::collectorFeedback(c);
  t.work("t25.vnet", "t25.vcc", Op::Difference, "hand.vbe", "V", 1);
  t.add("t25.rin", c.rb + (c.beta + 1) * c.rc, kKilohms, 1);
  t.work("t25.ib", "t25.vnet", Op::Quotient, "t25.rin", kMicroamps, 1);
  t.work("t25.ic", "t25.beta", Op::Product, "t25.ib", "mA", 2);
  t.add("t25.vrc", c.rc * (t.shown("t25.ic") + t.shown("t25.ib")), "V", 2);
  t.work("t25.vce", "t25.vcc", Op::Difference, "t25.vrc", "V", 2);
  if (std::abs(t.shown("t25.ic") - p.ic) > 0.01e-3)
    throw std::logic_error("Teoria 26: the worked steps drift from the feedback circuit's solution");
  const BiasCircuit doubled = c.withBeta(2 * c.beta);
  const OperatingPoint q = HandMethods::collectorFeedback(doubled);
  t.work("t25.beta_doubled", "t25.beta", Op::Product, "2", "");
  t.add("t25.ic_doubled", q.ic, "mA", 2);
  t.work("t25.ic_rise", "t25.ic", Op::Change, "t25.ic_doubled", "", 1);
}

}  // namespace

void addTopic9Values(ValueTable& t) {
  fixedBiasSpread(t);
  divider(t);
  collectorFeedback(t);
}

}  // namespace apostila::figures
