// The zener current source solved on the device model behaves as the pages say: IC stays at the
// hand method's (VZ − VBE) / RE across the compliance range and leaves it only beyond RL(máx),
// where the transistor saturates; and a point where the zener would stop conducting is refused
// rather than solved with a base voltage it no longer holds.
#include <gtest/gtest.h>

#include <stdexcept>

#include "model/ZenerCurrentSource.h"

namespace apostila::figures {
namespace {

TEST(ZenerCurrentSource, HoldsItsCurrentAcrossTheComplianceRangeAndSaturatesBeyond) {
  const ZenerCurrentSource s{.vcc = 12, .vz = 4.7, .rz = 1e3, .re = 1e3};
  ASSERT_NEAR(s.maxLoad(), 1.95e3, 1e-6);
  const struct {
    double rl;
    bool active;
  } loads[] = {{0, true}, {1e3, true}, {0.97 * s.maxLoad(), true}, {1.2 * s.maxLoad(), false}, {3e3, false}};
  for (const auto& l : loads) {
    SCOPED_TRACE(l.rl);
    const auto q = s.solveResistor(l.rl);
    // Both node equations hold at the solution.
    EXPECT_NEAR(q.ve, s.re * (q.ic + q.ib), 1e-6);
    EXPECT_NEAR(q.vc + l.rl * q.ic, s.vcc, 1e-6);
    if (l.active) {
      EXPECT_NEAR(q.ic, s.current(), 0.01 * s.current());
      EXPECT_GT(q.vce(), ZenerCurrentSource::kVceSat);
    } else {
      EXPECT_LT(q.ic, 0.95 * s.current());
      EXPECT_LT(q.vce(), ZenerCurrentSource::kVceSat);
    }
  }
}

TEST(ZenerCurrentSource, RefusesAPointWhereTheBaseTakesAllOfTheZenersCurrent) {
  // 1 MΩ brings 7 µA, less than the base's 20 µA at 4 mA.
  const ZenerCurrentSource starved{.vcc = 12, .vz = 4.7, .rz = 1e6, .re = 1e3};
  EXPECT_THROW(starved.solveResistor(1e3), std::logic_error);
  // Deep in saturation the base takes more than 1 kΩ brings from a 6 V supply.
  const ZenerCurrentSource low{.vcc = 6, .vz = 4.7, .rz = 1e3, .re = 1e3};
  EXPECT_THROW(low.solveResistor(10e3), std::logic_error);
  EXPECT_NO_THROW(low.solveResistor(100));
}

}  // namespace
}  // namespace apostila::figures
