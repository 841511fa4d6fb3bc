// Topic 12, the transistor as a switch (Teoria 47 to 51): the switch circuit beside its two
// states, its two operating points on the model's output curves, the input and output
// waveforms, the LED driver and its design, the relay driver with its flyback diode, and the
// switching times. Every number is a named value; every curve comes from the device model or
// from the named times.
#include <cmath>
#include <string>
#include <stdexcept>
#include <vector>

#include "Spoken.h"
#include "Topics.h"
#include "drawing/Drawing.h"
#include "drawing/Equation.h"
#include "drawing/OutputFamily.h"
#include "drawing/Plot.h"
#include "drawing/Schematic.h"
#include "model/DeviceModel.h"
#include "topics/12-switch-source/Topic12Figures.h"

namespace apostila::figures {

namespace {

using Side = Schematic::Side;
using Align = TextSetter::Align;

constexpr double kSmall = 12.5;
constexpr std::uint32_t kRed = 0xC00000;
double num(const std::string& name) { return courseValues().value(name); }

// One of the switch's two states: the load from the supply, and the transistor replaced by a
// contact from the collector to ground, with its current and voltage beside it.
void switchState(Drawing& d, Schematic& s, const std::string& name, double x, bool closed, const std::string& title,
                 const std::string& state, const std::string& ic, const std::string& vce) {
  s.supply(name + "V", {x, 22}, "+" + val("t47.vcc"));
  s.resistor(name + "R", s.pin(name + "V"), {x, 86}, "R_C", "");
  s.contact(name + "S", {x, 86}, {x, 134}, closed);
  s.ground(name + "G", {x, 134});
  d.text().draw({x + 12, 106}, ic);
  d.text().draw({x + 12, 124}, vce);
  {
    Drawing::Style inked(d, Drawing::kBlue);
    d.text().draw({x + 22, 178}, title, Align::Center);
    d.text().draw({x + 22, 198}, state, Align::Center);
  }
}

// Teoria 47: the switch (input through RB, the load RC on VCC) and, beside it, what it is
// between collector and emitter when cut off and when saturated.
std::vector<std::uint8_t> switchCircuit() {
  Drawing d(482, 209);
  Schematic s(d);
  s.supply("VCC", {130, 24}, "+V_{CC} = " + val("t47.vcc"));
  s.npn("Q", {90, 120});
  s.resistor("RC", s.pin("VCC"), s.pin("Q.c"), "R_C", val("t47.rc"));
  s.supply("IN", {16, 120}, "");
  s.resistor("RB", {20, 120}, s.pin("Q.b"), "R_B", val("t47.rb"), Side::Below);
  s.ground("0", s.pin("Q.e"));
  d.text().draw({16, 102}, "v_{ent}", Align::Center);
  s.voltage({150, 100}, {150, 140}, "V_{CE}");
  {
    Drawing::Style inked(d, Drawing::kBlue);
    d.text().draw({16, 186}, "0 ou " + val("t47.vin"));
  }
  {
    Drawing::Style inked(d, Drawing::kGrey);
    d.line({205, 12}, {205, 200});
  }
  switchState(d, s, "A", 250, false, "corte:", "chave aberta", "I_C ≈ 0", "V_{CE} = " + val("t47.vce_cut"));
  switchState(d, s, "F", 372, true, "saturação:", "chave fechada", "I_C = " + val("t47.ic_sat"), "V_{CE} ≈ 0");
  return d.bmp();
}

// The axes' ends (V, A) and the smaller base currents drawn in grey.
constexpr double kPointsVce = 14, kPointsIc = 15e-3;
const std::vector<double> kPointsFamily = {20e-6, 30e-6, 40e-6};

// Teoria 48: the two points where the load line meets the model's curves for IB = 0 and for
// the base current the input drives, over the family of smaller base currents.
std::vector<std::uint8_t> switchPoints() {
  Drawing d(597, 178);
  const DeviceModel q;
  const double vcc = num("t47.vcc"), rc = num("t47.rc");
  Plot p(d, {.left = 48, .top = 22, .right = 440, .bottom = 138});
  p.xAxis(0, kPointsVce, 2, "V_{CE}", "V");
  p.yAxis(0, kPointsIc, 5e-3, "I_C", "mA", 1e-3);
  {
    Drawing::Style inked(d, Drawing::kGrey);
    outputFamily(d, p, kPointsFamily, kPointsVce, [&](double ib, double v) { return q.outputCurve(ib, v); },
                 TextSetter::kMainSize);
  }
  const double ibOn = num("t48.ib_on");
  p.curve([&](double v) { return q.outputCurve(ibOn, v); });
  p.line({0, vcc / rc}, {vcc, 0});
  d.text().draw({p.px(1.8), p.py(11.2e-3)}, "reta de carga");
  {
    Drawing::Style inked(d, Drawing::kBlue);
    const Pt on{num("t48.vce_sat"), num("t48.ic_on")}, off{vcc - rc * num("t48.ic_off"), num("t48.ic_off")};
    p.point(on);
    p.point(off);
    d.text().draw({p.px(0.6), p.py(13.4e-3)},
                  "saturação (chave fechada): I_B = " + val("t48.ib_on") + ", V_{CE} = " + val("t48.vce_sat"));
    d.text().draw({594, p.py(0) - 9}, "corte (chave aberta): I_B ≈ 0", Align::Right);
  }
  return d.bmp();
}

// A square wave on [x0, x1] at the level rest, going to the level pulse over each span; y in
// pixels, so an inverted wave has its pulse level below its rest level.
void squareWave(Drawing& d, double x0, double x1, double rest, double pulse,
                const std::vector<std::pair<double, double>>& spans) {
  std::vector<Pt> pts{{x0, rest}};
  for (const auto& [a, b] : spans) pts.insert(pts.end(), {{a, rest}, {a, pulse}, {b, pulse}, {b, rest}});
  pts.push_back({x1, rest});
  d.polyline(pts);
}

// Teoria 48: the input high saturates the transistor and pulls VCE down; the input low cuts it
// off and VCE goes up to VCC. The output is the input inverted.
std::vector<std::uint8_t> switchWaveforms() {
  Drawing d(365, 139);
  const double x0 = 92, x1 = 352;
  const std::vector<std::pair<double, double>> high = {{130, 200}, {260, 330}};
  {
    Drawing::Style inked(d, Drawing::kGrey);
    for (const auto& [a, b] : high) {
      d.dashed({a, 10}, {a, 126});
      d.dashed({b, 10}, {b, 126});
    }
  }
  d.line({x0, 52}, {x1, 52});
  d.line({x0, 120}, {x1, 120});
  d.text().draw({4, 34}, "v_{ent}");
  d.text().draw({4, 96}, "v_{CE}");
  {
    Drawing::Style inked(d, Drawing::kBlue);
    squareWave(d, x0, x1, 50, 20, high);
    // VCE: VCC while the input is low, VCE(sat) just above the axis while it is high.
    squareWave(d, x0, x1, 72, 117, high);
    d.text().draw({x0 - 6, 24}, val("t47.vin"), Align::Right);
    d.text().draw({x0 - 6, 56}, "0", Align::Right);
    d.text().draw({x0 - 6, 76}, val("t47.vcc"), Align::Right);
    d.text().draw({x0 - 6, 122}, val("t48.vce_sat"), Align::Right);
  }
  d.text().draw({165, 112}, "saturação", Align::Center, kSmall);
  d.text().draw({295, 112}, "saturação", Align::Center, kSmall);
  d.text().draw({111, 66}, "corte", Align::Center, kSmall);
  d.text().draw({230, 66}, "corte", Align::Center, kSmall);
  d.text().draw({x1, 136}, "t", Align::Right, kSmall);
  return d.bmp();
}

// Teoria 49: the LED on 5 V with its resistor, switched by the transistor from a logic output.
std::vector<std::uint8_t> ledDriver() {
  Drawing d(201, 218);
  Schematic s(d);
  s.supply("VCC", {130, 24}, "+V_{CC} = " + val("t49.vcc"));
  auto load = s.from(s.pin("VCC")).resistor("R", Schematic::toY(82), "R_C", val("t49.rc"));
  s.npn("Q", {90, 170});
  load.led("LED", s.pin("Q.c"), "LED", val("t49.vled"));
  s.supply("IN", {14, 170}, "");
  s.resistor("RB", {18, 170}, s.pin("Q.b"), "R_B", val("t49.rb"), Side::Above);
  s.ground("0", s.pin("Q.e"));
  d.text().draw({14, 206}, "v_{ent} = " + val("t49.vin"));
  const Pt c = s.pin("Q.c");
  s.current({c.x, c.y - 14}, {c.x, c.y}, "I_C", Side::Left);
  return d.bmp();
}

// Teoria 49: RB for a forced β of 10, by the hand method (VCE(sat) ≈ 0).
std::vector<std::uint8_t> ledDesign() {
  Drawing d(355, 136);
  Equation sat(d, 4);
  sat.row("I_{C(sat)} = \\frac{V_{CC} − V_{LED}}{R_C} = \\frac{" + val("t49.vcc") + " − " + val("t49.vled") + "}{" +
          val("t49.rc") + "} = " + val("t49.ic_sat"));
  double y = sat.draw({4, 4});
  d.text().draw({4, y + 18}, "I_B = I_{C(sat)} / 10 = " + val("t49.ib"));
  Equation rb(d, 4);
  rb.row("R_B = \\frac{V_{ent} − V_{BE}}{I_B} = " + workedFraction("t49.rb_calc") + " = " +
         val("t49.rb_calc"));
  y = rb.draw({4, y + 26});
  d.ink(Drawing::kBlue);
  d.text().draw({4, std::fmin(y + 18, 132)}, "valor comercial: R_B = " + val("t49.rb"));
  return d.bmp();
}

// Teoria 49: the chosen RB checked, by hand and on the device model.
std::vector<std::uint8_t> ledCheck() {
  Drawing d(332, 184);
  TextSetter& t = d.text();
  t.draw({4, 18}, "Com R_B = " + val("t49.rb") + ":");
  t.draw({4, 42}, "I_B = " + workedStep("t49.ib_real"));
  t.draw({4, 66}, "β_{forçado} = I_{C(sat)} / I_B = " + val("t49.beta_forced"));
  // The worst case: the smallest β the data sheet guarantees.
  t.draw({4, 90}, "β_{mín} · I_B = " + workedStep("t49.ic_active"));
  {
    Drawing::Style inked(d, Drawing::kBlue);
    t.draw({4, 112}, "muito mais que " + val("t49.ic_sat") + ": satura", Align::Left);
  }
  t.draw({4, 142}, "No modelo do curso: I_C = " + val("t49.m_ic") + ",");
  t.draw({4, 166}, "V_{CE(sat)} = " + val("t49.m_vce") + ", V_{BE} = " + val("t49.m_vbe"));
  return d.bmp();
}

// Teoria 50: the relay driver, and the collector voltage when the transistor opens, with the
// flyback diode (held at VCC plus the diode's drop while the coil's current dies away through
// it) and without (the coil's spike, far beyond BVCEO).
std::vector<std::uint8_t> relayDriver() {
  Drawing d(542, 116);
  Schematic s(d);
  const double x = 150, top = 22, bottom = 58;
  s.supply("VCC", {x, 9}, "");
  d.text().draw({x - 8, 14}, "+V_{CC} = " + val("t50.vcc"), Align::Right);
  s.wire({s.pin("VCC"), {x, top}});
  s.npn("Q", {x - 40, 78});
  s.coil("K", {x, top}, s.pin("Q.c"), "bobina", val("t50.rcoil"), Side::Left);
  s.wire({{x, top}, {x + 34, top}});
  s.diode("D", {x + 34, bottom}, {x + 34, top}, "D", "");
  s.wire({{x, bottom}, {x + 34, bottom}});
  s.dot({x, top});
  s.dot({x, bottom});
  s.supply("IN", {48, 78}, "");
  s.resistor("RB", {52, 78}, s.pin("Q.b"), "", "");
  d.text().draw({44, 83}, "v_{ent}", Align::Right);
  d.text().draw({72, 102}, "R_B = " + val("t50.rb"), Align::Center);
  s.ground("0", s.pin("Q.e"));

  // VCE against time: on until t = 0, then off. The coil's current I0 = VCC / R keeps flowing
  // through the diode, L di/dt = −(R i + VD), until it reaches zero at τ · ln(1 + I0 R / VD).
  const double vcc = num("t50.vcc"), vd = num("t50.vd"), i0 = num("t50.ic"), r = num("t50.rcoil");
  const double tEnd = std::log(1 + i0 * r / vd);  // in time constants L / R
  const double left = 300, right = 530, axisY = 96, vTop = 50;
  auto X = [&](double t) { return left + (t + 0.6) / 5.0 * (right - left); };
  auto Y = [&](double v) { return axisY - v / vTop * 80; };
  d.arrow({left, axisY}, {right + 8, axisY}, 6);
  d.arrow({left, axisY}, {left, 10}, 6);
  d.text().draw({left - 4, 14}, "V_{CE}", Align::Right);
  d.text().draw({right + 6, 112}, "t", Align::Right, kSmall);
  {
    Drawing::Style inked(d, Drawing::kGrey);
    const double bv = num("t50.bvceo");
    d.dashed({left, Y(bv)}, {right, Y(bv)});
    d.text().draw({left - 4, Y(bv) + 4}, val("t50.bvceo"), Align::Right);
    d.text().draw({right, Y(bv) + 13}, "BV_{CEO}", Align::Right);
  }
  {
    Drawing::Style inked(d, kRed);
    // Without the diode the coil rings with its own capacitance: a spike of hundreds of volts.
    std::vector<Pt> spike;
    for (double t = 0; t <= 0.08; t += 0.002) spike.push_back({X(t), std::fmax(Y(vcc + 900 * std::sin(t / 0.08 * M_PI)), 8)});
    d.polyline(spike);
    d.text().draw({X(0.1) + 2, 22}, "sem diodo: centenas de volts", Align::Left, kSmall);
  }
  {
    Drawing::Style inked(d, Drawing::kBlue);
    d.polyline({{X(-0.6), Y(0) - 1}, {X(0), Y(0) - 1}, {X(0), Y(vcc + vd)}, {X(tEnd), Y(vcc + vd)}, {X(tEnd), Y(vcc)},
                {X(4.3), Y(vcc)}});
    d.text().draw({X(1.0), Y(vcc + vd) - 5}, "com diodo: " + val("t50.vce_clamp"));
  }
  return d.bmp();
}

// Teoria 51: the input pulse and the collector current it switches, with the 10 % and 90 %
// levels and the four times between them. Each edge is an exponential placed so that its 10 %
// and 90 % points fall exactly where the times say; the times are stretched to be legible
// (the storage time is really nine times the rise time).
std::vector<std::uint8_t> switchingTimes() {
  Drawing d(362, 186);
  const double x0 = 56, x1 = 352, inOn = 84, inOff = 218;
  const double td = 22, tr = 34, ts = 46, tf = 40;  // pixels
  const double base = 140, full = 68, inLow = 44, inHigh = 16;
  auto level = [&](double f) { return base + (full - base) * f; };
  // Rise: 1 − e^(−(x − a) / τ) with its 10 % at inOn + td and 90 % tr later: tr = τ · ln 9.
  const double tauR = tr / std::log(9.0), a = inOn + td - tauR * std::log(10.0 / 9.0);
  const double tauF = tf / std::log(9.0), b = inOff + ts - tauF * std::log(10.0 / 9.0);
  std::vector<Pt> ic;
  for (double x = x0; x <= x1; x += 0.5) {
    double f = 0;
    if (x > a) f = 1 - std::exp(-(x - a) / tauR);
    if (x > b) f *= std::exp(-(x - b) / tauF);
    ic.push_back({x, level(f)});
  }
  {
    Drawing::Style inked(d, Drawing::kGrey);
    d.dashed({x0, level(0.1)}, {x1, level(0.1)});
    d.dashed({x0, level(0.9)}, {x1, level(0.9)});
    for (double x : {inOn, inOn + td, inOn + td + tr, inOff, inOff + ts, inOff + ts + tf}) d.dashed({x, 10}, {x, 158});
  }
  d.line({x0, inLow + 2}, {x1, inLow + 2});
  d.line({x0, base + 2}, {x1, base + 2});
  d.text().draw({4, 34}, "v_{ent}");
  d.text().draw({4, 108}, "i_C");
  d.text().draw({x0 - 4, level(0.9) + 4}, "90 %", Align::Right);
  d.text().draw({x0 - 4, level(0.1) + 4}, "10 %", Align::Right);
  {
    Drawing::Style inked(d, Drawing::kBlue);
    squareWave(d, x0, x1, inLow, inHigh, {{inOn, inOff}});
    d.polyline(ic);
  }
  // The four times as dimension arrows under the waveform.
  const double y = 156;
  auto span = [&](double from, double to, const std::string& name) {
    d.arrowHead({from, y}, -1, 0, 5);
    d.arrowHead({to, y}, 1, 0, 5);
    d.line({from, y}, {to, y});
    d.text().draw({(from + to) / 2, y + 17}, name, Align::Center);
  };
  span(inOn, inOn + td, "t_d");
  span(inOn + td, inOn + td + tr, "t_r");
  span(inOff, inOff + ts, "t_s");
  span(inOff + ts, inOff + ts + tf, "t_f");
  {
    Drawing::Style inked(d, Drawing::kGrey);
    d.text().draw({x1, 13}, "fora de escala", Align::Right, kSmall);
  }
  return d.bmp();
}

const struct {
  const char* name;
  const char* value;
  const char* meaning;
} kTimes[] = {{"t_d", "t51.td", "atraso"}, {"t_r", "t51.tr", "subida"}, {"t_s", "t51.ts", "armazenamento"},
              {"t_f", "t51.tf", "descida"}};

std::vector<std::string> switchingHeader() {
  return {"Limites máximos da folha de dados do 2N2222A,",
          "com V_{CC} = " + val("t51.vcc_test") + ", I_C = " + val("t51.ic_test") + " e I_{B1} = I_{B2} = " +
              val("t51.ib_test") + ".",
          "I_{B1} entra na base ao ligar; I_{B2} sai dela ao desligar", "e retira a carga guardada, encurtando t_s:"};
}

// Teoria 51: the 2N2222A data sheet's maximum switching times, its test conditions with what
// IB1 and IB2 are, and their sums, which are upper limits as well.
std::vector<std::uint8_t> switchingValues() {
  Drawing d(385, 218);
  TextSetter& t = d.text();
  double y = 13;
  for (const std::string& line : switchingHeader()) {
    if (t.measure(line, kSmall).width > d.width() - 6) throw std::logic_error("t51-valores.bmp: a line is too wide: " + line);
    t.draw({4, y}, line, Align::Left, kSmall);
    y += 16;
  }
  y += 7;
  for (const auto& r : kTimes) {
    t.draw({24, y}, std::string(r.name) + " ≤");
    {
      Drawing::Style inked(d, Drawing::kBlue);
      t.draw({140, y}, val(r.value), Align::Right);
    }
    t.draw({156, y}, r.meaning);
    y += 20;
  }
  {
    Drawing::Style inked(d, Drawing::kBlue);
    t.draw({4, y + 2}, "t_{on} = t_d + t_r ≤ " + workedStep("t51.ton"));
    t.draw({4, y + 23}, "t_{off} = t_s + t_f ≤ " + workedStep("t51.toff"));
  }
  return d.bmp();
}

// What each picture shows, read aloud, from the values it is lettered with.
std::string describeSwitchCircuit() {
  return "À esquerda, o circuito da chave: a entrada vent, que vale 0 ou " + val("t47.vin") + ", alimenta a base de "
         "um NPN através de RB = " + val("t47.rb") + "; RC = " + val("t47.rc") + " liga +VCC = " + val("t47.vcc") +
         " ao coletor; o emissor vai ao terra; VCE está marcada entre o coletor e o emissor. À direita, os dois "
         "estados, com o transistor trocado por uma chave entre o coletor e o terra, em série com RC desde +" +
         val("t47.vcc") + ". Corte: chave aberta, IC ≈ 0 e VCE = " + val("t47.vce_cut") +
         ". Saturação: chave fechada, IC = " + val("t47.ic_sat") + " e VCE ≈ 0.";
}

std::string describeSwitchPoints() {
  std::string family;
  for (std::size_t i = 0; i < kPointsFamily.size(); ++i)
    family += std::string(i == 0 ? "" : i + 1 == kPointsFamily.size() ? " e " : ", ") + microamps(kPointsFamily[i]);
  return "Gráfico de IC contra VCE com os dois pontos da chave. Eixo horizontal: " + axisText("V_{CE}", "V", 0, kPointsVce) +
         ". Eixo vertical: " + axisText("I_C", "mA", 0, kPointsIc, 1e-3) + ". Curvas para IB = " + family +
         ", em cinza. Em preto, a curva da corrente de base que a entrada dá e a reta de carga. Em azul, os dois pontos: no alto "
         "à esquerda, a saturação (chave fechada), com IB = " + val("t48.ib_on") + " e VCE = " + val("t48.vce_sat") +
         "; embaixo à direita, sobre o eixo, o corte (chave aberta), com IB ≈ 0.";
}

std::string describeSwitchWaveforms() {
  return "Duas formas de onda no tempo, uma sobre a outra. Em cima, a entrada vent: uma onda quadrada entre 0 e " +
         val("t47.vin") + ", com dois pulsos altos. Embaixo, a saída vCE: a entrada invertida, em " + val("t47.vcc") +
         " no corte, enquanto a entrada está em 0, e em " + val("t48.vce_sat") +
         " na saturação, enquanto a entrada está alta.";
}

std::string describeLedDriver() {
  return "Circuito de acionamento de um LED: de +VCC = " + val("t49.vcc") + ", o resistor RC = " + val("t49.rc") +
         " e o LED, de " + val("t49.vled") + ", em série até o coletor de um NPN, com a corrente IC entrando no "
         "coletor; o emissor vai ao terra; a entrada vent = " + val("t49.vin") + " chega à base através de RB = " +
         val("t49.rb") + ".";
}

std::string describeLedDesign() {
  return "Cálculo de RB para β forçado de 10: IC(sat) = (VCC − VLED) / RC = (" + val("t49.vcc") + " − " + val("t49.vled") +
         ") / " + val("t49.rc") + " = " + val("t49.ic_sat") + "; IB = IC(sat) / 10 = " + val("t49.ib") +
         "; RB = (vent − VBE) / IB = " + workedStep("t49.rb_calc") + ". Em azul: valor comercial, RB = " + val("t49.rb") + ".";
}

std::string describeLedCheck() {
  return "Verificação com RB = " + val("t49.rb") + ": IB = " + workedStep("t49.ib_real") + "; β forçado = IC(sat) / IB = " +
         val("t49.beta_forced") + "; βmín · IB = " + workedStep("t49.ic_active") + ". Em azul: muito mais que " +
         val("t49.ic_sat") + ", satura. No modelo do curso: IC = " + val("t49.m_ic") + ", VCE(sat) = " + val("t49.m_vce") +
         " e VBE = " + val("t49.m_vbe") + ".";
}

std::string describeRelayDriver() {
  return "À esquerda, o circuito de um relé: de +VCC = " + val("t50.vcc") + ", a bobina, de " + val("t50.rcoil") +
         ", vai ao coletor de um NPN, com o diodo D em paralelo com a bobina, o catodo em VCC; o emissor vai ao terra "
         "e a entrada vent chega à base através de RB = " + val("t50.rb") + ". À direita, um gráfico de VCE contra o "
         "tempo t, quando o transistor abre: em azul, com diodo, VCE sobe de zero a " + val("t50.vce_clamp") +
         ", fica ali enquanto a corrente da bobina se extingue pelo diodo e volta a VCC; em vermelho, sem diodo, um "
         "pico de centenas de volts, muito acima da linha tracejada de BVCEO = " + val("t50.bvceo") + ".";
}

std::string describeSwitchingTimes() {
  return "Formas de onda fora de escala dos tempos de comutação. Em cima, o pulso de entrada vent; embaixo, em azul, "
         "a corrente de coletor iC, que sobe e desce com atraso, entre linhas tracejadas de 10 % e 90 %. Setas marcam "
         "os quatro tempos: td, o atraso, da subida da entrada aos 10 % de iC; tr, a subida, de 10 % a 90 %; ts, o "
         "armazenamento, da descida da entrada até iC cair a 90 %; e tf, a descida, de 90 % a 10 %.";
}

std::string describeSwitchingValues() {
  std::string out;
  for (const std::string& line : switchingHeader()) out += (out.empty() ? "" : " ") + spoken(line);
  for (const auto& r : kTimes) out += std::string(" ") + spoken(r.name) + " ≤ " + val(r.value) + ", " + r.meaning + ";";
  out.back() = '.';
  return out + " Em azul: ton = td + tr ≤ " + workedStep("t51.ton") + "; toff = ts + tf ≤ " + workedStep("t51.toff") + ".";
}

}  // namespace

void addTopic12Figures(FigureList& list) {
  list.add("t47-chave.bmp", switchCircuit, describeSwitchCircuit);
  list.add("t48-pontos-chave.bmp", switchPoints, describeSwitchPoints);
  list.add("t48-formas-de-onda.bmp", switchWaveforms, describeSwitchWaveforms);
  list.add("t49-led.bmp", ledDriver, describeLedDriver);
  list.add("t49-calculo-rb.bmp", ledDesign, describeLedDesign);
  list.add("t49-verificacao.bmp", ledCheck, describeLedCheck);
  list.add("t50-rele.bmp", relayDriver, describeRelayDriver);
  list.add("t51-tempos.bmp", switchingTimes, describeSwitchingTimes);
  list.add("t51-valores.bmp", switchingValues, describeSwitchingValues);
}

}  // namespace apostila::figures
