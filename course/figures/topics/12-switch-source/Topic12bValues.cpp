// The numbers of the current source pages. Teoria 52 and 53 work a 4 mA source by hand and find
// its compliance range, then solve it on the device model to show how little IC moves with the
// load. Teoria 54 drives three LEDs at 20 mA, and Teoria 55 sets it against a saturated switch
// with a series resistor as the supply swings from 10 V to 15 V. Teoria 56 designs a 10 mA
// source and tries it with a load inside its range and one beyond it.
#include <cmath>
#include <stdexcept>

#include "Topics.h"
#include "model/HandMethods.h"
#include "topics/12-switch-source/Topic12bValues.h"

namespace apostila::figures {

namespace {

void sourceComponents(ValueTable& t, const std::string& page, const ZenerCurrentSource& s) {
  t.add(page + ".vcc", s.vcc, "V");
  t.add(page + ".vz", s.vz, "V");
  t.add(page + ".rz", s.rz, s.rz >= 1e3 ? "k\u03A9" : "\u03A9");
  t.add(page + ".re", s.re, s.re >= 1e3 ? "k\u03A9" : "\u03A9");
}

void teoria52And53(ValueTable& t) {
  const ZenerCurrentSource& s = kTopic12Source;
  sourceComponents(t, "t52", s);
  t.work("t52.ve", "t52.vz", Op::Difference, "hand.vbe", "V", 1);
  t.work("t52.ie", "t52.ve", Op::Quotient, "t52.re", "mA", 2);

  t.add("t53.vce_sat", ZenerCurrentSource::kVceSat, "V", 1);
  t.work("t53.vl_max", Op::Difference, {"t52.vcc", "t52.ve", "t53.vce_sat"}, "V", 1);
  t.work("t53.rl_max", "t53.vl_max", Op::Quotient, "t52.ie", "k\u03A9", 2);
  // The model from a short circuit to a load just inside the range: IC moves by hundredths of a
  // percent, since RE holds IE and only α and VBE feel VCE. Beyond the range it saturates.
  const double rlInside = 1.8e3, rlBeyond = 2.5e3;
  const double ic0 = s.solveResistor(0).ic, icInside = s.solveResistor(rlInside).ic;
  const ZenerCurrentSource::Solution beyond = s.solveResistor(rlBeyond);
  if (rlInside >= s.maxLoad() || rlBeyond <= s.maxLoad()) throw std::logic_error("Teoria 53's loads must straddle RL(máx)");
  t.add("t53.ic_0", ic0, "mA", 3);
  t.add("t53.rl_in", rlInside, "k\u03A9");
  t.add("t53.ic_in", icInside, "mA", 3);
  t.add("t53.drop_pct", 100 * (ic0 - icInside) / ic0, "", 2);
  t.add("t53.rl_out", rlBeyond, "k\u03A9");
  t.add("t53.ic_out", beyond.ic, "mA", 1);
}

void teoria54And55(ValueTable& t) {
  const ZenerCurrentSource& s = kTopic12LedSource;
  sourceComponents(t, "t54", s);
  const double leds = kTopic12Leds * kTopic12LedVoltage;
  const double vce = s.vcc - leds - s.emitterVoltage();
  if (vce <= ZenerCurrentSource::kVceSat) throw std::logic_error("Teoria 54's LEDs must leave the transistor active");
  t.work("t54.ve", "t54.vz", Op::Difference, "hand.vbe", "V", 1);
  t.work("t54.ie", "t54.ve", Op::Quotient, "t54.re", "mA", 1);
  t.add("t54.n", kTopic12Leds, "");
  t.add("t54.vf", kTopic12LedVoltage, "V", 1);
  t.work("t54.vleds", "3", Op::Product, "t54.vf", "V", 1);
  t.work("t54.vce", Op::Difference, {"t54.vcc", "t54.vleds", "t54.ve"}, "V", 1);
  t.work("t54.pd", "t54.vce", Op::Product, "t54.ie", "mW", 1);
  t.add("t54.vl_max", s.maxLoadVoltage(), "V", 1);
  t.add("t54.n_max", std::floor(s.maxLoadVoltage() / kTopic12LedVoltage), "");
  t.add("t54.vcc_min", leds + s.emitterVoltage() + ZenerCurrentSource::kVceSat, "V", 1);
  t.add("t54.ic_model", s.solve([leds](double) { return leds; }).ic, "mA", 1);

  // The same LEDs switched by a saturated transistor through a resistor: the current follows
  // VCC. The source, solved on the model at both ends of the range, does not.
  t.add("t55.r", kTopic12LedResistor, "\u03A9");
  t.add("t55.vcc_lo", kTopic12SupplyLow, "V");
  t.add("t55.vcc_hi", kTopic12SupplyHigh, "V");
  auto switched = [&](double vcc) { return (vcc - leds - ZenerCurrentSource::kVceSat) / kTopic12LedResistor; };
  t.add("t55.ir_lo", switched(kTopic12SupplyLow), "mA", 1);
  t.add("t55.ir_hi", switched(kTopic12SupplyHigh), "mA", 1);
  ZenerCurrentSource low = s, high = s;
  low.vcc = kTopic12SupplyLow;
  high.vcc = kTopic12SupplyHigh;
  t.add("t55.ic_lo", low.solve([leds](double) { return leds; }).ic, "mA", 1);
  t.add("t55.ic_hi", high.solve([leds](double) { return leds; }).ic, "mA", 1);
}

void teoria56(ValueTable& t) {
  const ZenerCurrentSource& s = kTopic12Example;
  const double target = 10e-3;
  t.add("t56.vcc", s.vcc, "V");
  t.add("t56.vz", s.vz, "V");
  t.add("t56.target", target, "mA");
  t.work("t56.ve", "t56.vz", Op::Difference, "hand.vbe", "V", 1);
  t.work("t56.re_calc", "t56.ve", Op::Quotient, "t56.target", "\u03A9", 0);
  t.add("t56.re", s.re, "\u03A9");
  t.work("t56.ic", "t56.ve", Op::Quotient, "t56.re", "mA", 1);
  t.work("t56.vl_max", Op::Difference, {"t56.vcc", "t56.ve", "t53.vce_sat"}, "V", 1);
  t.work("t56.rl_max", "t56.vl_max", Op::Quotient, "t56.ic", "k\u03A9", 2);
  // A load inside the range: the transistor keeps a few volts across it.
  const double rlIn = 820, rlOut = 1.5e3;
  if (rlIn >= s.maxLoad() || rlOut <= s.maxLoad()) throw std::logic_error("Teoria 56's loads must straddle RL(máx)");
  t.add("t56.rl_in", rlIn, "\u03A9");
  t.work("t56.vrl_in", "t56.rl_in", Op::Product, "t56.ic", "V", 2);
  t.work("t56.vce_in", Op::Difference, {"t56.vcc", "t56.vrl_in", "t56.ve"}, "V", 2);
  // A load beyond it: saturated, the load takes what is left of VCC and IC falls.
  t.add("t56.rl_out", rlOut, "k\u03A9");
  t.work("t56.ic_out", "t56.vl_max", Op::Quotient, "t56.rl_out", "mA", 2);
}

}  // namespace

void addTopic12bValues(ValueTable& t) {
  teoria52And53(t);
  teoria54And55(t);
  teoria56(t);
}

}  // namespace apostila::figures
