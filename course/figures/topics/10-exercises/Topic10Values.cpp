// The numbers of the six worked bias exercises: every step of each hand solution, the model's
// operating point of the same circuit, and how far apart the two are.
#include <cmath>
#include <stdexcept>

#include "Topics.h"
#include "ValueTable.h"
#include "model/HandMethods.h"
#include "model/ModelBias.h"
#include "topics/10-exercises/Topic10Exercises.h"

namespace apostila::figures {

namespace {

using Kind = BiasExercise::Kind;

constexpr double kVbe = HandMethods::kVbe;

std::string ohmsUnit(double r) { return r >= 1e6 ? "M\u03A9" : r >= 1e3 ? "k\u03A9" : "\u03A9"; }

// How far b lies from a, in per cent of a.
double percentApart(double a, double b) { return std::fabs(b - a) / std::fabs(a) * 100; }

// The kind an exercise names must be the circuit it is worked on.
void checkKind(const BiasExercise& e) {
  const BiasCircuit& c = e.circuit;
  using Base = BiasCircuit::Base;
  bool fits = false;
  switch (e.kind) {
    case Kind::Fixed: fits = c.base == Base::Resistor && !c.pnp() && c.re == 0; break;
    case Kind::Emitter: fits = c.base == Base::Resistor && !c.pnp() && c.re > 0; break;
    case Kind::DividerExact: fits = c.base == Base::Divider && !HandMethods::approximationHolds(c); break;
    case Kind::DividerApproximate: fits = c.base == Base::Divider && HandMethods::approximationHolds(c); break;
    case Kind::Feedback: fits = c.base == Base::CollectorFeedback && c.re == 0; break;
    case Kind::PnpEmitter: fits = c.base == Base::Resistor && c.pnp(); break;
  }
  if (!fits) throw std::logic_error(e.id + ": the exercise's method does not suit its circuit");
}

// The hand solution, with each value a page shows on the way.
OperatingPoint handSolution(const BiasExercise& e, ValueTable& t) {
  checkKind(e);
  const std::string& x = e.id;
  const bool isDivider = e.kind == Kind::DividerExact || e.kind == Kind::DividerApproximate;
  t.add(x + ".vcc", e.circuit.vcc, "V");
  t.add(x + (isDivider ? ".rb1" : ".rb"), e.circuit.rb, ohmsUnit(e.circuit.rb));
  if (isDivider) t.add(x + ".rb2", e.circuit.rb2, ohmsUnit(e.circuit.rb2));
  t.add(x + ".rc", e.circuit.rc, ohmsUnit(e.circuit.rc));
  if (e.circuit.re > 0) t.add(x + ".re", e.circuit.re, ohmsUnit(e.circuit.re));
  t.add(x + ".beta", e.circuit.beta, "");

  OperatingPoint p;
  switch (e.kind) {
    case Kind::Fixed:
    case Kind::Emitter:
    case Kind::PnpEmitter:
      p = HandMethods::baseBias(e.circuit);
      t.add(x + ".vrb", e.circuit.vcc - kVbe, "V", 1);
      if (e.circuit.re > 0) {
        t.add(x + ".beta1", e.circuit.beta + 1, "");
        t.add(x + ".rsum", e.circuit.rb + (e.circuit.beta + 1) * e.circuit.re, "k\u03A9");
        t.add(x + ".ie", p.ie, "mA", 3);
        t.add(x + ".vre", p.ie * e.circuit.re, "V", 3);
      }
      t.add(x + ".vrc", p.ic * e.circuit.rc, "V", 3);
      break;
    case Kind::DividerExact:
    case Kind::DividerApproximate: {
      const BiasCircuit& d = e.circuit;
      if (HandMethods::approximationHolds(d) != (e.kind == Kind::DividerApproximate))
        throw std::logic_error(x + ": the check β · RE ≥ 10 · RB2 must choose the page's method");
      t.add(x + ".beta_re", e.circuit.beta * e.circuit.re, "k\u03A9");
      t.add(x + ".ten_rb2", 10 * e.circuit.rb2, "k\u03A9");
      t.add(x + ".vth", HandMethods::dividerVoltage(d), "V", 2);
      const OperatingPoint exact = HandMethods::dividerExact(d), approx = HandMethods::dividerApproximate(d);
      if (e.kind == Kind::DividerExact) {
        p = exact;
        t.add(x + ".rth", HandMethods::dividerResistance(d), "k\u03A9", 2);
        t.add(x + ".vth_net", HandMethods::dividerVoltage(d) - kVbe, "V", 2);
        t.add(x + ".beta1", e.circuit.beta + 1, "");
        t.add(x + ".rsum", HandMethods::dividerResistance(d) + (e.circuit.beta + 1) * e.circuit.re, "k\u03A9", 1);
        t.add(x + ".ie", p.ie, "mA", 3);
        t.add(x + ".vrc", p.ic * e.circuit.rc, "V", 3);
        t.add(x + ".vre", p.ie * e.circuit.re, "V", 3);
        // What the approximate method would have given here.
        t.add(x + ".other_ic", approx.ic, "mA", 3);
        t.add(x + ".other_vce", approx.vce, "V", 2);
      } else {
        p = approx;
        t.add(x + ".ve", HandMethods::dividerVoltage(d) - kVbe, "V", 2);
        t.add(x + ".rcre", e.circuit.rc + e.circuit.re, "k\u03A9");
        t.add(x + ".vdrop", p.ic * (e.circuit.rc + e.circuit.re), "V", 3);
        // The exact method's result, the base current included.
        t.add(x + ".other_ic", exact.ic, "mA", 3);
        t.add(x + ".other_vce", exact.vce, "V", 2);
      }
      // How far the approximate result lies from the exact one.
      t.add(x + ".approx_off", percentApart(exact.ic, approx.ic), "", 1);
      break;
    }
    case Kind::Feedback:
      p = HandMethods::collectorFeedback(e.circuit);
      t.add(x + ".vrb", e.circuit.vcc - kVbe, "V", 1);
      t.add(x + ".beta1", e.circuit.beta + 1, "");
      t.add(x + ".rsum", (e.circuit.beta + 1) * e.circuit.rc + e.circuit.rb, "k\u03A9");
      t.add(x + ".ie", p.ie, "mA", 3);
      t.add(x + ".vrc", p.ie * e.circuit.rc, "V", 3);
      break;
  }
  if (p.saturated || p.cutOff) throw std::logic_error(x + ": an exercise is worked in the active region");
  if (e.kind == Kind::Fixed) t.add(x + ".ic_sat", p.icSat, "mA", 2);
  t.add(x + ".ib", p.ib, "\u00B5A", 2);
  t.add(x + ".ic", p.ic, "mA", 3);
  t.add(x + ".vce", p.vce, "V", 2);
  return p;
}

}  // namespace

const std::vector<BiasExercise>& biasExercises() {
  static const std::vector<BiasExercise> exercises = {
      {"t31", 1, "polarização fixa", "fixa", Kind::Fixed, BiasCircuit::fixed(15, 680e3, 1.8e3, 200)},
      {"t32", 2, "divisor de tensão, método exato", "divisor (exato)", Kind::DividerExact,
       BiasCircuit::divider(15, 150e3, 47e3, 3.3e3, 2.2e3, 200)},
      {"t33", 3, "polarização do emissor", "emissor", Kind::Emitter, BiasCircuit::fixed(20, 1e6, 2e3, 200, 1e3)},
      {"t34", 4, "realimentação do coletor", "realimentação", Kind::Feedback,
       BiasCircuit::collectorFeedback(12, 470e3, 2.2e3, 200)},
      {"t35", 5, "divisor de tensão, método aproximado", "divisor (aprox.)", Kind::DividerApproximate,
       BiasCircuit::divider(12, 39e3, 8.2e3, 3.3e3, 1e3, 200)},
      {"t36", 6, "transistor PNP", "PNP", Kind::PnpEmitter, BiasCircuit::pnpEmitterUp(12, 680e3, 1.5e3, 1e3, 200)},
  };
  return exercises;
}

void addTopic10Values(ValueTable& t) {
  for (const BiasExercise& e : biasExercises()) {
    const OperatingPoint hand = handSolution(e, t);
    // The model's point, its signs turned for the PNP so that the page states magnitudes.
    const ModelPoint m = ModelBias::solve(e.circuit);
    const std::string& x = e.id;
    t.add(x + ".m_vbe", std::fabs(m.vbe), "V", 3);
    t.add(x + ".m_ib", std::fabs(m.ib), "\u00B5A", 2);
    t.add(x + ".m_ic", std::fabs(m.ic), "mA", 3);
    t.add(x + ".m_vce", std::fabs(m.vce), "V", 2);
    t.add(x + ".d_ib", percentApart(hand.ib, std::fabs(m.ib)), "", 1);
    t.add(x + ".d_ic", percentApart(hand.ic, std::fabs(m.ic)), "", 1);
    t.add(x + ".d_vce", percentApart(hand.vce, std::fabs(m.vce)), "", 1);
  }
}

}  // namespace apostila::figures
