// Topic 7, bias from a single battery: the circuit with RB taken from VCC where the base had a
// battery of its own, and its solution by the hand method with the check that the transistor
// works in the active region.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "Figures.h"
#include "Topics.h"
#include "ValueTable.h"
#include "drawing/BiasCircuitDrawings.h"
#include "drawing/Drawing.h"
#include "drawing/Equation.h"
#include "topics/07-single-battery/SingleBatteryCircuit.h"

namespace apostila::figures {

namespace {

// RB and RC both hang from the one supply rail; the emitter goes to ground. The currents are
// marked in their conventional directions: IB and IC in, IE out.
std::vector<std::uint8_t> singleBattery() {
  BiasCircuitDrawings::Circuit c = BiasCircuitDrawings::lettered(kSingleBatteryCircuit, "t17");
  c.currents = true;
  return BiasCircuitDrawings::bmp(264, 271, c);
}

// The three equations solved for Teoria 17's circuit, side by side, and below them the check
// that β · IB stays under the collector circuit's ceiling.
std::vector<std::uint8_t> equations() {
  Drawing d(550, 304);
  d.text().draw({12, 22}, "V_{CC} = " + val("t17.vcc") + ",  R_B = " + val("t17.rb") + ",  R_C = " + val("t17.rc") +
                              ",  \u03B2 = " + val("t17.beta") + ",  V_{BE} = " + val("hand.vbe"));
  Equation base(d);
  base.row("I_B = \\frac{V_{CC} − V_{BE}}{R_B}")
      .row("= \\frac{" + worked("t18.vrb") + "}{" + val("t17.rb") + "}")
      .row("= " + workedFraction("t18.ib"))
      .row("= " + val("t18.ib"), Drawing::kBlue);
  const double baseBottom = base.draw({12, 40});
  Equation collector(d);
  collector.row("I_C = \u03B2 · I_B")
      .row("= " + worked("t18.ic"))
      .row("= " + val("t18.ic"), Drawing::kBlue);
  collector.draw({290, 40});
  Equation vce(d);
  vce.row("V_{CE} = V_{CC} − R_C · I_C")
      .row("= " + val("t17.vcc") + " − " + val("t17.rc") + " · " + val("t18.ic"))
      .row("= " + worked("t18.vce"))
      .row("= " + val("t18.vce"), Drawing::kBlue);
  vce.draw({290, 128});
  // The check, across the foot of the picture.
  Equation check(d);
  check.row("I_{C(sat)} = \\frac{V_{CC}}{R_C} = " + workedFraction("t18.ic_sat") + " = " +
            val("t18.ic_sat") + "  (desprezando V_{CE(sat)})");
  const double checkBottom = check.draw({12, std::max(baseBottom, 226.0) + 4});
  {
    Drawing::Style inked(d, Drawing::kBlue);
    d.text().draw({12, std::max(checkBottom + 22, 292.0)},
                  "\u03B2 · I_B = " + val("t18.ic") + " < I_{C(sat)} = " + val("t18.ic_sat") +
                      ": região ativa");
  }
  return d.bmp();
}

std::string describeSingleBattery() {
  BiasCircuitDrawings::Circuit c = BiasCircuitDrawings::lettered(kSingleBatteryCircuit, "t17");
  c.currents = true;
  return BiasCircuitDrawings::describe(c) + " RB e RC saem da mesma bateria, VCC.";
}

std::string describeEquations() {
  return "Solução do circuito de uma bateria pelo método do curso, com VCC = " + val("t17.vcc") + ", RB = " +
         val("t17.rb") + ", RC = " + val("t17.rc") + ", β = " + val("t17.beta") + " e VBE = " + val("hand.vbe") +
         ". Corrente de base: IB = (VCC − VBE) / RB = " + worked("t18.vrb") + ", dividido por " + val("t17.rb") +
         ", = " + workedStep("t18.ib") + ", em azul. Corrente de coletor: IC = β · IB = " + workedStep("t18.ic") +
         ", em azul. Tensão coletor-emissor: VCE = VCC − RC · IC = " + val("t17.vcc") + " − " + val("t17.rc") +
         " · " + val("t18.ic") + " = " + workedStep("t18.vce") + ", em azul. Verificação, desprezando "
         "VCE(sat): IC(sat) = VCC / RC = " + workedStep("t18.ic_sat") + "; em azul, β · IB = " + val("t18.ic") +
         " é menor que IC(sat) = " + val("t18.ic_sat") + ": região ativa.";
}

}  // namespace

void addTopic7Figures(FigureList& list) {
  list.add("t17-uma-bateria.bmp", singleBattery, describeSingleBattery);
  list.add("t18-equacoes.bmp", equations, describeEquations);
}

}  // namespace apostila::figures
