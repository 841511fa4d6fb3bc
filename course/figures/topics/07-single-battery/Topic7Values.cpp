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
  t.add("t18.vrb", c.vcc - HandMethods::kVbe, "V", 1);
  // Each step from the one before it as printed, to three significant figures.
  t.add("t18.ib", p.ib, "\u00B5A", 1);
  t.add("t18.ic", c.beta * t.shown("t18.ib"), "mA", 2);
  t.add("t18.vrc", t.shown("t18.ic") * c.rc, "V", 2);
  t.add("t18.vce", c.vcc - t.shown("t18.vrc"), "V", 2);
  t.add("t18.ic_sat", p.icSat, "mA", 2);
}

}  // namespace apostila::figures
