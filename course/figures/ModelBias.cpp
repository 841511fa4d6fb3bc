// The bias network solved on the device model by nested bisection: for a trial VBE the
// collector loop fixes VCE, and VBE is moved until the base node's currents balance. Both
// residuals are monotonic in their unknown for every network of the course, so the roots stay
// bracketed and the solution cannot wander off to a point the circuit never reaches.
#include "ModelBias.h"

#include <cmath>
#include <stdexcept>

namespace apostila::figures {

BiasNetwork BiasNetwork::baseResistor(const BaseResistorCircuit& c) {
  return {.vth = c.vbb, .rth = c.rb, .rc = c.rc, .re = c.re, .collectorRail = c.vcc};
}

BiasNetwork BiasNetwork::divider(const DividerCircuit& c) {
  return {.vth = HandMethods::dividerVoltage(c), .rth = HandMethods::dividerResistance(c), .rc = c.rc, .re = c.re,
          .collectorRail = c.vcc};
}

BiasNetwork BiasNetwork::collectorFeedback(const CollectorFeedbackCircuit& c) {
  return {.rFeedback = c.rb, .rc = c.rc, .collectorRail = c.vcc};
}

BiasNetwork BiasNetwork::pnpEmitterUp(double vcc, double rb, double rc, double re) {
  return {.polarity = DeviceModel::Polarity::Pnp, .vth = 0, .rth = rb, .rc = rc, .re = re, .collectorRail = 0,
          .emitterRail = vcc};
}

namespace {

constexpr int kHalvings = 90;

// Finds x in [lo, hi] where f, falling with x, crosses zero.
template <typename F>
double fallingRoot(F f, double lo, double hi, const char* what) {
  if (!(f(lo) >= 0 && f(hi) <= 0)) throw std::domain_error(std::string("bias circuit: no root for ") + what);
  for (int i = 0; i < kHalvings; ++i) {
    const double mid = (lo + hi) / 2;
    (f(mid) > 0 ? lo : hi) = mid;
  }
  return (lo + hi) / 2;
}

}  // namespace

ModelPoint ModelBias::solve(const BiasNetwork& n, double celsius, const DeviceParameters& p) {
  if (n.rth <= 0 && n.rFeedback <= 0) throw std::domain_error("bias circuit: the base is fed by nothing");
  if (n.rc <= 0 && n.collectorRail == n.emitterRail) throw std::domain_error("bias circuit: no collector supply");
  const DeviceModel q(n.polarity, p);
  // Working in the NPN's frame (s = −1 turns a PNP's voltages and currents over) keeps every
  // residual falling with its unknown.
  const double s = n.polarity == DeviceModel::Polarity::Npn ? 1.0 : -1.0;
  const double span = std::fabs(n.collectorRail - n.emitterRail) + std::fabs(n.vth) + 1;

  // The whole circuit at one VBE and VCE, the currents from the model.
  auto at = [&](double vbe, double vce) {
    ModelPoint m;
    m.vbe = vbe;
    m.vce = vce;
    m.ic = q.collectorCurrent(vbe, vce, celsius);
    m.ib = q.baseCurrent(vbe, vce, celsius);
    m.ie = m.ic + m.ib;
    m.ve = n.emitterRail + n.re * m.ie;
    m.vb = m.ve + vbe;
    m.vc = m.ve + vce;
    return m;
  };
  auto feedback = [&](const ModelPoint& m) { return n.rFeedback > 0 ? (m.vc - m.vb) / n.rFeedback : 0.0; };
  // What RC brings to the collector minus what the collector and the feedback take.
  auto collectorExcess = [&](const ModelPoint& m) {
    const double fromRc = n.rc > 0 ? (n.collectorRail - m.vc) / n.rc : 0.0;
    return fromRc - m.ic - feedback(m);
  };
  auto vceFor = [&](double vbe) {
    return s * fallingRoot([&](double w) { return s * collectorExcess(at(vbe, s * w)); }, -1.0, span, "VCE");
  };
  // What the base source and the feedback bring to the base minus what the base takes.
  auto baseExcess = [&](double u) {
    const double vbe = s * u;
    const ModelPoint m = at(vbe, vceFor(vbe));
    const double fromSource = n.rth > 0 ? (n.vth - m.vb) / n.rth : 0.0;
    return s * (fromSource + feedback(m) - m.ib);
  };
  const double vbe = s * fallingRoot(baseExcess, -0.5, 1.2, "VBE");
  return at(vbe, vceFor(vbe));
}

}  // namespace apostila::figures
