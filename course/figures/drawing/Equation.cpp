// Rows split at their first equals sign outside braces, the signs set in one column.
#include "drawing/Equation.h"

#include <algorithm>

namespace apostila::figures {

Equation& Equation::row(std::string markup, std::uint32_t ink) {
  int depth = 0;
  for (std::size_t i = 0; i < markup.size(); ++i) {
    if (markup[i] == '{') ++depth;
    if (markup[i] == '}') --depth;
    if (markup[i] == '=' && depth == 0) {
      std::string left = markup.substr(0, i);
      while (!left.empty() && left.back() == ' ') left.pop_back();
      rows_.push_back({left, markup.substr(i), true, ink});
      return *this;
    }
  }
  rows_.push_back({"", markup, false, ink});
  return *this;
}

double Equation::column() {
  double w = 0;
  for (const Row& r : rows_)
    if (r.aligned && !r.left.empty()) w = std::max(w, d_.text().measure(r.left + " ").width);
  return w;
}

double Equation::width() {
  const double col = column();
  double w = 0;
  for (const Row& r : rows_) w = std::max(w, (r.aligned ? col : 0) + d_.text().measure(r.right).width);
  return w;
}

double Equation::height() {
  double h = 0;
  for (const Row& r : rows_) {
    const auto a = d_.text().measure(r.left), b = d_.text().measure(r.right);
    h += std::max(a.ascent, b.ascent) + std::max(a.descent, b.descent) + gap_;
  }
  return rows_.empty() ? 0 : h - gap_;
}

double Equation::draw(Pt topLeft) {
  const double col = topLeft.x + column();
  const std::uint32_t before = d_.ink();
  double y = topLeft.y;
  for (const Row& r : rows_) {
    const auto a = d_.text().measure(r.left), b = d_.text().measure(r.right);
    const double ascent = std::max(a.ascent, b.ascent), descent = std::max(a.descent, b.descent);
    const double baseline = y + ascent;
    d_.ink(r.ink);
    if (r.aligned) {
      d_.text().draw({col - d_.text().measure(" ").width, baseline}, r.left, TextSetter::Align::Right);
      d_.text().draw({col, baseline}, r.right);
    } else {
      d_.text().draw({topLeft.x, baseline}, r.right);
    }
    y = baseline + descent + gap_;
  }
  d_.ink(before);
  return y - gap_;
}

}  // namespace apostila::figures
