// Topic 9, first half: the bias circuits one by one (fixed base current, RE in the emitter, the
// divider with its Thévenin equivalent, collector feedback), their equations, the feedback
// loop that holds IC, and the worked solutions of Teoria 26 for the circuits of Teoria 24 and 25.
#include <cmath>
#include <string>
#include <vector>

#include "Figures.h"
#include "Spoken.h"
#include "Topics.h"
#include "ValueTable.h"
#include "drawing/BiasCircuitDrawings.h"
#include "drawing/Drawing.h"
#include "drawing/Equation.h"
#include "topics/07-single-battery/SingleBatteryCircuit.h"
#include "topics/09-bias/Topic9Circuits.h"

namespace apostila::figures {

namespace {

using Base = BiasCircuitDrawings::Base;
using Align = TextSetter::Align;

// One line of lettering centred in a strip of its own.
std::vector<std::uint8_t> strip(int w, int h, const std::string& markup) {
  Drawing d(w, h);
  const TextSetter::Extent e = d.text().measure(markup);
  d.text().draw({w / 2.0, std::round((h + e.ascent - e.descent) / 2)}, markup, Align::Center);
  return d.bmp();
}

// Rows of an Equation block set in a picture of their own, from its top-left corner.
using Rows = std::vector<std::pair<std::string, std::uint32_t>>;

std::vector<std::uint8_t> block(int w, int h, Pt at, const Rows& rows, double gap = 6) {
  Drawing d(w, h);
  Equation eq(d, gap);
  for (const auto& [markup, ink] : rows) eq.row(markup, ink);
  eq.draw(at);
  return d.bmp();
}

// Teoria 22: the fixed bias of Teoria 17 with its components but no β, which the page says
// varies from one transistor to the next.
std::vector<std::uint8_t> fixedBias() {
  const BiasCircuitDrawings::Circuit c =
      BiasCircuitDrawings::lettered(kSingleBatteryCircuit, "t17", BiasCircuitDrawings::Beta::Left);
  return BiasCircuitDrawings::bmp(204, 174, c);
}

// Teoria 23: RE added in the emitter, the currents marked; the page argues with names only.
std::vector<std::uint8_t> emitterResistor() {
  BiasCircuitDrawings::Circuit c;
  c.re = true;
  c.currents = true;
  return BiasCircuitDrawings::bmp(201, 242, c);
}

// Teoria 24: the divider with the values that Teoria 26 works out, and its Thévenin equivalent.
std::vector<std::uint8_t> divider() {
  BiasCircuitDrawings::Circuit c = BiasCircuitDrawings::lettered(kTopic9Divider, "t24");
  c.currents = true;
  return BiasCircuitDrawings::bmp(193, 241, c);
}

std::vector<std::uint8_t> thevenin() {
  BiasCircuitDrawings::Circuit c;
  c.base = Base::Thevenin;
  c.re = true;
  return BiasCircuitDrawings::bmp(212, 159, c);
}

// Teoria 25: collector feedback with its values and currents.
std::vector<std::uint8_t> collectorFeedback() {
  BiasCircuitDrawings::Circuit c = BiasCircuitDrawings::lettered(kTopic9Feedback, "t25");
  c.currents = true;
  return BiasCircuitDrawings::bmp(195, 241, c);
}

const std::vector<std::string>& feedbackSteps() {
  static const std::vector<std::string> steps = {"β ou T sobe", "I_C sobe", "V_{CE} cai", "I_B cai", "I_C sobe pouco"};
  return steps;
}

// Teoria 25: the loop that holds IC, one step under the other.
std::vector<std::uint8_t> feedbackLoop() {
  Drawing d(141, 245);
  const std::vector<std::string>& steps = feedbackSteps();
  const double top = 18, pitch = 52;
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const double y = top + pitch * static_cast<double>(i);
    d.ink(i + 1 == steps.size() ? Drawing::kBlue : Drawing::kBlack);
    d.text().draw({70.5, y}, steps[i], Align::Center);
    d.ink(Drawing::kBlack);
    if (i + 1 < steps.size()) d.arrow({70.5, y + 9}, {70.5, y + pitch - 16});
  }
  return d.bmp();
}

// Teoria 26, the divider: VTH and RTH, then the exact solution with the base current.
Rows dividerTheveninRows() {
  const std::uint32_t k = Drawing::kBlack, b = Drawing::kBlue;
  return {{"V_{TH} = \\frac{R_{B2} · V_{CC}}{R_{B1} + R_{B2}}", k},
                {"= \\frac{" + val("t24.rb2") + " · " + val("t24.vcc") + "}{" + val("t24.rb_sum") + "}", k},
                {"= " + val("t24.vth"), b},
                {"R_{TH} = \\frac{R_{B1} · R_{B2}}{R_{B1} + R_{B2}}", k},
                {"= \\frac{" + val("t24.rb1") + " · " + val("t24.rb2") + "}{" + val("t24.rb_sum") + "}", k},
                {"= " + val("t24.rth"), b}};
}

std::vector<std::uint8_t> dividerThevenin() { return block(183, 242, {4, 4}, dividerTheveninRows()); }

Rows dividerExactRows() {
  const std::uint32_t k = Drawing::kBlack, b = Drawing::kBlue;
  return {{"I_B = \\frac{V_{TH} − V_{BE}}{R_{TH} + (β + 1) · R_E}", k},
                {"= \\frac{" + val("t24.vth") + " − " + val("hand.vbe") + "}{" + val("t24.rth") + " + " +
                     val("t24.beta1") + " · " + val("t24.re") + "}",
                 k},
                {"= " + val("t24.ib"), b},
                {"I_C = β · I_B = " + val("t24.ic"), b},
                {"I_E = I_C + I_B = " + val("t24.ie"), b},
                {"V_{CE} = V_{CC} − R_C · I_C − R_E · I_E", k},
                {"= " + worked("t24.vce"), k},
                {"= " + val("t24.vce"), b}};
}

std::vector<std::uint8_t> dividerExact() { return block(261, 236, {4, 2}, dividerExactRows(), 5); }

// Teoria 26, collector feedback: the base current, then IC and VCE.
std::string feedbackBaseLine() {
  return "I_B = \\frac{V_{CC} − V_{BE}}{R_B + (β + 1) · R_C} = " + workedFraction("t25.ib") + " = " +
                   val("t25.ib");
}

std::vector<std::uint8_t> feedbackBase() { return strip(397, 53, feedbackBaseLine()); }

Rows feedbackCollectorRows() {
  const std::uint32_t b = Drawing::kBlue;
  return {{"I_C = β · I_B = " + val("t25.ic"), b},
          {"V_{CE} = V_{CC} − R_C · (I_C + I_B) = " + workedStep("t25.vce"), b}};
}

std::vector<std::uint8_t> feedbackCollector() { return block(459, 64, {6, 4}, feedbackCollectorRows()); }

// A strip or a block of equations, with the words that read it: the same markup drawn and said.
void addStrip(FigureList& list, std::string file, int w, int h, std::string markup) {
  list.add(std::move(file), [=] { return strip(w, h, markup); }, [=] { return "Equação: " + spoken(markup) + "."; });
}

void addBlock(FigureList& list, std::string file, int w, int h, Pt at, Rows rows) {
  list.add(std::move(file), [=] { return block(w, h, at, rows); },
           [=] { return "Equações: " + spokenRows(rows); });
}

std::string describeFeedbackLoop() {
  std::string out = "Diagrama da realimentação, um passo sob o outro, ligados por setas: ";
  for (std::size_t i = 0; i < feedbackSteps().size(); ++i)
    out += (i == 0 ? "" : ", então ") + spoken(feedbackSteps()[i]);
  return out + "; o último passo, em azul, é o resultado.";
}

}  // namespace

