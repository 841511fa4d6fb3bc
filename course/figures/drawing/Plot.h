// Graphs: axes with ticks, a light grid, numbers with decimal commas, the quantity and unit on
// each axis, and curves sampled from a function of the device model.
//
//   Drawing d(300, 220);
//   Plot p(d, {.left = 48, .top = 12, .right = 288, .bottom = 186});
//   p.xAxis(0, 12, 2, "V_{CE}", "V");              // from, to, tick step, quantity, unit
//   p.yAxis(0, 10, 2, "I_C", "mA", 1e-3);           // tick numbers in mA for values in A
//   p.curve([&](double v) { return model.outputCurve(20e-6, v); }, "I_B = 20 µA");
//   p.line({0, 10e-3}, {12, 0});                    // a load line, in data units
//   p.point({6, 5e-3}, "Q");
//
// Leave room outside the frame: about 40 px on the left for the tick numbers, 40 below for the
// numbers and the x quantity, 24 above for the y quantity. Shade regions before drawing curves.
// Data coordinates are in the base unit (V, A); each axis divides its tick numbers by its
// scale (1e-3 for mA), and writes them with as many decimals as its step needs.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "drawing/Drawing.h"

namespace apostila::figures {

class Plot {
 public:
  struct Frame {
    double left, top, right, bottom;  // the plotting area in pixels
  };

  Plot(Drawing& d, Frame frame) : d_(d), f_(frame) {}

  void xAxis(double from, double to, double step, const std::string& quantity, const std::string& unit,
             double scale = 1, bool grid = true);
  void yAxis(double from, double to, double step, const std::string& quantity, const std::string& unit,
             double scale = 1, bool grid = true);
  // A logarithmic x axis from one power of ten to another (10e-6 to 100e-3 for 10 µA to
  // 100 mA): a numbered tick at each decade and grid lines at 2 to 9 times it. Data x stays in
  // the base unit; curves are then sampled evenly along the logarithm.
  void xAxisLog(double from, double to, const std::string& quantity, const std::string& unit, double scale = 1);

  // Pixel position of a data point.
  Pt at(double x, double y) const;
  double px(double x) const;
  double py(double y) const;

  // y = f(x) sampled every pixel across the x range, clipped to the frame; the label is set at
  // the curve's right end (or where labelAt says, in data x).
  void curve(const std::function<double(double)>& f, const std::string& label = "", double labelAt = -1);
  // The same from points already computed.
  void polyline(const std::vector<Pt>& dataPoints);
  void line(Pt fromData, Pt toData, bool dashed = false);
  // A marked point with its name above and to the right.
  void point(Pt data, const std::string& label = "");
  // A band between two x values shaded over the whole height, with its name at the top.
  void shadeX(double from, double to, const std::string& label = "");

 private:
  struct Range {
    double from = 0, to = 1;
  };
  static int decimalsFor(double step);
  void axis(bool vertical, double step, double scale, bool grid);
  void clip();

  Drawing& d_;
  Frame f_;
  Range x_, y_;  // for a logarithmic x axis, x_ holds the decimal logarithms of its ends
  bool logX_ = false;
};

}  // namespace apostila::figures
