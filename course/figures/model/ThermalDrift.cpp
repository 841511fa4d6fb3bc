// The thermal drift of a bias circuit's collector current by its hand equations, with VBE, β
// and ICBO from the device model.
#include "model/ThermalDrift.h"

#include <cmath>
#include <stdexcept>

namespace apostila::figures {

namespace {

struct BaseLoop {
  double v, rb, r;
};

BaseLoop baseLoop(const BiasCircuit& c) {
  const bool fromCollector = c.base == BiasCircuit::Base::CollectorFeedback;
  const double r = c.re + (fromCollector ? c.rc : 0);
  if (fromCollector) return {c.vcc, c.rb, r};
  return {c.theveninVoltage(), c.theveninResistance(), r};
}

double baseCurrent(const BiasCircuit& c, const ThermalDrift::Quantities& q) {
  const BaseLoop l = baseLoop(c);
  return (l.v - q.vbe - (q.beta + 1) * q.icbo * l.r) / (l.rb + (q.beta + 1) * l.r);
}

}  // namespace

ThermalDrift::Quantities ThermalDrift::quantities(double ic, double vce, double celsius) const {
  return {model_.baseEmitterVoltage(ic, vce, celsius), model_.beta(ic, celsius, vce), model_.icbo(celsius)};
}

double ThermalDrift::collectorCurrent(const BiasCircuit& c, const Quantities& q) {
  return q.beta * baseCurrent(c, q) + (q.beta + 1) * q.icbo;
}

double ThermalDrift::collectorEmitterVoltage(const BiasCircuit& c, const Quantities& q) {
  const double ib = baseCurrent(c, q), ic = q.beta * ib + (q.beta + 1) * q.icbo, ie = ic + ib;
  // Under collector feedback RC carries the base current as well.
  return c.vcc - c.rc * (c.base == BiasCircuit::Base::CollectorFeedback ? ie : ic) - c.re * ie;
}

ThermalDrift::Quantities ThermalDrift::operatingQuantities(const BiasCircuit& c, double celsius, unsigned causes) const {
  // VBE and β change only slowly with IC and VCE, so a plain fixed-point iteration settles in
  // a few rounds; forty leave no trace in any digit shown.
  double ic = 1e-3, vce = c.vcc / 2;
  Quantities q{};
  for (int i = 0; i < 40; ++i) {
    const Quantities hot = quantities(ic, vce, celsius);
    const Quantities room = quantities(ic, vce, DeviceModel::kRoomCelsius);
    q = {causes & kVbe ? hot.vbe : room.vbe, causes & kBeta ? hot.beta : room.beta,
         causes & kIcbo ? hot.icbo : room.icbo};
    ic = collectorCurrent(c, q);
    vce = collectorEmitterVoltage(c, q);
    // The model's VBE and β are those of the active region; a circuit that leaves it has no
    // operating point by these equations.
    if (!(ic > 0) || !(vce > 0.3)) throw std::logic_error("thermal drift: the circuit leaves the active region");
  }
  return q;
}

double ThermalDrift::collectorCurrent(const BiasCircuit& c, double celsius, unsigned causes) const {
  return collectorCurrent(c, operatingQuantities(c, celsius, causes));
}

double ThermalDrift::riseInPercent(const BiasCircuit& c, double celsius, unsigned causes) const {
  const double room = collectorCurrent(c, DeviceModel::kRoomCelsius);
  return 100 * (collectorCurrent(c, celsius, causes) - room) / room;
}

}  // namespace apostila::figures
