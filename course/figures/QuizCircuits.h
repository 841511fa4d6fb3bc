// The circuits of the quiz's last four questions. Their figures draw these values, their
// statements state them, and their right answers are what the hand methods compute from them
// (the named values of the questions, and a test, read them from here).
#pragma once

#include "HandMethods.h"

namespace apostila::figures {

class QuizCircuits {
 public:
  static const BaseResistorCircuit kQuestion17;  // fixed bias: IC and VCE
  static const DividerCircuit kQuestion18;       // divider bias, the approximate method
  static const BaseResistorCircuit kQuestion19;  // fixed bias: load line and Q
  static const BaseResistorCircuit kQuestion20;  // the switch: saturated or not
};

}  // namespace apostila::figures
