// The course's transistor behaves as silicon does: the numbers the theory pages quote about
// VBE, its temperature drift, the shape of β(IC), the Early voltage and the leakage come out of
// the model's parameters, and the hand methods solve their circuits as the textbook does.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "model/DeviceModel.h"
#include "model/HandMethods.h"

namespace apostila::figures {
namespace {

TEST(DeviceModel, BaseEmitterVoltageAndItsTemperatureDrift) {
  const DeviceModel q;
  EXPECT_NEAR(DeviceModel::thermalVoltage(), 0.0257, 0.0002);
  const double vbe = q.baseEmitterVoltage(1e-3, 5);
  EXPECT_GE(vbe, 0.64);
  EXPECT_LE(vbe, 0.70);
  // About 60 mV more for ten times the current.
  EXPECT_NEAR(q.baseEmitterVoltage(10e-3, 5) - vbe, 0.06, 0.006);
  const double drift = (q.baseEmitterVoltage(1e-3, 5, 50) - q.baseEmitterVoltage(1e-3, 5, 0)) / 50;
  EXPECT_NEAR(drift, -2e-3, 0.25e-3);
  // The solution is a solution: it gives back the current it was asked for.
  EXPECT_NEAR(q.collectorCurrent(vbe, 5), 1e-3, 1e-9);
}

TEST(DeviceModel, BetaPeaksAtMidCurrentAndRisesWithTemperature) {
  const DeviceModel q;
  const double low = q.beta(1e-6), mid = q.beta(2e-3), high = q.beta(0.2);
  EXPECT_NEAR(mid, 200, 20);
  EXPECT_LT(low, 0.6 * mid);
  EXPECT_LT(high, 0.7 * mid);
  for (double ic : {1e-5, 1e-4, 1e-2, 5e-2}) EXPECT_LT(q.beta(ic), mid) << ic;
  EXPECT_GT(q.beta(2e-3, 75), 1.1 * mid);
  EXPECT_LT(q.beta(2e-3, -25), 0.9 * mid);
}

// Extending the active-region slope of an output curve back to IC = 0 meets the VCE axis near
// −VAF.
TEST(DeviceModel, TheEarlySlopeGivesTheEarlyVoltage) {
  const DeviceModel q;
  for (double ib : {10e-6, 40e-6}) {
    const double v1 = 5, v2 = 15;
    const double i1 = q.outputCurve(ib, v1), i2 = q.outputCurve(ib, v2);
    const double slope = (i2 - i1) / (v2 - v1);
    const double intercept = v1 - i1 / slope;
    EXPECT_NEAR(intercept, -q.parameters().vaf, 0.05 * q.parameters().vaf) << ib;
  }
}

TEST(DeviceModel, OutputCurvesSaturateThenFlatten) {
  const DeviceModel q;
  const double ib = 20e-6;
  const double active = q.outputCurve(ib, 5);
  EXPECT_NEAR(active / ib, q.beta(active), 0.02 * q.beta(active));
  // Below a few tenths of a volt the collector junction conducts and IC collapses; it is
  // small near VCE = 0 and rises monotonically into the active region.
  double previous = q.outputCurve(ib, 0.0);
  EXPECT_LT(std::fabs(previous), 0.1 * active);
  for (double vce = 0.05; vce <= 20; vce += 0.05) {
    const double ic = q.outputCurve(ib, vce);
    ASSERT_GE(ic, previous - 1e-12) << vce;
    previous = ic;
  }
  EXPECT_GT(q.outputCurve(ib, 0.3), 0.9 * active * (1 + 0.3 / 100) / (1 + 5.0 / 100));
}

// The solver finds an answer across everything a figure may ask, and refuses what has none.
TEST(DeviceModel, TheSolverIsRobustAtTheEdges) {
  const DeviceModel q;
  const struct {
    double ib, vce, celsius;
  } cases[] = {{0, 0, 25}, {0, 40, 25}, {1e-9, 0.01, 25}, {10e-3, 0.05, 25}, {10e-3, 40, 25}, {50e-6, 10, -40},
               {50e-6, 10, 150}, {20e-6, -0.2, 25}};
  for (const auto& c : cases) {
    const double ic = q.outputCurve(c.ib, c.vce, c.celsius);
    EXPECT_TRUE(std::isfinite(ic)) << c.ib << " " << c.vce << " " << c.celsius;
    EXPECT_LT(std::fabs(ic), 1.0) << c.ib << " " << c.vce << " " << c.celsius;
  }
  EXPECT_THROW(q.outputCurve(std::nan(""), 5), std::domain_error);
  EXPECT_THROW(q.baseEmitterVoltage(-1, 5), std::domain_error);
}

// The Q point lies on both the load line and the curve, for the NPN and the mirrored PNP, and
// a base current too large for the line puts it in saturation, near VCE = 0.
TEST(DeviceModel, TheQPointIsOnTheLoadLineAndTheCurve) {
  const DeviceModel n, p(DeviceModel::Polarity::Pnp);
  const double vcc = 12, r = 1.5e3;
  const double v = n.loadLineVce(20e-6, vcc, r);
  EXPECT_NEAR(n.outputCurve(20e-6, v), (vcc - v) / r, 1e-9);
  EXPECT_GT(v, 1);
  EXPECT_NEAR(p.loadLineVce(-20e-6, -vcc, r), -v, 1e-6);
  EXPECT_LT(n.loadLineVce(200e-6, vcc, r), 0.3);
  EXPECT_THROW(n.loadLineVce(20e-6, vcc, 0), std::domain_error);
}

TEST(DeviceModel, LeakageDoublesEveryTenDegreesAndTheOpenBaseMultipliesIt) {
  const DeviceModel q;
  EXPECT_NEAR(q.icbo(), 10e-9, 1e-15);
  for (double t : {0.0, 25.0, 60.0}) EXPECT_NEAR(q.icbo(t + 10) / q.icbo(t), 2.0, 1e-9) << t;
  // With the base open, the leakage is the base current that the transistor amplifies.
  const double iceo = q.iceo(10);
  const double beta = q.beta(iceo, 25, 10);
  EXPECT_NEAR(iceo, (beta + 1) * q.icbo(), 0.1 * iceo);
  EXPECT_GT(q.iceo(10, 75), 10 * iceo);
}

TEST(DeviceModel, ThePnpIsTheSameDeviceMirrored) {
  const DeviceModel n, p(DeviceModel::Polarity::Pnp);
  EXPECT_DOUBLE_EQ(p.collectorCurrent(-0.65, -5), -n.collectorCurrent(0.65, 5));
  EXPECT_DOUBLE_EQ(p.baseCurrent(-0.65, -5), -n.baseCurrent(0.65, 5));
  EXPECT_NEAR(p.outputCurve(-20e-6, -5), -n.outputCurve(20e-6, 5), 1e-12);
  EXPECT_NEAR(p.baseEmitterVoltage(-1e-3, -5), -n.baseEmitterVoltage(1e-3, 5), 1e-9);
  EXPECT_NEAR(p.beta(-1e-3, 25, -5), n.beta(1e-3), 1e-6);
}

// Each circuit with its hand-worked result (VBE = 0,7 V).
TEST(HandMethods, OperatingPointsOfTheBiasCircuits) {
  struct Case {
    const char* what;
    OperatingPoint got;
    double ic, vce;
    bool saturated;
  };
  const Case cases[] = {
      {"fixed bias", HandMethods::baseBias(BiasCircuit::fixed(12, 470e3, 2.2e3, 100)),
       100 * 11.3 / 470e3, 12 - 2.2e3 * 100 * 11.3 / 470e3, false},
      {"emitter bias, no RB", HandMethods::baseBias(BiasCircuit::fixed(15, 0, 2e3, 100, 1e3).fromOwnSupply(2.7)),
       100 * 2.0 / 101e3, 15 - 2e3 * (200.0 / 101e3) - 1e3 * (2.0 / 1e3), false},
      {"switch driven hard", HandMethods::baseBias(BiasCircuit::fixed(12, 10e3, 1e3, 100).fromOwnSupply(5)),
       12e-3, 0, true},
      {"base below VBE", HandMethods::baseBias(BiasCircuit::fixed(12, 10e3, 1e3, 100).fromOwnSupply(0.5)), 0, 12,
       false},
      {"collector feedback", HandMethods::collectorFeedback(BiasCircuit::collectorFeedback(10, 200e3, 1e3, 100)),
       100 * 9.3 / (101e3 + 200e3), 10 - 1e3 * 101 * 9.3 / (101e3 + 200e3), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_NEAR(c.got.ic, c.ic, 1e-9);
    EXPECT_NEAR(c.got.vce, c.vce, 1e-6);
    EXPECT_EQ(c.got.saturated, c.saturated);
  }
}

TEST(HandMethods, TheDividerApproximationAgreesWhereItHolds) {
  const auto fair = BiasCircuit::divider(12, 10e3, 2.2e3, 3.3e3, 1e3, 100);
  const auto poor = BiasCircuit::divider(12, 100e3, 22e3, 3.3e3, 1e3, 50);
  EXPECT_TRUE(HandMethods::approximationHolds(fair));
  EXPECT_FALSE(HandMethods::approximationHolds(poor));
  const auto a = HandMethods::dividerApproximate(fair), e = HandMethods::dividerExact(fair);
  EXPECT_NEAR(a.ic / e.ic, 1, 0.05);
  EXPECT_GT(std::fabs(HandMethods::dividerApproximate(poor).ic / HandMethods::dividerExact(poor).ic - 1), 0.1);
  // The exact solution keeps both loops: IE = IB + IC and VCC = RC · IC + VCE + RE · IE.
  EXPECT_NEAR(e.ie, e.ib + e.ic, 1e-12);
  EXPECT_NEAR(fair.vcc, fair.rc * e.ic + e.vce + fair.re * e.ie, 1e-9);
  // Driven into saturation the exact method still closes both loops, with VCE = 0.
  const auto hard = BiasCircuit::divider(12, 2.2e3, 10e3, 10e3, 100, 100);
  const auto s = HandMethods::dividerExact(hard);
  EXPECT_TRUE(s.saturated);
  EXPECT_NEAR(s.ie, s.ib + s.ic, 1e-12);
  EXPECT_NEAR(hard.vcc, hard.rc * s.ic + hard.re * s.ie, 1e-9);
  EXPECT_DOUBLE_EQ(HandMethods::loadLineCurrent(12, 3.3e3, 1e3), 12 / 4.3e3);
}

}  // namespace
}  // namespace apostila::figures
