// The circuits of the quiz's last four questions and the one transistor model every number of
// theirs comes from. The figures draw these values; the statements state them and the right
// answers are these results (a test reads the compiled pages and checks both).
//
// The model: one silicon NPN with VBE = 0,7 V whenever its base-emitter junction conducts and
// IC = β · IB in the active region. The collector circuit caps IC at IC(sat) = VCC / (RC + RE),
// the top end of the DC load line; there the transistor is saturated and VCE is taken as 0 V.
#pragma once

namespace apostila::figures {

struct OperatingPoint {
  double ib = 0, ic = 0, ie = 0;  // A
  double vce = 0;                 // V
  double icSat = 0;               // A, the load line's end on the IC axis
  double vceCut = 0;              // V, its end on the VCE axis (VCC)
  bool saturated = false;
  bool cutOff = false;
};

// RB from VCC (or from a separate VBB) to the base, RC from VCC to the collector, the emitter
// grounded: the fixed bias of questions 17 and 19 and the switch of question 20.
struct BaseResistorCircuit {
  double vbb;  // what RB is tied to: VCC itself for single-supply bias
  double rb;
  double vcc;
  double rc;
  double beta;
};

// Divider RB1 (to VCC) and RB2 (to ground) at the base, RC at the collector, RE at the emitter.
struct DividerCircuit {
  double vcc, rb1, rb2, rc, re, beta;
};

class QuizCircuits {
 public:
  static constexpr double kVbe = 0.7;

  static const BaseResistorCircuit kQuestion17;  // fixed bias: IC and VCE
  static const DividerCircuit kQuestion18;       // divider bias, the approximate method
  static const BaseResistorCircuit kQuestion19;  // fixed bias: load line and Q
  static const BaseResistorCircuit kQuestion20;  // the switch: saturated or not

  static OperatingPoint solve(const BaseResistorCircuit& c);
  // The base current neglected beside the divider's: the base sits at the divider's open
  // voltage and IC ≈ IE.
  static OperatingPoint solveApproximate(const DividerCircuit& c);
  // The divider replaced by its Thévenin equivalent, the base current included.
  static OperatingPoint solveExact(const DividerCircuit& c);
  // The divider's open voltage at the base.
  static double baseVoltage(const DividerCircuit& c) { return c.vcc * c.rb2 / (c.rb1 + c.rb2); }
};

}  // namespace apostila::figures
