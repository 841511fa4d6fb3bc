// The second half of topic 9 (Teoria 27 to 30): the leakage currents ICBO and ICEO, ICBO
// against temperature, the thermal drift of IC in the bias circuits and their comparison. The
// circuits whose drift the pages compare, its pictures and its named values.
#pragma once

#include "Figures.h"
#include "ThermalDrift.h"
#include "ValueTable.h"

namespace apostila::figures {

// Four single-supply circuits on one supply and one RC, each set near IC = 2 mA at 25 °C so
// that their drifts compare fairly.
struct Topic9bCircuits {
  static constexpr ThermalDrift::Circuit kFixed{.vcc = 12, .rb1 = 1.2e6, .rc = 2.2e3};
  static constexpr ThermalDrift::Circuit kEmitter{.vcc = 12, .rb1 = 1e6, .rc = 2.2e3, .re = 1e3};
  static constexpr ThermalDrift::Circuit kDivider{.vcc = 12, .rb1 = 33e3, .rb2 = 10e3, .rc = 2.2e3, .re = 1e3};
  static constexpr ThermalDrift::Circuit kFeedback{.vcc = 12, .rb1 = 680e3, .rc = 2.2e3, .fromCollector = true};
  // The temperatures the drift is taken between, and the leakage page's VCE.
  static constexpr double kRoom = 25, kHot = 75;
  static constexpr double kLeakageVce = 10;
};

void addTopic9bFigures(FigureList& list);
void addTopic9bValues(ValueTable& t);

}  // namespace apostila::figures
