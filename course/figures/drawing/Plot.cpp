// Axes and curves.
#include "drawing/Plot.h"

#include <algorithm>
#include <cmath>

#include "drawing/QuantityText.h"

namespace apostila::figures {

using Align = TextSetter::Align;

namespace {
// "I_C (mA)"; a quantity without a unit (a gain such as hFE) stands alone.
std::string withUnit(const std::string& quantity, const std::string& unit) {
  return unit.empty() ? quantity : quantity + " (" + unit + ")";
}
}  // namespace

int Plot::decimalsFor(double step) {
  int n = 0;
  while (n < 6 && std::fabs(step * std::pow(10.0, n) - std::round(step * std::pow(10.0, n))) > 1e-9) ++n;
  return n;
}

double Plot::px(double x) const {
  const double v = logX_ ? std::log10(x) : x;
  return f_.left + (v - x_.from) / (x_.to - x_.from) * (f_.right - f_.left);
}
double Plot::py(double y) const { return f_.bottom - (y - y_.from) / (y_.to - y_.from) * (f_.bottom - f_.top); }
Pt Plot::at(double x, double y) const { return {px(x), py(y)}; }

void Plot::xAxis(double from, double to, double step, const std::string& quantity, const std::string& unit, double scale,
                 bool grid) {
  x_ = {from, to};
  axis(false, step, scale, grid);
  d_.arrow({f_.left, f_.bottom}, {f_.right + 10, f_.bottom});
  d_.text().draw({(f_.left + f_.right) / 2, f_.bottom + 36}, withUnit(quantity, unit), Align::Center);
}

void Plot::xAxisLog(double from, double to, const std::string& quantity, const std::string& unit, double scale) {
  logX_ = true;
  x_ = {std::round(std::log10(from)), std::round(std::log10(to))};
  const std::uint32_t ink = d_.ink();
  for (double decade = x_.from; decade <= x_.to + 1e-9; ++decade) {
    const double value = std::pow(10.0, decade);
    for (int m = 2; m <= 9 && decade < x_.to - 1e-9; ++m) {
      const double at = std::round(px(m * value)) + 0.5;
      d_.ink(Drawing::kGrey);
      cairo_save(d_.cr());
      d_.pen(0.6);
      d_.line({at, f_.top}, {at, f_.bottom});
      cairo_restore(d_.cr());
    }
    const double at = std::round(px(value)) + 0.5;
    if (decade > x_.from + 1e-9) {
      d_.ink(Drawing::kGrey);
      cairo_save(d_.cr());
      d_.pen(0.9);
      d_.line({at, f_.top}, {at, f_.bottom});
      cairo_restore(d_.cr());
    }
    d_.ink(ink);
    d_.line({at, f_.bottom}, {at, f_.bottom + 4});
    const int decimals = std::max(0, -static_cast<int>(std::round(std::log10(value / scale))));
    d_.text().draw({at, f_.bottom + 18}, QuantityText::number(value / scale, decimals), Align::Center);
  }
  d_.arrow({f_.left, f_.bottom}, {f_.right + 10, f_.bottom});
  d_.text().draw({(f_.left + f_.right) / 2, f_.bottom + 36}, withUnit(quantity, unit), Align::Center);
}

void Plot::yAxis(double from, double to, double step, const std::string& quantity, const std::string& unit, double scale,
                 bool grid) {
  y_ = {from, to};
  axis(true, step, scale, grid);
  d_.arrow({f_.left, f_.bottom}, {f_.left, f_.top - 10});
  d_.text().draw({f_.left + 8, f_.top - 8}, withUnit(quantity, unit));
}

// Ticks, grid lines and tick numbers of one axis; the grid is left out at the axis itself.
void Plot::axis(bool vertical, double step, double scale, bool grid) {
  const Range r = vertical ? y_ : x_;
  const int decimals = decimalsFor(step / scale);
  const std::uint32_t ink = d_.ink();
  for (double v = r.from; v <= r.to + step * 1e-6; v += step) {
    const double at = std::round(vertical ? py(v) : px(v)) + 0.5;
    if (grid && v > r.from + step * 1e-6) {
      d_.ink(Drawing::kGrey);
      cairo_save(d_.cr());
      d_.pen(0.6);
      if (vertical)
        d_.line({f_.left, at}, {f_.right, at});
      else
        d_.line({at, f_.top}, {at, f_.bottom});
      cairo_restore(d_.cr());
    }
    d_.ink(ink);
    const std::string number = QuantityText::number(v / scale, decimals);
    if (vertical) {
      d_.line({f_.left - 4, at}, {f_.left, at});
      d_.text().draw({f_.left - 7, at + 5}, number, Align::Right);
    } else {
      d_.line({at, f_.bottom}, {at, f_.bottom + 4});
      d_.text().draw({at, f_.bottom + 18}, number, Align::Center);
    }
  }
}

void Plot::clip() {
  cairo_rectangle(d_.cr(), f_.left, f_.top - 1, f_.right - f_.left + 1, f_.bottom - f_.top + 1);
  cairo_clip(d_.cr());
}

void Plot::polyline(const std::vector<Pt>& data) {
  std::vector<Pt> pixels;
  pixels.reserve(data.size());
  for (const Pt& p : data) pixels.push_back(at(p.x, p.y));
  cairo_save(d_.cr());
  clip();
  d_.polyline(pixels);
  cairo_restore(d_.cr());
}

void Plot::curve(const std::function<double(double)>& f, const std::string& label, double labelAt) {
  std::vector<Pt> points;
  const int n = static_cast<int>(std::ceil(f_.right - f_.left));
  for (int i = 0; i <= n; ++i) {
    const double along = x_.from + (x_.to - x_.from) * i / n;
    const double x = logX_ ? std::pow(10.0, along) : along;
    points.push_back({x, f(x)});
  }
  polyline(points);
  if (label.empty()) return;
  const double lx = labelAt < 0 ? (logX_ ? std::pow(10.0, x_.to) : x_.to) : labelAt;
  const Pt p = at(lx, f(lx));
  d_.text().draw({labelAt < 0 ? f_.right - 2 : p.x, p.y - 5}, label, labelAt < 0 ? Align::Right : Align::Center);
}

void Plot::line(Pt a, Pt b, bool dashed) {
  cairo_save(d_.cr());
  clip();
  if (dashed)
    d_.dashed(at(a.x, a.y), at(b.x, b.y));
  else
    d_.line(at(a.x, a.y), at(b.x, b.y));
  cairo_restore(d_.cr());
}

void Plot::point(Pt data, const std::string& label) {
  const Pt p = at(data.x, data.y);
  d_.circle(p, 3.5, true);
  if (!label.empty()) d_.text().draw({p.x + 6, p.y - 6}, label);
}

void Plot::shadeX(double from, double to, const std::string& label) {
  const double a = px(from), b = px(to);
  d_.fillPolygon({{a, f_.top}, {b, f_.top}, {b, f_.bottom}, {a, f_.bottom}}, Drawing::kShade);
  if (!label.empty()) d_.text().draw({(a + b) / 2, f_.top + 14}, label, Align::Center);
}

}  // namespace apostila::figures
