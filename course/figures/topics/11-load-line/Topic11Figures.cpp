// Topic 11, the DC load line: the circuits, the load lines drawn over the device model's own
// output curves with their two ends marked, and every Q point found where a line meets the
// curve of the circuit's base current (DeviceModel::loadLineVce), never placed by eye.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "Spoken.h"
#include "Topics.h"
#include "drawing/BiasCircuitDrawings.h"
#include "drawing/Drawing.h"
#include "drawing/Equation.h"
#include "drawing/OutputFamily.h"
#include "drawing/Plot.h"
#include "drawing/Schematic.h"
#include "model/DeviceModel.h"
#include "topics/11-load-line/Topic11Figures.h"

namespace apostila::figures {

namespace {

using Align = TextSetter::Align;
using namespace topic11;

constexpr double kSmall = 12.5;
// The load lines stand out from the curves in a dark red; lettering stays black and blue.
constexpr std::uint32_t kLine = 0xB00000;

// "I_B = 13,8 µA", the circuit's base current as the named value states it.
std::string baseCurrentName(const std::string& value) { return "I_B = " + val(value); }

// The output curves of the model with DC load lines over them: every picture of the topic that
// shows a line on the curves is drawn through this one class, so the lines, their ends and the
// Q points look and are computed the same way on every page.
class LoadLinePlot {
 public:
  struct Axes {
    double vMax, vStep, iMax, iStep;  // V and A
  };

  // The axes and, in black, the family of curves for these base currents.
  LoadLinePlot(Drawing& d, Plot::Frame frame, Axes axes, const std::vector<double>& family = {})
      : d_(d), p_(d, frame), axes_(axes) {
    said_ = "Gráfico de IC contra VCE. Eixo horizontal: " + axisText("V_{CE}", "V", 0, axes.vMax) +
            ". Eixo vertical: " + axisText("I_C", "mA", 0, axes.iMax, 1e-3) + ".";
    if (!family.empty()) {
      std::string names;
      for (std::size_t i = 0; i < family.size(); ++i)
        names += std::string(i == 0 ? "" : i + 1 == family.size() ? " e " : ", ") + microamps(family[i]);
      said_ += " Curvas para IB = " + names + ", em preto: as curvas de saída do modelo do curso.";
    }
    p_.xAxis(0, axes.vMax, axes.vStep, "V_{CE}", "V");
    p_.yAxis(0, axes.iMax, axes.iStep, "I_C", "mA", 1e-3);
    outputFamily(d_, p_, family, axes_.vMax, [this](double ib, double v) { return model_.outputCurve(ib, v); });
  }

  Plot& plot() { return p_; }
  // What has been drawn so far, read aloud; a figure adds what it draws of its own.
  std::string& said() { return said_; }

  // The line from IC(sat) = VCC / R on the current axis to VCE(corte) = VCC on the voltage axis.
  void line(double vcc, double r, bool dashed = false) {
    {
      Drawing::Style inked(d_, kLine);
      d_.pen(2);
      p_.line({0, vcc / r}, {vcc, 0}, dashed);
      d_.pen(Drawing::kPen);
    }
  }

  // Both ends marked and named: the top one right of its dot, the right one above its dot and
  // beside it to the right where the picture has room, else to its left.
  void ends(double vcc, double r, const std::string& top, const std::string& right) {
    said_ += " Em azul, os extremos da reta: no eixo vertical, " + spoken(top) + "; no eixo horizontal, " +
             spoken(right) + ".";
    {
      Drawing::Style inked(d_, Drawing::kBlue);
      p_.point({0, vcc / r});
      p_.point({vcc, 0});
      const Pt t = p_.at(0, vcc / r), b = p_.at(vcc, 0);
      // The top name lies over the grid: on a paper ground of its own, so no grid line runs
      // through its letters.
      const double w = d_.text().measure(top, kSmall).width;
      d_.fillRect(t.x + 4, t.y - 18, t.x + 8 + w, t.y - 2, Drawing::kPaper);
      d_.text().draw({t.x + 6, t.y - 6}, top, Align::Left, kSmall);
      const bool room = b.x + 6 + d_.text().measure(right, kSmall).width <= d_.width() - 2;
      d_.text().draw({room ? b.x + 6 : b.x - 4, b.y - 8}, right, room ? Align::Left : Align::Right, kSmall);
    }
  }

