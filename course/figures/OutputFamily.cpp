// The output family shared by the characteristic-curve and load-line figures.
#include "OutputFamily.h"

#include <cmath>

namespace apostila::figures {

namespace {
constexpr double kSmall = 12.5;
}

std::string microampText(double ib) { return std::to_string(static_cast<int>(std::lround(ib * 1e6))) + " \u00B5A"; }

void drawOutputFamily(Drawing& d, Plot& p, const std::vector<double>& baseCurrents, double vEnd,
                      const std::function<double(double, double)>& outputOf) {
  for (double ib : baseCurrents) {
    p.curve([&](double v) { return outputOf(ib, v); });
    d.text().draw({p.px(vEnd) + 4, p.py(outputOf(ib, vEnd)) + 5}, "I_B = " + microampText(ib),
                  TextSetter::Align::Left, kSmall);
  }
}

}  // namespace apostila::figures
