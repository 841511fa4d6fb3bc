// The zener current source by hand and on the device model.
#include "model/ZenerCurrentSource.h"

#include <stdexcept>

#include "model/DeviceModel.h"
#include "model/HandMethods.h"
#include "model/RootFinder.h"

namespace apostila::figures {

namespace {

constexpr int kHalvings = 100;

}  // namespace

double ZenerCurrentSource::emitterVoltage() const { return vz - HandMethods::kVbe; }

double ZenerCurrentSource::maxLoadVoltage() const { return vcc - emitterVoltage() - kVceSat; }

// Two unknowns, the emitter and collector voltages. For a trial VE the collector is found where
// the load's voltage and VC add up to VCC (the sum rises with VC, since IC rises with VCE); the
// emitter is then found where RE carries the emitter current IC + IB (RE · IE − VE falls as VE
// rises and VBE falls). Both searches are bracketed: VCE from 0 to VCC − VE, VBE from 0,3 V,
// where nothing flows, to 0,9 V, beyond any current this circuit can carry.
ZenerCurrentSource::Solution ZenerCurrentSource::solve(const std::function<double(double)>& loadVoltage) const {
  const DeviceModel q;
  Solution s;
  auto collectorFor = [&](double ve) {
    const double vbe = vz - ve;
    return RootFinder::rising([&](double vc) { return vc + loadVoltage(q.collectorCurrent(vbe, vc - ve)) - vcc; }, 0, ve,
                              vcc, kHalvings);
  };
  s.ve = RootFinder::rising(
      [&](double ve) {
        const double vc = collectorFor(ve), vbe = vz - ve;
        return ve - re * (q.collectorCurrent(vbe, vc - ve) + q.baseCurrent(vbe, vc - ve));
      },
      0, vz - 0.9, vz - 0.3, kHalvings);
  s.vc = collectorFor(s.ve);
  s.ic = q.collectorCurrent(vz - s.ve, s.vc - s.ve);
  s.ib = q.baseCurrent(vz - s.ve, s.vc - s.ve);
  if (s.ib >= zenerCurrent()) throw std::logic_error("the base draws all of the zener's current: the zener is off");
  return s;
}

ZenerCurrentSource::Solution ZenerCurrentSource::solveResistor(double rl) const {
  return solve([rl](double ic) { return rl * ic; });
}

}  // namespace apostila::figures