  // A name set beside the line at VCE = v, just above it.
  void name(double vcc, double r, double v, const std::string& text) {
    {
      Drawing::Style inked(d_, Drawing::kBlue);
      d_.text().draw({p_.px(v) + 4, p_.py((vcc - v) / r) - 6}, text, Align::Left, kSmall);
    }
  }

  // The circuit's own base-current curve in blue, named at its right end, and Q where it meets
  // the line: found by the model, returned in data units.
  Pt q(double ib, double vcc, double r, const std::string& name, const std::string& curveName = "") {
    said_ += curveName.empty() ? " O ponto " + spoken(name) + ", em azul, sobre a reta."
                               : " Em azul, a curva de " + spoken(curveName) + " e o ponto " + spoken(name) +
                                     " onde ela corta a reta.";
    const double vce = model_.loadLineVce(ib, vcc, r);
    const Pt q{vce, (vcc - vce) / r};
    {
      Drawing::Style inked(d_, Drawing::kBlue);
      if (!curveName.empty()) {
        p_.curve([&](double v) { return model_.outputCurve(ib, v); });
        d_.text().draw({p_.px(axes_.vMax) + 4, p_.py(model_.outputCurve(ib, axes_.vMax)) + 5}, curveName, Align::Left,
                       kSmall);
      }
      d_.circle(p_.at(q.x, q.y), 4.5, true);
      d_.text().bold(true);
      d_.text().draw({p_.px(q.x) + 7, p_.py(q.y) - 7}, name);
      d_.text().bold(false);
    }
    return q;
  }

  // What most pages show: the line with its ends named, the circuit's curve, and Q projected on
  // both axes, with the base current, IC and VCE as the page's named values state them
  // (page + ".ib", ".ic", ".vce").
  void solved(double vcc, double r, const std::string& page, const std::string& top, const std::string& right) {
    line(vcc, r);
    ends(vcc, r, top, right);
    const Pt at = q(courseValues().value(page + ".ib"), vcc, r, "Q", baseCurrentName(page + ".ib"));
    project(at, "≈ " + val(page + ".vce"), "≈ " + val(page + ".ic"));
  }

  // Dashed lines from Q to both axes, with its VCE and IC written beside them.
  void project(Pt q, const std::string& vce, const std::string& ic) {
    said_ += " Linhas tracejadas levam Q aos eixos: VCE " + vce + " e IC " + ic + ".";
    {
      Drawing::Style inked(d_, Drawing::kBlue);
      p_.line({0, q.y}, q, true);
      p_.line({q.x, 0}, q, true);
      // Clear of the curves, which rise almost straight up from VCE = 0.
      d_.text().draw({p_.px(0) + 12, p_.py(q.y) - 5}, ic, Align::Left, kSmall);
      d_.text().draw({p_.px(q.x) + 4, p_.py(0) - 5}, vce, Align::Left, kSmall);
    }
  }

