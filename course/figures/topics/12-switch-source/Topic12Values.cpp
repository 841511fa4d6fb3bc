// The numbers of the switch pages (Teoria 47 to 51). Each circuit is worked by the hand method
// (VBE = 0,7 V, VCE(sat) taken as 0 V, IB ≈ IC(sat) / 10) and solved on the device model, which
// gives the small VCE(sat) and the leakage left at cut-off. The switching times are the
// 2N2222A data sheet's maximum limits under its stated test conditions; the course states them
// as they are and adds them up, so the sums are upper limits too. A computed result is shown to
// three significant figures and worked from the values as shown, as a learner redoes it.
#include <cmath>
#include <stdexcept>

#include "Topics.h"
#include "model/HandMethods.h"
#include "model/RootFinder.h"
#include "topics/12-switch-source/Topic12Figures.h"

namespace apostila::figures {

namespace {

// A value rounded as it is shown, so that the next step starts from the printed number.
double asShown(double value, double unitScale, int decimals) {
  const double k = std::pow(10.0, decimals) / unitScale;
  return std::round(value * k) / k;
}

}  // namespace

SwitchPoint solveSwitch(const DeviceModel& q, double vin, double rb, double vLoad, double r) {
  // For a VBE, the collector loop fixes VCE: IC rises with VCE, so vLoad − r · IC − VCE falls.
  auto vceAt = [&](double vbe) {
    return RootFinder::falling([&](double m) { return vLoad - r * q.collectorCurrent(vbe, m) - m; }, 0, vLoad, 100);
  };
  // The base loop: the more VBE, the more IB and the less is left across RB.
  const double vbe =
      RootFinder::falling([&](double m) { return vin - m - rb * q.baseCurrent(m, vceAt(m)); }, -0.5, vin > 0 ? vin : 0.5, 100);
  const double vce = vceAt(vbe);
  return {vbe, vce, q.baseCurrent(vbe, vce), q.collectorCurrent(vbe, vce)};
}

void addTopic12Values(ValueTable& t) {
  const DeviceModel q;
  const double vbe = HandMethods::kVbe;

  // Teoria 47 and 48: the switch.
  const BiasCircuit& sw = kTopic12Switch;
  const OperatingPoint on = HandMethods::baseBias(sw);
  if (!on.saturated) throw std::logic_error("the switch of Teoria 47 must saturate");
  t.add("t47.vcc", sw.vcc, "V");
  t.add("t47.rc", sw.rc, "k\u03A9");
  t.add("t47.rb", sw.rb, "k\u03A9");
  t.add("t47.vin", sw.vbb, "V");
  t.add("t47.beta", sw.beta, "");
  // β here is the smallest the data sheet guarantees: the worst case a switch is designed for.
  const double ib47 = asShown(on.ib, 1e-3, 3);
  t.add("t47.ib", ib47, "mA", 3);
  t.work("t47.ic_beta", "t47.beta", Op::Product, "t47.ib", "mA", 1);
  t.work("t47.ic_sat", "t47.vcc", Op::Quotient, "t47.rc", "mA", 0);
  t.add("t47.vce_cut", on.vceCut, "V");
  const SwitchPoint mOn = solveSwitch(q, sw.vbb, sw.rb, sw.vcc, sw.rc);
  const SwitchPoint mOff = solveSwitch(q, 0, sw.rb, sw.vcc, sw.rc);
  t.add("t48.vce_sat", mOn.vce, "V", 4);  // three figures, as every computed result
  t.add("t48.ic_on", mOn.ic, "mA", 1);
  t.add("t48.ib_on", mOn.ib, "mA", 3);
  // The base returned to 0 V through RB leaves only the collector-base leakage; with the base
  // open, the leakage would be amplified to ICEO.
  t.add("t48.ic_off", mOff.ic, "nA", 0);
  t.add("t48.iceo", q.iceo(sw.vcc), "\u00B5A", 2);
  // What a real small-signal transistor's VCE(sat) comes to at such currents, by its data
  // sheet; the model's ideal junctions give less.
  t.add("t48.vce_sat_low", 0.1, "V", 1);
  t.add("t48.vce_sat_max", 0.3, "V", 1);

  // Teoria 49: the LED driver.
  const LedDriver& l = kTopic12Led;
  const double vled = l.vled, rled = l.rled, vcc49 = l.vcc, vin49 = l.vin, rb49 = l.rb;
  const double icSat49 = HandMethods::loadLineCurrent(vcc49 - vled, rled);
  t.add("t49.vcc", vcc49, "V");
  t.add("t49.vled", vled, "V");
  t.add("t49.rc", rled, "\u03A9");
  t.add("t49.vin", vin49, "V");
  t.add("t49.ic_sat", icSat49, "mA", 0);
  t.work("t49.ib", "t49.ic_sat", Op::Quotient, "10", "mA", 0);
  t.work("t49.vrb", "t49.vin", Op::Difference, "hand.vbe", "V", 1);
  t.work("t49.rb_calc", "t49.vrb", Op::Quotient, "t49.ib", "k\u03A9", 2);
  t.add("t49.rb", rb49, "k\u03A9");
  t.work("t49.ib_real", "t49.vrb", Op::Quotient, "t49.rb", "mA", 2);
  t.work("t49.beta_forced", "t49.ic_sat", Op::Quotient, "t49.ib_real", "", 1);
  // The saturation checked with the worst case, the data sheet's smallest β (Teoria 47's).
  t.add("t49.beta_min", sw.beta, "");
  t.work("t49.ic_active", "t49.beta_min", Op::Product, "t49.ib_real", "mA", 0);
  const SwitchPoint mLed = solveSwitch(q, vin49, rb49, vcc49 - vled, rled);
  t.add("t49.m_vce", mLed.vce, "V", 4);
  t.add("t49.m_ic", mLed.ic, "mA", 1);
  t.add("t49.m_ib", mLed.ib, "mA", 2);
  t.add("t49.m_vbe", mLed.vbe, "V", 2);

  // Teoria 50: a 12 V relay whose coil has 400 Ω, driven from a 5 V output; the flyback diode
  // holds the collector at VCC plus its own drop when the transistor opens.
  const RelayDriver& relayDriver = kTopic12Relay;
  const double vcc50 = relayDriver.vcc, rcoil = relayDriver.rcoil, vin50 = relayDriver.vin, rb50 = relayDriver.rb;
  const OperatingPoint relay = HandMethods::baseBias({.vcc = vcc50, .vbb = vin50, .rb = rb50, .rc = rcoil});
  t.add("t50.vcc", vcc50, "V");
  t.add("t50.rcoil", rcoil, "\u03A9");
  t.add("t50.vin", vin50, "V");
  t.work("t50.ic", "t50.vcc", Op::Quotient, "t50.rcoil", "mA", 0);
  t.work("t50.ib", "t50.ic", Op::Quotient, "10", "mA", 0);
  t.work("t50.vrb", "t50.vin", Op::Difference, "hand.vbe", "V", 1);
  t.work("t50.rb_calc", "t50.vrb", Op::Quotient, "t50.ib", "k\u03A9", 2);
  t.add("t50.rb", rb50, "k\u03A9");
  t.add("t50.ib_real", relay.ib, "mA", 2);
  t.add("t50.vd", vbe, "V", 1);
  t.work("t50.vce_clamp", "t50.vcc", Op::Sum, "t50.vd", "V", 1);
  t.add("t50.bvceo", q.parameters().bvceo, "V");

  // Teoria 51: the 2N2222A's maximum switching times, measured at VCC = 30 V, IC = 150 mA with
  // IB1 = IB2 = 15 mA, a forced β of 10.
  const double td = 10e-9, tr = 25e-9, ts = 225e-9, tf = 60e-9;
  t.add("t51.vcc_test", 30, "V");
  t.add("t51.ic_test", 150e-3, "mA");
  t.add("t51.ib_test", 15e-3, "mA");
  t.add("t51.td", td, "ns");
  t.add("t51.tr", tr, "ns");
  t.add("t51.ts", ts, "ns");
  t.add("t51.tf", tf, "ns");
  t.work("t51.ton", "t51.td", Op::Sum, "t51.tr", "ns");
  t.work("t51.toff", "t51.ts", Op::Sum, "t51.tf", "ns");
}

}  // namespace apostila::figures
