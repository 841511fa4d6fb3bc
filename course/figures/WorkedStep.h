// A worked step: one result that a page or a picture works out in print from two operands
// ("12 V − 5,28 V = 6,72 V"). The step is declared once, beside its values, and everything that
// prints it prints it from the declaration, so that a learner redoing it on paper from the
// numbers as shown gets the result as shown, to its last digit.
#pragma once

#include <string>
#include <vector>

namespace apostila::figures {

enum class Op {
  Sum,
  Difference,
  Product,
  Quotient,
  Change,  // the signed change from a to b, in percent: 100 · (b / a − 1)
};

struct WorkedStep {
  std::string result;  // the result's value name
  Op op;
  // Each a value's name, or a number as printed ("10", "4,3 kΩ"): two, or more for a chain of
  // sums, differences or products ("12 V − 3,3 V − 1,7 V").
  std::vector<std::string> operands;
};

// The result of the operation on the operands' values, left to right.
inline double workedFrom(Op op, const std::vector<double>& v) {
  if (op == Op::Change) return 100 * (v.at(1) / v.at(0) - 1);
  double r = v.at(0);
  for (std::size_t i = 1; i < v.size(); ++i) {
    switch (op) {
      case Op::Sum: r += v[i]; break;
      case Op::Difference: r -= v[i]; break;
      case Op::Product: r *= v[i]; break;
      case Op::Quotient: r /= v[i]; break;
      case Op::Change: break;
    }
  }
  return r;
}

// The sign printed between the operands, with its spaces: " − ", " · ". A change has no sign of
// its own; its two values are printed apart and only the percentage is worked.
inline const char* signOf(Op op) {
  switch (op) {
    case Op::Sum: return " + ";
    case Op::Difference: return " \u2212 ";
    case Op::Product: return " \u00B7 ";
    case Op::Quotient: return " / ";
    case Op::Change: return " \u2192 ";
  }
  return "";
}

}  // namespace apostila::figures
