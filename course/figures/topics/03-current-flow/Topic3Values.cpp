// The numbers of topic 3, taken from the device model at VCE = 5 V and 25 °C: the share of the
// emitter's electrons that recombine in the base (Teoria 5), the three currents at a collector
// current of 1 mA (Teoria 6), and the worked example of Teoria 7, which starts from the
// emitter current and finds the collector current and its leakage part.
#include <stdexcept>

#include "Topics.h"
#include "model/DeviceModel.h"
#include "model/RootFinder.h"

namespace apostila::figures {

namespace {

constexpr double kVce = 5;

// The VBE at which the emitter current IC + IB reaches ie; both currents rise with VBE.
double vbeForEmitterCurrent(const DeviceModel& q, double ie) {
  return RootFinder::rising([&](double v) { return q.collectorCurrent(v, kVce) + q.baseCurrent(v, kVce); }, ie, 0.3, 1.0, 200);
}

}  // namespace

void addTopic3Values(ValueTable& t) {
  const DeviceModel q;

  // Teoria 5 and 6: IC = 1 mA, the base current the model needs for it, and their sum.
  const double ic6 = 1e-3;
  const double ib6 = q.baseCurrent(q.baseEmitterVoltage(ic6, kVce), kVce);
  t.add("t05.ie_per_ib", (ic6 + ib6) / ib6, "", 0);
  t.add("t06.ic", ic6, "mA");
  t.add("t06.ib", ib6, "\u00B5A", 1);
  t.work("t06.ie", "t06.ic", Op::Sum, "t06.ib", "mA", 3);

  // Teoria 7: IE = 5 mA given; IB from the model; IC = IE − IB; ICBO and the part of IC that
  // the emitter's electrons carry.
  const double ie7 = 5e-3;
  const double vbe7 = vbeForEmitterCurrent(q, ie7);
  const double ib7 = q.baseCurrent(vbe7, kVce), ic7 = ie7 - ib7;
  if (ib7 <= 0 || ic7 <= ib7) throw std::logic_error("the example of Teoria 7 must be in the active region");
  t.add("t07.ie", ie7, "mA");
  t.add("t07.ib", ib7, "\u00B5A", 1);
  t.add("t07.ib_ma", ib7, "mA", 4);
  // IC to the tenth of a microampere, so that the 10 nA taken off it shows in the result.
  t.work("t07.ic", "t07.ie", Op::Difference, "t07.ib_ma", "mA", 4);
  t.add("t07.icbo", q.icbo(), "nA", 0);
  t.add("t07.icbo_ma", q.icbo(), "mA", 5);
  t.work("t07.ic_maj", "t07.ic", Op::Difference, "t07.icbo_ma", "mA", 5);
}

}  // namespace apostila::figures
