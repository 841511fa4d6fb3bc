// The output family of the common-emitter curves.
#include "drawing/OutputFamily.h"

#include <cmath>

namespace apostila::figures {

std::string microamps(double ib) { return std::to_string(static_cast<int>(std::lround(ib * 1e6))) + " \u00B5A"; }

void outputFamily(Drawing& d, Plot& p, const std::vector<double>& baseCurrents, double labelVce,
                  const std::function<double(double, double)>& outputOf, double lettering) {
  for (double ib : baseCurrents) {
    p.curve([&](double v) { return outputOf(ib, v); });
    d.text().draw({p.px(labelVce) + 4, p.py(outputOf(ib, labelVce)) + 5}, "I_B = " + microamps(ib),
                  TextSetter::Align::Left, lettering);
  }
}

}  // namespace apostila::figures
