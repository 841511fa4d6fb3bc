// The numbers of topic 13: what a multimeter's diode test reads on the model transistor
// (Teoria 60). The meter pushes a small constant current, about 1 mA, through the two leads it
// touches while the third lead is left open, and shows the voltage it needs for it. Between
// base and emitter the collector floats, so no collector current flows; between base and
// collector the emitter floats. The PNP gives the same readings with the probes swapped.
#include "Topics.h"
#include "model/DeviceModel.h"
#include "model/RootFinder.h"
#include "topics/13-physical/Topic13Values.h"

namespace apostila::figures {

namespace {

constexpr double kTestCurrent = 1e-3;

constexpr int kHalvings = 100;

}  // namespace

double diodeTestBaseEmitter(const DeviceModel& q, double current) {
  // With the collector open, VCE settles where the collector current is zero; the collector
  // current rises with VCE at a fixed VBE, and the base current, all of which leaves by the
  // emitter, rises with VBE.
  auto baseCurrent = [&](double vbe) {
    const double vce = RootFinder::rising([&](double v) { return q.collectorCurrent(vbe, v); }, 0, -0.5, 2, kHalvings);
    return q.baseCurrent(vbe, vce);
  };
  return RootFinder::rising(baseCurrent, current, 0.2, 1.0, kHalvings);
}

double diodeTestBaseCollector(const DeviceModel& q, double current) {
  // With the emitter open, VBE settles where the emitter current IC + IB is zero; it rises with
  // VBE at a fixed VBC. The base current then leaves by the collector.
  auto baseCurrent = [&](double vbc) {
    auto emitterCurrent = [&](double vbe) { return q.collectorCurrent(vbe, vbe - vbc) + q.baseCurrent(vbe, vbe - vbc); };
    const double vbe = RootFinder::rising(emitterCurrent, 0, vbc - 0.5, vbc + 0.5, kHalvings);
    return q.baseCurrent(vbe, vbe - vbc);
  };
  return RootFinder::rising(baseCurrent, current, 0.2, 1.0, kHalvings);
}

void addTopic13Values(ValueTable& t) {
  const DeviceModel q;
  t.add("t60.itest", kTestCurrent, "mA");
  t.add("t60.vbe", diodeTestBaseEmitter(q, kTestCurrent), "V", 2);
  t.add("t60.vbc", diodeTestBaseCollector(q, kTestCurrent), "V", 2);
}

}  // namespace apostila::figures
