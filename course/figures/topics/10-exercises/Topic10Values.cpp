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

// The decimals that show a value to three significant figures in its unit (a value of a
// thousand units or more keeps its whole units).
int threeFigures(double value, const std::string& unit) { return ValueTable::decimalsFor(value, unit, 3); }

// A value as shown with this many decimals in its unit.
double rounded(double value, const std::string& unit, int decimals) {
  const double k = std::pow(10.0, decimals) / ValueTable::scaleOf(unit);
  return std::round(value * k) / k;
}

// The decimals a computed result is written down with: three significant figures, and no more
// than most. Rounding that carries into a new digit (9,996 -> 10,0) drops a decimal.
int shownDecimals(double value, const std::string& unit, int most = 6) {
  int decimals = std::min(most, threeFigures(value, unit));
  if (decimals > 0 && threeFigures(rounded(value, unit, decimals), unit) < decimals) --decimals;
  return decimals;
}

// A computed result as a learner writes it down, and the value so rounded, which the next step
// starts from: every printed step then holds for the printed numbers.
double result(ValueTable& t, const std::string& name, double value, const std::string& unit) {
  const int decimals = shownDecimals(value, unit);
  const double r = rounded(value, unit, decimals);
  t.add(name, r, unit, decimals);
  return r;
}

