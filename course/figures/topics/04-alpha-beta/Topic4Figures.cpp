// The pictures of topic 4, alpha and beta: the circuit whose currents define the two gains and
// the definitions with the model transistor's numbers (Teoria 9), the four strips that derive
// one gain from the other (Teoria 10), and two worked examples with hFE against IC and
// temperature computed from the device model (Teoria 11).
#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "Figures.h"
#include "Topics.h"
#include "ValueTable.h"
#include "drawing/Drawing.h"
#include "drawing/Equation.h"
#include "drawing/Plot.h"
#include "drawing/QuantityText.h"
#include "drawing/Schematic.h"
#include "model/DeviceModel.h"

namespace apostila::figures {

namespace {

using Side = Schematic::Side;
using Align = TextSetter::Align;


// VBB drives the base through RB, RC hangs from +VCC, the emitter goes to the common return;
// an arrow on each lead shows its conventional current, and the operating point stands beside.
std::vector<std::uint8_t> currentsCircuit() {
  Drawing d(305, 180);
  Schematic s(d);
  const double baseY = 108, xB = 40, returnY = 160;
  s.npn("Q", {104, baseY});
  const double xC = s.pin("Q.c").x;
  s.supply("VCC", {xC, 22}, "+V_{CC}");
  s.from(s.pin("VCC"))
      .resistor("RC", Schematic::toY(70), "R_C", "", Side::Left)
      .wire(s.pin("Q.c"), "I_C", Side::Right);
  s.from({xB, baseY}).resistor("RB", Schematic::right(40), "R_B", "", Side::Above).wire(s.pin("Q.b"), "I_B", Side::Above);
  s.battery("VBB", {xB, baseY + 12}, {xB, returnY - 14}, "V_{BB}", "", Side::Right);
  s.wire({{xB, baseY}, {xB, baseY + 12}});
  s.wire({{xB, returnY - 14}, {xB, returnY}, {xC, returnY}, s.pin("Q.e")});
  s.current(s.pin("Q.e"), {xC, returnY}, "I_E", Side::Right);
  const double gx = std::round((xB + xC) / 2);
  s.dot({gx, returnY});
  s.ground("0", {gx, returnY});

  // The model transistor's currents at this operating point.
  const double x = 194;
  d.text().draw({x, 56}, "V_{CE} = " + val("t09.vce"));
  d.inkText(Drawing::kBlue, {x, 86}, "I_C = " + val("t09.ic"));
  d.inkText(Drawing::kBlue, {x, 112}, "I_B = " + val("t09.ib"));
  d.inkText(Drawing::kBlue, {x, 138}, "I_E = " + val("t09.ie"));
  return d.bmp();
}

// The two definitions, each with the circuit's numbers put in and what it is the gain of.
std::vector<std::uint8_t> definitions() {
  Drawing d(516, 99);
  const struct {
    double x;
    std::string equation, result, meaning;
  } gains[] = {
      {4, "α = \\frac{I_C}{I_E} = " + workedFraction("t09.alpha") + " ≈ ", val("t09.alpha"),
       "α < 1  (base comum)"},
      {258, "β = \\frac{I_C}{I_B} = " + workedFraction("t09.beta") + " ≈ ", val("t09.beta"),
       "β ≫ 1  (emissor comum)"},
  };
  for (const auto& g : gains) {
    const double width = d.text().draw({g.x, 40}, g.equation).width;
    d.inkText(Drawing::kBlue, {g.x + width, 40}, g.result);
    if (g.x + d.text().measure(g.meaning).width > d.width()) throw std::logic_error("Teoria 9: a gain's note is cut off");
    d.text().draw({g.x, 88}, g.meaning);
  }
  return d.bmp();
}

// One step of the derivation: its number in bold, its line of algebra, and the relation it
// arrives at in the values' ink inside a frame, the whole centred in the strip's height; beside
// the frame, a check of the relation with the numbers of Teoria 9.
std::vector<std::uint8_t> step(int w, int h, const std::string& number, const std::string& line,
                               const std::string& result = "", const std::string& check = "") {
  Drawing d(w, h);
  TextSetter& t = d.text();
  const TextSetter::Extent a = t.measure(line);
  const double gap = 7, pad = 4;
  TextSetter::Extent r;
  if (!result.empty()) r = t.measure(result);
  const double total = a.ascent + a.descent + (result.empty() ? 0 : gap + 2 * pad + r.ascent + r.descent);
  const double baseline = std::round((h - total) / 2 + a.ascent);
  t.bold(true);
  t.draw({8, baseline}, number);
  t.bold(false);
  const double x = 34;
  t.draw({x, baseline}, line);
  if (!result.empty()) {
    const double top = std::round(baseline + a.descent + gap) + 0.5, bottom = std::round(top + 2 * pad + r.ascent + r.descent) + 0.5;
    d.inkText(Drawing::kBlue, {x + pad + 4, top + pad + r.ascent}, result);
    // The frame on pixel centres, so that its lines stay one pixel sharp.
    const double left = x + 0.5, right = std::round(x + r.width + 2 * pad + 8) + 0.5;
    {
      Drawing::Style inked(d, Drawing::kBlue);
      d.polyline({{left, top}, {right, top}, {right, bottom}, {left, bottom}, {left, top}});
    }
    if (!check.empty()) {
      const double checkX = right + 14, width = t.measure(check).width;
      if (checkX + width > w) throw std::logic_error("Teoria 10: the check does not fit beside its relation");
      t.draw({checkX, top + pad + r.ascent}, check);
    }
  }
  return d.bmp();
}

// Two worked examples side by side: the title, the data, then each step with its substitution.
std::vector<std::uint8_t> workedExamples() {
  Drawing d(498, 174);
  const struct {
    double x;
    std::string title, data;
    std::vector<std::string> steps;
  } examples[] = {
      {8, "Exemplo 1", "Dados: β = " + val("t11.ex1_beta") + ";  I_B = " + val("t11.ex1_ib"),
       {"I_C = β · I_B", "= " + workedStep("t11.ex1_ic"),
        "I_E = I_C + I_B = " + val("t11.ex1_ie"),
        "α = \\frac{β}{β + 1} = " + workedFraction("t11.ex1_alpha") + " ≈ " +
            val("t11.ex1_alpha")}},
      {256, "Exemplo 2", "Dados: α = " + val("t11.ex2_alpha") + ";  I_E = " + val("t11.ex2_ie"),
       {"I_C = α · I_E", "= " + workedStep("t11.ex2_ic"),
        "I_B = I_E − I_C = " + val("t11.ex2_ib"),
        "β = \\frac{α}{1 − α} = " + workedFraction("t11.ex2_beta") + " = " +
            val("t11.ex2_beta")}},
  };
  for (const auto& ex : examples) {
    d.text().bold(true);
    d.text().draw({ex.x, 16}, ex.title);
    d.text().bold(false);
    d.text().draw({ex.x, 37}, ex.data);
    Equation eq(d, 5);
    for (const std::string& s : ex.steps) eq.row(s, Drawing::kBlue);
    eq.draw({ex.x, 46});
  }
  d.ink(Drawing::kGrey);
  d.line({244.5, 6}, {244.5, 168});
  return d.bmp();
}

// hFE against IC on a logarithmic axis at three temperatures, each curve point by point from
// the device model, with the room-temperature peak marked.
constexpr double kCurveCelsius[] = {-55, 25, 100};
constexpr double kIcFrom = 10e-6, kIcTo = 100e-3, kHfeTop = 400;  // the axes' ends, in A and in hFE

std::vector<std::uint8_t> hfeCurves() {
  Drawing d(475, 189);
  Plot p(d, {.left = 46, .top = 22, .right = 404, .bottom = 148});
  p.yAxis(0, kHfeTop, 100, "h_{FE}", "");
  p.xAxisLog(kIcFrom, kIcTo, "I_C", "mA", 1e-3);
  const DeviceModel q;
  const double vce = courseValues().value("t11.vce");
  for (double celsius : kCurveCelsius) {
    const bool room = celsius == DeviceModel::kRoomCelsius;
    d.ink(room ? Drawing::kBlue : Drawing::kBlack);
    d.pen(room ? 2.2 : 1.5);
    p.curve([&](double ic) { return q.beta(ic, celsius, vce); });
  }
  d.pen(Drawing::kPen);
  // Each curve named past its right end, where the three lie apart.
  for (double celsius : kCurveCelsius) {
    const Pt end = p.at(kIcTo, q.beta(kIcTo, celsius, vce));
    d.ink(celsius == DeviceModel::kRoomCelsius ? Drawing::kBlue : Drawing::kBlack);
    d.text().draw({end.x + 6, end.y + 5}, QuantityText::number(celsius, 0) + " °C");
  }
  // The condition of the measurement, on paper so that the grid does not cross it.
  const std::string condition = "V_{CE} = " + val("t11.vce");
  const TextSetter::Extent e = d.text().measure(condition);
  const Pt at = p.at(13e-6, 345);
  d.fillPolygon({{at.x - 3, at.y - e.ascent - 2}, {at.x + e.width + 3, at.y - e.ascent - 2},
                 {at.x + e.width + 3, at.y + e.descent + 2}, {at.x - 3, at.y + e.descent + 2}},
                Drawing::kPaper);
  d.text().draw(at, condition);
  // β also differs from one unit to the next of one type, which the curves of one unit hide.
  const std::string spread = "h_{FE} varia de unidade a unidade";
  const TextSetter::Extent s = d.text().measure(spread);
  const Pt note{at.x + e.width + 14, at.y};
  if (note.x + s.width + 3 > d.width()) throw std::logic_error("Teoria 11: the note on the spread is cut off");
  d.fillPolygon({{note.x - 3, note.y - s.ascent - 2}, {note.x + s.width + 3, note.y - s.ascent - 2},
                 {note.x + s.width + 3, note.y + s.descent + 2}, {note.x - 3, note.y + s.descent + 2}},
                Drawing::kPaper);
  d.text().draw(note, spread);
  const Pt peak{courseValues().value("t11.ic_peak"), courseValues().value("t11.beta_peak")};
  {
    Drawing::Style inked(d, Drawing::kBlue);
    p.point(peak);
  }
  return d.bmp();
}

// hFE is the datasheet's name for β, and where it peaks at room temperature.
std::vector<std::uint8_t> hfeNote() {
  Drawing d(387, 56);
  d.text().draw({6, 20}, "h_{FE}: o nome de β = I_C / I_B na folha de dados");
  d.inkText(Drawing::kBlue, {6, 46}, "Máximo a 25 °C: h_{FE} ≈ " + val("t11.beta_peak") + " com I_C ≈ " + val("t11.ic_peak"));
  return d.bmp();
}

// What each picture shows, read aloud, from the values it is lettered with.
std::string describeCurrentsCircuit() {
  return "Circuito com um NPN: a bateria VBB alimenta a base através de RB, com a corrente IB entrando na "
         "base; RC liga o coletor a +VCC, com IC entrando no coletor; o emissor vai ao terra comum, com IE "
         "saindo. Ao lado, o ponto de operação: VCE = " + val("t09.vce") + " e, em azul, IC = " + val("t09.ic") +
         ", IB = " + val("t09.ib") + " e IE = " + val("t09.ie") + ".";
}

std::string describeDefinitions() {
  return "As duas definições, com os números do circuito. Alfa é IC dividida por IE: " + workedStep("t09.alpha") +
         ", aproximadamente; alfa é menor que 1, o ganho da base comum. Beta é IC dividida por IB: " +
         workedStep("t09.beta") + ", aproximadamente; beta é muito maior que 1, o ganho do emissor comum.";
}

std::string describeGainFromGain(bool betaOfAlpha) {
  if (betaOfAlpha)
    return "Passo 3 da dedução: de 1 sobre alfa igual a 1 mais 1 sobre beta, 1 sobre beta é 1 sobre alfa "
           "menos 1, que é (1 − α) sobre alfa; então, no quadro em azul, β = α / (1 − α). Verificação: com "
           "α = " + val("t09.alpha") + ", β = " + workedStep("t10.beta_of_alpha") + ".";
  return "Passo 4 da dedução: 1 sobre alfa é 1 mais 1 sobre beta, que é (β + 1) sobre beta; então, no quadro "
         "em azul, α = β / (β + 1). Verificação: com β = " + val("t09.beta") + ", α = " +
         workedStep("t10.alpha_of_beta") + ", aproximadamente.";
}

std::string describeWorkedExamples() {
  return "Dois exemplos resolvidos, em azul. Exemplo 1, dados β = " + val("t11.ex1_beta") + " e IB = " +
         val("t11.ex1_ib") + ": IC = β · IB = " + workedStep("t11.ex1_ic") + "; IE = IC + IB = " +
         val("t11.ex1_ie") + "; α = β / (β + 1) = " + workedStep("t11.ex1_alpha") +
         ", aproximadamente. Exemplo 2, dados α = " + val("t11.ex2_alpha") + " e IE = " + val("t11.ex2_ie") +
         ": IC = α · IE = " + workedStep("t11.ex2_ic") + "; IB = IE − IC = " + val("t11.ex2_ib") +
         "; β = α / (1 − α) = " + workedStep("t11.ex2_beta") + ".";
}

std::string describeHfeCurves() {
  std::string curves;
  for (double celsius : kCurveCelsius)
    curves += std::string(curves.empty() ? "" : celsius == kCurveCelsius[2] ? " e " : ", ") +
              QuantityText::number(celsius, 0) + " °C";
  return "Gráfico de hFE contra IC, com VCE = " + val("t11.vce") + ". Eixo horizontal: IC em mA, em escala "
         "logarítmica, de " + QuantityText::plain(kIcFrom * 1e3) + " a " + QuantityText::plain(kIcTo * 1e3) +
         " mA. Eixo vertical: hFE, de 0 a " + QuantityText::plain(kHfeTop) + ". Curvas para " + curves +
         ". Cada uma sobe com IC, passa por um máximo e cai nas correntes altas; a curva mais quente fica "
         "acima, e a de " + QuantityText::number(DeviceModel::kRoomCelsius, 0) + " °C, em azul, tem o "
         "máximo marcado: hFE ≈ " + val("t11.beta_peak") + " com IC ≈ " + val("t11.ic_peak") +
         ". Uma nota: hFE varia de unidade a unidade.";
}

std::string describeHfeNote() {
  return "Nota: hFE é o nome de β = IC / IB na folha de dados. Em azul: máximo a " +
         QuantityText::plain(DeviceModel::kRoomCelsius) + " °C, hFE ≈ " +
         val("t11.beta_peak") + " com IC ≈ " + val("t11.ic_peak") + ".";
}

}  // namespace

void addTopic4Figures(FigureList& list) {
  list.add("t09-circuito-correntes.bmp", currentsCircuit, describeCurrentsCircuit);
  list.add("t09-definicoes.bmp", definitions, describeDefinitions);
  list.add("t10-lei-dos-nos.bmp", [] {
    return step(564, 67, "1",
                "I_E = I_C + I_B;  dividindo por I_C:   \\frac{I_E}{I_C} = \\frac{I_C}{I_C} + \\frac{I_B}{I_C} = 1 + \\frac{I_B}{I_C}");
  }, [] {
    return "Passo 1 da dedução: IE = IC + IB; dividindo tudo por IC, IE sobre IC é igual a IC sobre IC mais "
           "IB sobre IC, que é 1 mais IB sobre IC.";
  });
  list.add("t10-inversos.bmp", [] { return step(368, 37, "2", "Como  \\frac{I_E}{I_C} = \\frac{1}{α}  e  \\frac{I_B}{I_C} = \\frac{1}{β}:"); }, [] {
    return "Passo 2 da dedução: como IE sobre IC é 1 sobre alfa, e IB sobre IC é 1 sobre beta:";
  });
  list.add("t10-beta-de-alfa.bmp", [] {
    return step(521, 99, "3", "\\frac{1}{α} = 1 + \\frac{1}{β}   →   \\frac{1}{β} = \\frac{1}{α} − 1 = \\frac{1 − α}{α}   →",
                "β = \\frac{α}{1 − α}",
                "α = " + val("t09.alpha") + " → β = " + workedFraction("t10.beta_of_alpha") + " = " +
                    val("t10.beta_of_alpha"));
  }, [] { return describeGainFromGain(true); });
  list.add("t10-alfa-de-beta.bmp", [] {
    return step(377, 99, "4", "\\frac{1}{α} = 1 + \\frac{1}{β} = \\frac{β + 1}{β}   →", "α = \\frac{β}{β + 1}",
                "β = " + val("t09.beta") + " → α = " + workedFraction("t10.alpha_of_beta") + " ≈ " + val("t10.alpha_of_beta"));
  }, [] { return describeGainFromGain(false); });
  list.add("t11-exemplos.bmp", workedExamples, describeWorkedExamples);
  list.add("t11-hfe-ic-temperatura.bmp", hfeCurves, describeHfeCurves);
  list.add("t11-hfe.bmp", hfeNote, describeHfeNote);
}

}  // namespace apostila::figures
