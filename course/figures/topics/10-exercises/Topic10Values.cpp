// The numbers of the six worked bias exercises: every step of each hand solution, the model's
// operating point of the same circuit, and how far apart the two are.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <stdexcept>
#include <tuple>
#include <utility>

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

// The signed change from a to b, in per cent of a.
double change(double a, double b) { return (b / a - 1) * 100; }

// The decimals that show a value to three significant figures in its unit (a value of a
// thousand units or more keeps its whole units).
int threeFigures(double value, const std::string& unit) { return ValueTable::decimalsFor(value, unit, 3); }

// A value as shown with this many decimals in its unit.
double rounded(double value, const std::string& unit, int decimals) {
  const double k = std::pow(10.0, decimals) / ValueTable::scaleOf(unit);
  return std::round(value * k) / k;
}

// A computed result as a learner writes it down, to three significant figures, and the value so
// rounded, which the next step starts from: every printed step then holds for the printed
// numbers. Rounding that carries into a new digit (9,996 -> 10,0) drops a decimal.
double result(ValueTable& t, const std::string& name, double value, const std::string& unit) {
  int decimals = threeFigures(value, unit);
  double r = rounded(value, unit, decimals);
  if (decimals > 0 && threeFigures(r, unit) < decimals) r = rounded(value, unit, --decimals);
  t.add(name, r, unit, decimals);
  return r;
}

// A difference of shown values: exact to the last decimal of the operands it is worked from, and
// no further than three significant figures.
double difference(ValueTable& t, const std::string& name, double value, const std::string& unit, int decimals) {
  decimals = std::min(decimals, threeFigures(value, unit));
  const double r = rounded(value, unit, decimals);
  t.add(name, r, unit, decimals);
  return r;
}

// The decimals a value was shown with.
int decimalsOf(const ValueTable& t, const std::string& name) {
  const std::string& text = t.text(name);
  const auto comma = text.find(',');
  if (comma == std::string::npos) return 0;
  std::size_t end = comma + 1;
  while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]))) ++end;
  return static_cast<int>(end - comma - 1);
}

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

