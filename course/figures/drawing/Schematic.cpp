// The schematic symbols.
#include "drawing/Schematic.h"

#include <cmath>
#include <stdexcept>

namespace apostila::figures {

namespace {
constexpr double kResistorLength = 34, kResistorWidth = 5.5;
constexpr int kResistorTeeth = 6;
constexpr double kDiodeLength = 14, kDiodeWidth = 8;
constexpr double kDot = 2.6, kTerminal = 3.5;
constexpr double kCoilLength = 26, kCoilWidth = 14;
constexpr double kContactLength = 28;
constexpr double kEmitterHead = 9.5;  // px, the emitter arrow's head, NPN and PNP alike
using Align = TextSetter::Align;
}  // namespace

Pt Schematic::pin(const std::string& name) const {
  auto it = pins_.find(name);
  if (it == pins_.end()) throw std::invalid_argument("schematic: no terminal named " + name);
  return it->second;
}

void Schematic::twoPins(const std::string& name, Pt a, Pt b) {
  pins_[name + ".a"] = a;
  pins_[name + ".b"] = b;
}

Schematic::Axis Schematic::axis(Pt a, Pt b) {
  const double dx = b.x - a.x, dy = b.y - a.y, l = std::hypot(dx, dy);
  if (l == 0) throw std::invalid_argument("schematic: a part with both ends at one point");
  return {dx / l, dy / l, l};
}

Pt Schematic::leads(Pt a, Pt b, double body) {
  const Axis u = axis(a, b);
  const double start = (u.length - body) / 2;
  const Pt s{a.x + u.ux * start, a.y + u.uy * start};
  d_.line(a, s);
  d_.line({s.x + u.ux * body, s.y + u.uy * body}, b);
  return s;
}

void Schematic::wire(const std::vector<Pt>& points) { d_.polyline(points); }

Schematic::Chain& Schematic::Chain::wire(Step step) {
  const Pt end = step.end(at_);
  s_.wire({at_, end});
  at_ = end;
  return *this;
}

// Each part goes from the chain's end to the step's, which becomes the chain's end.
Schematic::Chain& Schematic::Chain::part(TwoTerminal draw, const std::string& name, Step step,
                                         const std::string& label, const std::string& value, Side side) {
  const Pt end = step.end(at_);
  (s_.*draw)(name, at_, end, label, value, side);
  at_ = end;
  return *this;
}

Schematic::Chain& Schematic::Chain::wire(Step step, const std::string& current, Side side) {
  const Pt start = at_;
  wire(step);
  s_.current(start, at_, current, side);
  return *this;
}

Schematic::Chain& Schematic::Chain::dot() {
  s_.dot(at_);
  return *this;
}

Schematic::Chain& Schematic::Chain::ground(const std::string& name) {
  s_.ground(name, at_);
  return *this;
}
void Schematic::dot(Pt p) { d_.circle(p, kDot, true); }

void Schematic::label(Pt a, Pt b, const std::string& name, const std::string& value, Side side, double clear) {
  if (name.empty() && value.empty()) return;
  const bool vertical = std::fabs(b.x - a.x) < std::fabs(b.y - a.y);
  if (side == Side::Auto) side = vertical ? Side::Right : Side::Above;
  const Pt m{(a.x + b.x) / 2, (a.y + b.y) / 2};
  TextSetter& t = d_.text();
  const double line = 17;  // the second line's offset: clear of the name's subscript
  const std::uint32_t ink = d_.ink();
  auto set = [&](Pt at, Align align) {
    if (!name.empty()) t.draw(at, name, align);
    d_.ink(Drawing::kBlue);
    if (!value.empty()) t.draw({at.x, at.y + (name.empty() ? 0 : line)}, value, align);
    d_.ink(ink);
  };
  const double lines = (name.empty() ? 0 : 1) + (value.empty() ? 0 : 1);
  const double capTop = 11;
  switch (side) {
    case Side::Right: set({m.x + clear, m.y + capTop - lines * line / 2 + 2}, Align::Left); break;
    case Side::Left: set({m.x - clear, m.y + capTop - lines * line / 2 + 2}, Align::Right); break;
    case Side::Above: set({m.x, m.y - clear - (lines - 1) * line - 4}, Align::Center); break;
    case Side::Below: set({m.x, m.y + clear + capTop + 2}, Align::Center); break;
    case Side::Auto: break;
  }
}

void Schematic::resistor(const std::string& name, Pt a, Pt b, const std::string& lbl, const std::string& value,
                         Side side) {
  const Axis u = axis(a, b);
  const double body = std::fmin(kResistorLength, u.length);
  const Pt s = leads(a, b, body);
  const double nx = -u.uy, ny = u.ux, step = body / (2 * kResistorTeeth);
  std::vector<Pt> zig{s};
  for (int i = 0; i < 2 * kResistorTeeth; ++i) {
    const double along = step * (i + 0.5), across = (i % 2 == 0 ? 1 : -1) * kResistorWidth;
    zig.push_back({s.x + u.ux * along + nx * across, s.y + u.uy * along + ny * across});
  }
  zig.push_back({s.x + u.ux * body, s.y + u.uy * body});
  d_.polyline(zig);
  twoPins(name, a, b);
  label(a, b, lbl, value, side, kResistorWidth + 6);
}

// kind: 0 plain, 1 zener (bent cathode bar), 2 LED (light arrows).
void Schematic::diodeBody(Pt a, Pt b, int kind) {
  const Axis u = axis(a, b);
  const Pt s = leads(a, b, kDiodeLength);
  const double nx = -u.uy, ny = u.ux, w = kDiodeWidth;
  const Pt e{s.x + u.ux * kDiodeLength, s.y + u.uy * kDiodeLength};
  d_.fillPolygon({{s.x + nx * w, s.y + ny * w}, {s.x - nx * w, s.y - ny * w}, e}, d_.ink());
  if (kind == 1) {
    d_.polyline({{e.x + nx * w - u.ux * 4, e.y + ny * w - u.uy * 4},
                 {e.x + nx * w, e.y + ny * w},
                 {e.x - nx * w, e.y - ny * w},
                 {e.x - nx * w + u.ux * 4, e.y - ny * w + u.uy * 4}});
  } else {
    d_.line({e.x + nx * w, e.y + ny * w}, {e.x - nx * w, e.y - ny * w});
  }
  if (kind == 2) {
    // Two short arrows leaving the junction, on the side opposite the lettering.
    for (double k : {0.2, 0.75}) {
      const Pt from{s.x + u.ux * kDiodeLength * k + nx * (w + 2), s.y + u.uy * kDiodeLength * k + ny * (w + 2)};
      const Pt to{from.x + nx * 9 + u.ux * 5, from.y + ny * 9 + u.uy * 5};
      cairo_save(d_.cr());
      d_.pen(1.1);
      d_.arrow(from, to, 4.5);
      cairo_restore(d_.cr());
    }
  }
}

void Schematic::diode(const std::string& name, Pt a, Pt b, const std::string& lbl, const std::string& value, Side side) {
  diodeBody(a, b, 0);
  twoPins(name, a, b);
  label(a, b, lbl, value, side, kDiodeWidth + 6);
}

void Schematic::zener(const std::string& name, Pt a, Pt b, const std::string& lbl, const std::string& value, Side side) {
  diodeBody(a, b, 1);
  twoPins(name, a, b);
  label(a, b, lbl, value, side, kDiodeWidth + 6);
}

void Schematic::led(const std::string& name, Pt a, Pt b, const std::string& lbl, const std::string& value, Side side) {
  diodeBody(a, b, 2);
  twoPins(name, a, b);
  label(a, b, lbl, value, side == Side::Auto ? Side::Right : side, kDiodeWidth + 6);
}

void Schematic::coil(const std::string& name, Pt a, Pt b, const std::string& lbl, const std::string& value, Side side) {
  const Axis u = axis(a, b);
  const double body = std::fmin(kCoilLength, u.length), half = kCoilWidth / 2;
  const Pt s = leads(a, b, body);
  const double nx = -u.uy, ny = u.ux;
  const Pt e{s.x + u.ux * body, s.y + u.uy * body};
  d_.polyline({{s.x + nx * half, s.y + ny * half},
               {e.x + nx * half, e.y + ny * half},
               {e.x - nx * half, e.y - ny * half},
               {s.x - nx * half, s.y - ny * half},
               {s.x + nx * half, s.y + ny * half}});
  twoPins(name, a, b);
  label(a, b, lbl, value, side, half + 6);
}

void Schematic::contact(const std::string& name, Pt a, Pt b, bool closed, const std::string& lbl,
                        const std::string& value, Side side) {
  const Axis u = axis(a, b);
  const double body = std::fmin(kContactLength, u.length), r = 2.5;
  const Pt s = leads(a, b, body);
  const Pt p{s.x + u.ux * r, s.y + u.uy * r}, q{s.x + u.ux * (body - r), s.y + u.uy * (body - r)};
  d_.circle(p, r);
  d_.circle(q, r);
  // The blade turns about the first contact; open, it is lifted by 30 degrees away from the
  // side the lettering goes on.
  const bool vertical = std::fabs(u.ux) < std::fabs(u.uy);
  const Side placed = side == Side::Auto ? (vertical ? Side::Right : Side::Above) : side;
  double nx = -u.uy, ny = u.ux;
  const double towardsX = placed == Side::Right ? 1 : placed == Side::Left ? -1 : 0;
  const double towardsY = placed == Side::Below ? 1 : placed == Side::Above ? -1 : 0;
  if (nx * towardsX + ny * towardsY > 0) nx = -nx, ny = -ny;
  const double len = body - 2 * r, angle = closed ? 0.0 : 0.52;
  const double ax = std::cos(angle), ac = std::sin(angle);
  d_.line({p.x + u.ux * r, p.y + u.uy * r},
          {p.x + u.ux * r + (u.ux * ax + nx * ac) * len, p.y + u.uy * r + (u.uy * ax + ny * ac) * len});
  twoPins(name, a, b);
  label(a, b, lbl, value, side, 8);
}

void Schematic::battery(const std::string& name, Pt a, Pt b, const std::string& lbl, const std::string& value,
                        Side side) {
  const Axis u = axis(a, b);
  const double gap = 6;
  const Pt s = leads(a, b, gap);
  const Pt e{s.x + u.ux * gap, s.y + u.uy * gap};
  const double nx = -u.uy, ny = u.ux;
  d_.line({s.x + nx * 12, s.y + ny * 12}, {s.x - nx * 12, s.y - ny * 12});
  cairo_save(d_.cr());
  d_.pen(3.5);
  cairo_set_line_cap(d_.cr(), CAIRO_LINE_CAP_BUTT);
  d_.line({e.x + nx * 6, e.y + ny * 6}, {e.x - nx * 6, e.y - ny * 6});
  cairo_restore(d_.cr());
  // The + by the long plate, on the side away from the lettering. The side is a direction on
  // the picture, so it is compared with the normal (nx, ny), which turns with the battery's
  // direction: a horizontal battery lettered below gets its + above, whichever end is a.
  const bool vertical = std::fabs(u.ux) < std::fabs(u.uy);
  const Side placed = side == Side::Auto ? (vertical ? Side::Right : Side::Above) : side;
  const double towardsX = placed == Side::Right ? 1 : placed == Side::Left ? -1 : 0;
  const double towardsY = placed == Side::Below ? 1 : placed == Side::Above ? -1 : 0;
  const double sign = nx * towardsX + ny * towardsY > 0 ? -1 : 1;
  const Pt plus{s.x - u.ux * 6 + nx * 15 * sign, s.y - u.uy * 6 + ny * 15 * sign};
  cairo_save(d_.cr());
  d_.pen(1.2);
  d_.line({plus.x - 3, plus.y}, {plus.x + 3, plus.y});
  d_.line({plus.x, plus.y - 3}, {plus.x, plus.y + 3});
  cairo_restore(d_.cr());
  twoPins(name, a, b);
  label(a, b, lbl, value, side, 18);
}

void Schematic::source(const std::string& name, Pt a, Pt b, const std::string& lbl, const std::string& value,
                       Side side) {
  const Axis u = axis(a, b);
  const double r = 13;
  const Pt s = leads(a, b, 2 * r);
  const Pt c{s.x + u.ux * r, s.y + u.uy * r};
  d_.circle(c, r);
  cairo_save(d_.cr());
  d_.pen(1.2);
  const Pt p{c.x - u.ux * 6, c.y - u.uy * 6}, m{c.x + u.ux * 6, c.y + u.uy * 6};
  d_.line({p.x - 3, p.y}, {p.x + 3, p.y});
  d_.line({p.x, p.y - 3}, {p.x, p.y + 3});
  d_.line({m.x - 3 * std::fabs(u.uy) , m.y - 3 * std::fabs(u.ux)}, {m.x + 3 * std::fabs(u.uy), m.y + 3 * std::fabs(u.ux)});
  cairo_restore(d_.cr());
  twoPins(name, a, b);
  label(a, b, lbl, value, side, r + 6);
}

void Schematic::transistor(const std::string& name, Pt base, bool mirrored, bool isPnp) {
  const double dir = mirrored ? -1 : 1;
  const double leadX = base.x + dir * transistor_.lead;
  const double reach = transistor_.reach;
  const double barX = leadX - dir * 15, y = base.y;
  d_.circle({barX + dir * 7, y}, 19);
  d_.line(base, {barX, y});
  cairo_save(d_.cr());
  d_.pen(3);
  cairo_set_line_cap(d_.cr(), CAIRO_LINE_CAP_BUTT);
  d_.line({barX, y - 11}, {barX, y + 11});
  cairo_restore(d_.cr());
  // Upper and lower leads: from the bar, slanting out to the lead column, then straight on.
  const Pt up0{barX, y - 5}, up1{leadX, y - 13}, dn0{barX, y + 5}, dn1{leadX, y + 13};
  d_.polyline({up0, up1, {leadX, y - reach}});
  d_.polyline({dn0, dn1, {leadX, y + reach}});
  // The emitter's arrow shows the conventional current: out of an NPN's emitter (the lower
  // lead), into a PNP's (the upper lead). Its head is centred on the slanting lead and large
  // enough that the direction reads at 1:1, for either type alike.
  const Pt from = isPnp ? up1 : dn0, to = isPnp ? up0 : dn1;
  const double dx = to.x - from.x, dy = to.y - from.y, length = std::hypot(dx, dy);
  const double tip = 0.5 + kEmitterHead / 2 / length;
  d_.arrowHead({from.x + dx * tip, from.y + dy * tip}, dx, dy, kEmitterHead);
  pins_[name + ".b"] = base;
  pins_[name + (isPnp ? ".e" : ".c")] = {leadX, y - reach};
  pins_[name + (isPnp ? ".c" : ".e")] = {leadX, y + reach};
}

void Schematic::npn(const std::string& name, Pt base, bool mirrored) { transistor(name, base, mirrored, false); }
void Schematic::pnp(const std::string& name, Pt base, bool mirrored) { transistor(name, base, mirrored, true); }

void Schematic::ground(const std::string& name, Pt top) {
  d_.line(top, {top.x, top.y + 7});
  for (int i = 0; i < 3; ++i) {
    const double half = 10 - 3.5 * i, y = top.y + 7 + 3.5 * i;
    d_.line({top.x - half, y}, {top.x + half, y});
  }
  pins_[name] = top;
}

void Schematic::supply(const std::string& name, Pt at, const std::string& lbl) {
  d_.circle(at, kTerminal);
  if (!lbl.empty()) d_.text().draw({at.x, at.y - kTerminal - 5}, lbl, Align::Center);
  pins_[name] = {at.x, at.y + kTerminal};
}

void Schematic::current(Pt a, Pt b, const std::string& lbl, Side side) {
  const Axis u = axis(a, b);
  const Pt mid{(a.x + b.x) / 2 + u.ux * 4, (a.y + b.y) / 2 + u.uy * 4};
  const std::uint32_t ink = d_.ink();
  d_.ink(Drawing::kBlue);
  d_.arrowHead(mid, u.ux, u.uy, 9);
  d_.ink(ink);
  label(a, b, lbl, "", side);
}

void Schematic::voltage(Pt plus, Pt minus, const std::string& lbl, Side side) {
  const bool vertical = std::fabs(minus.x - plus.x) < std::fabs(minus.y - plus.y);
  if (side == Side::Auto) side = vertical ? Side::Right : Side::Above;
  const double off = side == Side::Left || side == Side::Above ? -12 : 12;
  const Pt p = vertical ? Pt{plus.x + off, plus.y} : Pt{plus.x, plus.y + off};
  const Pt m = vertical ? Pt{minus.x + off, minus.y} : Pt{minus.x, minus.y + off};
  const std::uint32_t ink = d_.ink();
  d_.ink(Drawing::kBlue);
  cairo_save(d_.cr());
  d_.pen(1.3);
  d_.line({p.x - 3.5, p.y}, {p.x + 3.5, p.y});
  d_.line({p.x, p.y - 3.5}, {p.x, p.y + 3.5});
  d_.line({m.x - 3.5, m.y}, {m.x + 3.5, m.y});
  cairo_restore(d_.cr());
  const Pt c{(p.x + m.x) / 2, (p.y + m.y) / 2};
  if (vertical)
    d_.text().draw({c.x + (off < 0 ? -7 : 7), c.y + 5}, lbl, off < 0 ? Align::Right : Align::Left);
  else
    d_.text().draw({c.x, c.y + (off < 0 ? -2 : 12)}, lbl, Align::Center);
  d_.ink(ink);
}

}  // namespace apostila::figures
