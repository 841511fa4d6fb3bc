// Topic 8, the characteristic curves: the common-emitter output family with its regions and the
// dissipation limit, the common-base output and input curves, and the common-collector family.
// Every curve is sampled point by point from the device model.
#include <cmath>
#include <string>
#include <vector>

#include "Figures.h"
#include "Spoken.h"
#include "Topics.h"
#include "ValueTable.h"
#include "drawing/Drawing.h"
#include "drawing/OutputFamily.h"
#include "drawing/Plot.h"
#include "model/DeviceModel.h"
#include "model/RootFinder.h"

namespace apostila::figures {

namespace {

using Align = TextSetter::Align;

// The base currents of the common-emitter family: Teoria 19 reads β between two of them.
const std::vector<double> kBaseCurrents = {20e-6, 40e-6, 60e-6, 80e-6, 100e-6};
// Annotations at the size of the tick numbers, to read at 1:1.
constexpr double kSmall = TextSetter::kMainSize;

// The axes of the output curves, VCE from 0 to 30 V and the current up to 30 mA.
constexpr double kVceTop = 30, kCurrentTop = 30e-3;
void outputAxes(Plot& p, const std::string& quantity) {
  p.xAxis(0, kVceTop, 5, "V_{CE}", "V");
  p.yAxis(0, kCurrentTop, 5e-3, quantity, "mA", 1e-3);
}

// The output axes and the family's curves, as a description reads them.
std::string describeOutputAxes(const std::string& quantity) {
  std::string curves;
  for (std::size_t i = 0; i < kBaseCurrents.size(); ++i)
    curves += std::string(i == 0 ? "" : i + 1 == kBaseCurrents.size() ? " e " : ", ") + microamps(kBaseCurrents[i]);
  return "Eixo horizontal: " + axisText("V_{CE}", "V", 0, kVceTop) + ". Eixo vertical: " +
         axisText(quantity, "mA", 0, kCurrentTop, 1e-3) + ". Curvas para IB = " + curves +
         ", cada uma nomeada à direita. Cada curva sobe depressa junto ao eixo vertical e segue quase horizontal, um pouco "
         "inclinada para cima.";
}

// IC against VCE for five base currents and the open base, with the saturation, active and
// cut-off regions, the hyperbola of maximum dissipation, and the two points β is read between.
std::vector<std::uint8_t> commonEmitter() {
  Drawing d(480, 406);
  const DeviceModel q;
  Plot p(d, {.left = 46, .top = 26, .right = 400, .bottom = 362});
  outputAxes(p, "I_C");
  p.shadeX(0, 0.6);
  // Cut-off is the thin strip under the IB = 0 curve, along the axis: shaded like saturation,
  // and named above the curves' reach with an arrow down to it.
  d.fillRect(p.px(0.6), p.py(0.45e-3), p.px(30), p.py(0), Drawing::kShade);
  // Above the dissipation limit the transistor may not work: that area is tinted, so the
  // curves that run on into it are seen to be outside the allowed region.
  {
    std::vector<Pt> beyond;
    const double vFrom = q.parameters().pmax / 30e-3;  // where the hyperbola meets the top
    for (int i = 0; i <= 60; ++i) {
      const double v = vFrom + (30 - vFrom) * i / 60.0;
      beyond.push_back(p.at(v, q.maxCollectorCurrent(v)));
    }
    beyond.push_back(p.at(30, 30e-3));
    d.fillPolygon(beyond, 0xF8E0E0);
  }
  outputFamily(d, p, kBaseCurrents, 30, [&](double ib, double v) { return q.outputCurve(ib, v); });
  // The open-base curve is ICEO, a few nanoamperes: it lies on the axis, and below it the
  // transistor is cut off.
  p.curve([&](double v) { return q.iceo(v); });
  // The dissipation limit: the curves must stay below it.
  {
    Drawing::Style inked(d, 0xC00000);
    p.curve([&](double v) { return v > 0 ? q.maxCollectorCurrent(v) : 1.0; });
    d.text().draw({p.px(19), p.py(27e-3)}, "P_{máx} = " + val("t19.pmax"), Align::Left, kSmall);
    // β read at one VCE between two curves.
  }
  {
    Drawing::Style inked(d, Drawing::kBlue);
    const double vce = courseValues().value("t19.vce_read");
    const Pt a{vce, courseValues().value("t19.ic1")}, b{vce, courseValues().value("t19.ic2")};
    p.point(a);
    p.point(b);
    p.line({0, a.y}, a, true);
    p.line({0, b.y}, b, true);
  }
  d.text().draw({p.px(0.8) + 2, p.py(29e-3)}, "saturação", Align::Left, kSmall);
  d.arrow({p.px(0.8) + 2, p.py(28.2e-3)}, {p.px(0.3), p.py(26e-3)}, 5);
  d.text().draw({p.px(21.5), p.py(2.2e-3)}, "corte (I_B = 0)", Align::Left, kSmall);
  d.arrow({p.px(21), p.py(2.0e-3)}, {p.px(19.5), p.py(0.35e-3)}, 5);
  d.text().draw({p.px(8), p.py(22.5e-3)}, "região ativa", Align::Left, kSmall);
  return d.bmp();
}

// The common-base graphs' axes and the emitter currents of the output curves.
constexpr double kVbeTop = 0.8, kVcbTop = 20, kBaseCurrentTop = 10e-3;
constexpr double kEmitterCurrents[] = {2e-3, 4e-3, 6e-3, 8e-3};
std::string emitterCurrent(double ie) { return "I_E = " + std::to_string(static_cast<int>(ie * 1e3)) + " mA"; }

// The common-base output curves: IC against VCB for several emitter currents, flat and almost
// equal to IE from VCB = 0 on; beside them the input curve IE against VBE with its knee.
std::vector<std::uint8_t> commonBase() {
  Drawing d(444, 328);
  const DeviceModel q;
  Plot in(d, {.left = 44, .top = 30, .right = 196, .bottom = 284});
  in.xAxis(0, kVbeTop, 0.2, "V_{BE}", "V");
  in.yAxis(0, kBaseCurrentTop, 2e-3, "I_E", "mA", 1e-3);
  // IE = IC + IB along VCB = 0, so VCE = VBE.
  auto input = [&](double v) { return q.collectorCurrent(v, v) + q.baseCurrent(v, v); };
  in.curve(input);
  {
    Drawing::Style inked(d, Drawing::kBlue);
    const double knee = courseValues().value("t20.vknee");
    in.point({knee, input(knee)});
    d.text().draw({in.px(0.04), in.py(8e-3)}, "V_{BE} ≈ " + val("t20.vknee"), Align::Left, kSmall);
    d.text().draw({in.px(0.04), in.py(8e-3) + 18}, "(cálculo)", Align::Left, kSmall);
    d.text().draw({in.px(0.04), in.py(9.6e-3) + 4}, "V_{CB} = 0", Align::Left, kSmall);
    d.arrow({in.px(0.3), in.py(8e-3) + 24}, {in.px(knee) - 4, in.py(input(knee)) - 1}, 5);
  }
  Plot out(d, {.left = 250, .top = 30, .right = 414, .bottom = 284});
  out.xAxis(0, kVcbTop, 5, "V_{CB}", "V");
  out.yAxis(0, kBaseCurrentTop, 2e-3, "I_C", "mA", 1e-3);
  for (double ie : kEmitterCurrents) {
    // The emitter fed by the constant current IE: find the VBE that gives it at this VCB.
    out.curve([&, ie](double vcb) {
      const double lo = RootFinder::bisect(0.3, 0.9, 60, [&](double m) {
        return q.collectorCurrent(m, m + vcb) + q.baseCurrent(m, m + vcb) < ie;
      }).lo;
      return q.collectorCurrent(lo, lo + vcb);
    }, emitterCurrent(ie));
  }
  // With the emitter open only the leakage flows: the IE = 0 curve lies on the axis, and
  // below it the transistor is cut off; above it, the active region.
  d.text().draw({out.px(20) - 2, out.py(0) - 5}, "I_E = 0 (corte)", Align::Right, kSmall);
  d.text().draw({out.px(10), out.py(9.3e-3)}, "região ativa", Align::Center, kSmall);
  return d.bmp();
}

// The common-collector family: IE against VCE for the same base currents as Teoria 19. The
// curves are those of the common emitter raised by IB, less than one per cent.
std::vector<std::uint8_t> commonCollector() {
  Drawing d(420, 323);
  const DeviceModel q;
  Plot p(d, {.left = 46, .top = 26, .right = 330, .bottom = 280});
  outputAxes(p, "I_E");
  outputFamily(d, p, kBaseCurrents, 30, [&](double ib, double v) { return q.outputCurve(ib, v) + ib; });
  return d.bmp();
}

// What each graph shows, read aloud, from the axes, currents and values it is drawn with.
std::string describeCommonEmitter() {
  return "Gráfico das curvas de saída do emissor comum, IC contra VCE. " + describeOutputAxes("I_C") +
         " A faixa sombreada junto ao eixo vertical é a saturação; a faixa estreita ao longo do eixo "
         "horizontal, sob a curva de IB = 0, é o corte; entre elas fica a região ativa. Uma hipérbole "
         "vermelha, Pmáx = " + val("t19.pmax") + ", é o limite de dissipação: a área acima dela, tingida, "
         "é proibida. Em azul, dois pontos marcados em VCE = " + val("t19.vce_read") + ", sobre as curvas de " +
         val("t19.ib1") + " e " + val("t19.ib2") + ", com linhas tracejadas até o eixo vertical em IC = " +
         val("t19.ic1") + " e IC = " + val("t19.ic2") + ".";
}

std::string describeCommonBase() {
  std::string curves;
  for (double ie : kEmitterCurrents)
    curves += std::string(curves.empty() ? "" : ie == kEmitterCurrents[3] ? " e " : ", ") + spoken(emitterCurrent(ie));
  return "Dois gráficos da base comum. À esquerda, a curva de entrada, IE contra VBE com VCB = 0. Eixo "
         "horizontal: " + axisText("V_{BE}", "V", 0, kVbeTop) + ". Eixo vertical: " +
         axisText("I_E", "mA", 0, kBaseCurrentTop, 1e-3) + ". A curva fica junto ao eixo até perto do joelho e "
         "então sobe quase na vertical; em azul, o ponto VBE ≈ " + val("t20.vknee") + ", o valor de cálculo. "
         "À direita, as curvas de saída, IC contra VCB. Eixo horizontal: " + axisText("V_{CB}", "V", 0, kVcbTop) +
         ". Eixo vertical: " + axisText("I_C", "mA", 0, kBaseCurrentTop, 1e-3) + ". Curvas para " + curves +
         ". São horizontais, cada uma com IC quase igual a IE desde VCB = 0; a curva de IE = 0, sobre o eixo, é o corte, "
         "e acima dela fica a região ativa.";
}

std::string describeCommonCollector() {
  return "Gráfico das curvas de saída do coletor comum, IE contra VCE. " + describeOutputAxes("I_E") +
         " São as curvas do emissor comum acrescidas de IB, menos de um por cento acima.";
}

}  // namespace

void addTopic8Figures(FigureList& list) {
  list.add("t19-curvas-ec.bmp", commonEmitter, describeCommonEmitter);
  list.add("t20-curvas-bc.bmp", commonBase, describeCommonBase);
  list.add("t21-curvas-cc.bmp", commonCollector, describeCommonCollector);
}

}  // namespace apostila::figures
