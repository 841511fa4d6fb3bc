// The quiz figures: the solution marker (a smiley) and the circuits of questions 17 to 20, at
// the sizes their pages' preview panels are made for, labelled with the values the questions
// state.
#include <cairo.h>

#include <cmath>

#include "Figures.h"
#include "QuantityText.h"
#include "QuizPicture.h"
#include "QuizCircuits.h"

namespace apostila::figures {

namespace {

using Pic = QuizPicture;
using A = Pic::Align;
using Q = QuantityText;

std::string betaText(double beta) { return "\u03B2 = " + Q::plain(beta); }

// A resistor's name above its value, left of x or right of it.
void resistorLabel(Pic& p, Pic::Pt at, const std::string& sub, double ohms, A align = A::Left) {
  p.name(at, "R", sub, "", align);
  p.setInk(Pic::kValueInk);
  p.text({at.x, at.y + 14}, Q::ohms(ohms), align);
  p.setInk(Pic::kInk);
}

void supplyLabel(Pic& p, Pic::Pt at, const std::string& sub, double volts) {
  p.name(at, "+V", sub, "= " + Q::plain(volts) + " V", A::Center);
}

// RB and RC from the supply rail, emitter to ground: the fixed bias of questions 17 and 19.
RgbImage fixedBias(int w, int h, const BaseResistorCircuit& c) {
  Pic p(w, h);
  const double railY = 30, xB = std::round(0.22 * w), xC = std::round(0.63 * w);
  const Pic::Pt bar{xC - 15, std::round(0.58 * h)};
  supplyLabel(p, {(xB + xC) / 2, 17}, "CC", c.vcc);
  p.wire({xB, railY}, {xC, railY});
  const Pic::Npn t = p.npn(bar);
  p.resistor({xB, railY}, {xB, bar.y});
  p.wire({xB, bar.y}, t.base);
  p.resistor({xC, railY}, t.collector);
  const double groundY = h - 30;
  p.wire(t.emitter, {xC, groundY});
  p.ground({xC, groundY});
  const double rbMid = (railY + bar.y) / 2, rcMid = (railY + t.collector.y) / 2;
  resistorLabel(p, {xB + 11, rbMid - 2}, "B", c.rb);
  resistorLabel(p, {xC + 11, rcMid - 2}, "C", c.rc);
  p.text({bar.x + 38, bar.y + 5}, betaText(c.beta));
  return p.image();
}

// The divider at the base, RC and RE: question 18.
RgbImage dividerBias(int w, int h, const DividerCircuit& c) {
  Pic p(w, h);
  const double railY = 26, groundRailY = h - 30, xB = 40, xC = std::round(0.62 * w);
  const Pic::Pt bar{xC - 15, std::round((railY + groundRailY) / 2)};
  supplyLabel(p, {(xB + xC) / 2, 15}, "CC", c.vcc);
  p.wire({xB, railY}, {xC, railY});
  const Pic::Npn t = p.npn(bar);
  p.resistor({xB, railY}, {xB, bar.y});
  p.resistor({xB, bar.y}, {xB, groundRailY});
  p.wire({xB, bar.y}, t.base);
  p.dot({xB, bar.y});
  p.resistor({xC, railY}, t.collector);
  p.resistor(t.emitter, {xC, groundRailY});
  p.wire({xB, groundRailY}, {xC, groundRailY});
  const double groundX = std::round((xB + xC) / 2);
  p.dot({groundX, groundRailY});
  p.ground({groundX, groundRailY});
  resistorLabel(p, {xB + 11, (railY + bar.y) / 2 - 4}, "B1", c.rb1);
  resistorLabel(p, {xB + 11, (bar.y + groundRailY) / 2 + 2}, "B2", c.rb2);
  resistorLabel(p, {xC + 11, (railY + t.collector.y) / 2 - 2}, "C", c.rc);
  resistorLabel(p, {xC + 11, (t.emitter.y + groundRailY) / 2 - 2}, "E", c.re);
  p.text({bar.x + 38, bar.y + 5}, betaText(c.beta));
  return p.image();
}

// The switch: VBB drives the base through RB, RC to the supply terminal: question 20.
RgbImage transistorSwitch(int w, int h, const BaseResistorCircuit& c) {
  Pic p(w, h);
  const double xV = 40, xC = std::round(0.67 * w), terminalY = 30;
  const Pic::Pt bar{xC - 15, std::round(0.53 * h)};
  const double groundRailY = h - 40;
  supplyLabel(p, {xC, 17}, "CC", c.vcc);
  const Pic::Npn t = p.npn(bar);
  p.terminal({xC, terminalY});
  p.resistor({xC, terminalY + 3}, t.collector);
  const double rbStart = xV + 22;
  p.wire({xV, std::round(0.7 * h)}, {xV, bar.y}, {rbStart, bar.y});
  p.resistor({rbStart, bar.y}, t.base);
  p.battery({xV, std::round(0.7 * h)}, {xV, std::round(0.7 * h) + 34});
  p.wire({xV, std::round(0.7 * h) + 34}, {xV, groundRailY});
  p.wire(t.emitter, {xC, groundRailY});
  p.wire({xV, groundRailY}, {xC, groundRailY});
  const double groundX = std::round((xV + xC) / 2);
  p.dot({groundX, groundRailY});
  p.ground({groundX, groundRailY});
  const double rbMid = (rbStart + t.base.x) / 2;
  p.name({rbMid, bar.y - 12}, "R", "B", "", A::Center);
  p.setInk(Pic::kValueInk);
  p.text({rbMid, bar.y + 22}, Q::ohms(c.rb), A::Center);
  p.setInk(Pic::kInk);
  resistorLabel(p, {xC + 11, (terminalY + t.collector.y) / 2 - 2}, "C", c.rc);
  const double batteryMid = std::round(0.7 * h) + 17;
  p.name({xV + 18, batteryMid - 2}, "V", "BB");
  p.setInk(Pic::kValueInk);
  p.text({xV + 18, batteryMid + 12}, Q::plain(c.vbb) + " V");
  p.setInk(Pic::kInk);
  p.text({bar.x + 38, bar.y + 5}, betaText(c.beta));
  return p.image();
}

// The solution marker: a yellow smiling face on white.
RgbImage smiley() {
  Pic p(32, 32);
  cairo_t* cr = p.cr();
  cairo_arc(cr, 16, 16, 14.2, 0, 2 * M_PI);
  cairo_set_source_rgb(cr, 1.0, 0.85, 0.0);
  cairo_fill_preserve(cr);
  cairo_set_source_rgb(cr, 0.35, 0.25, 0.0);
  cairo_set_line_width(cr, 1.3);
  cairo_stroke(cr);
  cairo_set_source_rgb(cr, 0, 0, 0);
  for (double x : {11.0, 21.0}) {
    cairo_save(cr);
    cairo_translate(cr, x, 12);
    cairo_scale(cr, 1.7, 2.5);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_fill(cr);
  }
  cairo_set_line_width(cr, 1.8);
  cairo_arc(cr, 16, 16.5, 8, 0.18 * M_PI, 0.82 * M_PI);
  cairo_stroke(cr);
  return p.image();
}

}  // namespace

void addQuizFigures(FigureList& list) {
  list.push_back({"sorriso.bmp", [] { return encodeBmp24(smiley()); }});
  list.push_back({"circuito-q17.bmp", [] { return encodeBmp24(fixedBias(212, 246, QuizCircuits::kQuestion17)); }});
  list.push_back({"circuito-q18.bmp", [] { return encodeBmp24(dividerBias(236, 202, QuizCircuits::kQuestion18)); }});
  list.push_back({"circuito-q19.bmp", [] { return encodeBmp24(fixedBias(264, 223, QuizCircuits::kQuestion19)); }});
  list.push_back({"circuito-q20.bmp", [] { return encodeBmp24(transistorSwitch(252, 281, QuizCircuits::kQuestion20)); }});
}

}  // namespace apostila::figures
