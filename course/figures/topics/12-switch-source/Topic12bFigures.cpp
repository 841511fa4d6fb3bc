// Topic 12's second half, the transistor as a current source: the zener source's circuit and its
// equations (Teoria 52), its compliance range with IC against the load solved on the device
// model (Teoria 53), an LED driver (Teoria 54), the LEDs fed by a switch and a resistor against
// the source as VCC swings (Teoria 55), and three worked examples (Teoria 56).
#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "Figures.h"
#include "Spoken.h"
#include "Topics.h"
#include "ValueTable.h"
#include "drawing/Drawing.h"
#include "drawing/Equation.h"
#include "drawing/Plot.h"
#include "drawing/Schematic.h"
#include "topics/12-switch-source/Topic12bValues.h"

namespace apostila::figures {

namespace {

using Side = Schematic::Side;
using Align = TextSetter::Align;

constexpr double kSmall = 12.5;

// A worked example's heading, in bold at the top left.
void exampleTitle(Drawing& d, const std::string& markup) {
  d.text().bold(true);
  d.text().draw({6, 16}, markup);
  d.text().bold(false);
}


// The source's circuit: RZ from the rail feeds the zener, whose cathode holds the base at VZ;
// RE from the emitter to ground, and the load (drawn by `load` between the rail and the
// collector) above the transistor. The columns: zener at xZ, the transistor's leads at xQ.
struct SourceLayout {
  double xZ, xQ, terminalY, railY, baseY, groundY;
};

void sourceCircuit(Drawing& d, const SourceLayout& l, const std::string& page,
                   const std::function<void(Schematic&, Pt, Pt)>& load) {
  Schematic s(d, Schematic::kCompactTransistor);
  const double toLead = Schematic::kCompactTransistor.lead;  // from the base to the leads' column
  s.npn("Q", {l.xQ - toLead, l.baseY});
  const Pt terminal{std::round((l.xZ + l.xQ) / 2), l.terminalY};
  s.supply("VCC", terminal, "+V_{CC} = " + val(page + ".vcc"));
  s.wire({s.pin("VCC"), {terminal.x, l.railY}});
  s.dot({terminal.x, l.railY});
  s.wire({{l.xZ, l.railY}, {l.xQ, l.railY}});
  s.from({l.xZ, l.railY}).resistor("RZ", Schematic::toY(l.baseY), "R_Z", val(page + ".rz")).dot().wire(s.pin("Q.b"));
  s.zener("DZ", {l.xZ, l.groundY}, {l.xZ, l.baseY + 16}, "D_Z", val(page + ".vz"));
  s.wire({{l.xZ, l.baseY}, {l.xZ, l.baseY + 16}});
  s.ground("0", {l.xZ, l.groundY});
  load(s, {l.xQ, l.railY}, s.pin("Q.c"));
  // IE marked on the lead from RE to ground, clear of the resistor's lettering.
  s.from(s.pin("Q.e"))
      .resistor("RE", Schematic::toY(l.groundY - 18), "R_E", val(page + ".re"))
      .wire(Schematic::down(18), "I_E", Side::Left)
      .ground("1");
}

std::vector<std::uint8_t> sourceWithLoad() {
  Drawing d(175, 239);
  sourceCircuit(d, {.xZ = 32, .xQ = 120, .terminalY = 26, .railY = 44, .baseY = 136, .groundY = 222}, "t52",
                [&](Schematic& s, Pt top, Pt collector) {
                  s.resistor("RL", top, {collector.x, collector.y - 24}, "R_L");
                  s.wire({{collector.x, collector.y - 24}, collector});
                  s.current({collector.x, collector.y - 22}, {collector.x, collector.y - 6}, "I_C", Side::Right);
                });
  return d.bmp();
}

// The three equations of the source, the base voltage held, the emitter a VBE below it.
std::vector<std::uint8_t> sourceEquations() {
  Drawing d(403, 147);
  Equation left(d, 12);
  left.row("V_B = V_Z").row("V_E = V_B − V_{BE}").row("= V_Z − V_{BE}");
  left.draw({10, 22});
  d.text().draw({10, 134}, "o zener fixa a base em V_Z", Align::Left, kSmall);
  Equation right(d);
  right.row("I_E = \\frac{V_E}{R_E} = \\frac{V_Z − V_{BE}}{R_E}");
  right.draw({196, 14});
  Equation result(d);
  result.row("I_C ≈ I_E", Drawing::kBlue);
  result.draw({196, 84});
  d.text().draw({196, 134}, "qualquer que seja R_L", Align::Left, kSmall);
  return d.bmp();
}

std::vector<std::uint8_t> sourceExample() {
  Drawing d(357, 123);
  d.text().draw({8, 18}, "V_Z = " + val("t52.vz") + ",  R_E = " + val("t52.re") + ",  V_{BE} = " + val("hand.vbe"));
  Equation eq(d);
  eq.row("I_E = \\frac{" + worked("t52.ve") + "}{" + val("t52.re") + "}")
      .row("= " + workedFraction("t52.ie") + " = " + val("t52.ie"), Drawing::kBlue);
  eq.draw({8, 32});
  d.inkText(Drawing::kBlue, {236, 104}, "I_C ≈ " + val("t52.ie"));
  return d.bmp();
}

constexpr double kLoadTop = 3e3, kLoadCurrentTop = 5e-3;  // the axes' ends, Ω and A
constexpr double kLedCurrentTop = 35e-3;                   // A

// IC against the load, solved on the device model pixel by pixel: flat while the transistor is
// active, falling once the load asks for more voltage than VCC − VE − VCE(sat) leaves.
std::vector<std::uint8_t> currentAgainstLoad() {
  Drawing d(566, 214);
  const ZenerCurrentSource& s = kTopic12Source;
  const ValueTable& v = courseValues();
  Plot p(d, {.left = 48, .top = 26, .right = 520, .bottom = 170});
  const double rlMax = v.value("t53.rl_max");
  p.xAxis(0, kLoadTop, 0.5e3, "R_L", "kΩ", 1e3);
  p.yAxis(0, kLoadCurrentTop, 1e-3, "I_C", "mA", 1e-3);
  p.shadeX(rlMax, kLoadTop);
  {
    Drawing::Style inked(d, Drawing::kBlue);
    p.curve([&](double rl) { return s.solveResistor(rl).ic; });
  }
  p.line({rlMax, 0}, {rlMax, kLoadCurrentTop}, true);
  d.text().draw({p.px(rlMax) - 6, p.py(0.6e-3)}, "R_{L(máx)} = " + val("t53.rl_max"), Align::Right, kSmall);
  d.text().draw({p.px(0.95e3), p.py(2.2e-3)}, "fonte de corrente: região ativa", Align::Center, kSmall);
  d.text().draw({(p.px(rlMax) + p.px(kLoadTop)) / 2, p.py(4.5e-3)}, "saturação", Align::Center, kSmall);
  // The three loads the page's text quotes, with the model's current at each.
  p.point({0, v.value("t53.ic_0")});
  d.text().draw({p.px(0) + 8, p.py(v.value("t53.ic_0")) - 8}, val("t53.ic_0"), Align::Left, kSmall);
  p.point({v.value("t53.rl_in"), v.value("t53.ic_in")});
  d.text().draw({p.px(v.value("t53.rl_in")) + 8, p.py(v.value("t53.ic_in")) - 8}, val("t53.ic_in"), Align::Right, kSmall);
  p.point({v.value("t53.rl_out"), v.value("t53.ic_out")});
  d.text().draw({p.px(v.value("t53.rl_out")) + 8, p.py(v.value("t53.ic_out")) + 16}, val("t53.ic_out"), Align::Left,
                kSmall);
  return d.bmp();
}

std::vector<std::uint8_t> compliance() {
  Drawing d(510, 114);
  Equation eq(d, 10);
  eq.row("R_{L(máx)} = \\frac{V_{CC} − V_E − V_{CE(sat)}}{I_C}")
      .row("= \\frac{" + worked("t53.vl_max") + "}{" + val("t52.ie") +
               "} = " + workedFraction("t53.rl_max") + " = " + val("t53.rl_max"),
           Drawing::kBlue);
  eq.draw({8, 8});
  return d.bmp();
}

std::vector<std::uint8_t> ledDriver() {
  Drawing d(217, 253);
  sourceCircuit(d, {.xZ = 32, .xQ = 120, .terminalY = 26, .railY = 44, .baseY = 148, .groundY = 222}, "t54",
                [&](Schematic& s, Pt top, Pt collector) {
                  const double step = (collector.y - top.y) / kTopic12Leds;
                  for (int i = 0; i < kTopic12Leds; ++i) {
                    const Pt a{top.x, top.y + i * step}, b{top.x, top.y + (i + 1) * step};
                    if (i == 1)
                      s.led("LED" + std::to_string(i), a, b, std::to_string(kTopic12Leds) + " LEDs",
                            "V_F = " + val("t54.vf"));
                    else
                      s.led("LED" + std::to_string(i), a, b);
                  }
                });
  return d.bmp();
}

std::vector<std::uint8_t> ledCalculation() {
  Drawing d(383, 124);
  Equation eq(d, 4);
  eq.row("I_C ≈ I_E = \\frac{" + worked("t54.ve") + "}{" + val("t54.re") + "} = " + val("t54.ie"),
         Drawing::kBlue)
      .row("V_{CE} = V_{CC} − " + val("t54.n") + " · V_F − V_E")
      .row("= " + workedStep("t54.vce"))
      .row("P_D = V_{CE} · I_C = " + val("t54.pd"), Drawing::kBlue);
  eq.draw({6, 2});
  return d.bmp();
}

// The LED current as the supply swings: through a resistor with a saturated switch it follows
// VCC; the source, solved on the device model, holds it.
std::vector<std::uint8_t> switchOrSource() {
  Drawing d(559, 220);
  const ValueTable& v = courseValues();
  const double lo = v.value("t55.vcc_lo"), hi = v.value("t55.vcc_hi");
  const double leds = v.value("t54.vleds"), r = v.value("t55.r");
  Plot p(d, {.left = 48, .top = 26, .right = 520, .bottom = 176});
  p.xAxis(lo, hi, 1, "V_{CC}", "V");
  p.yAxis(0, kLedCurrentTop, 5e-3, "I_{LED}", "mA", 1e-3);
  p.curve([&](double vcc) { return (vcc - leds - ZenerCurrentSource::kVceSat) / r; });
  {
    Drawing::Style inked(d, Drawing::kBlue);
    p.curve([&](double vcc) {
      ZenerCurrentSource s = kTopic12LedSource;
      s.vcc = vcc;
      return s.solve([leds](double) { return leds; }).ic;
    });
  }
  d.text().draw({p.px(13.4), p.py(28e-3)}, "chave saturada com R = " + val("t55.r"), Align::Right, kSmall);
  d.inkText(Drawing::kBlue, {p.px(14.9), p.py(v.value("t55.ic_hi")) + 18}, "fonte de corrente (modelo do curso)", Align::Right, kSmall);
  for (const char* end : {"lo", "hi"}) {
    const double vcc = v.value(std::string("t55.vcc_") + end);
    p.point({vcc, v.value(std::string("t55.ir_") + end)});
    p.point({vcc, v.value(std::string("t55.ic_") + end)});
  }
  d.text().draw({p.px(lo) + 8, p.py(v.value("t55.ir_lo")) + 16}, val("t55.ir_lo"), Align::Left, kSmall);
  d.text().draw({p.px(hi) - 8, p.py(v.value("t55.ir_hi")) - 8}, val("t55.ir_hi"), Align::Right, kSmall);
  d.inkText(Drawing::kBlue, {p.px(lo) + 8, p.py(v.value("t55.ic_lo")) - 8}, val("t55.ic_lo"), Align::Left, kSmall);
  return d.bmp();
}

// Example 1: design a 10 mA source, round RE to a stock value, and find its range.
std::vector<std::uint8_t> exampleDesign() {
  Drawing d(308, 294);
  exampleTitle(d, "Exemplo 1: fonte de " + val("t56.target"));
  d.text().draw({6, 40}, "V_{CC} = " + val("t56.vcc") + ",  V_Z = " + val("t56.vz"));
  Equation eq(d);
  eq.row("R_E = \\frac{V_Z − V_{BE}}{I_C} = \\frac{" + val("t56.vz") + " − " + val("hand.vbe") + "}{" +
         val("t56.target") + "}")
      .row("= " + workedFraction("t56.re_calc") + " = " + val("t56.re_calc"));
  double y = eq.draw({6, 48});
  d.text().draw({6, y + 18}, "valor comercial: R_E = " + val("t56.re"));
  Equation ic(d);
  ic.row("I_C = " + workedFraction("t56.ic") + " = " + val("t56.ic"), Drawing::kBlue);
  y = ic.draw({6, y + 26});
  Equation rl(d);
  rl.row("R_{L(máx)} = \\frac{" + worked("t56.vl_max") + "}{" +
         val("t56.ic") + "}")
      .row("= " + workedFraction("t56.rl_max") + " = " + val("t56.rl_max"), Drawing::kBlue);
  rl.draw({6, y + 8});
  return d.bmp();
}

// Example 2: a load inside the range, the transistor still active.
std::vector<std::uint8_t> exampleInside() {
  Drawing d(257, 123);
  exampleTitle(d, "Exemplo 2: R_L = " + val("t56.rl_in"));
  Equation eq(d, 4);
  eq.row("V_{RL} = R_L · I_C = " + val("t56.vrl_in"))
      .row("V_{CE} = V_{CC} − V_{RL} − V_E")
      .row("= " + worked("t56.vce_in"))
      .row("= " + val("t56.vce_in") + ": região ativa", Drawing::kBlue);
  eq.draw({6, 24});
  return d.bmp();
}

// Example 3: a load beyond the range: saturated, the current is no longer the source's.
std::vector<std::uint8_t> exampleBeyond() {
  Drawing d(273, 122);
  exampleTitle(d, "Exemplo 3: R_L = " + val("t56.rl_out"));
  Equation eq(d, 4);
  eq.row("I_C = \\frac{V_{CC} − V_E − V_{CE(sat)}}{R_L}")
      .row("= " + workedFraction("t56.ic_out") + " = " + val("t56.ic_out"), Drawing::kBlue);
  const double y = eq.draw({6, 22});
  d.text().draw({6, std::min(y + 15, 118.0)}, "R_L > R_{L(máx)}: saturado, I_C < " + val("t56.ic"), Align::Left,
                kSmall);
  return d.bmp();
}

// What each picture shows, read aloud, from the values it is lettered with.
std::string sourceWords(const std::string& page, const std::string& load) {
  return "Circuito da fonte de corrente com zener: de +VCC = " + val(page + ".vcc") + ", o resistor RZ = " +
         val(page + ".rz") + " alimenta o zener DZ, de " + val(page + ".vz") + ", que vai ao terra e fixa a base do NPN "
         "em VZ; " + load + " liga +VCC ao coletor; do emissor, RE = " + val(page + ".re") +
         " vai ao terra, com IE marcada descendo.";
}

std::string describeSourceEquations() {
  return "Equações da fonte. À esquerda: VB = VZ; VE = VB − VBE = VZ − VBE; o zener fixa a base em VZ. À direita: " +
         spoken("I_E = \\frac{V_E}{R_E} = \\frac{V_Z − V_{BE}}{R_E}") +
         "; em azul, IC ≈ IE, qualquer que seja RL.";
}

std::string describeSourceExample() {
  return "Exemplo: VZ = " + val("t52.vz") + ", RE = " + val("t52.re") + " e VBE = " + val("hand.vbe") +
         ". IE = (" + worked("t52.ve") + ") / " + val("t52.re") + " = " + workedStep("t52.ie") + ", em azul; e, em "
         "azul, IC ≈ " + val("t52.ie") + ".";
}

std::string describeCurrentAgainstLoad() {
  return "Gráfico de IC contra a carga. Eixo horizontal: " + axisText("R_L", "kΩ", 0, kLoadTop, 1e3) +
         ". Eixo vertical: " + axisText("I_C", "mA", 0, kLoadCurrentTop, 1e-3) + ". A curva, em azul, fica plana "
         "enquanto o transistor está na região ativa, como fonte de corrente, e cai depois da linha tracejada em "
         "RL(máx) = " + val("t53.rl_max") + "; à direita dela, sombreada, a saturação. Três pontos marcados: " +
         val("t53.ic_0") + " com RL = 0, " + val("t53.ic_in") + " com RL = " + val("t53.rl_in") + " e " +
         val("t53.ic_out") + " com RL = " + val("t53.rl_out") + ".";
}

std::string describeCompliance() {
  return "A maior carga da fonte: RL(máx) = (VCC − VE − VCE(sat)) / IC; em azul, = (" + worked("t53.vl_max") + ") / " +
         val("t52.ie") + " = " + workedStep("t53.rl_max") + ".";
}

std::string describeLedCalculation() {
  return "Cálculo da fonte dos LEDs: em azul, IC ≈ IE = (" + worked("t54.ve") + ") / " + val("t54.re") + " = " +
         val("t54.ie") + "; VCE = VCC − " + val("t54.n") + " · VF − VE = " + workedStep("t54.vce") +
         "; em azul, PD = VCE · IC = " + val("t54.pd") + ".";
}

std::string describeSwitchOrSource() {
  return "Gráfico da corrente dos LEDs quando a alimentação varia. Eixo horizontal: VCC, de " + val("t55.vcc_lo") +
         " a " + val("t55.vcc_hi") + ". Eixo vertical: " + axisText("I_{LED}", "mA", 0, kLedCurrentTop, 1e-3) +
         ". Em preto, a chave saturada com R = " + val("t55.r") + ": uma reta que sobe com VCC, de " + val("t55.ir_lo") +
         " a " + val("t55.ir_hi") + ". Em azul, a fonte de corrente, calculada no modelo do curso: quase plana, em " +
         val("t55.ic_lo") + ".";
}

std::string describeExampleDesign() {
  return "Exemplo 1: fonte de " + val("t56.target") + ", com VCC = " + val("t56.vcc") + " e VZ = " + val("t56.vz") +
         ". RE = (VZ − VBE) / IC = (" + val("t56.vz") + " − " + val("hand.vbe") + ") / " + val("t56.target") + " = " +
         workedStep("t56.re_calc") + "; valor comercial, RE = " + val("t56.re") + ". Em azul: IC = " +
         workedStep("t56.ic") + "; RL(máx) = (" + worked("t56.vl_max") + ") / " + val("t56.ic") + " = " +
         workedStep("t56.rl_max") + ".";
}

std::string describeExampleInside() {
  return "Exemplo 2: RL = " + val("t56.rl_in") + ". VRL = RL · IC = " + val("t56.vrl_in") + "; VCE = VCC − VRL − VE = " +
         worked("t56.vce_in") + " = " + val("t56.vce_in") + ", em azul: região ativa.";
}

std::string describeExampleBeyond() {
  return "Exemplo 3: RL = " + val("t56.rl_out") + ". IC = (VCC − VE − VCE(sat)) / RL; em azul, = " +
         workedStep("t56.ic_out") + ". RL maior que RL(máx): saturado, IC menor que " + val("t56.ic") + ".";
}

}  // namespace

void addTopic12bFigures(FigureList& list) {
  list.add("t52-fonte-circuito.bmp", sourceWithLoad,
           [] { return sourceWords("t52", "o resistor de carga RL, com IC entrando no coletor,"); });
  list.add("t52-equacoes.bmp", sourceEquations, describeSourceEquations);
  list.add("t52-exemplo.bmp", sourceExample, describeSourceExample);
  list.add("t53-ic-carga.bmp", currentAgainstLoad, describeCurrentAgainstLoad);
  list.add("t53-faixa.bmp", compliance, describeCompliance);
  list.add("t54-calculo.bmp", ledCalculation, describeLedCalculation);
  list.add("t54-led-circuito.bmp", ledDriver, [] {
    return sourceWords("t54", "uma fileira de " + std::to_string(kTopic12Leds) + " LEDs em série, cada um com VF = " +
                                  val("t54.vf") + ",");
  });
  list.add("t55-chave-fonte.bmp", switchOrSource, describeSwitchOrSource);
  list.add("t56-exemplo1.bmp", exampleDesign, describeExampleDesign);
  list.add("t56-exemplo2.bmp", exampleInside, describeExampleInside);
  list.add("t56-exemplo3.bmp", exampleBeyond, describeExampleBeyond);
}

}  // namespace apostila::figures