void addTopic9Figures(FigureList& list) {
  list.add("t22-base-constante.bmp", fixedBias, [] {
    return BiasCircuitDrawings::describe(
               BiasCircuitDrawings::lettered(kSingleBatteryCircuit, "t17", BiasCircuitDrawings::Beta::Left)) +
           " O valor de β não é dado.";
  });
  addStrip(list, "t22-ic.bmp", 109, 31, "I_C = β · I_B");
  addStrip(list, "t22-vce.bmp", 170, 32, "V_{CE} = V_{CC} − R_C · I_C");
  list.add("t23-resistor-emissor.bmp", emitterResistor, [] {
    BiasCircuitDrawings::Circuit c;
    c.re = true;
    c.currents = true;
    return BiasCircuitDrawings::describe(c) + " As partes estão nomeadas, sem valores.";
  });
  addBlock(list, "t23-malha-base.bmp", 307, 76, {6, 3},
           {{"V_{CC} = R_B · I_B + V_{BE} + R_E · I_E", Drawing::kBlack},
            {"I_B = \\frac{V_{CC} − V_{BE}}{R_B + (β + 1) · R_E}", Drawing::kBlack}});
  addBlock(list, "t23-corrente-emissor.bmp", 224, 100, {4, 4},
           {{"I_E = \\frac{V_{CC} − V_{BE}}{R_E + R_B / (β + 1)}", Drawing::kBlack},
            {"I_E ≈ \\frac{V_{CC} − V_{BE}}{R_E}", Drawing::kBlue}});
  addStrip(list, "t23-ve.bmp", 134, 23, "V_E = R_E · I_E");
  addStrip(list, "t24-thevenin-equacoes.bmp", 414, 57,
           "V_{TH} = \\frac{R_{B2} · V_{CC}}{R_{B1} + R_{B2}}        R_{TH} = \\frac{R_{B1} · R_{B2}}{R_{B1} + R_{B2}}");
  list.add("t24-divisor.bmp", divider, [] {
    BiasCircuitDrawings::Circuit c = BiasCircuitDrawings::lettered(kTopic9Divider, "t24");
    c.currents = true;
    return BiasCircuitDrawings::describe(c);
  });
  list.add("t24-thevenin.bmp", thevenin, [] {
    BiasCircuitDrawings::Circuit c;
    c.base = Base::Thevenin;
    c.re = true;
    return BiasCircuitDrawings::describe(c) + " O divisor RB1 e RB2 foi trocado por VTH em série com RTH.";
  });
  list.add("t25-realimentacao.bmp", collectorFeedback, [] {
    BiasCircuitDrawings::Circuit c = BiasCircuitDrawings::lettered(kTopic9Feedback, "t25");
    c.currents = true;
    return BiasCircuitDrawings::describe(c);
  });
  list.add("t25-malha.bmp", feedbackLoop, describeFeedbackLoop);
  list.add("t26-thevenin.bmp", dividerThevenin,
           [] { return "Cálculo do equivalente de Thévenin do divisor: " + spokenRows(dividerTheveninRows()); });
  list.add("t26-divisor.bmp", dividerExact,
           [] { return "Solução exata do divisor: " + spokenRows(dividerExactRows()); });
  list.add("t26-realimentacao-ib.bmp", feedbackBase,
           [] { return "Corrente de base da realimentação do coletor: " + spoken(feedbackBaseLine()) + "."; });
  list.add("t26-realimentacao-vce.bmp", feedbackCollector,
           [] { return "Corrente de coletor e VCE da realimentação do coletor: " + spokenRows(feedbackCollectorRows()); });
}

}  // namespace apostila::figures
