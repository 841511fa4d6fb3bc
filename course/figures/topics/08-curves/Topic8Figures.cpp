// Topic 8, the characteristic curves: the common-emitter output family with its regions and the
// dissipation limit, the common-base output and input curves, and the common-collector family.
// Every curve is sampled point by point from the device model.
#include <cmath>
#include <string>
#include <vector>

#include "Figures.h"
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
void outputAxes(Plot& p, const std::string& quantity) {
  p.xAxis(0, 30, 5, "V_{CE}", "V");
  p.yAxis(0, 30e-3, 5e-3, quantity, "mA", 1e-3);
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

// The common-base output curves: IC against VCB for several emitter currents, flat and almost
// equal to IE from VCB = 0 on; beside them the input curve IE against VBE with its knee.
std::vector<std::uint8_t> commonBase() {
  Drawing d(444, 328);
  const DeviceModel q;
  Plot in(d, {.left = 44, .top = 30, .right = 196, .bottom = 284});
  in.xAxis(0, 0.8, 0.2, "V_{BE}", "V");
  in.yAxis(0, 10e-3, 2e-3, "I_E", "mA", 1e-3);
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
  out.xAxis(0, 20, 5, "V_{CB}", "V");
  out.yAxis(0, 10e-3, 2e-3, "I_C", "mA", 1e-3);
  for (double ie : {2e-3, 4e-3, 6e-3, 8e-3}) {
    // The emitter fed by the constant current IE: find the VBE that gives it at this VCB.
    out.curve([&, ie](double vcb) {
      const double lo = RootFinder::bisect(0.3, 0.9, 60, [&](double m) {
        return q.collectorCurrent(m, m + vcb) + q.baseCurrent(m, m + vcb) < ie;
      }).lo;
      return q.collectorCurrent(lo, lo + vcb);
    }, "I_E = " + std::to_string(static_cast<int>(ie * 1e3)) + " mA");
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

}  // namespace

void addTopic8Figures(FigureList& list) {
  list.add("t19-curvas-ec.bmp", commonEmitter);
  list.add("t20-curvas-bc.bmp", commonBase);
  list.add("t21-curvas-cc.bmp", commonCollector);
}

}  // namespace apostila::figures
