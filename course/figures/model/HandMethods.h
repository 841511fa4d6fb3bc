// The textbook's hand methods for a transistor's DC operating point: VBE = 0,7 V whenever the
// base–emitter junction conducts, IC = β · IB in the active region, and the collector circuit
// capping IC at the top of its load line, where the transistor saturates and VCE is taken as
// 0 V. The theory pages and the quiz state results computed here; where a page compares them
// with the device model, both come from code.
//
//   OperatingPoint q = HandMethods::baseBias(BiasCircuit::fixed(12, 470e3, 2.2e3, 100));
//                                                          // q.ic ≈ 2,4 mA, q.vce ≈ 6,7 V
//   const auto d = BiasCircuit::divider(12, 10e3, 2.2e3, 3.3e3, 1e3, 100);
//   if (HandMethods::approximationHolds(d)) q = HandMethods::dividerApproximate(d);
#pragma once

#include "model/BiasCircuit.h"

namespace apostila::figures {

struct OperatingPoint {
  double ib = 0, ic = 0, ie = 0;  // A
  double vce = 0;                 // V
  double icSat = 0;               // A, the load line's end on the IC axis: VCC / (RC + RE)
  double vceCut = 0;              // V, its end on the VCE axis: VCC
  bool saturated = false;
  bool cutOff = false;
};

class HandMethods {
 public:
  static constexpr double kVbe = 0.7;

  // RB from the base supply: IB = (VBB − VBE) / (RB + (β + 1) · RE), then IC = β · IB unless
  // that passes IC(sat).
  static OperatingPoint baseBias(const BiasCircuit& c);

  // The divider's open voltage at the base, and its Thévenin resistance.
  static double dividerVoltage(const BiasCircuit& c) { return c.theveninVoltage(); }
  static double dividerResistance(const BiasCircuit& c) { return c.theveninResistance(); }
  // The approximate method is fair when β · RE ≥ 10 · RB2: the base draws little beside the
  // divider's own current.
  static bool approximationHolds(const BiasCircuit& c) { return c.beta * c.re >= 10 * c.rb2; }
  // The base current neglected: the base sits at the divider's open voltage and IC ≈ IE.
  static OperatingPoint dividerApproximate(const BiasCircuit& c);
  // The divider replaced by its Thévenin equivalent, the base current included.
  static OperatingPoint dividerExact(const BiasCircuit& c);

  // VCC = RC · (IC + IB) + RB · IB + VBE; the transistor cannot saturate in this circuit.
  static OperatingPoint collectorFeedback(const BiasCircuit& c);

  // The DC load line of a collector circuit: IC(sat) = VCC / (RC + RE), VCE(corte) = VCC.
  static double loadLineCurrent(double vcc, double rc, double re = 0) { return vcc / (rc + re); }
  static double loadLineVoltage(double vcc) { return vcc; }
};

}  // namespace apostila::figures
