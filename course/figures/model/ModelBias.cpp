// The bias network solved on the device model by nested bisection: for a trial VBE the
// collector loop fixes VCE, and VBE is moved until the base node's currents balance. Both
// residuals are monotonic in their unknown for every network of the course, so the roots stay
// bracketed and the solution cannot wander off to a point the circuit never reaches.
#include "model/ModelBias.h"

#include <cmath>
#include <stdexcept>

#include "model/RootFinder.h"

namespace apostila::figures {

namespace {

// The circuit as the solver sees it: a source (VTh, RTh) feeding the base, an optional
// resistor from the collector back to the base, RC from the collector to its rail and RE from
// the emitter to its rail.
struct Network {
  DeviceModel::Polarity polarity = DeviceModel::Polarity::Npn;
  double vth = 0;        // V, the base source's open voltage
  double rth = 0;        // Ω, its resistance; 0 when the base has no source of its own
  double rFeedback = 0;  // Ω, collector to base; 0 when there is none
  double rc = 0;
  double re = 0;
  double collectorRail = 0;
  double emitterRail = 0;
};

Network networkOf(const BiasCircuit& c) {
  Network n{.polarity = c.polarity, .vth = c.theveninVoltage(), .rth = c.theveninResistance(), .rc = c.rc, .re = c.re};
  if (c.base == BiasCircuit::Base::CollectorFeedback) n.rFeedback = c.rb;
  (c.pnp() ? n.emitterRail : n.collectorRail) = c.vcc;
  return n;
}

constexpr int kHalvings = 90;

// Finds x in [lo, hi] where f, falling with x, crosses zero.
template <typename F>
double fallingRoot(F f, double lo, double hi, const char* what) {
  if (!(f(lo) >= 0 && f(hi) <= 0)) throw std::domain_error(std::string("bias circuit: no root for ") + what);
  return RootFinder::falling(f, lo, hi, kHalvings);
}

}  // namespace

ModelPoint ModelBias::solve(const BiasCircuit& c, double celsius, const DeviceParameters& p) {
  const Network n = networkOf(c);
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
