// The worked bias exercises checked by a road of their own. Each circuit is written as its
// resistors between nodes and solved on the device model by Newton's method on the node
// voltages (Kirchhoff's current law at base, collector and emitter), which shares nothing with
// the circuit solver the pages use but the transistor's two current functions. The model
// results the pages state must agree within 1 %, and so must their stated differences from the
// hand results, which are recomputed here from the textbook formulas.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>
#include <stdexcept>
#include <tuple>
#include <vector>

#include "BiasExercisesRecomputed.h"
#include "ValuesFile.h"
#include "model/DeviceModel.h"
#include "model/ModelBias.h"
#include "topics/10-exercises/Topic10Exercises.h"

namespace apostila::testing {
namespace {

using figures::BiasExercise;
using figures::DeviceModel;
using Kind = BiasExercise::Kind;

enum Node { kGround, kSupply, kBase, kCollector, kEmitter };

struct Resistor {
  Node a, b;
  double ohms;
};

struct Circuit {
  DeviceModel::Polarity polarity = DeviceModel::Polarity::Npn;
  double vcc = 0;
  std::vector<Resistor> resistors;  // an emitter with no resistor is tied to ground
};

struct Solution {
  double vb, vc, ve, ib, ic;
};

Circuit circuitOf(const BiasExercise& e) {
  Circuit c{.vcc = e.circuit.vcc, .resistors = {}};
  switch (e.kind) {
    case Kind::Fixed:
    case Kind::Emitter:
      c.resistors = {{kSupply, kBase, e.circuit.rb}, {kSupply, kCollector, e.circuit.rc}};
      break;
    case Kind::DividerExact:
    case Kind::DividerApproximate:
      c.resistors = {{kSupply, kBase, e.circuit.rb}, {kBase, kGround, e.circuit.rb2}, {kSupply, kCollector, e.circuit.rc}};
      break;
    case Kind::Feedback:
      c.resistors = {{kCollector, kBase, e.circuit.rb}, {kSupply, kCollector, e.circuit.rc}};
      break;
    case Kind::PnpEmitter:
      c.polarity = DeviceModel::Polarity::Pnp;
      c.resistors = {{kBase, kGround, e.circuit.rb}, {kCollector, kGround, e.circuit.rc}, {kSupply, kEmitter, e.circuit.re}};
      return c;
  }
  if (e.circuit.re > 0) c.resistors.push_back({kEmitter, kGround, e.circuit.re});
  return c;
}

// Newton's method on the node voltages, the Jacobian by central differences, each step held
// to 50 mV so that the exponentials never run away from a poor start.
Solution newton(const Circuit& c, double celsius = 25) {
  const DeviceModel q(c.polarity);
  bool emitterFree = false;
  for (const Resistor& r : c.resistors) emitterFree |= r.a == kEmitter || r.b == kEmitter;
  const int n = emitterFree ? 3 : 2;
  const double s = c.polarity == DeviceModel::Polarity::Npn ? 1 : -1;
  // Start: an NPN's emitter at ground and base 0,7 V above; a PNP's emitter near VCC.
  std::array<double, 3> v{};  // base, collector, emitter
  v[2] = s > 0 ? 0 : c.vcc - 0.5;
  v[0] = v[2] + s * 0.7;
  v[1] = c.vcc / 2;
  auto residual = [&](const std::array<double, 3>& x) {
    const double nodes[] = {0, c.vcc, x[0], x[1], emitterFree ? x[2] : 0};
    std::array<double, 3> f{};
    const double ic = q.collectorCurrent(x[0] - nodes[kEmitter], x[1] - nodes[kEmitter], celsius);
    const double ib = q.baseCurrent(x[0] - nodes[kEmitter], x[1] - nodes[kEmitter], celsius);
    f[0] = -ib;
    f[1] = -ic;
    f[2] = ic + ib;
    for (const Resistor& r : c.resistors) {
      const double i = (nodes[r.a] - nodes[r.b]) / r.ohms;  // from a to b
      if (r.a >= kBase) f[r.a - kBase] -= i;
      if (r.b >= kBase) f[r.b - kBase] += i;
    }
    return f;
  };
  for (int iter = 0; iter < 500; ++iter) {
    const auto f = residual(v);
    double jac[3][3];
    for (int j = 0; j < n; ++j) {
      auto hi = v, lo = v;
      hi[j] += 1e-7;
      lo[j] -= 1e-7;
      const auto fh = residual(hi), fl = residual(lo);
      for (int i = 0; i < n; ++i) jac[i][j] = (fh[i] - fl[i]) / 2e-7;
    }
    // Gaussian elimination with partial pivoting on the n x n system J · dx = −f.
    double a[3][4];
    for (int i = 0; i < n; ++i) {
      for (int j = 0; j < n; ++j) a[i][j] = jac[i][j];
      a[i][n] = -f[i];
    }
    for (int k = 0; k < n; ++k) {
      int p = k;
      for (int i = k + 1; i < n; ++i)
        if (std::fabs(a[i][k]) > std::fabs(a[p][k])) p = i;
      for (int j = 0; j <= n; ++j) std::swap(a[k][j], a[p][j]);
      for (int i = k + 1; i < n; ++i) {
        const double m = a[i][k] / a[k][k];
        for (int j = k; j <= n; ++j) a[i][j] -= m * a[k][j];
      }
    }
    std::array<double, 3> dx{};
    for (int i = n - 1; i >= 0; --i) {
      double sum = a[i][n];
      for (int j = i + 1; j < n; ++j) sum -= a[i][j] * dx[j];
      dx[i] = sum / a[i][i];
    }
    double biggest = 0;
    for (int i = 0; i < n; ++i) biggest = std::fmax(biggest, std::fabs(dx[i]));
    const double scale = biggest > 0.05 ? 0.05 / biggest : 1;
    for (int i = 0; i < n; ++i) v[i] += scale * dx[i];
    if (biggest < 1e-12) break;
  }
  const double ve = emitterFree ? v[2] : 0;
  const double ic = q.collectorCurrent(v[0] - ve, v[1] - ve, celsius), ib = q.baseCurrent(v[0] - ve, v[1] - ve, celsius);
  const auto f = residual(v);
  for (int i = 0; i < n; ++i)
    if (std::fabs(f[i]) > 1e-12) throw std::runtime_error("Newton did not converge");
  return {v[0], v[1], ve, ib, ic};
}

// A result to three significant figures in the unit it is shown in (a thousand units or more
// keep their whole units), as a learner writes it down before the next step.
double three(double value, double unit) {
  const double shown = std::fabs(value / unit);
  if (shown == 0) return 0;  // no digits to count (a divider that is not there)
  const double k = std::pow(10.0, std::max(0, 2 - static_cast<int>(std::floor(std::log10(shown))))) / unit;
  return std::round(value * k) / k;
}

constexpr double kMicro = 1e-6, kMilli = 1e-3, kKilo = 1e3;

// The signed change from a to b, in per cent of a.
double change(double a, double b) { return (b / a - 1) * 100; }

}  // namespace

// The hand solutions worked the way the pages print them: each result rounded to three figures
// and the next step started from it; a difference of shown values is exact.
std::map<std::string, double> biasExercisesRecomputed() {
  std::map<std::string, double> r;
  for (const BiasExercise& e : figures::biasExercises()) {
    const std::string& x = e.id;
    const auto& c = e.circuit;
    const bool divider = e.kind == Kind::DividerExact || e.kind == Kind::DividerApproximate;
    const double b = c.beta, vbe = 0.7;
    r[x + ".vcc"] = c.vcc;
    r[x + (divider ? ".rb1" : ".rb")] = c.rb;
    if (divider) r[x + ".rb2"] = c.rb2;
    r[x + ".rc"] = c.rc;
    if (c.re > 0) r[x + ".re"] = c.re;
    r[x + ".beta"] = b;
    double ib = 0, ic = 0, ie = 0, vce = 0;
    // The collector loop from the shown IC and IE.
    auto collectorLoop = [&](double icForRc) {
      const double vrc = three(c.rc * icForRc, 1);
      r[x + ".vrc"] = vrc;
      vce = c.vcc - vrc;
      if (c.re > 0) {
        const double vre = three(c.re * ie, 1);
        r[x + ".vre"] = vre;
        vce -= vre;
      }
    };
    // IB through the loop's resistance, then IC and IE from it.
    auto baseLoop = [&](double net, double rsum) {
      ib = three(net / rsum, kMicro);
      ic = three(b * ib, kMilli);
      ie = three((b + 1) * ib, kMilli);
    };
    const double vth = three(c.vcc * c.rb2 / (c.rb + c.rb2), 1);
    // The exact divider's IC from the shown VTh, RTh and their sum.
    auto exactIc = [&] {
      const double rth = three(c.rb * c.rb2 / (c.rb + c.rb2), kKilo), rsum = three(rth + (b + 1) * c.re, kKilo);
      return std::tuple{rth, rsum, three(b * three((vth - vbe) / rsum, kMicro), kMilli)};
    };
    switch (e.kind) {
      case Kind::Fixed:
        r[x + ".vrb"] = c.vcc - vbe;
        baseLoop(c.vcc - vbe, c.rb);
        collectorLoop(ic);
        r[x + ".ic_sat"] = c.vcc / c.rc;
        break;
      case Kind::Emitter:
      case Kind::PnpEmitter:
      case Kind::Feedback: {
        const double loopR = e.kind == Kind::Feedback ? c.rc : c.re;
        const double rsum = three(c.rb + (b + 1) * loopR, kKilo);
        r[x + ".vrb"] = c.vcc - vbe;
        r[x + ".beta1"] = b + 1;
        r[x + ".rsum"] = rsum;
        baseLoop(c.vcc - vbe, rsum);
        r[x + ".ie"] = ie;
        collectorLoop(e.kind == Kind::Feedback ? ie : ic);
        break;
      }
      case Kind::DividerExact: {
        EXPECT_LT(b * c.re, 10 * c.rb2) << x << " is worked by the exact method because the check fails";
        const auto [rth, rsum, icExact] = exactIc();
        r[x + ".rth"] = rth;
        r[x + ".vth_net"] = vth - vbe;
        r[x + ".beta1"] = b + 1;
        r[x + ".rsum"] = rsum;
        baseLoop(vth - vbe, rsum);
        r[x + ".ie"] = ie;
        collectorLoop(ic);
        const double approx = three((vth - vbe) / c.re, kMilli);
        r[x + ".other_ic"] = approx;
        r[x + ".approx_off"] = change(ic, approx);
        break;
      }
      case Kind::DividerApproximate: {
        EXPECT_GE(b * c.re, 10 * c.rb2) << x << " is worked by the approximate method because the check holds";
        r[x + ".ve"] = vth - vbe;
        ic = three((vth - vbe) / c.re, kMilli);
        ib = three(ic / b, kMicro);
        r[x + ".rcre"] = c.rc + c.re;
        const double vdrop = three(ic * (c.rc + c.re), 1);
        r[x + ".vdrop"] = vdrop;
        vce = c.vcc - vdrop;
        const double exact = std::get<2>(exactIc());
        r[x + ".other_ic"] = exact;
        r[x + ".approx_off"] = change(exact, ic);
        break;
      }
    }
    if (divider) {
      r[x + ".beta_re"] = b * c.re;
      r[x + ".ten_rb2"] = 10 * c.rb2;
      r[x + ".vth"] = vth;
    }
    vce = three(vce, 1);  // a difference of shown values, to three figures at most
    r[x + ".ib"] = ib;
    r[x + ".ic"] = ic;
    r[x + ".vce"] = vce;
    // The model's point by Newton, shown to three figures, and how far it lies from the hand
    // results as both are shown.
    const Solution m = newton(circuitOf(e));
    const double mIc = three(std::fabs(m.ic), kMilli), mIb = three(std::fabs(m.ib), kMicro);
    const double mVce = three(std::fabs(m.vc - m.ve), 1);
    r[x + ".m_vbe"] = std::fabs(m.vb - m.ve);
    r[x + ".m_ib"] = mIb;
    r[x + ".m_ic"] = mIc;
    r[x + ".m_vce"] = mVce;
    r[x + ".d_ib"] = change(ib, mIb);
    r[x + ".d_ic"] = change(ic, mIc);
    r[x + ".d_vce"] = change(vce, mVce);
  }
  return r;
}

namespace {

double shownValue(const std::string& text) { return readShown(text).value; }

TEST(BiasExercises, EachPageStatesTheModelResultNewtonFindsWithinOnePerCent) {
  const auto file = valuesFile();
  const auto expected = biasExercisesRecomputed();
  for (const BiasExercise& e : figures::biasExercises()) {
    SCOPED_TRACE(e.id);
    for (const char* q : {".m_vbe", ".m_ib", ".m_ic", ".m_vce"}) {
      const std::string name = e.id + q;
      ASSERT_TRUE(file.count(name)) << name;
      EXPECT_NEAR(shownValue(file.at(name)), expected.at(name), 0.01 * expected.at(name)) << name;
    }
    // The stated differences between the hand and the model results, within 1 % of themselves
    // and the half-step of their last digit.
    for (const char* q : {".d_ib", ".d_ic", ".d_vce"}) {
      const std::string name = e.id + q;
      ASSERT_TRUE(file.count(name)) << name;
      EXPECT_NEAR(shownValue(file.at(name)), expected.at(name), 0.01 * std::fabs(expected.at(name)) + 0.05) << name;
    }
  }
}

// A learner checks the pages' steps with the numbers as they stand. A difference of shown
// numbers must give the shown result to its last digit; a product or a quotient may be off by
// what the rounding of its operands carries into it, and no more.
TEST(BiasExercises, TheWorkedStepsHoldForTheNumbersAsShown) {
  const auto file = valuesFile();
  for (const BiasExercise& e : figures::biasExercises()) {
    SCOPED_TRACE(e.id);
    auto at = [&](const std::string& q) {
      const std::string name = q.rfind("hand.", 0) == 0 ? q : e.id + "." + q;
      EXPECT_TRUE(file.count(name)) << name;
      return file.count(name) ? readShown(file.at(name)) : Shown{};
    };
    auto difference = [&](const std::string& result, const std::string& from, std::vector<std::string> minus) {
      double v = at(from).value;
      for (const std::string& m : minus) v -= at(m).value;
      EXPECT_NEAR(v, at(result).value, at(result).tolerance) << result << " = " << from << " minus the rest";
    };
    auto product = [&](const std::string& result, const std::string& a, const std::string& b) {
      const Shown x = at(a), y = at(b), r = at(result);
      EXPECT_NEAR(x.value * y.value, r.value, r.tolerance + x.tolerance * y.value + y.tolerance * x.value)
          << result << " = " << a << " · " << b;
    };
    auto quotient = [&](const std::string& result, const std::string& a, const std::string& b) {
      const Shown x = at(a), y = at(b), r = at(result);
      EXPECT_NEAR(x.value / y.value, r.value,
                  r.tolerance + x.tolerance / y.value + x.value * y.tolerance / (y.value * y.value))
          << result << " = " << a << " / " << b;
    };
    const bool carriesIe = e.kind != Kind::Fixed && e.kind != Kind::DividerApproximate;
    if (e.kind == Kind::DividerApproximate) {
      difference("ve", "vth", {"hand.vbe"});
      quotient("ic", "ve", "re");
      quotient("ib", "ic", "beta");
      product("vdrop", "ic", "rcre");
      difference("vce", "vcc", {"vdrop"});
    } else {
      product("ic", "beta", "ib");
      if (e.kind == Kind::DividerExact) {
        difference("vth_net", "vth", {"hand.vbe"});
        quotient("ib", "vth_net", "rsum");
      } else {
        difference("vrb", "vcc", {"hand.vbe"});
        quotient("ib", "vrb", e.kind == Kind::Fixed ? "rb" : "rsum");
      }
      if (carriesIe) product("ie", "beta1", "ib");
      product("vrc", "rc", e.kind == Kind::Feedback ? "ie" : "ic");
      if (e.circuit.re > 0) product("vre", "re", "ie");
      difference("vce", "vcc", e.circuit.re > 0 ? std::vector<std::string>{"vrc", "vre"} : std::vector<std::string>{"vrc"});
    }
    if (e.kind == Kind::Fixed) quotient("ic_sat", "vcc", "rc");
    if (e.kind == Kind::DividerExact || e.kind == Kind::DividerApproximate) {
      product("beta_re", "beta", "re");
      EXPECT_NEAR(10 * at("rb2").value, at("ten_rb2").value, at("ten_rb2").tolerance);
    }
  }
}

// The page solver against Newton beyond the pages' circuits: a transistor driven into
// saturation, one barely conducting, a hot one, and a PNP mirrored from an NPN circuit.
TEST(BiasExercises, ThePageSolverAgreesWithNewtonAcrossTheRegions) {
  using figures::BiasCircuit;
  using figures::ModelBias;
  const struct {
    const char* what;
    Circuit circuit;
    BiasCircuit network;
    double celsius;
  } cases[] = {
      {"saturated fixed bias", {.vcc = 10, .resistors = {{kSupply, kBase, 47e3}, {kSupply, kCollector, 2.2e3}}},
       BiasCircuit::fixed(10, 47e3, 2.2e3, 200), 25},
      {"barely conducting divider",
       {.vcc = 12, .resistors = {{kSupply, kBase, 200e3}, {kBase, kGround, 10e3}, {kSupply, kCollector, 4.7e3},
                                 {kEmitter, kGround, 1e3}}},
       BiasCircuit::divider(12, 200e3, 10e3, 4.7e3, 1e3, 200), 25},
      {"emitter bias at 75 °C",
       {.vcc = 20, .resistors = {{kSupply, kBase, 1e6}, {kSupply, kCollector, 2e3}, {kEmitter, kGround, 1e3}}},
       BiasCircuit::fixed(20, 1e6, 2e3, 200, 1e3), 75},
      {"PNP with its emitter up",
       {.polarity = DeviceModel::Polarity::Pnp, .vcc = 9,
        .resistors = {{kBase, kGround, 330e3}, {kCollector, kGround, 1e3}, {kSupply, kEmitter, 1.2e3}}},
       BiasCircuit::pnpEmitterUp(9, 330e3, 1e3, 1.2e3, 200), 25},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const Solution n = newton(c.circuit, c.celsius);
    const figures::ModelPoint m = ModelBias::solve(c.network, c.celsius);
    EXPECT_NEAR(m.ic, n.ic, 1e-3 * std::fabs(n.ic));
    EXPECT_NEAR(m.ib, n.ib, 1e-3 * std::fabs(n.ib));
    EXPECT_NEAR(m.vce, n.vc - n.ve, 1e-3 * std::fabs(n.vc - n.ve) + 1e-6);
    EXPECT_NEAR(m.vb, n.vb, 1e-6 + 1e-3 * std::fabs(n.vb));
  }
}

TEST(BiasExercises, APnpCircuitIsTheNpnCircuitMirrored) {
  using figures::BiasCircuit;
  using figures::ModelBias;
  // The PNP with its emitter up at VCC is the NPN emitter-bias circuit turned over: the same
  // currents with their signs turned.
  const auto pnp = ModelBias::solve(BiasCircuit::pnpEmitterUp(12, 680e3, 1.5e3, 1e3, 200));
  const auto npn = ModelBias::solve(BiasCircuit::fixed(12, 680e3, 1.5e3, 200, 1e3));
  EXPECT_LT(pnp.ic, 0);
  EXPECT_NEAR(-pnp.ic, npn.ic, 1e-9);
  EXPECT_NEAR(-pnp.vce, npn.vce, 1e-6);
  EXPECT_NEAR(12 - pnp.ve, npn.ve, 1e-6);
}

TEST(BiasExercises, ACircuitWithNothingFeedingTheBaseIsRefused) {
  // RB of no resistance: neither a source nor feedback reaches the base.
  const figures::BiasCircuit open{.vcc = 12, .rc = 1e3};
  EXPECT_THROW(figures::ModelBias::solve(open), std::domain_error);
}

}  // namespace
}  // namespace apostila::testing
