// The quiz circuits' component values.
#include "QuizCircuits.h"

namespace apostila::figures {

const BaseResistorCircuit QuizCircuits::kQuestion17{.vbb = 12.0, .rb = 470e3, .vcc = 12.0, .rc = 2.2e3, .beta = 100};
const DividerCircuit QuizCircuits::kQuestion18{12.0, 10e3, 2.2e3, 3.3e3, 1e3, 100};
const BaseResistorCircuit QuizCircuits::kQuestion19{.vbb = 15.0, .rb = 430e3, .vcc = 15.0, .rc = 1.5e3, .beta = 150};
const BaseResistorCircuit QuizCircuits::kQuestion20{.vbb = 5.0, .rb = 10e3, .vcc = 12.0, .rc = 1e3, .beta = 100};

}  // namespace apostila::figures
