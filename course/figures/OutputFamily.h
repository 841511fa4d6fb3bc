// The common-emitter output characteristics drawn as a family: one curve per base current,
// sampled from a function of the device model and named at its right end. The curve pages and
// the load-line pages draw their families through it, so the curves look the same everywhere.
//
//   Plot p(d, {.left = 46, .top = 26, .right = 330, .bottom = 280});
//   p.xAxis(0, 12, 2, "V_{CE}", "V");
//   p.yAxis(0, 6e-3, 1e-3, "I_C", "mA", 1e-3);
//   drawOutputFamily(d, p, {5e-6, 10e-6, 20e-6}, 12, [&](double ib, double v) { return q.outputCurve(ib, v); });
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "Drawing.h"
#include "Plot.h"

namespace apostila::figures {

// "20 µA": a base current of the family, in whole microamperes.
std::string microampText(double ib);

// One curve per base current across the plot; outputOf(IB, VCE) gives the plotted current.
// Each is named "IB = 20 µA" just right of the frame at VCE = vEnd, in small lettering.
void drawOutputFamily(Drawing& d, Plot& p, const std::vector<double>& baseCurrents, double vEnd,
                      const std::function<double(double, double)>& outputOf);

}  // namespace apostila::figures
