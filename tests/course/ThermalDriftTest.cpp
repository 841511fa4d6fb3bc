// ThermalDrift reduces every single-supply bias circuit to one base loop. With the textbook's
// fixed VBE and β and no leakage, that loop must give what the hand methods give for each
// circuit; the leakage must enter the way IC = β · IB + (β + 1) · ICBO says; and a circuit
// that leaves the active region as it warms must be refused, not given a current.
#include <gtest/gtest.h>

#include <stdexcept>

#include "model/HandMethods.h"
#include "model/ThermalDrift.h"

namespace apostila::figures {
namespace {

using Circuit = BiasCircuit;
using Base = BiasCircuit::Base;

TEST(ThermalDrift, TheOneBaseLoopGivesEachCircuitsHandSolution) {
  const ThermalDrift::Quantities textbook{HandMethods::kVbe, 100, 0};
  const struct {
    const char* what;
    Circuit circuit;
    OperatingPoint (*hand)(const BiasCircuit&);
  } cases[] = {
      {"fixed bias", {.vcc = 12, .rb = 1e6, .rc = 2.2e3}, HandMethods::baseBias},
      {"emitter bias", {.vcc = 12, .rb = 680e3, .rc = 2.2e3, .re = 1e3}, HandMethods::baseBias},
      {"divider", {.base = Base::Divider, .vcc = 12, .rb = 33e3, .rb2 = 10e3, .rc = 2.2e3, .re = 1e3},
       HandMethods::dividerExact},
      {"collector feedback", {.base = Base::CollectorFeedback, .vcc = 12, .rb = 470e3, .rc = 2.2e3},
       HandMethods::collectorFeedback},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const OperatingPoint hand = c.hand(c.circuit.withBeta(textbook.beta));
    ASSERT_FALSE(hand.saturated);
    EXPECT_NEAR(ThermalDrift::collectorCurrent(c.circuit, textbook), hand.ic, 1e-9);
    EXPECT_NEAR(ThermalDrift::collectorEmitterVoltage(c.circuit, textbook), hand.vce, 1e-6);
  }
}

TEST(ThermalDrift, LeakageReachesTheCollectorThroughTheStabilityFactor) {
  // Fixed bias: the base current is set by RB alone, so all of (β + 1) · ICBO reaches IC.
  const Circuit fixed{.vcc = 12, .rb = 1e6, .rc = 2.2e3};
  const ThermalDrift::Quantities dry{0.7, 100, 0}, leaky{0.7, 100, 1e-6};
  EXPECT_NEAR(ThermalDrift::collectorCurrent(fixed, leaky) - ThermalDrift::collectorCurrent(fixed, dry), 101e-6, 1e-12);
  // A stiff divider with RE: the emitter current hardly moves, and the leakage only moves IC
  // by the stability factor (β + 1) · (RB + RE) / (RB + (β + 1) · RE) times ICBO.
  const Circuit divider{.base = Base::Divider, .vcc = 12, .rb = 33e3, .rb2 = 10e3, .rc = 2.2e3, .re = 1e3};
  const double rb = 33e3 * 10e3 / 43e3, s = 101 * (rb + 1e3) / (rb + 101 * 1e3);
  EXPECT_NEAR(ThermalDrift::collectorCurrent(divider, leaky) - ThermalDrift::collectorCurrent(divider, dry), s * 1e-6,
              1e-12);
}

TEST(ThermalDrift, EachCauseAloneAndAllTogether) {
  const ThermalDrift drift;
  const Circuit divider{.base = Base::Divider, .vcc = 12, .rb = 33e3, .rb2 = 10e3, .rc = 2.2e3, .re = 1e3};
  // At room temperature no cause has anything to do.
  for (unsigned causes : {0u, +ThermalDrift::kVbe, +ThermalDrift::kBeta, +ThermalDrift::kIcbo})
    EXPECT_DOUBLE_EQ(drift.collectorCurrent(divider, 25, causes), drift.collectorCurrent(divider, 25));
  // Warming, every cause raises IC, and all three together about as much as the three apart.
  double sum = 0;
  for (unsigned cause : {+ThermalDrift::kVbe, +ThermalDrift::kBeta, +ThermalDrift::kIcbo}) {
    const double rise = drift.riseInPercent(divider, 75, cause);
    EXPECT_GT(rise, 0) << cause;
    sum += rise;
  }
  EXPECT_NEAR(drift.riseInPercent(divider, 75), sum, 0.1 * sum);
}

TEST(ThermalDrift, ACircuitThatSaturatesAsItWarmsIsRefused) {
  // Fine at room temperature, saturated at 100 °C once β has risen.
  const Circuit tight{.vcc = 12, .rb = 560e3, .rc = 2.2e3};
  const ThermalDrift drift;
  EXPECT_NO_THROW(drift.collectorCurrent(tight, 25));
  EXPECT_THROW(drift.collectorCurrent(tight, 100), std::logic_error);
}

}  // namespace
}  // namespace apostila::figures
