// The quiz figures: the solution marker (a smiley) and the circuits of questions 17 to 20, at
// the sizes their pages' preview panels are made for. Every value they show is the named value
// the question's statement states.
#include <cmath>

#include "Figures.h"
#include "Topics.h"
#include "ValueTable.h"
#include "drawing/BiasCircuitDrawings.h"
#include "drawing/Drawing.h"
#include "drawing/Schematic.h"
#include "quiz/QuizCircuits.h"

namespace apostila::figures {

namespace {

using Side = Schematic::Side;
using Align = TextSetter::Align;

// RB and RC from the supply rail, the emitter to ground: the fixed bias of questions 17 and 19.
std::vector<std::uint8_t> fixedBias(int w, int h, const std::string& q, const BiasCircuit& circuit) {
  return BiasCircuitDrawings::bmp(w, h, BiasCircuitDrawings::lettered(circuit, q));
}

// The divider at the base, RC and RE: question 18.
std::vector<std::uint8_t> dividerBias(int w, int h) {
  return BiasCircuitDrawings::bmp(w, h, BiasCircuitDrawings::lettered(QuizCircuits::kQuestion18, "q18"));
}

// The switch: VBB drives the base through RB, RC hangs from the supply terminal: question 20.
std::vector<std::uint8_t> transistorSwitch(int w, int h) {
  Drawing d(w, h);
  Schematic s(d);
  const double xV = 30, xC = std::round(w * 0.64), baseY = std::round(h * 0.50), groundY = h - 24;
  s.supply("VCC", {xC, 40}, "+V_{CC} = " + val("q20.vcc"));
  s.npn("Q", {xC - 40, baseY});
  s.resistor("RC", s.pin("VCC"), s.pin("Q.c"), "R_C", val("q20.rc"));
  const double rbStart = xV + 26;
  s.resistor("RB", {rbStart, baseY}, s.pin("Q.b"), "R_B", "", Side::Above);
  {
    Drawing::Style inked(d, Drawing::kBlue);
    d.text().draw({(rbStart + xC - 40) / 2, baseY + 26}, val("q20.rb"), Align::Center);
  }
  const double batteryTop = baseY + 40, batteryBottom = baseY + 80;
  s.wire({{xV, batteryTop}, {xV, baseY}, {rbStart, baseY}});
  s.battery("VBB", {xV, batteryTop}, {xV, batteryBottom}, "V_{BB}", val("q20.vbb"));
  s.wire({{xV, batteryBottom}, {xV, groundY}, {xC, groundY}, s.pin("Q.e")});
  const double gx = std::round((xV + xC) / 2) + 10;
  s.dot({gx, groundY});
  s.ground("0", {gx, groundY});
  d.text().draw({xC + 24, baseY + 5}, "\u03B2 = " + val("q20.beta"));
  return d.bmp();
}

// The solution marker: a yellow smiling face on white.
std::vector<std::uint8_t> smiley() {
  Drawing d(32, 32);
  cairo_t* cr = d.cr();
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
  return d.bmp();
}

// What each picture shows, read aloud, from the values the question states.
std::string describeSwitch() {
  return "Circuito de uma chave com um transistor NPN: +VCC = " + val("q20.vcc") + ", RC = " + val("q20.rc") +
         " do terminal de alimentação ao coletor; a bateria VBB = " + val("q20.vbb") +
         " alimenta a base através de RB = " + val("q20.rb") + ", escrito em azul; o emissor e o negativo de VBB vão "
         "ao terra; β = " + val("q20.beta") + ".";
}

}  // namespace

void addQuizFigures(FigureList& list) {
  list.add("sorriso.bmp", smiley, [] { return std::string("Um rosto amarelo sorridente: a marca da resposta certa."); });
  list.add("circuito-q17.bmp", [] { return fixedBias(212, 246, "q17", QuizCircuits::kQuestion17); },
           [] { return BiasCircuitDrawings::describe(BiasCircuitDrawings::lettered(QuizCircuits::kQuestion17, "q17")); });
  list.add("circuito-q18.bmp", [] { return dividerBias(236, 202); },
           [] { return BiasCircuitDrawings::describe(BiasCircuitDrawings::lettered(QuizCircuits::kQuestion18, "q18")); });
  list.add("circuito-q19.bmp", [] { return fixedBias(264, 223, "q19", QuizCircuits::kQuestion19); },
           [] { return BiasCircuitDrawings::describe(BiasCircuitDrawings::lettered(QuizCircuits::kQuestion19, "q19")); });
  list.add("circuito-q20.bmp", [] { return transistorSwitch(252, 281); }, describeSwitch);
}

}  // namespace apostila::figures
