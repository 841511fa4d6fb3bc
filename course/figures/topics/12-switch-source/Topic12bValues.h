// The named values of topic 12's second half, the transistor as a current source (Teoria 52
// to 56), and the circuits they come from, which the figures draw.
#pragma once

#include "ValueTable.h"
#include "model/ZenerCurrentSource.h"

namespace apostila::figures {

// Teoria 52 and 53: a 4 mA source from a 4,7 V zener, and the load resistances the model is
// solved at.
inline constexpr ZenerCurrentSource kTopic12Source{.vcc = 12, .vz = 4.7, .rz = 1e3, .re = 1e3};
// Teoria 54 and 55: three red LEDs driven at 20 mA from a 3,3 V zener, and the resistor that
// sets about the same current when a saturated switch drives them instead.
inline constexpr ZenerCurrentSource kTopic12LedSource{.vcc = 12, .vz = 3.3, .rz = 1e3, .re = 130};
inline constexpr int kTopic12Leds = 3;
inline constexpr double kTopic12LedVoltage = 2.0;  // V, a red LED's forward voltage
inline constexpr double kTopic12LedResistor = 300;
inline constexpr double kTopic12SupplyLow = 10, kTopic12SupplyHigh = 15;  // V, the range of Teoria 55
// Teoria 56: a source designed for 10 mA from a 5,1 V zener, RE rounded to the E24 series, and
// two loads, one inside its range and one beyond it.
inline constexpr ZenerCurrentSource kTopic12Example{.vcc = 15, .vz = 5.1, .rz = 1e3, .re = 430};

}  // namespace apostila::figures
