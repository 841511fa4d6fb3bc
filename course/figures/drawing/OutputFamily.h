// The common-emitter output family drawn from the device model: one curve for each base
// current, each named at its right end. The characteristic-curve pages draw it on their own
// axes, and so do the pages that put a load line or a switch's two points on it.
//
//   Plot p(d, {.left = 46, .top = 26, .right = 400, .bottom = 362});
//   p.xAxis(0, 30, 5, "V_{CE}", "V");
//   p.yAxis(0, 30e-3, 5e-3, "I_C", "mA", 1e-3);
//   outputFamily(d, p, {20e-6, 40e-6, 60e-6}, 30, [&](double ib, double v) { return q.outputCurve(ib, v); });
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "drawing/Drawing.h"
#include "drawing/Plot.h"

namespace apostila::figures {

// "20 µA": a base current in whole microamperes.
std::string microamps(double ib);

// outputOf gives the plotted current (IC, or IE) at one IB and VCE; each curve is named
// "IB = ..." beside its value at labelVce, in lettering of the given size.
void outputFamily(Drawing& d, Plot& p, const std::vector<double>& baseCurrents, double labelVce,
                  const std::function<double(double, double)>& outputOf, double lettering = 12.5);

}  // namespace apostila::figures
