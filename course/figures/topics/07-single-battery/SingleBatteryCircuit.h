// The single-battery circuit of Teoria 17 and 18, which Teoria 22 takes again with transistors
// of other β.
#pragma once

#include "model/BiasCircuit.h"

namespace apostila::figures {

inline constexpr BiasCircuit kSingleBatteryCircuit = BiasCircuit::fixed(12.0, 560e3, 2.2e3, 120);

}  // namespace apostila::figures
