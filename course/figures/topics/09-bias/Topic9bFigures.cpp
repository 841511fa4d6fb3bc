// The pictures of Teoria 27 to 30: the two leakage currents measured with a terminal open and
// what the open base makes of ICBO (Teoria 27), ICBO against temperature and its law (Teoria
// 28), the collector current of fixed and divider bias against temperature with the share of
// each cause (Teoria 29), and the stability of the four bias circuits compared (Teoria 30).
// Every curve and number comes from the device model through ThermalDrift and the named values.
#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "Spoken.h"
#include "Topics.h"
#include "drawing/Drawing.h"
#include "drawing/Equation.h"
#include "drawing/Plot.h"
#include "drawing/QuantityText.h"
#include "drawing/Schematic.h"
#include "model/DeviceModel.h"
#include "model/ThermalDrift.h"
#include "topics/09-bias/Topic9Circuits.h"

namespace apostila::figures {

namespace {

using Side = Schematic::Side;
using Align = TextSetter::Align;
using C = Topic9bCircuits;
std::string percent(const std::string& name) { return "+" + val(name) + " %"; }
// A value's number without its unit, for a column that names the unit once in its head.
std::string number(const std::string& name) {
  const std::string& text = val(name);
  return text.substr(0, text.find(' '));
}



// A terminal left unconnected: a small open circle at the end of its lead, named beside it.
void openEnd(Drawing& d, Pt at, const std::string& name, Align align) {
  d.circle(at, 3.5);
  d.text().draw({align == Align::Right ? at.x - 8 : at.x + 8, at.y + 5}, name, align);
}

// One measuring loop: the battery's + drives the collector, its − returns to the terminal
// that is not left open (the base for ICBO, the emitter for ICEO).
std::vector<std::uint8_t> leakage() {
  Drawing d(530, 330);
  Schematic s(d);
  const double top = 44, baseY = 104, bottom = 172;

  // Emitter open: the collector–base junction alone, reverse biased by VCB.
  d.boldText({10, 18}, "Emissor aberto:  I_{CBO}");
  s.npn("Q1", {84, baseY});
  const Pt c1 = s.pin("Q1.c"), e1 = s.pin("Q1.e");
  const double bat1 = 204;
  s.wire({c1, {c1.x, top}, {bat1, top}, {bat1, 74}});
  s.battery("VCB", {bat1, 74}, {bat1, 134}, "V_{CB}", "", Side::Right);
  s.wire({{bat1, 134}, {bat1, bottom}, {40, bottom}, {40, baseY}, s.pin("Q1.b")});
  s.wire({e1, {e1.x, e1.y + 14}});
  openEnd(d, {e1.x, e1.y + 17.5}, "aberto", Align::Left);
  s.current({c1.x, top + 4}, {c1.x, c1.y - 4}, "I_{CBO}", Side::Left);
  s.current({70, bottom}, {bat1 - 40, bottom}, "I_{CBO}", Side::Below);
  d.inkText(Drawing::kBlue, {10, 228}, "I_{CBO} = " + val("t27.icbo") + "  (25 °C)");

  // Base open: the same leakage now flows into the base and is amplified.
  d.boldText({284, 18}, "Base aberta:  I_{CEO}");
  s.npn("Q2", {364, baseY});
  const Pt b2 = s.pin("Q2.b"), c2 = s.pin("Q2.c"), e2 = s.pin("Q2.e");
  const double bat2 = 470;
  s.wire({b2, {b2.x - 14, b2.y}});
  openEnd(d, {b2.x - 17.5, b2.y}, "aberta", Align::Right);
  s.wire({c2, {c2.x, top}, {bat2, top}, {bat2, 74}});
  s.battery("VCE", {bat2, 74}, {bat2, 134}, "V_{CE}", val("t27.vce"), Side::Right);
  s.wire({{bat2, 134}, {bat2, bottom}, {e2.x, bottom}, e2});
  s.current({c2.x, top + 4}, {c2.x, c2.y - 4}, "I_{CEO}", Side::Left);
  s.current({e2.x, e2.y + 4}, {e2.x, bottom - 4}, "I_{CEO}", Side::Left);
  d.inkText(Drawing::kBlue, {284, 228}, "I_{CEO} ≈ " + val("t27.iceo") + "  (25 °C)");

  {
    Drawing::Style inked(d, Drawing::kGrey);
    d.line({266.5, 6}, {266.5, 236});
  }

  // Why the open base multiplies the leakage, with the model's numbers.
  d.text().draw({10, 266}, "I_{CEO} = I_{CBO} + β · I_{CBO} = (β + 1) · I_{CBO} ≈ " + worked("t27.iceo") +
                               " ≈ " + val("t27.iceo"));
  // β depends on IC and VCE: both are given wherever the course transistor's β is quoted.
  d.text().draw({10, 292}, "β ≈ " + val("t27.beta_leak") + " com I_C = I_{CEO};  β ≈ " + val("t27.beta_mid") + " com I_C = " +
                               val("t27.ic_mid") + "  (V_{CE} = " + val("t27.vce") + ")");
  d.inkText(Drawing::kBlue, {10, 320}, "Com a base alimentada:   I_C = β · I_B + (β + 1) · I_{CBO}");
  return d.bmp();
}

// ICBO from the model between 20 °C and 100 °C, the doublings marked with their values.
constexpr double kIcboFrom = 20, kIcboTo = 100, kIcboTop = 2e-6;  // the axes' ends, °C and A
const struct {
  double celsius;
  const char* value;
  bool left;  // the value set to the left of its point, where the right would leave the frame
} kIcboMarks[] = {{C::kRoom, "t28.icbo25", false}, {85, "t28.icbo85", true}, {C::kHot, "t28.icbo75", true},
                  {95, "t28.icbo95", true}};

std::vector<std::uint8_t> icboCurve() {
  Drawing d(334, 282);
  Plot p(d, {.left = 50, .top = 28, .right = 318, .bottom = 236});
  p.xAxis(kIcboFrom, kIcboTo, 10, "T", "°C");
  p.yAxis(0, kIcboTop, 0.5e-6, "I_{CBO}", "µA", 1e-6);
  const DeviceModel q;
  d.ink(Drawing::kBlue);
  d.pen(2.2);
  p.curve([&](double t) { return q.icbo(t); });
  d.pen(Drawing::kPen);
  for (const auto& m : kIcboMarks) {
    const Pt at = p.at(m.celsius, q.icbo(m.celsius));
    d.ink(Drawing::kBlue);
    p.point({m.celsius, q.icbo(m.celsius)});
    const std::string text = val(m.value);
    const double lift = m.celsius == C::kRoom ? 14 : 6;
    d.text().draw({m.left ? at.x - 8 : at.x + 2, at.y - lift}, text, m.left ? Align::Right : Align::Left);
  }
  d.ink(Drawing::kBlack);
  d.text().draw(p.at(23, 1.55e-6), "×2 a cada " + val("t28.doubling") + " °C");
  return d.bmp();
}

// The doubling law, one temperature worked, and what it means for silicon.
std::vector<std::uint8_t> icboLaw() {
  Drawing d(483, 136);
  d.text().draw({8, 26}, "I_{CBO}(T) = I_{CBO}(" + val("t28.t_room") + " °C) · 2^{(T − " + val("t28.t_room") +
                             " °C) / " + val("t28.doubling") + " °C}");
  d.inkText(Drawing::kBlue, {8, 60}, "A " + val("t28.t_hot") + " °C:   I_{CBO} = " + val("t28.icbo25") + " · 2^{" + val("t28.exponent") +
                       "} = " + val("t28.icbo75"));
  d.text().draw({8, 98}, "Em silício, I_{CBO} é de nanoampères e pesa pouco:");
  d.text().draw({8, 124}, "I_C muda sobretudo por V_{BE} (≈ −" + val("t29.dvbe") + "/°C) e por β.");
  return d.bmp();
}

// IC against temperature for both circuits, each point solved by ThermalDrift, with the two
// circuits' components beside the graph.
constexpr double kDriftTo = 100, kDriftFrom = 1.5e-3, kDriftTop = 3.5e-3;  // the axes: °C, and IC in A

std::vector<std::uint8_t> driftCurves() {
  Drawing d(472, 211);
  Plot p(d, {.left = 44, .top = 24, .right = 292, .bottom = 168});
  p.xAxis(0, kDriftTo, 25, "T", "°C");
  p.yAxis(kDriftFrom, kDriftTop, 0.5e-3, "I_C", "mA", 1e-3);
  const ThermalDrift drift;
  const struct {
    BiasCircuit circuit;
    std::uint32_t ink;
    const char* name;
  } curves[] = {{C::kFixed, Drawing::kBlack, "fixa"}, {C::kDivider, Drawing::kBlue, "divisor"}};
  for (const auto& c : curves) {
    Drawing::Style inked(d, c.ink);
    inked.pen(2.2);
    p.curve([&](double t) { return drift.collectorCurrent(c.circuit, t); });
    d.pen(Drawing::kPen);
    for (double t : {C::kRoom, C::kHot}) p.point({t, drift.collectorCurrent(c.circuit, t)});
    const double ic = drift.collectorCurrent(c.circuit, 100);
    d.text().draw({p.px(100) - 4, p.py(ic) + (c.circuit.rb2 > 0 ? 18 : -8)}, c.name, Align::Right);
  }
  {
    Drawing::Style inked(d, Drawing::kGrey);
    for (double t : {C::kRoom, C::kHot}) d.dashed(p.at(t, 1.5e-3), p.at(t, 3.5e-3));
  }
  // The current axis starts at 1,5 mA, not at zero: a break across it says so.
  {
    const Pt foot = p.at(0, 1.5e-3);
    const double y = foot.y - 9;
    d.fillRect(foot.x - 6, y - 3, foot.x + 6, y + 3, Drawing::kPaper);
    d.line({foot.x - 6, y - 1}, {foot.x + 6, y - 5});
    d.line({foot.x - 6, y + 5}, {foot.x + 6, y + 1});
  }

  // The components, under the name of each circuit.
  const double x = 314;
  d.boldText({x, 18}, "Fixa");
  d.text().draw({x, 38}, "R_B = " + val("t29.fix_rb"));
  {
    Drawing::Style inked(d, Drawing::kBlue);
    d.boldText({x, 64}, "Divisor");
  }
  d.text().draw({x, 84}, "R_{B1} = " + val("t29.div_rb1"));
  d.text().draw({x, 104}, "R_{B2} = " + val("t29.div_rb2"));
  d.text().draw({x, 124}, "R_E = " + val("t29.re"));
  {
    Drawing::Style inked(d, Drawing::kGrey);
    d.line({x, 136.5}, {466, 136.5});
  }
  d.text().draw({x, 156}, "Nos dois:");
  d.text().draw({x, 176}, "V_{CC} = " + val("t29.vcc"));
  d.text().draw({x, 196}, "R_C = " + val("t29.rc"));
  return d.bmp();
}

// A table: a shaded header row, then rows of cells, each cell one or more lines of markup. The
// columns take the width of their widest line and share what is left of the picture's width.
struct Cell {
  std::vector<std::string> lines;
  std::uint32_t ink = Drawing::kBlack;
  bool bold = false;
};

void table(Drawing& d, double top, const std::vector<std::vector<Cell>>& rows, double lineGap) {
  const double pad = 8;
  std::vector<double> widths(rows.front().size(), 0);
  for (const auto& row : rows)
    for (std::size_t i = 0; i < row.size(); ++i)
      for (const std::string& line : row[i].lines) {
        d.text().bold(row[i].bold);
        widths[i] = std::max(widths[i], d.text().measure(line).width + 2 * pad);
        d.text().bold(false);
      }
  double total = 0;
  for (double w : widths) total += w;
  const double spare = (d.width() - 1 - total) / static_cast<double>(widths.size());
  if (spare < 0) {
    std::string list;
    for (double w : widths) list += " " + std::to_string(static_cast<int>(w));
    throw std::logic_error("table wider than its picture:" + list);
  }
  std::vector<double> xs{0.5};
  for (double w : widths) xs.push_back(std::round(xs.back() + w + spare));
  xs.back() = d.width() - 0.5;

  double y = top + 0.5;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    std::size_t lines = 1;
    for (const Cell& c : rows[r]) lines = std::max(lines, c.lines.size());
    const double height = std::round(lines * lineGap + 6);
    if (r == 0) d.fillPolygon({{xs.front(), y}, {xs.back(), y}, {xs.back(), y + height}, {xs.front(), y + height}}, Drawing::kShade);
    for (std::size_t i = 0; i < rows[r].size(); ++i) {
      const Cell& c = rows[r][i];
      d.ink(c.ink);
      d.text().bold(c.bold || r == 0);
      // The first column reads as text, the others as numbers or verdicts, centred.
      const bool first = i == 0;
      const double cx = first ? xs[i] + pad : (xs[i] + xs[i + 1]) / 2;
      double baseline = y + (height - c.lines.size() * lineGap) / 2 + lineGap - 5;
      for (const std::string& line : c.lines) {
        d.text().draw({cx, std::round(baseline)}, line, first ? Align::Left : Align::Center);
        baseline += lineGap;
      }
      d.text().bold(false);
    }
    d.ink(Drawing::kGrey);
    d.line({xs.front(), y}, {xs.back(), y});
    y += height;
  }
  d.line({xs.front(), y}, {xs.back(), y});
  for (double x : xs) d.line({x, top + 0.5}, {x, y});
  d.ink(Drawing::kBlack);
}

// The rise of IC from 25 °C to 75 °C by each cause alone and by all three, for both circuits;
// the largest cause of each circuit in the values' ink.
std::vector<std::vector<Cell>> driftCausesRows() {
  const std::string causes[] = {"by_vbe", "by_beta", "by_icbo"};
  auto largest = [&](const std::string& circuit) {
    std::string best;
    for (const std::string& c : causes)
      if (best.empty() || courseValues().value(circuit + c) > courseValues().value(circuit + best)) best = c;
    return best;
  };
  const std::string fixBest = largest("t29.fix_"), divBest = largest("t29.div_");
  auto cell = [&](const std::string& circuit, const std::string& cause, const std::string& best) {
    const bool top = cause == best;
    return Cell{{percent(circuit + cause)}, top ? Drawing::kBlue : Drawing::kBlack, top};
  };
  return {
      {{{"Causa (" + val("t29.t_room") + " °C → " + val("t29.t_hot") + " °C)"}}, {{"Fixa"}}, {{"Divisor"}}},
      {{{"V_{BE}: −" + val("t29.dvbe") + "/°C"}}, cell("t29.fix_", "by_vbe", fixBest), cell("t29.div_", "by_vbe", divBest)},
      {{{"β: +" + val("t29.beta_rise") + " % (" + val("t29.ic_read") + ", " + val("t29.vce_read") + ")"}}, cell("t29.fix_", "by_beta", fixBest), cell("t29.div_", "by_beta", divBest)},
      {{{"I_{CBO}: " + val("t29.icbo25") + " → " + val("t29.icbo75")}}, cell("t29.fix_", "by_icbo", fixBest),
       cell("t29.div_", "by_icbo", divBest)},
      {{{"As três juntas"}, Drawing::kBlack, true}, {{percent("t29.fix_rise")}, Drawing::kBlack, true},
       {{percent("t29.div_rise")}, Drawing::kBlack, true}},
  };
}

std::string driftProduct() { return "Multiplicam-se (fixa): " + worked("t29.fix_f_all") + " ≈ " + val("t29.fix_f_all"); }

std::vector<std::uint8_t> driftCauses() {
  Drawing d(418, 136);
  const auto rows = driftCausesRows();
  table(d, 2, rows, 17);
  // The causes do not add up to the whole: each multiplies IC by its own factor.
  const std::string product = driftProduct();
  if (4 + d.text().measure(product).width > d.width()) throw std::logic_error("Teoria 29: the product is cut off");
  d.text().draw({4, 133}, product);
  return d.bmp();
}

// The four bias circuits from the least to the most stable, each with its components, its
// current at both temperatures and the rise between them.
std::vector<std::vector<Cell>> stabilityRows() {
  const struct {
    std::string name, parts, prefix, verdict;
  } circuits[] = {
      {"Fixa (I_B constante)", "R_B = " + val("t29.fix_rb"), "t29.fix", "ruim"},
      {"Com R_E no emissor", "R_B = " + val("t30.emi_rb") + ", R_E = " + val("t29.re"), "t30.emi", "pouco melhor"},
      {"Realimentação do coletor", "R_B = " + val("t30.fb_rb") + " ao coletor", "t30.fb", "razoável"},
      {"Divisor com R_E = " + val("t29.re"), "R_{B1} = " + val("t29.div_rb1") + ", R_{B2} = " + val("t29.div_rb2"), "t29.div", "boa"},
  };
  // The verdicts grade the circuits in this order, so the computed rises must fall along it.
  for (std::size_t i = 1; i < std::size(circuits); ++i)
    if (courseValues().value(circuits[i].prefix + "_rise") >= courseValues().value(circuits[i - 1].prefix + "_rise"))
      throw std::logic_error("Teoria 30: the bias circuits are not in order of stability");
  std::vector<std::vector<Cell>> rows{{{{"Circuito"}},
                                      {{"I_C (mA)", val("t29.t_room") + " °C → " + val("t29.t_hot") + " °C"}},
                                      {{"Variação"}}, {{"Estabilidade"}}}};
  for (const auto& c : circuits)
    rows.push_back({{{c.name, c.parts}}, {{number(c.prefix + "_ic25") + " → " + number(c.prefix + "_ic75")}},
                    {{percent(c.prefix + "_rise")}, Drawing::kBlue, true}, {{c.verdict}}});
  return rows;
}

std::string stabilityNote() {
  return "Todos com V_{CC} = " + val("t29.vcc") + " e R_C = " + val("t29.rc") +
         "; V_{BE}, β e I_{CBO} do modelo do curso.";
}

std::vector<std::uint8_t> stability() {
  Drawing d(561, 255);
  const auto rows = stabilityRows();
  table(d, 2, rows, 19);
  const std::string note = stabilityNote();
  if (4 + d.text().measure(note).width > d.width()) throw std::logic_error("Teoria 30: the note is cut off");
  d.text().draw({4, 245}, note);
  return d.bmp();
}

// A table read row by row: each row's first cell, then every other cell after its column's head.
std::string describeTable(const std::vector<std::vector<Cell>>& rows) {
  auto cell = [](const Cell& c) {
    std::string out;
    for (const std::string& line : c.lines) out += (out.empty() ? "" : ", ") + spoken(line);
    return out;
  };
  std::string out;
  for (std::size_t r = 1; r < rows.size(); ++r) {
    out += " " + cell(rows[r][0]) + ":";
    for (std::size_t i = 1; i < rows[r].size(); ++i) out += (i == 1 ? " " : "; ") + cell(rows[0][i]) + ", " + cell(rows[r][i]);
    out += ".";
  }
  return out;
}

// What each picture shows, read aloud, from the values and tables it is drawn with.
std::string describeLeakage() {
  return "Dois circuitos de medida das fugas, lado a lado. À esquerda, emissor aberto, ICBO: a bateria VCB liga "
         "o positivo ao coletor e o negativo à base de um NPN cujo emissor fica aberto; só a fuga ICBO circula; "
         "em azul, ICBO = " + val("t27.icbo") + " a 25 °C. À direita, base aberta, ICEO: a bateria VCE, de " +
         val("t27.vce") + ", liga o positivo ao coletor e o negativo ao emissor, com a base aberta; circula ICEO; "
         "em azul, ICEO ≈ " + val("t27.iceo") + " a 25 °C. Embaixo: ICEO = ICBO + β · ICBO = (β + 1) · ICBO ≈ " +
         worked("t27.iceo") + " ≈ " + val("t27.iceo") + ". β ≈ " + val("t27.beta_leak") + " com IC = ICEO e β ≈ " +
         val("t27.beta_mid") + " com IC = " + val("t27.ic_mid") + ", com VCE = " + val("t27.vce") +
         ". Em azul: com a base alimentada, IC = β · IB + (β + 1) · ICBO.";
}

std::string describeIcboCurve() {
  std::string marks;
  for (const auto& m : kIcboMarks)
    marks += std::string(marks.empty() ? "" : &m == &kIcboMarks[std::size(kIcboMarks) - 1] ? " e " : ", ") +
             val(m.value) + " a " + QuantityText::plain(m.celsius) + " °C";
  return "Gráfico de ICBO contra a temperatura. Eixo horizontal: " + axisText("T", "°C", kIcboFrom, kIcboTo) +
         ". Eixo vertical: " + axisText("I_{CBO}", "µA", 0, kIcboTop, 1e-6) + ". A curva, em azul, cresce cada vez "
         "mais depressa, dobrando a cada " + val("t28.doubling") + " °C; pontos marcados: " + marks + ".";
}

std::string describeIcboLaw() {
  return "A lei da fuga: ICBO(T) = ICBO(" + val("t28.t_room") + " °C) vezes 2 elevado a (T − " + val("t28.t_room") +
         " °C) / " + val("t28.doubling") + " °C. Em azul, a " + val("t28.t_hot") + " °C: ICBO = " + val("t28.icbo25") +
         " vezes 2 elevado a " + val("t28.exponent") + ", = " + val("t28.icbo75") + ". Em silício, ICBO é de "
         "nanoampères e pesa pouco: IC muda sobretudo por VBE, cerca de −" + val("t29.dvbe") + " por °C, e por β.";
}

std::string describeDriftCurves() {
  return "Gráfico de IC contra a temperatura para dois circuitos. Eixo horizontal: " + axisText("T", "°C", 0, kDriftTo) +
         ". Eixo vertical: " + axisText("I_C", "mA", kDriftFrom, kDriftTop, 1e-3) + ", com uma quebra porque não começa "
         "em zero. A curva da polarização fixa, em preto, sobe bastante com a temperatura; a do divisor, em azul, "
         "sobe pouco. Pontos marcados em cada curva, com linhas tracejadas verticais, a " + val("t29.t_room") +
         " °C, onde as duas curvas se encontram, e a " + val("t29.t_hot") + " °C. Ao lado, os componentes: fixa, RB = " + val("t29.fix_rb") +
         "; divisor, RB1 = " + val("t29.div_rb1") + ", RB2 = " + val("t29.div_rb2") + " e RE = " + val("t29.re") +
         "; nos dois, VCC = " + val("t29.vcc") + " e RC = " + val("t29.rc") + ".";
}

std::string describeDriftCauses() {
  return "Tabela do aumento de IC de " + val("t29.t_room") + " °C a " + val("t29.t_hot") +
         " °C por causa, na polarização fixa e no divisor; a maior causa de cada circuito, em azul e negrito." +
         describeTable(driftCausesRows()) + " " + spoken(driftProduct()) + ".";
}

std::string describeStability() {
  return "Tabela dos quatro circuitos de polarização, do menos ao mais estável, com IC de " + val("t29.t_room") +
         " °C a " + val("t29.t_hot") + " °C e a variação, em azul." + describeTable(stabilityRows()) + " " +
         spoken(stabilityNote());
}

}  // namespace

void addTopic9bFigures(FigureList& list) {
  list.add("t27-fugas.bmp", leakage, describeLeakage);
  list.add("t28-icbo-temperatura.bmp", icboCurve, describeIcboCurve);
  list.add("t28-icbo-lei.bmp", icboLaw, describeIcboLaw);
  list.add("t29-ic-temperatura.bmp", driftCurves, describeDriftCurves);
  list.add("t29-causas.bmp", driftCauses, describeDriftCauses);
  list.add("t30-estabilidade.bmp", stability, describeStability);
}

}  // namespace apostila::figures
