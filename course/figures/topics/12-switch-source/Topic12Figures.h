// Topic 12 of the theory, first half: the transistor as a switch (Teoria 47 to 51). The
// circuits its values and pictures come from, and its solver on the device model.
#pragma once

#include "model/BiasCircuit.h"
#include "model/DeviceModel.h"

namespace apostila::figures {

// Teoria 47 and 48: a 1 kΩ load on 12 V, driven through 4,7 kΩ by a 0 V / 5 V input.
inline constexpr BiasCircuit kTopic12Switch = BiasCircuit::fixed(12, 4.7e3, 1e3, 100).fromOwnSupply(5);
// Teoria 49: a red LED (about 2 V) with 150 Ω on 5 V, driven through RB by a 5 V logic output.
struct LedDriver {
  double vcc, vin, vled, rled, rb;
};
inline constexpr LedDriver kTopic12Led{.vcc = 5, .vin = 5, .vled = 2, .rled = 150, .rb = 2.2e3};
// Teoria 50: a 12 V relay whose coil has 400 Ω, driven through RB from a 5 V output.
struct RelayDriver {
  double vcc, vin, rcoil, rb;
};
inline constexpr RelayDriver kTopic12Relay{.vcc = 12, .vin = 5, .rcoil = 400, .rb = 1.5e3};

// A switch's circuit solved on the device model: RB from the input to the base, the emitter
// grounded, and a load of resistance r from a supply vLoad to the collector (vLoad is VCC less
// whatever fixed drop the load has, such as an LED's).
struct SwitchPoint {
  double vbe, vce, ib, ic;
};
SwitchPoint solveSwitch(const DeviceModel& q, double vin, double rb, double vLoad, double r);

}  // namespace apostila::figures
