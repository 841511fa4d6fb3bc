// The circuits of the quiz's last four questions. Their figures draw these values, their
// statements state them, and their right answers are what the hand methods compute from them
// (the named values of the questions, and a test, read them from here).
#pragma once

#include "model/BiasCircuit.h"

namespace apostila::figures {

class QuizCircuits {
 public:
  static constexpr BiasCircuit kQuestion17 = BiasCircuit::fixed(12.0, 470e3, 2.2e3, 100);  // IC and VCE
  // Divider bias, the approximate method.
  static constexpr BiasCircuit kQuestion18 = BiasCircuit::divider(12.0, 10e3, 2.2e3, 3.3e3, 1e3, 100);
  static constexpr BiasCircuit kQuestion19 = BiasCircuit::fixed(15.0, 430e3, 1.5e3, 150);  // load line and Q
  // The switch, driven from a base supply of its own: saturated or not.
  static constexpr BiasCircuit kQuestion20 = BiasCircuit::fixed(12.0, 10e3, 1e3, 100).fromOwnSupply(5.0);
};

}  // namespace apostila::figures