// The hand solution, step by step as the page prints it, each step from the rounded results
// before it. The hand method's own results (HandMethods) check that rounding has not carried
// the chain away from them.
OperatingPoint handSolution(const BiasExercise& e, ValueTable& t) {
  checkKind(e);
  const std::string& x = e.id;
  const BiasCircuit& c = e.circuit;
  const bool isDivider = e.kind == Kind::DividerExact || e.kind == Kind::DividerApproximate;
  t.add(x + ".vcc", c.vcc, "V");
  t.add(x + (isDivider ? ".rb1" : ".rb"), c.rb, ohmsUnit(c.rb));
  if (isDivider) t.add(x + ".rb2", c.rb2, ohmsUnit(c.rb2));
  t.add(x + ".rc", c.rc, ohmsUnit(c.rc));
  if (c.re > 0) t.add(x + ".re", c.re, ohmsUnit(c.re));
  t.add(x + ".beta", c.beta, "");
  const double beta = c.beta, beta1 = c.beta + 1;

  OperatingPoint exact;
  OperatingPoint p;  // the rounded results
  auto collector = [&](double ic, double ie) {
    const double vrc = result(t, x + ".vrc", c.rc * (e.kind == Kind::Feedback ? ie : ic), "V");
    double vce = c.vcc - vrc;
    int decimals = decimalsOf(t, x + ".vrc");
    if (c.re > 0) {
      const double vre = result(t, x + ".vre", c.re * ie, "V");
      vce -= vre;
      decimals = std::max(decimals, decimalsOf(t, x + ".vre"));
    }
    return std::pair{vce, decimals};
  };
  switch (e.kind) {
    case Kind::Fixed:
    case Kind::Emitter:
    case Kind::PnpEmitter:
    case Kind::Feedback: {
      exact = e.kind == Kind::Feedback ? HandMethods::collectorFeedback(c) : HandMethods::baseBias(c);
      t.add(x + ".vrb", c.vcc - kVbe, "V", 1);
      const double loopR = e.kind == Kind::Feedback ? c.rc : c.re;
      double rsum = c.rb;
      if (loopR > 0) {
        t.add(x + ".beta1", beta1, "");
        rsum = e.kind == Kind::Feedback ? result(t, x + ".rsum", beta1 * c.rc + c.rb, "k\u03A9")
                                        : result(t, x + ".rsum", c.rb + beta1 * c.re, "k\u03A9");
      }
      p.ib = result(t, x + ".ib", (c.vcc - kVbe) / rsum, "\u00B5A");
      if (loopR > 0) p.ie = result(t, x + ".ie", beta1 * p.ib, "mA");
      p.ic = result(t, x + ".ic", beta * p.ib, "mA");
      const auto [vce, decimals] = collector(p.ic, p.ie);
      p.vce = difference(t, x + ".vce", vce, "V", decimals);
      break;
    }
    case Kind::DividerExact:
    case Kind::DividerApproximate: {
      if (HandMethods::approximationHolds(c) != (e.kind == Kind::DividerApproximate))
        throw std::logic_error(x + ": the check β · RE ≥ 10 · RB2 must choose the page's method");
      t.add(x + ".beta_re", beta * c.re, "k\u03A9");
      t.add(x + ".ten_rb2", 10 * c.rb2, "k\u03A9");
      const double vth = result(t, x + ".vth", HandMethods::dividerVoltage(c), "V");
      const double vthNet = vth - kVbe;
      const int vthDecimals = decimalsOf(t, x + ".vth");
      // The exact method: the divider's Thévenin equivalent carries the base current.
      auto exactChain = [&](const std::string& prefix, bool shown) {
        ValueTable scratch;
        ValueTable& into = shown ? t : scratch;
        const double rth = result(into, prefix + ".rth", HandMethods::dividerResistance(c), "k\u03A9");
        difference(into, prefix + ".vth_net", vthNet, "V", vthDecimals);
        if (shown) into.add(prefix + ".beta1", beta1, "");
        const double rsum = result(into, prefix + ".rsum", rth + beta1 * c.re, "k\u03A9");
        const double ib = result(into, prefix + ".ib", vthNet / rsum, "\u00B5A");
        const double ie = result(into, prefix + ".ie", beta1 * ib, "mA");
        const double ic = result(into, prefix + ".ic", beta * ib, "mA");
        return std::tuple{ib, ic, ie};
      };
      // The approximate method: IE ≈ IC from the divider's unloaded voltage.
      auto approximateChain = [&](const std::string& prefix, bool shown) {
        ValueTable scratch;
        ValueTable& into = shown ? t : scratch;
        const double ve = difference(into, prefix + ".ve", vthNet, "V", vthDecimals);
        const double ic = result(into, prefix + ".ic", ve / c.re, "mA");
        return ic;
      };
      if (e.kind == Kind::DividerExact) {
        exact = HandMethods::dividerExact(c);
        const auto [ib, ic, ie] = exactChain(x, true);
        p.ib = ib, p.ic = ic, p.ie = ie;
        const auto [vce, decimals] = collector(p.ic, p.ie);
        p.vce = difference(t, x + ".vce", vce, "V", decimals);
        // What the approximate method would have given here, and how far it lies from this.
        const double other = result(t, x + ".other_ic", approximateChain(x + ".apx", false), "mA");
        t.add(x + ".approx_off", change(p.ic, other), "", 1);
      } else {
        exact = HandMethods::dividerApproximate(c);
        t.add(x + ".ve", vthNet, "V", vthDecimals);
        p.ic = result(t, x + ".ic", approximateChain(x + ".apx", false), "mA");
        p.ie = p.ic;
        p.ib = result(t, x + ".ib", p.ic / beta, "\u00B5A");
        t.add(x + ".rcre", c.rc + c.re, "k\u03A9");
        const double vdrop = result(t, x + ".vdrop", p.ic * (c.rc + c.re), "V");
        p.vce = difference(t, x + ".vce", c.vcc - vdrop, "V", decimalsOf(t, x + ".vdrop"));
        // The exact method's result, the base current included, and how far this one lies from it.
        const double other = result(t, x + ".other_ic", std::get<1>(exactChain(x + ".exa", false)), "mA");
        t.add(x + ".approx_off", change(other, p.ic), "", 1);
      }
      break;
    }
  }
  if (exact.saturated || exact.cutOff) throw std::logic_error(x + ": an exercise is worked in the active region");
  if (std::fabs(p.ic - exact.ic) > 0.01 * exact.ic) throw std::logic_error(x + ": rounding carried IC off the hand result");
  if (e.kind == Kind::Fixed) result(t, x + ".ic_sat", c.vcc / c.rc, "mA");
  return p;
}

}  // namespace

const std::vector<BiasExercise>& biasExercises() {
  static const std::vector<BiasExercise> exercises = {
      {"t31", 1, "polarização fixa", "fixa", Kind::Fixed, BiasCircuit::fixed(15, 680e3, 1.8e3, 200)},
      {"t32", 2, "divisor de tensão, método exato", "divisor (exato)", Kind::DividerExact,
       BiasCircuit::divider(15, 150e3, 47e3, 3.3e3, 2.2e3, 200)},
      {"t33", 3, "polarização com resistor de emissor", "emissor", Kind::Emitter, BiasCircuit::fixed(20, 1e6, 2e3, 200, 1e3)},
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
    result(t, x + ".m_vbe", std::fabs(m.vbe), "V");
    const double ib = result(t, x + ".m_ib", std::fabs(m.ib), "\u00B5A");
    const double ic = result(t, x + ".m_ic", std::fabs(m.ic), "mA");
    const double vce = result(t, x + ".m_vce", std::fabs(m.vce), "V");
    // How far the model lies from the hand result, signed, from the two as shown.
    t.add(x + ".d_ib", change(hand.ib, ib), "", 1);
    t.add(x + ".d_ic", change(hand.ic, ic), "", 1);
    t.add(x + ".d_vce", change(hand.vce, vce), "", 1);
  }
}

}  // namespace apostila::figures
