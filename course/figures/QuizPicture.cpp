// Drawing of the schematic symbols.
#include "QuizPicture.h"

#include <cmath>
#include <stdexcept>

namespace apostila::figures {

namespace {
constexpr double kLine = 1.4;
constexpr double kZigzagLength = 36;
constexpr double kZigzagWidth = 5.5;
constexpr int kZigzagTeeth = 6;
}  // namespace

QuizPicture::QuizPicture(int width, int height) : picture_(width, height), cr_(picture_.cr()) {
  cairo_set_line_width(cr_, kLine);
  cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
  cairo_select_font_face(cr_, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  setInk(kInk);
}

void QuizPicture::setInk(std::uint32_t rgb) { picture_.setColor(rgb); }

void QuizPicture::wire(Pt a, Pt b) {
  cairo_move_to(cr_, a.x, a.y);
  cairo_line_to(cr_, b.x, b.y);
  cairo_stroke(cr_);
}

void QuizPicture::wire(Pt a, Pt corner, Pt b) {
  cairo_move_to(cr_, a.x, a.y);
  cairo_line_to(cr_, corner.x, corner.y);
  cairo_line_to(cr_, b.x, b.y);
  cairo_stroke(cr_);
}

void QuizPicture::dot(Pt p) {
  cairo_arc(cr_, p.x, p.y, 2.6, 0, 2 * M_PI);
  cairo_fill(cr_);
}

void QuizPicture::terminal(Pt p) {
  cairo_arc(cr_, p.x, p.y, 3, 0, 2 * M_PI);
  cairo_stroke(cr_);
}

void QuizPicture::resistor(Pt a, Pt b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double length = std::hypot(dx, dy);
  const double ux = dx / length, uy = dy / length;  // along
  const double nx = -uy, ny = ux;                   // across
  const double start = (length - kZigzagLength) / 2;
  cairo_move_to(cr_, a.x, a.y);
  cairo_line_to(cr_, a.x + ux * start, a.y + uy * start);
  const double step = kZigzagLength / (2 * kZigzagTeeth);
  for (int i = 0; i < 2 * kZigzagTeeth; ++i) {
    const double along = start + step * (i + 0.5);
    const double side = (i % 2 == 0 ? 1 : -1) * kZigzagWidth;
    cairo_line_to(cr_, a.x + ux * along + nx * side, a.y + uy * along + ny * side);
  }
  cairo_line_to(cr_, a.x + ux * (start + kZigzagLength), a.y + uy * (start + kZigzagLength));
  cairo_line_to(cr_, b.x, b.y);
  cairo_stroke(cr_);
}

QuizPicture::Npn QuizPicture::npn(Pt bar, double baseLead, double lead) {
  const double reach = 15, slant = 13, half = 11;
  // The envelope.
  cairo_arc(cr_, bar.x + 6, bar.y, 19, 0, 2 * M_PI);
  cairo_stroke(cr_);
  // Base lead and bar.
  wire({bar.x - baseLead, bar.y}, {bar.x, bar.y});
  cairo_save(cr_);
  cairo_set_line_width(cr_, 3);
  cairo_set_line_cap(cr_, CAIRO_LINE_CAP_BUTT);
  wire({bar.x, bar.y - half}, {bar.x, bar.y + half});
  cairo_restore(cr_);
  const Pt c0{bar.x, bar.y - 5}, c1{bar.x + reach, bar.y - slant};
  const Pt e0{bar.x, bar.y + 5}, e1{bar.x + reach, bar.y + slant};
  const Pt collector{c1.x, c1.y - lead}, emitter{e1.x, e1.y + lead};
  wire(c0, c1, collector);
  wire(e0, e1, emitter);
  // The emitter's arrow points away from the base, the way conventional current leaves.
  const double ax = e1.x - e0.x, ay = e1.y - e0.y, al = std::hypot(ax, ay);
  const double ux = ax / al, uy = ay / al;
  const Pt tip{e0.x + ux * al * 0.92, e0.y + uy * al * 0.92};
  const double size = 6.5, wing = 3.2;
  cairo_move_to(cr_, tip.x, tip.y);
  cairo_line_to(cr_, tip.x - ux * size - uy * wing, tip.y - uy * size + ux * wing);
  cairo_line_to(cr_, tip.x - ux * size + uy * wing, tip.y - uy * size - ux * wing);
  cairo_close_path(cr_);
  cairo_fill(cr_);
  return {{bar.x - baseLead, bar.y}, collector, emitter};
}

void QuizPicture::ground(Pt top) {
  wire(top, {top.x, top.y + 6});
  for (int i = 0; i < 3; ++i) {
    const double half = 9 - 3 * i, y = top.y + 6 + 3.2 * i;
    wire({top.x - half, y}, {top.x + half, y});
  }
}

void QuizPicture::battery(Pt plus, Pt minus) {
  const double mid = (plus.y + minus.y) / 2;
  const double longPlate = mid - 3, shortPlate = mid + 3;
  wire(plus, {plus.x, longPlate});
  wire({minus.x, shortPlate}, minus);
  wire({plus.x - 11, longPlate}, {plus.x + 11, longPlate});
  cairo_save(cr_);
  cairo_set_line_width(cr_, 3);
  cairo_set_line_cap(cr_, CAIRO_LINE_CAP_BUTT);
  wire({plus.x - 6, shortPlate}, {plus.x + 6, shortPlate});
  cairo_restore(cr_);
  // The + beside the long plate.
  cairo_save(cr_);
  cairo_set_line_width(cr_, 1.1);
  const double px = plus.x + 9, py = longPlate - 6;
  wire({px - 2.5, py}, {px + 2.5, py});
  wire({px, py - 2.5}, {px, py + 2.5});
  cairo_restore(cr_);
}

double QuizPicture::runWidth(const std::string& utf8, double size) {
  cairo_set_font_size(cr_, size);
  cairo_text_extents_t e;
  cairo_text_extents(cr_, utf8.c_str(), &e);
  return e.x_advance;
}

void QuizPicture::show(double x, double y, const std::string& utf8, double size) {
  cairo_set_font_size(cr_, size);
  cairo_move_to(cr_, x, y);
  cairo_show_text(cr_, utf8.c_str());
  cairo_new_path(cr_);
}

void QuizPicture::name(Pt at, const std::string& main, const std::string& sub, const std::string& rest,
                              Align align) {
  const double subSize = kTextSize * 0.74, drop = kTextSize * 0.28;
  const std::string tail = rest.empty() ? std::string() : " " + rest;
  const double w = runWidth(main, kTextSize) + runWidth(sub, subSize) + runWidth(tail, kTextSize);
  double x = align == Align::Left ? at.x : align == Align::Center ? at.x - w / 2 : at.x - w;
  show(x, at.y, main, kTextSize);
  x += runWidth(main, kTextSize);
  show(x, at.y + drop, sub, subSize);
  x += runWidth(sub, subSize);
  if (!tail.empty()) show(x, at.y, tail, kTextSize);
}

void QuizPicture::text(Pt at, const std::string& utf8, Align align, double size) {
  const double w = runWidth(utf8, size);
  show(align == Align::Left ? at.x : align == Align::Center ? at.x - w / 2 : at.x - w, at.y, utf8, size);
}

}  // namespace apostila::figures
