// The numbers of topic 7, bias from a single battery (Teoria 17 and 18).
#include <stdexcept>

#include "Topics.h"
#include "ValueTable.h"
#include "model/HandMethods.h"
#include "topics/07-single-battery/SingleBatteryCircuit.h"

namespace apostila::figures {

// Single-battery bias: RB from VCC instead of VBB. Teoria 17 draws the circuit, Teoria 18
// solves it by the hand method and checks that β · IB stays under IC(sat).
void addTopic7Values(ValueTable& t) {
  const BiasCircuit& c = kSingleBatteryCircuit;
  const OperatingPoint p = HandMethods::baseBias(c);
  if (p.saturated || p.cutOff) throw std::logic_error("Teoria 18's circuit must be in the active region");
  t.add("t17.vcc", c.vcc, "V");
  t.add("t17.rb", c.rb, "k\u03A9");
  t.add("t17.rc", c.rc, "k\u03A9");
  t.add("t17.beta", c.beta, "");
  t.work("t18.vrb", "t17.vcc", Op::Difference, "hand.vbe", "V", 1);
  // Each step from the one before it as printed, to three significant figures.
  t.work("t18.ib", "t18.vrb", Op::Quotient, "t17.rb", "\u00B5A", 1);
  t.work("t18.ic", "t17.beta", Op::Product, "t18.ib", "mA", 2);
  t.work("t18.vrc", "t17.rc", Op::Product, "t18.ic", "V", 2);
  t.work("t18.vce", "t17.vcc", Op::Difference, "t18.vrc", "V", 2);
  t.work("t18.ic_sat", "t17.vcc", Op::Quotient, "t17.rc", "mA", 2);
}

}  // namespace apostila::figures
