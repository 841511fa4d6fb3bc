// The one description of a bias circuit, which the hand methods, the model's solver, the
// thermal drift, the load line, the values, the figures and the tests all read. Every bias
// circuit of the course is one network: the base fed by RB from a supply (VCC, or a VBB of its
// own), by the divider RB1–RB2, or by RB from the collector (collector feedback); RC from the
// collector to its rail, RE (or none) from the emitter to its rail. The NPN has its collector
// rail at VCC and its emitter rail at ground; the PNP is drawn with its emitter up, so RE
// hangs from VCC, RC goes to ground and RB of fixed bias runs from the base to ground.
//
//   constexpr BiasCircuit q17 = BiasCircuit::fixed(12, 470e3, 2.2e3, 100);
//   constexpr BiasCircuit q18 = BiasCircuit::divider(12, 10e3, 2.2e3, 3.3e3, 1e3, 100);
//   constexpr BiasCircuit sw = BiasCircuit::fixed(12, 10e3, 1e3, 100).fromOwnSupply(5);
//   double vth = q18.theveninVoltage();    // the divider's open voltage at the base
//
// β is the hand methods' gain; the device model brings its own and ignores it.
#pragma once

#include "model/DeviceModel.h"

namespace apostila::figures {

struct BiasCircuit {
  enum class Base {
    Resistor,            // RB from the base supply (PNP: from ground) to the base
    Divider,             // RB1 (rb) from VCC to the base, RB2 from the base to ground
    CollectorFeedback,   // RB from the collector back to the base
  };

  Base base = Base::Resistor;
  DeviceModel::Polarity polarity = DeviceModel::Polarity::Npn;
  double vcc = 0;    // V
  double vbb = 0;    // V, what RB is tied to when not VCC; 0 for VCC itself
  double rb = 0;     // Ω, RB, or RB1 of the divider
  double rb2 = 0;    // Ω, the divider's lower resistor; 0 elsewhere
  double rc = 0;     // Ω
  double re = 0;     // Ω, 0 for an emitter tied straight to its rail
  double beta = 100;

  static constexpr BiasCircuit fixed(double vcc, double rb, double rc, double beta, double re = 0) {
    return {.base = Base::Resistor, .vcc = vcc, .rb = rb, .rc = rc, .re = re, .beta = beta};
  }
  static constexpr BiasCircuit divider(double vcc, double rb1, double rb2, double rc, double re, double beta) {
    return {.base = Base::Divider, .vcc = vcc, .rb = rb1, .rb2 = rb2, .rc = rc, .re = re, .beta = beta};
  }
  static constexpr BiasCircuit collectorFeedback(double vcc, double rb, double rc, double beta, double re = 0) {
    return {.base = Base::CollectorFeedback, .vcc = vcc, .rb = rb, .rc = rc, .re = re, .beta = beta};
  }
  static constexpr BiasCircuit pnpEmitterUp(double vcc, double rb, double rc, double re, double beta) {
    return {.polarity = DeviceModel::Polarity::Pnp, .vcc = vcc, .rb = rb, .rc = rc, .re = re, .beta = beta};
  }
  // The same circuit with RB tied to a supply of its own (a switch driven from its input).
  constexpr BiasCircuit fromOwnSupply(double v) const {
    BiasCircuit c = *this;
    c.vbb = v;
    return c;
  }
  constexpr BiasCircuit withBeta(double b) const {
    BiasCircuit c = *this;
    c.beta = b;
    return c;
  }

  bool pnp() const { return polarity == DeviceModel::Polarity::Pnp; }
  bool hasOwnBaseSupply() const { return vbb != 0; }
  // What RB of a resistor-fed base is tied to.
  double baseSupply() const { return vbb != 0 ? vbb : vcc; }
  // The base loop's source as the base sees it: the divider's open voltage and resistance, or
  // the base supply behind RB. Collector feedback has no source of its own (0 and 0).
  double theveninVoltage() const;
  double theveninResistance() const;
  // What the load line's slope is set by: everything in series with the collector and emitter.
  double loadLineResistance() const { return rc + re; }
};

inline double BiasCircuit::theveninVoltage() const {
  switch (base) {
    case Base::Divider: return vcc * rb2 / (rb + rb2);
    case Base::Resistor: return pnp() ? 0 : baseSupply();
    case Base::CollectorFeedback: break;
  }
  return 0;
}

inline double BiasCircuit::theveninResistance() const {
  switch (base) {
    case Base::Divider: return rb * rb2 / (rb + rb2);
    case Base::Resistor: return rb;
    case Base::CollectorFeedback: break;
  }
  return 0;
}

}  // namespace apostila::figures
