// Topic 7, bias from a single battery: the circuit with RB taken from VCC where the base had a
// battery of its own, and its solution by the hand method with the check that the transistor
// works in the active region.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "Drawing.h"
#include "Equation.h"
#include "Figures.h"
#include "Schematic.h"
#include "ValueTable.h"

namespace apostila::figures {

namespace {

using Side = Schematic::Side;
using Align = TextSetter::Align;

const std::string& val(const std::string& name) { return courseValues().text(name); }

// RB and RC both hang from the one supply rail; the emitter goes to ground. The currents are
// marked in their conventional directions: IB and IC in, IE out.
std::vector<std::uint8_t> singleBattery() {
  Drawing d(264, 271);
  Schematic s(d, 10);
  const double xB = 34, xC = 170, railY = 58, baseY = 160, groundY = 246;
  const Pt terminal{std::round((xB + xC) / 2), 40};
  s.supply("VCC", terminal, "+V_{CC} = " + val("t17.vcc"));
  s.wire({s.pin("VCC"), {terminal.x, railY}});
  s.dot({terminal.x, railY});
  s.wire({{xB, railY}, {xC, railY}});
  s.resistor("RB", {xB, railY}, {xB, baseY}, "R_B", val("t17.rb"));
  s.npn("Q", {xC - 40, baseY});
  s.wire({{xB, baseY}, s.pin("Q.b")});
  s.resistor("RC", {xC, railY}, s.pin("Q.c"), "R_C", val("t17.rc"));
  s.wire({s.pin("Q.e"), {xC, groundY}});
  s.ground("0", {xC, groundY});
  s.current({xB + 22, baseY}, {xB + 62, baseY}, "I_B", Side::Below);
  const Pt c = s.pin("Q.c"), e = s.pin("Q.e");
  s.current({c.x, c.y - 22}, {c.x, c.y - 2}, "I_C", Side::Right);
  s.current({e.x, e.y + 4}, {e.x, e.y + 26}, "I_E", Side::Right);
  d.text().draw({xC + 26, baseY + 5}, "\u03B2 = " + val("t17.beta"));
  return d.bmp();
}

// The three equations solved for Teoria 17's circuit, side by side, and below them the check
// that β · IB stays under the collector circuit's ceiling.
std::vector<std::uint8_t> equations() {
  Drawing d(550, 304);
  d.text().draw({12, 22}, "V_{CC} = " + val("t17.vcc") + ",  R_B = " + val("t17.rb") + ",  R_C = " + val("t17.rc") +
                              ",  \u03B2 = " + val("t17.beta") + ",  V_{BE} = " + val("hand.vbe"));
  Equation base(d);
  base.row("I_B = \\frac{V_{CC} − V_{BE}}{R_B}")
      .row("= \\frac{" + val("t17.vcc") + " − " + val("hand.vbe") + "}{" + val("t17.rb") + "}")
      .row("= \\frac{" + val("t18.vrb") + "}{" + val("t17.rb") + "}")
      .row("= " + val("t18.ib"), Drawing::kBlue);
  const double baseBottom = base.draw({12, 40});
  Equation collector(d);
  collector.row("I_C = \u03B2 · I_B")
      .row("= " + val("t17.beta") + " · " + val("t18.ib"))
      .row("= " + val("t18.ic"), Drawing::kBlue);
  collector.draw({290, 40});
  Equation vce(d);
  vce.row("V_{CE} = V_{CC} − R_C · I_C")
      .row("= " + val("t17.vcc") + " − " + val("t17.rc") + " · " + val("t18.ic"))
      .row("= " + val("t17.vcc") + " − " + val("t18.vrc"))
      .row("= " + val("t18.vce"), Drawing::kBlue);
  vce.draw({290, 128});
  // The check, across the foot of the picture.
  Equation check(d);
  check.row("I_{C(sat)} = \\frac{V_{CC}}{R_C} = \\frac{" + val("t17.vcc") + "}{" + val("t17.rc") + "} = " +
            val("t18.ic_sat"));
  const double checkBottom = check.draw({12, std::max(baseBottom, 226.0) + 4});
  d.ink(Drawing::kBlue);
  d.text().draw({12, std::max(checkBottom + 22, 292.0)},
                "\u03B2 · I_B = " + val("t18.ic") + " < I_{C(sat)} = " + val("t18.ic_sat") +
                    ": região ativa");
  d.ink(Drawing::kBlack);
  return d.bmp();
}

}  // namespace

void addTopic7Figures(FigureList& list) {
  list.add("t17-uma-bateria.bmp", singleBattery);
  list.add("t18-equacoes.bmp", equations);
}

}  // namespace apostila::figures