 private:
  const DeviceModel model_;
  Drawing& d_;
  Plot p_;
  Axes axes_;
  std::string said_;
};

// The fixed-bias circuit of a page, lettered with its named values, in a box of a picture.
BiasCircuitDrawings::Layout circuit(Drawing& d, const BiasCircuit& circuit, const std::string& page,
                                    BiasCircuitDrawings::Box box) {
  return BiasCircuitDrawings::draw(d, BiasCircuitDrawings::lettered(circuit, page, BiasCircuitDrawings::Beta::Left), box);
}

// Teoria 39: the line alone, from the collector loop, before any curve is drawn.
std::vector<std::uint8_t> circuitAndLine(std::string* said = nullptr) {
  Drawing d(529, 332);
  const auto& c = kCircuit;
  // The collector loop the line comes from ends across the transistor, in VCE.
  const auto at = circuit(d, topic11::kCircuit, "t39", {0, 10, 220, 312});
  Schematic s(d);
  s.voltage(at.collector, at.emitter, "V_{CE}", Schematic::Side::Right);
  LoadLinePlot p(d, {.left = 262, .top = 26, .right = 480, .bottom = 290}, {14, 2, 7e-3, 1e-3});
  p.line(c.vcc, c.rc);
  p.ends(c.vcc, c.rc, "I_{C(sat)}", "V_{CE(corte)}");
  if (said)
    *said = "À esquerda, o circuito. " +
            BiasCircuitDrawings::describe(BiasCircuitDrawings::lettered(kCircuit, "t39", BiasCircuitDrawings::Beta::Left)) +
            " A tensão VCE está marcada entre o coletor e o emissor. À direita, a reta de carga sozinha, sem curvas. " +
            p.said() + " A reta, em vermelho, liga os dois extremos.";
  return d.bmp();
}

// Teoria 39: the collector loop and the line it gives.
std::vector<std::uint8_t> collectorLoop(std::string* said = nullptr) {
  Drawing d(505, 52);
  d.text().draw({8, 32}, "V_{CC} = R_C · I_C + V_{CE}");
  d.text().draw({232, 32}, "⇒");
  d.text().draw({270, 32}, "I_C = \\frac{V_{CC} − V_{CE}}{R_C}");
  if (said)
    *said = "A malha do coletor: " + spoken("V_{CC} = R_C · I_C + V_{CE}") + "; daí, " +
            spoken("I_C = \\frac{V_{CC} − V_{CE}}{R_C}") + ".";
  return d.bmp();
}

// Teoria 40: the two ends of the line, from the loop with VCE = 0 and with IC = 0.
std::vector<std::uint8_t> lineEnds(std::string* said = nullptr) {
  Drawing d(451, 76);
  Equation eq(d);
  eq.row("I_{C(sat)} = \\frac{V_{CC}}{R_C} = " + workedFraction("t40.ic_sat") + " = " + val("t40.ic_sat"));
  eq.row("V_{CE(corte)} = V_{CC} = " + val("t40.vce_cut"));
  eq.draw({8, 4});
  if (said)
    *said = "Os extremos da reta: IC(sat) = VCC / RC = " + workedStep("t40.ic_sat") + "; VCE(corte) = VCC = " +
            val("t40.vce_cut") + ".";
  return d.bmp();
}

// Teoria 40: the line over the curves and Q on the curve of the circuit's base current.
std::vector<std::uint8_t> lineOnCurves(std::string* said = nullptr) {
  Drawing d(433, 344);
  const auto& c = kCircuit;
  LoadLinePlot p(d, {.left = 46, .top = 26, .right = 330, .bottom = 300}, {12, 2, 6e-3, 1e-3},
                 {5e-6, 10e-6, 20e-6, 25e-6});
  p.solved(c.vcc, c.rc, "t40", "I_{C(sat)} = " + val("t40.ic_sat"), "V_{CE(corte)}");
  if (said) *said = p.said() + " A reta de carga, em vermelho, liga os extremos.";
  return d.bmp();
}

// Teoria 41: with RE the line ends lower on the current axis; without it, dashed, for comparison.
std::vector<std::uint8_t> lineWithEmitterResistor(std::string* said = nullptr) {
  Drawing d(547, 350);
  const auto& c = kWithEmitter;
  circuit(d, topic11::kWithEmitter, "t41", {0, 10, 190, 330});
  LoadLinePlot p(d, {.left = 224, .top = 26, .right = 460, .bottom = 306}, {12, 2, 6e-3, 1e-3},
                 {5e-6, 15e-6, 25e-6});
  p.line(c.vcc, c.rc, true);
  p.name(c.vcc, c.rc, 0.2, "sem R_E");
  p.solved(c.vcc, c.loadLineResistance(), "t41", val("t41.ic_sat"), val("t41.vcc"));
  if (said)
    *said = "À esquerda, o circuito. " +
            BiasCircuitDrawings::describe(BiasCircuitDrawings::lettered(kWithEmitter, "t41", BiasCircuitDrawings::Beta::Left)) +
            " À direita: " + p.said() + " Em vermelho, a reta de carga com RE; tracejada, para comparar, a reta sem RE, "
            "que chega mais alto no eixo vertical.";
  return d.bmp();
}

// Teoria 41: the ends with RE, and the Q point read on the curves.
std::vector<std::uint8_t> emitterResistorEquations(std::string* said = nullptr) {
  Drawing d(493, 92);
  Equation eq(d, 4);
  eq.row("I_{C(sat)} = \\frac{V_{CC}}{R_C + R_E} = \\frac{" + val("t41.vcc") + "}{" + val("t41.rc") + " + " +
         val("t41.re") + "} = " + val("t41.ic_sat"));
  eq.row("V_{CE(corte)} = V_{CC} = " + val("t41.vcc"));
  eq.draw({8, 2});
  d.ink(Drawing::kBlue);
  d.text().draw({8, 86}, "Q: I_C ≈ " + val("t41.ic") + " e V_{CE} ≈ " + val("t41.vce"));
  if (said)
    *said = "Os extremos com RE: IC(sat) = VCC / (RC + RE) = " + val("t41.vcc") + " / (" + val("t41.rc") + " + " +
            val("t41.re") + ") = " + val("t41.ic_sat") + "; VCE(corte) = VCC = " + val("t41.vcc") +
            ". Em azul, o ponto Q lido nas curvas: IC ≈ " + val("t41.ic") + " e VCE ≈ " + val("t41.vce") + ".";
  return d.bmp();
}

// Teoria 42: Q moves along the line when RB changes; the line turns about VCC when RC changes
// and moves parallel to itself when VCC changes.
std::vector<std::uint8_t> movingQ(std::string* said = nullptr) {
  Drawing d(435, 348);
  const auto& c = kCircuit;
  const auto& v = courseValues();
  const double ib = v.value("t40.ib"), ibLower = v.value("t42.ib_lower"), ibHigher = v.value("t42.ib_higher"),
               ibVcc = v.value("t42.ib_vcc");
  LoadLinePlot p(d, {.left = 46, .top = 26, .right = 334, .bottom = 304}, {12, 2, 6e-3, 1e-3});
  p.line(c.vcc, c.rc);
  p.line(c.vcc, kRcHigher, true);
  p.line(kVccLower, c.rc, true);
  p.q(ib, c.vcc, c.rc, "Q", baseCurrentName("t40.ib"));
  p.q(ibLower, c.vcc, c.rc, "Q_1", baseCurrentName("t42.ib_lower"));
  p.q(ibHigher, c.vcc, c.rc, "Q_2", baseCurrentName("t42.ib_higher"));
  p.q(ib, c.vcc, kRcHigher, "Q_3");
  p.q(ibVcc, kVccLower, c.rc, "Q_4", baseCurrentName("t42.ib_vcc"));
  // What changed for each point, in the empty corner above the curves.
  const Plot& plot = p.plot();
  {
    Drawing::Style inked(d, Drawing::kBlue);
    const double left = plot.px(2.2), right = plot.px(7.2), top = plot.py(5.6e-3), next = plot.py(4.95e-3);
    d.text().draw({left, top}, "Q_1: R_B = " + val("t42.rb_lower"), Align::Left, kSmall);
    d.text().draw({right, top}, "Q_2: R_B = " + val("t42.rb_higher"), Align::Left, kSmall);
    d.text().draw({left, next}, "Q_3: R_C = " + val("t42.rc_higher"), Align::Left, kSmall);
    d.text().draw({right, next}, "Q_4: V_{CC} = " + val("t42.vcc_lower"), Align::Left, kSmall);
  }
  if (said)
    *said = p.said() + " Em vermelho, a reta de carga do circuito e duas retas tracejadas: uma com RC maior, "
            "que gira em torno de VCC e fica mais baixa no eixo vertical, e outra com VCC menor, paralela à primeira. "
            "Q1 e Q2 andam sobre a mesma reta quando RB muda: Q1 com RB = " + val("t42.rb_lower") + ", Q2 com RB = " +
            val("t42.rb_higher") + ". Q3, com RC = " + val("t42.rc_higher") + ", fica na reta girada, e Q4, com VCC = " +
            val("t42.vcc_lower") + ", na reta paralela.";
  return d.bmp();
}

// Teoria 43: Q between the two ends of the line, how far VCE can go each way, and the largest
// swing that stays symmetric about Q, set by the nearer end.
std::vector<std::uint8_t> largestSwing(std::string* said = nullptr) {
  Drawing d(524, 274);
  const auto& c = kCircuit;
  const auto& v = courseValues();
  LoadLinePlot p(d, {.left = 46, .top = 26, .right = 396, .bottom = 230}, {12, 2, 6e-3, 1e-3},
                 {10e-6, 20e-6, 25e-6});
  p.line(c.vcc, c.rc);
  p.ends(c.vcc, c.rc, "saturação", "corte");
  const Pt q = p.q(v.value("t40.ib"), c.vcc, c.rc, "Q", baseCurrentName("t40.ib"));
  Plot& plot = p.plot();
  {
    Drawing::Style inked(d, Drawing::kBlue);
    // Upper row: the reach from Q to each end of the line. Lower row: the symmetric swing, as
    // wide as the nearer reach on both sides. The reach to the cut-off end is lettered between Q
    // and the point where the line crosses the row, clear of the line.
    const double reachI = 0.85e-3, swingI = 0.2e-3;
    const double x0 = plot.px(0), xq = plot.px(q.x), xc = plot.px(c.vcc), reach = plot.py(reachI), swing = plot.py(swingI);
    const double xCross = plot.px(c.vcc - c.rc * (reachI + 0.3e-3));
    d.arrow({xq, reach}, {x0 + 1, reach}, 6);
    d.arrow({xq, reach}, {xc - 1, reach}, 6);
    d.text().draw({(x0 + xq) / 2, reach - 5}, v.text("t40.vce"), Align::Center, kSmall);
    d.text().draw({(xq + xCross) / 2, reach - 5}, v.text("t43.to_cut"), Align::Center, kSmall);
    const double xs = plot.px(q.x + v.value("t43.swing_pp") / 2);
    d.arrow({xq, swing}, {x0 + 1, swing}, 6);
    d.arrow({xq, swing}, {xs, swing}, 6);
    d.text().draw({xq, swing - 5}, "excursão simétrica: " + v.text("t43.swing_pp") + " pico a pico", Align::Center, kSmall);
  }
  if (said)
    *said = p.said() + " Setas em azul mostram até onde VCE pode ir a partir de Q: " + v.text("t40.vce") +
            " até a saturação, à esquerda, e " + v.text("t43.to_cut") + " até o corte, à direita. Embaixo, a excursão "
            "simétrica, limitada pelo extremo mais próximo: " + v.text("t43.swing_pp") + " pico a pico.";
  return d.bmp();
}

// Teoria 44: the first example, its circuit beside its line and Q.
std::vector<std::uint8_t> firstExample(std::string* said = nullptr) {
  Drawing d(552, 292);
  const auto& c = kExample1;
  circuit(d, topic11::kExample1, "t44", {0, 10, 200, 272});
  LoadLinePlot p(d, {.left = 246, .top = 24, .right = 466, .bottom = 250}, {10, 2, 12e-3, 2e-3},
                 {10e-6, 20e-6, 40e-6});
  p.solved(c.vcc, c.rc, "t44", val("t44.ic_sat"), val("t44.vcc"));
  if (said)
    *said = "Primeiro exemplo. À esquerda, o circuito. " +
            BiasCircuitDrawings::describe(BiasCircuitDrawings::lettered(kExample1, "t44", BiasCircuitDrawings::Beta::Left)) +
            " À direita: " + p.said() + " A reta de carga, em vermelho, liga os extremos.";
  return d.bmp();
}

// Teoria 44: the ends of the line and the base current, worked out.
std::vector<std::uint8_t> firstExampleSolution(std::string* said = nullptr) {
  Drawing d(477, 84);
  Equation eq(d, 4);
  eq.row("I_{C(sat)} = " + workedFraction("t44.ic_sat") + " = " + val("t44.ic_sat") +
         "       V_{CE(corte)} = " + val("t44.vcc"));
  eq.row("I_B = \\frac{" + val("t44.vcc") + " − " + val("hand.vbe") + "}{" + val("t44.rb") + "} = " + val("t44.ib"));
  eq.draw({8, 2});
  if (said)
    *said = "Solução do primeiro exemplo: IC(sat) = " + workedStep("t44.ic_sat") + "; VCE(corte) = " + val("t44.vcc") +
            "; IB = (" + val("t44.vcc") + " − " + val("hand.vbe") + ") / " + val("t44.rb") + " = " + val("t44.ib") + ".";
  return d.bmp();
}

// Teoria 45: the RB that gives the base current Q needs, by hand, and the commercial value.
std::vector<std::uint8_t> secondExampleSolution(std::string* said = nullptr) {
  Drawing d(336, 54);
  const std::string line = "R_B = \\frac{" + worked("t45.vrb") + "}{" + val("t45.ib") + "} ≈ " +
                           val("t45.rb_calc") + " → " + val("t45.rb");
  if (d.text().measure(line).width > d.width() - 6) throw std::logic_error("t45-rb.bmp: the line is too wide");
  d.text().draw({4, 32}, line);
  if (said) *said = "O resistor de base que o ponto Q pede: " + spoken(line) + ", o valor comercial.";
  return d.bmp();
}

// Teoria 45: the line, the middle of it that was asked for, and where Q lies with the commercial
// RB: on the curve of the base current it gives, read off the graph.
std::vector<std::uint8_t> secondExample(std::string* said = nullptr) {
  Drawing d(417, 332);
  const double vcc = kExample2Vcc, rc = kExample2Rc;
  LoadLinePlot p(d, {.left = 46, .top = 26, .right = 316, .bottom = 290}, {10, 1, 7e-3, 1e-3},
                 {5e-6, 10e-6, 20e-6, 25e-6});
  p.line(vcc, rc);
  p.ends(vcc, rc, val("t45.ic_sat"), val("t45.vcc"));
  const Pt at = p.q(courseValues().shown("t45.ib_real"), vcc, rc, "Q", baseCurrentName("t45.ib_real"));
  p.project(at, "≈ " + val("t45.q_vce"), "≈ " + val("t45.q_ic"));
  Plot& plot = p.plot();
  const std::string note = "Com R_B = " + val("t45.rb") + ": I_B = " + worked("t45.ib_real") + " = " + val("t45.ib_real");
  {
    Drawing::Style inked(d, Drawing::kBlue);
    // The middle of the line, where Q was wanted.
    d.circle(plot.at(vcc / 2, vcc / rc / 2), 4.5, false);

    // Right of the top end's name, above the curves.
    const double x = plot.px(1.7);
    d.text().draw({x, plot.py(6.55e-3)}, note, Align::Left, kSmall);
    d.circle({x + 4.5, plot.py(6.0e-3) - 4.5}, 4.5, false);
    d.text().draw({x + 14, plot.py(6.0e-3)}, "meio da reta, onde Q foi pedido", Align::Left, kSmall);
  }
  if (said)
    *said = "Segundo exemplo. " + p.said() + " A reta de carga, em vermelho, liga os extremos. Um círculo vazio, em "
            "azul, marca o meio da reta, onde Q foi pedido. A nota diz: " + spoken(note) + ".";
  return d.bmp();
}

// Teoria 46: the summary, the line of Teoria 40 with its ends and Q named.
std::vector<std::uint8_t> summary(std::string* said = nullptr) {
  Drawing d(373, 227);
  const auto& c = kCircuit;
  LoadLinePlot p(d, {.left = 44, .top = 24, .right = 276, .bottom = 186}, {12, 2, 6e-3, 2e-3},
                 {5e-6, 10e-6, 20e-6});
  p.line(c.vcc, c.rc);
  p.ends(c.vcc, c.rc, "I_{C(sat)}: saturação", "V_{CE(corte)}");
  p.q(courseValues().value("t40.ib"), c.vcc, c.rc, "Q", "I_B");
  if (said) *said = "Resumo da reta de carga. " + p.said() + " A reta, em vermelho, liga a saturação ao corte.";
  return d.bmp();
}

// Teoria 46: the two ends, whatever the circuit.
std::vector<std::uint8_t> summaryEquations(std::string* said = nullptr) {
  Drawing d(372, 67);
  d.text().draw({8, 40}, "I_{C(sat)} = \\frac{V_{CC}}{R_C + R_E}");
  d.text().draw({214, 40}, "V_{CE(corte)} = V_{CC}");
  if (said)
    *said = "Os dois extremos de qualquer reta de carga: " + spoken("I_{C(sat)} = \\frac{V_{CC}}{R_C + R_E}") +
            "; e VCE(corte) = VCC.";
  return d.bmp();
}

// A figure's words: what it says while it draws.
std::string saidBy(std::vector<std::uint8_t> (*figure)(std::string*)) {
  std::string words;
  figure(&words);
  return words;
}

}  // namespace

void addTopic11Figures(FigureList& list) {
  list.add("t39-circuito-reta.bmp", [] { return circuitAndLine(); }, [] { return saidBy(circuitAndLine); });
  list.add("t39-malha.bmp", [] { return collectorLoop(); }, [] { return saidBy(collectorLoop); });
  list.add("t40-extremos.bmp", [] { return lineEnds(); }, [] { return saidBy(lineEnds); });
  list.add("t40-reta-curvas.bmp", [] { return lineOnCurves(); }, [] { return saidBy(lineOnCurves); });
  list.add("t41-reta-re.bmp", [] { return lineWithEmitterResistor(); }, [] { return saidBy(lineWithEmitterResistor); });
  list.add("t41-equacoes.bmp", [] { return emitterResistorEquations(); }, [] { return saidBy(emitterResistorEquations); });
  list.add("t42-q-se-move.bmp", [] { return movingQ(); }, [] { return saidBy(movingQ); });
  list.add("t43-excursao.bmp", [] { return largestSwing(); }, [] { return saidBy(largestSwing); });
  list.add("t44-exemplo.bmp", [] { return firstExample(); }, [] { return saidBy(firstExample); });
  list.add("t44-solucao.bmp", [] { return firstExampleSolution(); }, [] { return saidBy(firstExampleSolution); });
  list.add("t45-rb.bmp", [] { return secondExampleSolution(); }, [] { return saidBy(secondExampleSolution); });
  list.add("t45-reta-meio.bmp", [] { return secondExample(); }, [] { return saidBy(secondExample); });
  list.add("t46-resumo.bmp", [] { return summary(); }, [] { return saidBy(summary); });
  list.add("t46-extremos.bmp", [] { return summaryEquations(); }, [] { return saidBy(summaryEquations); });
}

}  // namespace apostila::figures
