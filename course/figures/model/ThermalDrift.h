// How a bias circuit's collector current moves with temperature, the way a textbook works it:
// the hand equations of the circuit, with IC = β · IB + (β + 1) · ICBO, fed with the three
// quantities that change with temperature, VBE, β and ICBO, each read from the device model at
// the circuit's own operating point. Each cause can be let loose alone (the others held at
// 25 °C), which is how Teoria 29 and 30 show how much of the drift each one makes.
//
//   const auto divider = BiasCircuit::divider(12, 33e3, 10e3, 2.2e3, 1e3, 0);
//   ThermalDrift drift;                                          // the course's NPN
//   double ic25 = drift.collectorCurrent(divider, 25);           // A
//   double ic75 = drift.collectorCurrent(divider, 75);           // every cause at 75 °C
//   double vbeOnly = drift.collectorCurrent(divider, 75, ThermalDrift::kVbe);
#pragma once

#include "model/BiasCircuit.h"
#include "model/DeviceModel.h"

namespace apostila::figures {

class ThermalDrift {
 public:
  // The temperature-dependent quantities of the transistor at one operating point.
  struct Quantities {
    double vbe = 0, beta = 0, icbo = 0;
  };

  // The causes of drift, to be combined with |.
  enum Cause : unsigned { kVbe = 1, kBeta = 2, kIcbo = 4, kAll = 7 };

  explicit ThermalDrift(DeviceModel model = DeviceModel()) : model_(model) {}

  // VBE, β and ICBO at this collector current, VCE and temperature.
  Quantities quantities(double ic, double vce, double celsius) const;

  // The hand equations for given quantities, for a single-supply NPN circuit (its β is not
  // read: the model's is). The base loop of each circuit is one source V
  // behind a resistance RB (the divider's Thévenin equivalent), and a resistance R that the
  // whole emitter current (β + 1) · (IB + ICBO) crosses: RE, plus RC under collector feedback.
  //   IB = (V − VBE − (β + 1) · ICBO · R) / (RB + (β + 1) · R),   IC = β · IB + (β + 1) · ICBO
  static double collectorCurrent(const BiasCircuit& c, const Quantities& q);
  static double collectorEmitterVoltage(const BiasCircuit& c, const Quantities& q);

  // The operating current at this temperature, with the causes named in `causes` taken at
  // that temperature and the others at 25 °C, all read at the operating point itself (which
  // they move, so it is found by iteration).
  double collectorCurrent(const BiasCircuit& c, double celsius, unsigned causes = kAll) const;
  // The same operating point's quantities, as the equations used them.
  Quantities operatingQuantities(const BiasCircuit& c, double celsius, unsigned causes = kAll) const;

  // (IC(hot) − IC(25 °C)) / IC(25 °C) in per cent, for the causes named.
  double riseInPercent(const BiasCircuit& c, double celsius, unsigned causes = kAll) const;

  const DeviceModel& model() const { return model_; }

 private:
  DeviceModel model_;
};

}  // namespace apostila::figures