// A step worked in print from its operands as printed, to three significant figures as result
// rounds it (no more decimals than given, for a difference of shown values), declared so that
// the page prints it from the declaration.
double step(ValueTable& t, const std::string& name, Op op, const std::vector<std::string>& operands,
            const std::string& unit, int mostDecimals = 6) {
  std::vector<double> values;
  for (const std::string& o : operands) values.push_back(t.printed(o));
  t.work(name, op, operands, unit, shownDecimals(workedFrom(op, values), unit, mostDecimals));
  return t.shown(name);
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
  // VCE = VCC − RC · IC (− RE · IE), worked to the last decimal of its drops; the PNP meets RE
  // first, and its page subtracts the drops in that order.
  auto collector = [&] {
    step(t, x + ".vrc", Op::Product, {x + ".rc", x + (e.kind == Kind::Feedback ? ".ie" : ".ic")}, "V");
    int decimals = decimalsOf(t, x + ".vrc");
    std::vector<std::string> chain{x + ".vcc", x + ".vrc"};
    if (c.re > 0) {
      step(t, x + ".vre", Op::Product, {x + ".re", x + ".ie"}, "V");
      decimals = std::max(decimals, decimalsOf(t, x + ".vre"));
      chain.insert(chain.begin() + (c.pnp() ? 1 : 2), x + ".vre");
    }
    return step(t, x + ".vce", Op::Difference, chain, "V", decimals);
  };
  switch (e.kind) {
    case Kind::Fixed:
    case Kind::Emitter:
    case Kind::PnpEmitter:
    case Kind::Feedback: {
      exact = e.kind == Kind::Feedback ? HandMethods::collectorFeedback(c) : HandMethods::baseBias(c);
      t.work(x + ".vrb", x + ".vcc", Op::Difference, "hand.vbe", "V", 1);
      const double loopR = e.kind == Kind::Feedback ? c.rc : c.re;
      if (loopR > 0) {
        t.add(x + ".beta1", beta1, "");
        result(t, x + ".rsum", c.rb + beta1 * loopR, "k\u03A9");
      }
      p.ib = step(t, x + ".ib", Op::Quotient, {x + ".vrb", x + (loopR > 0 ? ".rsum" : ".rb")}, "\u00B5A");
      if (loopR > 0) p.ie = step(t, x + ".ie", Op::Product, {x + ".beta1", x + ".ib"}, "mA");
      p.ic = step(t, x + ".ic", Op::Product, {x + ".beta", x + ".ib"}, "mA");
      p.vce = collector();
      break;
    }
    case Kind::DividerExact:
    case Kind::DividerApproximate: {
      if (HandMethods::approximationHolds(c) != (e.kind == Kind::DividerApproximate))
        throw std::logic_error(x + ": the check β · RE ≥ 10 · RB2 must choose the page's method");
      t.work(x + ".beta_re", x + ".beta", Op::Product, x + ".re", "k\u03A9");
      t.work(x + ".ten_rb2", "10", Op::Product, x + ".rb2", "k\u03A9");
      const double vth = result(t, x + ".vth", HandMethods::dividerVoltage(c), "V");
      const double vthNet = vth - kVbe;
      const int vthDecimals = decimalsOf(t, x + ".vth");
      // The exact method: the divider's Thévenin equivalent carries the base current.
      auto exactChain = [&](const std::string& prefix, bool shown) {
        ValueTable scratch;
        ValueTable& into = shown ? t : scratch;
        const double rth = result(into, prefix + ".rth", HandMethods::dividerResistance(c), "k\u03A9");
        if (!shown) {
          // The other method's result, for comparison only: worked, not printed step by step.
          const double rsum = result(into, prefix + ".rsum", rth + beta1 * c.re, "k\u03A9");
          const double ib = result(into, prefix + ".ib", vthNet / rsum, "\u00B5A");
          return std::tuple{ib, result(into, prefix + ".ic", beta * ib, "mA"), result(into, prefix + ".ie", beta1 * ib, "mA")};
        }
        t.work(x + ".vth_net", x + ".vth", Op::Difference, "hand.vbe", "V", std::min(vthDecimals, threeFigures(vthNet, "V")));
        t.add(x + ".beta1", beta1, "");
        result(t, x + ".rsum", rth + beta1 * c.re, "k\u03A9");
        const double ib = step(t, x + ".ib", Op::Quotient, {x + ".vth_net", x + ".rsum"}, "\u00B5A");
        const double ie = step(t, x + ".ie", Op::Product, {x + ".beta1", x + ".ib"}, "mA");
        const double ic = step(t, x + ".ic", Op::Product, {x + ".beta", x + ".ib"}, "mA");
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
        p.vce = collector();
        // What the approximate method would have given here, and how far it lies from this.
        result(t, x + ".other_ic", approximateChain(x + ".apx", false), "mA");
        t.work(x + ".approx_off", x + ".ic", Op::Change, x + ".other_ic", "", 1);
      } else {
        exact = HandMethods::dividerApproximate(c);
        t.work(x + ".ve", x + ".vth", Op::Difference, "hand.vbe", "V", vthDecimals);
        p.ic = step(t, x + ".ic", Op::Quotient, {x + ".ve", x + ".re"}, "mA");
        p.ie = p.ic;
        p.ib = step(t, x + ".ib", Op::Quotient, {x + ".ic", x + ".beta"}, "\u00B5A");
        t.work(x + ".rcre", x + ".rc", Op::Sum, x + ".re", "k\u03A9");
        step(t, x + ".vdrop", Op::Product, {x + ".ic", x + ".rcre"}, "V");
        p.vce = step(t, x + ".vce", Op::Difference, {x + ".vcc", x + ".vdrop"}, "V", decimalsOf(t, x + ".vdrop"));
        // The exact method's result, the base current included, and how far this one lies from it.
        result(t, x + ".other_ic", std::get<1>(exactChain(x + ".exa", false)), "mA");
        t.work(x + ".approx_off", x + ".other_ic", Op::Change, x + ".ic", "", 1);
      }
      break;
    }
  }
  if (exact.saturated || exact.cutOff) throw std::logic_error(x + ": an exercise is worked in the active region");
  if (std::fabs(p.ic - exact.ic) > 0.01 * exact.ic) throw std::logic_error(x + ": rounding carried IC off the hand result");
  if (e.kind == Kind::Fixed) step(t, x + ".ic_sat", Op::Quotient, {x + ".vcc", x + ".rc"}, "mA");
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
    handSolution(e, t);
    // The model's point, its signs turned for the PNP so that the page states magnitudes.
    const ModelPoint m = ModelBias::solve(e.circuit);
    const std::string& x = e.id;
    result(t, x + ".m_vbe", std::fabs(m.vbe), "V");
    // How far the model lies from the hand result, signed, from the two as shown.
    const struct {
      const char* q;
      double value;
      const char* unit;
    } model[] = {{"ib", m.ib, "\u00B5A"}, {"ic", m.ic, "mA"}, {"vce", m.vce, "V"}};
    for (const auto& [q, value, unit] : model) {
      result(t, x + ".m_" + q, std::fabs(value), unit);
      t.work(x + ".d_" + q, x + "." + q, Op::Change, x + ".m_" + q, "", 1);
    }
  }
}

}  // namespace apostila::figures
