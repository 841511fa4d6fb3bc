// The one root finder of the course's numbers: bisection over a bracket. Every equation the
// figures solve (a junction voltage for a current, where a curve meets a load line, a bias
// network's node balance) has a residual that is monotonic in its unknown over the range it is
// searched in, so halving cannot miss the root or wander off, and a fixed number of halvings
// makes every value the same on every machine.
//
//   // the VBE at which the collector current reaches 1 mA, between 0 and 1 V
//   double vbe = RootFinder::rising([&](double v) { return q.collectorCurrent(v, 5); }, 1e-3, 0, 1, 80);
//   // or with the test written out: is the root above this trial point?
//   RootFinder::Bracket b = RootFinder::bisect(0, vcc, 60, [&](double v) { return excess(v) < 0; });
//   double vce = b.middle();
#pragma once

namespace apostila::figures {

class RootFinder {
 public:
  // What is left of the bracket after the halvings.
  struct Bracket {
    double lo, hi;
    double middle() const { return (lo + hi) / 2; }
  };

  // Halves [lo, hi] `halvings` times, keeping the upper half wherever rootAbove(middle) holds.
  template <typename Above>
  static Bracket bisect(double lo, double hi, int halvings, Above rootAbove) {
    for (int i = 0; i < halvings; ++i) {
      const double mid = (lo + hi) / 2;
      (rootAbove(mid) ? lo : hi) = mid;
    }
    return {lo, hi};
  }

  // The x in [lo, hi] at which f, rising with x, reaches target.
  template <typename F>
  static double rising(F f, double target, double lo, double hi, int halvings) {
    return bisect(lo, hi, halvings, [&](double x) { return f(x) < target; }).middle();
  }

  // The x in [lo, hi] at which f, falling with x, comes down to zero.
  template <typename F>
  static double falling(F f, double lo, double hi, int halvings) {
    return bisect(lo, hi, halvings, [&](double x) { return f(x) > 0; }).middle();
  }
};

}  // namespace apostila::figures
