// The operating point of a bias circuit solved on the device model rather than by hand: the
// base current, the real VBE and the Early effect all included, at any temperature. The hand
// methods give the textbook's answer; this gives what the transistor of the course would do in
// the same circuit, so that a page can show both and how far apart they are.
//
// Every bias circuit of the course is one network: a Thévenin source (VTh, RTh) feeding the
// base (RB from VCC, or the divider's equivalent), an optional RB from the collector back to
// the base (collector feedback), RC from the collector to its rail and RE from the emitter to
// its rail. An NPN has its collector rail at VCC and its emitter rail at 0 V; a PNP drawn with
// its emitter up has them the other way round.
//
//   BiasNetwork n = BiasNetwork::divider(DividerCircuit{12, 39e3, 8.2e3, 3.3e3, 1e3, 200});
//   ModelPoint q = ModelBias::solve(n);          // q.ic ≈ 1,38 mA, q.vce ≈ 6,07 V
//   ModelPoint hot = ModelBias::solve(n, 75);    // the same circuit at 75 °C
#pragma once

#include "DeviceModel.h"
#include "HandMethods.h"

namespace apostila::figures {

struct BiasNetwork {
  DeviceModel::Polarity polarity = DeviceModel::Polarity::Npn;
  double vth = 0;        // V, the base source's open voltage
  double rth = 0;        // Ω, its resistance; 0 when the base has no source of its own
  double rFeedback = 0;  // Ω, collector to base; 0 when there is none
  double rc = 0;         // Ω
  double re = 0;         // Ω, 0 for an emitter tied straight to its rail
  double collectorRail = 0;  // V
  double emitterRail = 0;    // V

  // RB from VBB (VCC for the single-supply circuits), RE optional.
  static BiasNetwork baseResistor(const BaseResistorCircuit& c);
  static BiasNetwork divider(const DividerCircuit& c);
  static BiasNetwork collectorFeedback(const CollectorFeedbackCircuit& c);
  // A PNP with its emitter up: RE from VCC to the emitter, RC from the collector to ground, RB
  // from the base to ground. The base current flows out through RB.
  static BiasNetwork pnpEmitterUp(double vcc, double rb, double rc, double re);
};

// Node voltages against ground and the terminal currents, with the NPN's signs: for a PNP IB,
// IC and IE come out negative and VBE, VCE too.
struct ModelPoint {
  double vb = 0, vc = 0, ve = 0;
  double ib = 0, ic = 0, ie = 0;
  double vbe = 0, vce = 0;
};

class ModelBias {
 public:
  // Throws std::domain_error where the circuit has no operating point in reach (a network with
  // neither a base source nor feedback, or currents the model cannot give).
  static ModelPoint solve(const BiasNetwork& n, double celsius = DeviceModel::kRoomCelsius,
                          const DeviceParameters& p = {});
};

}  // namespace apostila::figures
