// The circuits of topic 9, which its values and figures read: the divider and the collector
// feedback that Teoria 24 to 26 work by hand, and the four circuits whose thermal drift Teoria
// 27 to 30 compare.
#pragma once

#include "model/BiasCircuit.h"

namespace apostila::figures {

// Teoria 24 and 26: the divider, solved exactly and by the approximate method.
inline constexpr BiasCircuit kTopic9Divider = BiasCircuit::divider(12.0, 22e3, 4.7e3, 2.2e3, 1e3, 200);
// Teoria 25 and 26: collector feedback, solved again with a transistor of twice the β.
inline constexpr BiasCircuit kTopic9Feedback = BiasCircuit::collectorFeedback(12.0, 330e3, 2.2e3, 200);

// Four single-supply circuits on one supply and one RC, each set near IC = 2 mA at 25 °C so
// that their drifts compare fairly.
struct Topic9bCircuits {
  using Base = BiasCircuit::Base;
  static constexpr BiasCircuit kFixed{.vcc = 12, .rb = 1.2e6, .rc = 2.2e3};
  static constexpr BiasCircuit kEmitter{.vcc = 12, .rb = 1e6, .rc = 2.2e3, .re = 1e3};
  static constexpr BiasCircuit kDivider{.base = Base::Divider, .vcc = 12, .rb = 33e3, .rb2 = 10e3, .rc = 2.2e3, .re = 1e3};
  static constexpr BiasCircuit kFeedback{.base = Base::CollectorFeedback, .vcc = 12, .rb = 680e3, .rc = 2.2e3};
  // The temperatures the drift is taken between, and the leakage page's VCE.
  static constexpr double kRoom = 25, kHot = 75;
  static constexpr double kLeakageVce = 10;
};

}  // namespace apostila::figures
