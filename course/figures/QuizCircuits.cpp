// The quiz circuits' values and their solution by the course's transistor model.
#include "QuizCircuits.h"

#include <algorithm>

namespace apostila::figures {

namespace {
// Active region unless β · IB asks for more than the collector circuit can pass.
OperatingPoint finish(double ib, double beta, double vcc, double rCollectorPath) {
  OperatingPoint p;
  p.vceCut = vcc;
  p.icSat = vcc / rCollectorPath;
  if (ib <= 0) {
    p.cutOff = true;
    p.vce = vcc;
    return p;
  }
  p.ib = ib;
  p.ic = beta * ib;
  if (p.ic >= p.icSat) {
    p.saturated = true;
    p.ic = p.icSat;
  }
  p.ie = p.ib + p.ic;
  p.vce = p.saturated ? 0.0 : vcc - p.ic * rCollectorPath;
  return p;
}
}  // namespace

const BaseResistorCircuit QuizCircuits::kQuestion17{12.0, 470e3, 12.0, 2.2e3, 100};
const DividerCircuit QuizCircuits::kQuestion18{12.0, 10e3, 2.2e3, 3.3e3, 1e3, 100};
const BaseResistorCircuit QuizCircuits::kQuestion19{15.0, 430e3, 15.0, 1.5e3, 150};
const BaseResistorCircuit QuizCircuits::kQuestion20{5.0, 10e3, 12.0, 1e3, 100};

OperatingPoint QuizCircuits::solve(const BaseResistorCircuit& c) {
  return finish(std::max(0.0, (c.vbb - kVbe) / c.rb), c.beta, c.vcc, c.rc);
}

OperatingPoint QuizCircuits::solveApproximate(const DividerCircuit& c) {
  OperatingPoint p;
  p.vceCut = c.vcc;
  p.icSat = c.vcc / (c.rc + c.re);
  const double ve = baseVoltage(c) - kVbe;
  if (ve <= 0) {
    p.cutOff = true;
    p.vce = c.vcc;
    return p;
  }
  p.ie = ve / c.re;
  p.ic = p.ie;
  if (p.ic >= p.icSat) {
    p.saturated = true;
    p.ic = p.ie = p.icSat;
  }
  p.ib = p.ic / c.beta;
  p.vce = p.saturated ? 0.0 : c.vcc - p.ic * (c.rc + c.re);
  return p;
}

OperatingPoint QuizCircuits::solveExact(const DividerCircuit& c) {
  const double rth = c.rb1 * c.rb2 / (c.rb1 + c.rb2);
  const double ib = (baseVoltage(c) - kVbe) / (rth + (c.beta + 1) * c.re);
  OperatingPoint p;
  p.vceCut = c.vcc;
  p.icSat = c.vcc / (c.rc + c.re);
  if (ib <= 0) {
    p.cutOff = true;
    p.vce = c.vcc;
    return p;
  }
  p.ib = ib;
  p.ic = c.beta * ib;
  p.ie = (c.beta + 1) * ib;
  p.vce = c.vcc - p.ic * c.rc - p.ie * c.re;
  if (p.vce <= 0) {
    // Saturated: VCE = 0 replaces IC = β · IB, and the two loops with IE = IB + IC fix the rest.
    const double vth = baseVoltage(c) - kVbe;
    p.saturated = true;
    p.vce = 0;
    p.ie = (vth / rth + c.vcc / c.rc) / (1 + c.re / rth + c.re / c.rc);
    p.ib = (vth - c.re * p.ie) / rth;
    p.ic = p.ie - p.ib;
  }
  return p;
}

}  // namespace apostila::figures
