// The operating point of a bias circuit solved on the device model rather than by hand: the
// base current, the real VBE and the Early effect all included, at any temperature. The hand
// methods give the textbook's answer; this gives what the transistor of the course would do in
// the same circuit, so that a page can show both and how far apart they are.
//
// The circuit is the course's one description of it (BiasCircuit.h).
//
//   ModelPoint q = ModelBias::solve(BiasCircuit::divider(12, 39e3, 8.2e3, 3.3e3, 1e3, 200));
//                                                // q.ic ≈ 1,38 mA, q.vce ≈ 6,07 V
//   ModelPoint hot = ModelBias::solve(c, 75);    // a circuit at 75 °C
#pragma once

#include "model/BiasCircuit.h"
#include "model/DeviceModel.h"

namespace apostila::figures {

// Node voltages against ground and the terminal currents, with the NPN's signs: for a PNP IB,
// IC and IE come out negative and VBE, VCE too.
struct ModelPoint {
  double vb = 0, vc = 0, ve = 0;
  double ib = 0, ic = 0, ie = 0;
  double vbe = 0, vce = 0;
};

class ModelBias {
 public:
  // Throws std::domain_error where the circuit has no operating point in reach (a base fed by
  // nothing, no collector supply, or currents the model cannot give).
  static ModelPoint solve(const BiasCircuit& c, double celsius = DeviceModel::kRoomCelsius,
                          const DeviceParameters& p = {});
};

}  // namespace apostila::figures
