// The hand methods' operating points.
#include "model/HandMethods.h"

namespace apostila::figures {

namespace {

OperatingPoint cutOff(double vcc, double rPath) {
  OperatingPoint p;
  p.icSat = vcc / rPath;
  p.vceCut = vcc;
  p.cutOff = true;
  p.vce = vcc;
  return p;
}

// The active-region point for this IB, or saturation where β · IB asks for more than the
// collector circuit can pass. RE carries IE = IB + IC.
OperatingPoint fromBaseCurrent(double ib, double beta, double vcc, double rc, double re) {
  OperatingPoint p = cutOff(vcc, rc + re);
  if (ib <= 0) return p;
  p.cutOff = false;
  p.ib = ib;
  p.ic = beta * ib;
  p.ie = p.ib + p.ic;
  p.vce = vcc - p.ic * rc - p.ie * re;
  if (p.ic >= p.icSat || p.vce <= 0) {
    p.saturated = true;
    p.ic = p.icSat;
    p.ie = p.ib + p.ic;
    p.vce = 0;
  }
  return p;
}

}  // namespace

OperatingPoint HandMethods::baseBias(const BiasCircuit& c) {
  return fromBaseCurrent((c.baseSupply() - kVbe) / (c.rb + (c.beta + 1) * c.re), c.beta, c.vcc, c.rc, c.re);
}

OperatingPoint HandMethods::dividerApproximate(const BiasCircuit& c) {
  const double ve = dividerVoltage(c) - kVbe;
  if (ve <= 0) return cutOff(c.vcc, c.rc + c.re);
  OperatingPoint p = cutOff(c.vcc, c.rc + c.re);
  p.cutOff = false;
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

OperatingPoint HandMethods::dividerExact(const BiasCircuit& c) {
  const double rth = dividerResistance(c), vth = dividerVoltage(c) - kVbe;
  const double ib = vth / (rth + (c.beta + 1) * c.re);
  if (ib <= 0) return cutOff(c.vcc, c.rc + c.re);
  OperatingPoint p = cutOff(c.vcc, c.rc + c.re);
  p.cutOff = false;
  p.ib = ib;
  p.ic = c.beta * ib;
  p.ie = (c.beta + 1) * ib;
  p.vce = c.vcc - p.ic * c.rc - p.ie * c.re;
  if (p.vce <= 0) {
    // Saturated: VCE = 0 replaces IC = β · IB, and the two loops with IE = IB + IC fix the rest.
    p.saturated = true;
    p.vce = 0;
    p.ie = (vth / rth + c.vcc / c.rc) / (1 + c.re / rth + c.re / c.rc);
    p.ib = (vth - c.re * p.ie) / rth;
    p.ic = p.ie - p.ib;
  }
  return p;
}

OperatingPoint HandMethods::collectorFeedback(const BiasCircuit& c) {
  const double ib = (c.vcc - kVbe) / ((c.beta + 1) * c.rc + c.rb);
  OperatingPoint p = cutOff(c.vcc, c.rc);
  if (ib <= 0) return p;
  p.cutOff = false;
  p.ib = ib;
  p.ic = c.beta * ib;
  p.ie = p.ib + p.ic;
  p.vce = c.vcc - p.ie * c.rc;
  return p;
}

}  // namespace apostila::figures
