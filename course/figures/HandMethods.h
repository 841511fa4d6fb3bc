// The textbook's hand methods for a transistor's DC operating point: VBE = 0,7 V whenever the
// base–emitter junction conducts, IC = β · IB in the active region, and the collector circuit
// capping IC at the top of its load line, where the transistor saturates and VCE is taken as
// 0 V. The theory pages and the quiz state results computed here; where a page compares them
// with the device model, both come from code.
//
//   BaseResistorCircuit c{.vbb = 12, .rb = 470e3, .vcc = 12, .rc = 2.2e3, .beta = 100};
//   OperatingPoint q = HandMethods::baseBias(c);           // q.ic ≈ 2,4 mA, q.vce ≈ 6,7 V
//   DividerCircuit d{12, 10e3, 2.2e3, 3.3e3, 1e3, 100};
//   if (HandMethods::approximationHolds(d)) q = HandMethods::dividerApproximate(d);
#pragma once

namespace apostila::figures {

struct OperatingPoint {
  double ib = 0, ic = 0, ie = 0;  // A
  double vce = 0;                 // V
  double icSat = 0;               // A, the load line's end on the IC axis: VCC / (RC + RE)
  double vceCut = 0;              // V, its end on the VCE axis: VCC
  bool saturated = false;
  bool cutOff = false;
};

// RB from VBB to the base, RC from VCC to the collector, RE (or none) from the emitter to
// ground. With VBB = VCC and no RE it is the single-battery fixed bias; with RE the emitter
// bias; a switch driven from a separate source has its own VBB.
struct BaseResistorCircuit {
  double vbb = 0;  // what RB is tied to: VCC itself for single-supply bias
  double rb = 0;
  double vcc = 0;
  double rc = 0;
  double beta = 100;
  double re = 0;
};

// Divider RB1 (to VCC) and RB2 (to ground) at the base, RC at the collector, RE at the emitter.
struct DividerCircuit {
  double vcc, rb1, rb2, rc, re, beta;
};

// RC from VCC to the collector and RB from the collector back to the base, emitter grounded.
struct CollectorFeedbackCircuit {
  double vcc, rb, rc, beta;
};

class HandMethods {
 public:
  static constexpr double kVbe = 0.7;

  // IB = (VBB − VBE) / (RB + (β + 1) · RE), then IC = β · IB unless that passes IC(sat).
  static OperatingPoint baseBias(const BaseResistorCircuit& c);

  // The divider's open voltage at the base, and its Thévenin resistance.
  static double dividerVoltage(const DividerCircuit& c) { return c.vcc * c.rb2 / (c.rb1 + c.rb2); }
  static double dividerResistance(const DividerCircuit& c) { return c.rb1 * c.rb2 / (c.rb1 + c.rb2); }
  // The approximate method is fair when β · RE ≥ 10 · RB2: the base draws little beside the
  // divider's own current.
  static bool approximationHolds(const DividerCircuit& c) { return c.beta * c.re >= 10 * c.rb2; }
  // The base current neglected: the base sits at the divider's open voltage and IC ≈ IE.
  static OperatingPoint dividerApproximate(const DividerCircuit& c);
  // The divider replaced by its Thévenin equivalent, the base current included.
  static OperatingPoint dividerExact(const DividerCircuit& c);

  // VCC = RC · (IC + IB) + RB · IB + VBE; the transistor cannot saturate in this circuit.
  static OperatingPoint collectorFeedback(const CollectorFeedbackCircuit& c);

  // The DC load line of a collector circuit: IC(sat) = VCC / (RC + RE), VCE(corte) = VCC.
  static double loadLineCurrent(double vcc, double rc, double re = 0) { return vcc / (rc + re); }
  static double loadLineVoltage(double vcc) { return vcc; }
};

}  // namespace apostila::figures
