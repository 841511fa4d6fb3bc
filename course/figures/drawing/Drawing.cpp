// Lines, circles and arrows on a figure.
#include "drawing/Drawing.h"

#include <cmath>

namespace apostila::figures {

Drawing::Drawing(int width, int height)
    : width_(width), height_(height), picture_(width, height), cr_(picture_.cr()), text_(cr_) {
  cairo_set_line_width(cr_, kPen);
  cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
  ink(kBlack);
}

void Drawing::ink(std::uint32_t rgb) {
  ink_ = rgb;
  picture_.setColor(rgb);
  text_.ink(rgb == kGrey ? std::optional<std::uint32_t>(kGreyLettering) : std::nullopt);
}

Drawing::Style::Style(Drawing& d) : d_(d), ink_(d.ink()), bold_(d.text().bold()) { cairo_save(d.cr()); }

Drawing::Style::Style(Drawing& d, std::uint32_t rgb) : Style(d) { ink(rgb); }

Drawing::Style::~Style() {
  cairo_restore(d_.cr());
  // cairo_restore brings back cairo's source; the drawing's own record of its ink and the
  // lettering weight, which cairo does not hold, are put back beside it.
  d_.ink(ink_);
  d_.text().bold(bold_);
}

Drawing::Style& Drawing::Style::ink(std::uint32_t rgb) {
  d_.ink(rgb);
  return *this;
}

Drawing::Style& Drawing::Style::pen(double width) {
  d_.pen(width);
  return *this;
}

Drawing::Style& Drawing::Style::bold(bool on) {
  d_.text().bold(on);
  return *this;
}

void Drawing::fillRect(double left, double top, double right, double bottom, std::uint32_t rgb) {
  fillPolygon({{left, top}, {right, top}, {right, bottom}, {left, bottom}}, rgb);
}

void Drawing::fillAndStroke(std::uint32_t fill, std::uint32_t edge, double width) {
  Style s(*this, fill);
  cairo_fill_preserve(cr_);
  s.ink(edge).pen(width);
  cairo_stroke(cr_);
}

void Drawing::boldText(Pt at, std::string_view markup, TextSetter::Align align, double size) {
  Style s(*this);
  s.bold();
  text_.draw(at, markup, align, size);
}

void Drawing::inkText(std::uint32_t rgb, Pt at, std::string_view markup, TextSetter::Align align, double size) {
  Style s(*this, rgb);
  text_.draw(at, markup, align, size);
}

void Drawing::line(Pt a, Pt b) { polyline({a, b}); }

namespace {
// Points on whole pixels are moved to pixel centres, so that a wire along the grid covers one
// full row of pixels instead of smearing over two half rows; dots and circles follow.
double centre(double v) { return v == std::floor(v) ? v + 0.5 : v; }
}  // namespace

void Drawing::polyline(const std::vector<Pt>& points) {
  if (points.size() < 2) return;
  cairo_move_to(cr_, centre(points[0].x), centre(points[0].y));
  for (std::size_t i = 1; i < points.size(); ++i) cairo_line_to(cr_, centre(points[i].x), centre(points[i].y));
  cairo_stroke(cr_);
}

void Drawing::dashed(Pt a, Pt b) {
  const double dash[] = {4, 3};
  cairo_save(cr_);
  cairo_set_dash(cr_, dash, 2, 0);
  cairo_set_line_cap(cr_, CAIRO_LINE_CAP_BUTT);
  line(a, b);
  cairo_restore(cr_);
}

void Drawing::circle(Pt c, double r, bool filled) {
  cairo_new_sub_path(cr_);
  cairo_arc(cr_, centre(c.x), centre(c.y), r, 0, 2 * M_PI);
  if (filled)
    cairo_fill(cr_);
  else
    cairo_stroke(cr_);
}

void Drawing::fillPolygon(const std::vector<Pt>& points, std::uint32_t rgb) {
  if (points.empty()) return;
  Style s(*this, rgb);
  cairo_move_to(cr_, points[0].x, points[0].y);
  for (const Pt& p : points) cairo_line_to(cr_, p.x, p.y);
  cairo_close_path(cr_);
  cairo_fill(cr_);
}

void Drawing::arrowHead(Pt tip, double dx, double dy, double head) {
  const double l = std::hypot(dx, dy);
  if (l == 0) return;
  const double ux = dx / l, uy = dy / l, wing = head * 0.45;
  cairo_move_to(cr_, tip.x, tip.y);
  cairo_line_to(cr_, tip.x - ux * head - uy * wing, tip.y - uy * head + ux * wing);
  cairo_line_to(cr_, tip.x - ux * head + uy * wing, tip.y - uy * head - ux * wing);
  cairo_close_path(cr_);
  cairo_fill(cr_);
}

void Drawing::arrow(Pt a, Pt b, double head) {
  const double l = std::hypot(b.x - a.x, b.y - a.y);
  if (l == 0) return;
  // The shaft stops inside the head so that the round cap does not blunt the tip.
  const double back = std::fmin(head * 0.6, l);
  line(a, {b.x - (b.x - a.x) / l * back, b.y - (b.y - a.y) / l * back});
  arrowHead(b, b.x - a.x, b.y - a.y, head);
}

}  // namespace apostila::figures
