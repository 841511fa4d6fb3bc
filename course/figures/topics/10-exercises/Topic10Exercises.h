// Topic 10, the worked bias exercises (Teoria 31 to 37): the six circuits, one per page, and
// the named values each page states, all from one description so that the values, the
// pictures and the results table cannot drift apart. Each exercise is solved by the hand
// method its page names and, beside it, on the device model (ModelBias).
//
// Value names are the page's prefix ("t31") and a quantity: the components (".vcc", ".rb",
// ".rb1", ".rb2", ".rc", ".re", ".beta"), every intermediate value of the hand solution, the
// hand results ".ib", ".ic", ".vce", the model's ".m_ib", ".m_ic", ".m_vce", ".m_vbe", and how far
// the model lies from the hand result, in per cent of the hand result: ".d_ic", ".d_vce".
#pragma once

#include <string>
#include <vector>

#include "model/BiasCircuit.h"

namespace apostila::figures {

struct BiasExercise {
  enum class Kind {
    Fixed,               // RB from VCC, emitter grounded
    Emitter,             // RB from VCC, RE under the emitter
    DividerExact,        // divider where β · RE < 10 · RB2: solved by the Thévenin equivalent
    DividerApproximate,  // divider where β · RE ≥ 10 · RB2: the approximate method holds
    Feedback,            // RB from the collector
    PnpEmitter,          // a PNP with its emitter up: RE from VCC, RB and RC to ground
  };
  std::string id;     // the page's value prefix: "t31"
  int number;         // "Exercício 1"
  std::string title;       // what the circuit is called on its page
  std::string shortTitle;  // its name in the results table
  Kind kind;           // the hand method the page works it by, which must suit the circuit
  BiasCircuit circuit;
};

// The six exercises in page order.
const std::vector<BiasExercise>& biasExercises();

}  // namespace apostila::figures
