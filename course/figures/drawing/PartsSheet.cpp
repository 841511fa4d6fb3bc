// The parts sheet: symbols, lettering, an equation and a plot from the device model.
#include "drawing/PartsSheet.h"

#include "drawing/Drawing.h"
#include "drawing/Equation.h"
#include "drawing/Plot.h"
#include "drawing/Schematic.h"
#include "model/DeviceModel.h"

namespace apostila::figures {

std::vector<std::uint8_t> partsSheet() {
  Drawing d(760, 560);
  Schematic s(d);
  using Side = Schematic::Side;
  // Top row: two-terminal parts standing upright.
  s.resistor("R", {30, 40}, {30, 120}, "R_C", "2,2 k\u03A9");
  s.diode("D", {130, 40}, {130, 120}, "D_1");
  s.zener("Z", {210, 120}, {210, 40}, "D_Z", "5,1 V");
  s.led("L", {310, 40}, {310, 120}, "LED");
  s.battery("B", {400, 40}, {400, 120}, "V_{BB}", "5 V");
  s.source("S", {490, 40}, {490, 120}, "V_{CC}", "12 V");
  s.supply("VCC", {600, 40}, "+V_{CC}");
  s.wire({s.pin("VCC"), {600, 90}});
  s.dot({600, 90});
  s.wire({{570, 90}, {630, 90}});
  s.ground("0", {600, 100});
  s.resistor("RH", {650, 60}, {740, 60}, "R_B", "470 k\u03A9");
  s.wire({{650, 110}, {740, 110}});
  s.current({650, 110}, {740, 110}, "I_B", Side::Below);
  // Transistors with their currents and voltages.
  s.npn("Q1", {30, 230});
  s.wire({s.pin("Q1.c"), {70, 165}});
  s.wire({s.pin("Q1.e"), {70, 295}});
  s.current({70, 165}, {70, 210}, "I_C", Side::Left);
  s.current({70, 250}, {70, 295}, "I_E", Side::Left);
  s.voltage({70, 175}, {70, 285}, "V_{CE}", Side::Right);
  s.pnp("Q2", {190, 230});
  s.npn("Q3", {330, 230}, true);
  s.resistor("RV", {390, 170}, {390, 290});
  s.voltage({390, 185}, {390, 275}, "V_{RC}", Side::Left);
  // Lettering.
  TextSetter& t = d.text();
  t.draw({430, 190}, "V_{CE}, I_{C(sat)}, V_{CE(corte)}");
  t.draw({430, 215}, "\u03B2 = 200, \u03B1 = 0,995, 24 \u00B5A");
  t.draw({430, 240}, "I_S = 10^{-14} A, 2,2 k\u03A9, 25 \u00B0C");
  {
    Drawing::Style inked(d, Drawing::kBlue);
    t.draw({430, 265}, "h_{FE} = \\frac{I_C}{I_B}");
  }
  // An equation block.
  Equation eq(d);
  eq.row("Dados: V_{CC} = 12 V, R_B = 470 k\u03A9");
  eq.row("I_B = \\frac{V_{CC} \u2212 V_{BE}}{R_B}");
  eq.row("= \\frac{12 V \u2212 0,7 V}{470 k\u03A9}");
  eq.row("= 24 \u00B5A", Drawing::kBlue);
  eq.draw({20, 320});
  // A plot: the output curves of the model with a load line.
  const DeviceModel model;
  Plot p(d, {.left = 420, .top = 330, .right = 720, .bottom = 520});
  p.xAxis(0, 12, 2, "V_{CE}", "V");
  p.yAxis(0, 10e-3, 2e-3, "I_C", "mA", 1e-3);
  for (double ib : {10e-6, 20e-6, 30e-6, 40e-6})
    p.curve([&](double v) { return model.outputCurve(ib, v); },
            "I_B = " + std::to_string(static_cast<int>(ib * 1e6 + 0.5)) + " \u00B5A", 10);
  // The load line of VCC = 12 V and RC = 1,5 kΩ, and where the 20 µA curve meets it.
  p.line({0, 12.0 / 1.5e3}, {12, 0}, true);
  const double vq = model.loadLineVce(20e-6, 12, 1.5e3);
  p.point({vq, (12 - vq) / 1.5e3}, "Q");
  return d.bmp();
}

}  // namespace apostila::figures
