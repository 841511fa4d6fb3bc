// The numbers of Teoria 27 to 30, all from the device model: the leakage currents at 25 °C and
// what the base left open makes of ICBO (Teoria 27), ICBO's doubling with temperature (Teoria
// 28), and the collector current of each bias circuit at 25 °C and 75 °C, with the share of
// each cause of its drift (Teoria 29 and 30).
#include <cmath>
#include <string>

#include "Topics.h"
#include "ValueTable.h"
#include "model/DeviceModel.h"
#include "model/ThermalDrift.h"
#include "topics/09-bias/Topic9Circuits.h"

namespace apostila::figures {

namespace {

using C = Topic9bCircuits;

std::string ohmsUnit(double r) { return r >= 1e6 ? "M\u03A9" : r >= 1e3 ? "k\u03A9" : "\u03A9"; }

// A circuit's current at both temperatures, three decimals so that the rise worked from the
// shown currents gives the shown rise.
void currents(ValueTable& t, const std::string& prefix, const ThermalDrift& drift, const BiasCircuit& c) {
  t.add(prefix + "_ic25", drift.collectorCurrent(c, C::kRoom), "mA", 3);
  t.add(prefix + "_ic75", drift.collectorCurrent(c, C::kHot), "mA", 3);
  t.add(prefix + "_rise", drift.riseInPercent(c, C::kHot), "", 1);
}

// The rise of IC from each cause alone, in per cent, for the table of Teoria 29.
void causes(ValueTable& t, const std::string& prefix, const ThermalDrift& drift, const BiasCircuit& c) {
  t.add(prefix + "_by_vbe", drift.riseInPercent(c, C::kHot, ThermalDrift::kVbe), "", 1);
  t.add(prefix + "_by_beta", drift.riseInPercent(c, C::kHot, ThermalDrift::kBeta), "", 1);
  t.add(prefix + "_by_icbo", drift.riseInPercent(c, C::kHot, ThermalDrift::kIcbo), "", 1);
}

}  // namespace

void addTopic9bValues(ValueTable& t) {
  const ThermalDrift drift;
  const DeviceModel& q = drift.model();

  // Teoria 27: with the base open, ICBO is the base current that the transistor amplifies; β
  // is the gain at that tiny current, far below its mid-current value.
  const double iceo = q.iceo(C::kLeakageVce), betaLeak = q.beta(iceo, C::kRoom, C::kLeakageVce);
  t.add("t27.vce", C::kLeakageVce, "V");
  t.add("t27.icbo", q.icbo(C::kRoom), "nA", 0);
  t.add("t27.beta_leak", betaLeak, "", 0);
  t.add("t27.beta_leak1", betaLeak + 1, "", 0);
  t.work("t27.iceo", "t27.beta_leak1", Op::Product, "t27.icbo", "\u00B5A", 2);
  t.add("t27.ic_mid", 2e-3, "mA");
  t.add("t27.beta_mid", q.beta(2e-3, C::kRoom, C::kLeakageVce), "", 0);

  // Teoria 28: the doubling law, one worked temperature, and the points marked on the curve.
  const double doubling = q.parameters().icboDoubling;
  t.add("t28.doubling", doubling, "");
  t.add("t28.t_room", C::kRoom, "");
  t.add("t28.t_hot", C::kHot, "");
  t.add("t28.exponent", (C::kHot - C::kRoom) / doubling, "", 0);
  t.add("t28.icbo25", q.icbo(C::kRoom), "nA", 0);
  t.add("t28.icbo75", q.icbo(C::kHot), "nA", 0);
  t.add("t28.icbo85", q.icbo(85), "nA", 0);
  t.add("t28.icbo95", q.icbo(95), "\u00B5A", 2);

  // Teoria 29: fixed bias against the divider, by cause.
  t.add("t29.vcc", C::kFixed.vcc, "V");
  t.add("t29.rc", C::kFixed.rc, "k\u03A9");
  t.add("t29.fix_rb", C::kFixed.rb, ohmsUnit(C::kFixed.rb));
  t.add("t29.div_rb1", C::kDivider.rb, ohmsUnit(C::kDivider.rb));
  t.add("t29.div_rb2", C::kDivider.rb2, ohmsUnit(C::kDivider.rb2));
  t.add("t29.re", C::kDivider.re, ohmsUnit(C::kDivider.re));
  t.add("t29.t_room", C::kRoom, "");
  t.add("t29.t_hot", C::kHot, "");
  currents(t, "t29.fix", drift, C::kFixed);
  currents(t, "t29.div", drift, C::kDivider);
  causes(t, "t29.fix", drift, C::kFixed);
  causes(t, "t29.div", drift, C::kDivider);
  // The causes multiply rather than add: each rise as a factor, from the percentages as
  // printed, and their product, which gives the rise of all three together.
  for (const char* cause : {"vbe", "beta", "icbo"})
    t.add(std::string("t29.fix_f_") + cause, 1 + t.shown(std::string("t29.fix_by_") + cause) / 100, "", 3);
  t.work("t29.fix_f_all", Op::Product, {"t29.fix_f_vbe", "t29.fix_f_beta", "t29.fix_f_icbo"}, "", 3);
  // What each cause does by itself, read at IC = 2 mA and VCE = 5 V: VBE's fall per degree,
  // β's rise, ICBO at both temperatures.
  const double ic = 2e-3, vce = 5;
  const ThermalDrift::Quantities room = drift.quantities(ic, vce, C::kRoom), hot = drift.quantities(ic, vce, C::kHot);
  t.add("t29.ic_read", ic, "mA");
  t.add("t29.vce_read", vce, "V");
  t.add("t29.dvbe", (room.vbe - hot.vbe) / (C::kHot - C::kRoom), "mV", 1);
  t.add("t29.beta_rise", 100 * (hot.beta / room.beta - 1), "", 0);
  t.add("t29.icbo25", room.icbo, "nA", 0);
  t.add("t29.icbo75", hot.icbo, "nA", 0);

  // Teoria 30: the two other circuits beside them.
  t.add("t30.emi_rb", C::kEmitter.rb, ohmsUnit(C::kEmitter.rb));
  t.add("t30.fb_rb", C::kFeedback.rb, ohmsUnit(C::kFeedback.rb));
  currents(t, "t30.emi", drift, C::kEmitter);
  currents(t, "t30.fb", drift, C::kFeedback);
}

}  // namespace apostila::figures
