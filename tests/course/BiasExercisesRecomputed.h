// The named values of the worked bias exercises (Teoria 31 to 37), recomputed by the test's
// own road: the hand formulas written out again, and the model's operating points found by
// Newton's method on the circuits' node equations.
#pragma once

#include <map>
#include <string>

namespace apostila::testing {

std::map<std::string, double> biasExercisesRecomputed();

}  // namespace apostila::testing
