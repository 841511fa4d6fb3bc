// Topic 11 of the theory, the DC load line (Teoria 38 to 46): the circuits its pages draw, the
// operating point of each found on the device model's own output curves, its pictures and its
// named values.
#pragma once

#include "Figures.h"
#include "ValueTable.h"
#include "model/BiasCircuit.h"

namespace apostila::figures {

// Where the circuit sits on its load line: the base current the base loop lets through and the
// point where that current's output curve meets the line.
struct LoadLinePoint {
  double ib, ic, vce;
};

namespace topic11 {
// The circuit of Teoria 39 to 43 and of the summary.
inline constexpr BiasCircuit kCircuit{.vcc = 12, .rb = 820e3, .rc = 2.2e3};
// Teoria 41: the same collector with a resistor in the emitter.
inline constexpr BiasCircuit kWithEmitter{.vcc = 12, .rb = 1e6, .rc = 2.2e3, .re = 1e3};
// Teoria 42: one part of kCircuit changed at a time.
inline constexpr double kRbLower = 560e3, kRbHigher = 1.5e6, kRcHigher = 3.3e3, kVccLower = 9;
// Teoria 44: the first worked example.
inline constexpr BiasCircuit kExample1{.vcc = 10, .rb = 330e3, .rc = 1e3};
// Teoria 45: the second example looks for the RB that puts Q in the middle of this line.
inline constexpr double kExample2Vcc = 9, kExample2Rc = 1.5e3;
// Worked by hand with the course's β; the RB found is rounded to this commercial value.
inline constexpr double kExample2Beta = 200, kExample2Rb = 560e3;
}  // namespace topic11

// The circuits are fixed bias, RB from VCC (BiasCircuit.h); the pages use no β of theirs, the
// model's output curves give IC. The base loop solved with VBE = 0,7 V, VCC = RB · IB + VBE + RE · (IC + IB), where IC is the
// model's output curve for that IB where it meets the line VCE = VCC − (RC + RE) · IC.
LoadLinePoint loadLinePoint(const BiasCircuit& c);

}  // namespace apostila::figures
