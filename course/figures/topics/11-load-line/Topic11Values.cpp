// The numbers of topic 11: the ends of each load line, and each Q point found where the line
// meets the model's output curve of the circuit's base current. The hand method gives only the
// base current (VBE = 0,7 V); IC and VCE are read where the curve meets the line, as the pages
// teach, so no β is assumed.
#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "Topics.h"
#include "model/DeviceModel.h"
#include "model/HandMethods.h"
#include "model/RootFinder.h"
#include "topics/11-load-line/Topic11Figures.h"

namespace apostila::figures {

namespace {

const char* const kOhms = "k\u03A9";
const char* const kMicroamps = "\u00B5A";

// A value rounded to this many significant figures in its unit, as the page shows it.
double toFigures(double value, const std::string& unit, int significant) {
  const double k = std::pow(10.0, ValueTable::decimalsFor(value, unit, significant)) / ValueTable::scaleOf(unit);
  return std::round(value * k) / k;
}

// Adds a value to this many significant figures and returns it as shown.
double addFigures(ValueTable& t, const std::string& name, double value, const std::string& unit, int significant) {
  const double shown = toFigures(value, unit, significant);
  t.add(name, shown, unit, ValueTable::decimalsFor(shown, unit, significant));
  return shown;
}

// A step printed in full, to so many significant figures of its result.
double workFigures(ValueTable& t, const std::string& name, const std::string& a, Op op, const std::string& b,
                   const std::string& unit, int significant) {
  const double shown = toFigures(workedFrom(op, {t.printed(a), t.printed(b)}), unit, significant);
  t.work(name, a, op, b, unit, ValueTable::decimalsFor(shown, unit, significant));
  return t.shown(name);
}

// Q's IC is read off the graph, so to two significant figures, and VCE = VCC − (RC + RE) · IC
// from the IC as shown, also to two, so that the collector loop holds for the numbers a learner
// checks on paper; the base current is the hand method's, to three.
void addPoint(ValueTable& t, const std::string& page, const LoadLinePoint& q, const BiasCircuit& c) {
  addFigures(t, page + ".ib", q.ib, kMicroamps, 3);
  const double ic = addFigures(t, page + ".ic", q.ic, "mA", 2);
  addFigures(t, page + ".vce", c.vcc - c.loadLineResistance() * ic, "V", 2);
}

}  // namespace

LoadLinePoint loadLinePoint(const BiasCircuit& c) {
  const DeviceModel q;
  const double r = c.loadLineResistance();
  auto pointAt = [&](double ib) {
    const double vce = q.loadLineVce(ib, c.vcc, r);
    return LoadLinePoint{ib, (c.vcc - vce) / r, vce};
  };
  // The voltage the base loop needs rises with IB; with RE = 0 the root is the hand method's
  // (VCC − 0,7) / RB itself.
  return pointAt(RootFinder::bisect(0, (c.vcc - HandMethods::kVbe) / c.rb, 100, [&](double ib) {
    return c.rb * ib + HandMethods::kVbe + c.re * (pointAt(ib).ic + ib) < c.vcc;
  }).middle());
}

void addTopic11Values(ValueTable& t) {
  using namespace topic11;
  auto inRegion = [](const LoadLinePoint& p, const BiasCircuit& c, const char* page) {
    if (p.vce < 1 || p.vce > c.vcc - 1) throw std::logic_error(std::string(page) + "'s Q must lie in the active region");
  };

  // Teoria 39 and 40: the circuit, the ends of its line and its Q.
  const LoadLinePoint q40 = loadLinePoint(kCircuit);
  inRegion(q40, kCircuit, "Teoria 40");
  t.add("t39.vcc", kCircuit.vcc, "V");
  t.add("t39.rb", kCircuit.rb, kOhms);
  t.add("t39.rc", kCircuit.rc, kOhms);
  t.work("t40.ic_sat", "t39.vcc", Op::Quotient, "t39.rc", "mA", 2);
  t.add("t40.vce_cut", HandMethods::loadLineVoltage(kCircuit.vcc), "V");
  addPoint(t, "t40", q40, kCircuit);

  // Teoria 41: RE joins RC in the collector–emitter loop.
  const LoadLinePoint q41 = loadLinePoint(kWithEmitter);
  inRegion(q41, kWithEmitter, "Teoria 41");
  t.add("t41.vcc", kWithEmitter.vcc, "V");
  t.add("t41.rb", kWithEmitter.rb, "M\u03A9");
  t.add("t41.rc", kWithEmitter.rc, kOhms);
  t.add("t41.re", kWithEmitter.re, kOhms);
  t.add("t41.ic_sat", HandMethods::loadLineCurrent(kWithEmitter.vcc, kWithEmitter.rc, kWithEmitter.re), "mA", 2);
  addPoint(t, "t41", q41, kWithEmitter);

  // Teoria 42: the parts changed one at a time.
  t.add("t42.rb_lower", kRbLower, kOhms);
  t.add("t42.rb_higher", kRbHigher, "M\u03A9");
  t.add("t42.rc_higher", kRcHigher, kOhms);
  t.add("t42.vcc_lower", kVccLower, "V");
  auto baseCurrent = [&](const std::string& name, const BiasCircuit& c) {
    addFigures(t, name, loadLinePoint(c).ib, kMicroamps, 3);
  };
  baseCurrent("t42.ib_lower", {.vcc = kCircuit.vcc, .rb = kRbLower, .rc = kCircuit.rc});
  baseCurrent("t42.ib_higher", {.vcc = kCircuit.vcc, .rb = kRbHigher, .rc = kCircuit.rc});
  baseCurrent("t42.ib_vcc", {.vcc = kVccLower, .rb = kCircuit.rb, .rc = kCircuit.rc});

  // Teoria 43: how far VCE can swing from Q each way before the line ends (VCE(sat) taken as
  // 0), and the symmetric swing the nearer end allows.
  const double toSaturation = t.value("t40.vce"), toCutOff = kCircuit.vcc - toSaturation;
  t.work("t43.to_cut", "t39.vcc", Op::Difference, "t40.vce", "V", 1);
  t.add("t43.swing_pp", 2 * std::min(toSaturation, toCutOff), "V", 1);
  t.work("t43.half", "t39.vcc", Op::Quotient, "2", "V");

  // Teoria 44: the first example, worked the same way.
  const LoadLinePoint q44 = loadLinePoint(kExample1);
  inRegion(q44, kExample1, "Teoria 44");
  t.add("t44.vcc", kExample1.vcc, "V");
  t.add("t44.rb", kExample1.rb, kOhms);
  t.add("t44.rc", kExample1.rc, kOhms);
  t.work("t44.ic_sat", "t44.vcc", Op::Quotient, "t44.rc", "mA");
  addPoint(t, "t44", q44, kExample1);

  // Teoria 45: Q wanted in the middle of the line. By hand, with the course's β, the base current
  // that gives its IC, the RB for it and the nearest commercial value; then where Q really lies
  // with that RB, read on the model's curve of the base current it gives.
  t.add("t45.vcc", kExample2Vcc, "V");
  t.add("t45.rc", kExample2Rc, kOhms);
  t.work("t45.ic_sat", "t45.vcc", Op::Quotient, "t45.rc", "mA");
  t.work("t45.vce", "t45.vcc", Op::Quotient, "2", "V", 1);
  t.work("t45.ic", "t45.ic_sat", Op::Quotient, "2", "mA");
  t.add("t45.beta", kExample2Beta, "");
  t.work("t45.ib", "t45.ic", Op::Quotient, "t45.beta", kMicroamps);
  t.work("t45.vrb", "t45.vcc", Op::Difference, "hand.vbe", "V", 1);
  workFigures(t, "t45.rb_calc", "t45.vrb", Op::Quotient, "t45.ib", kOhms, 3);
  t.add("t45.rb", kExample2Rb, kOhms);
  const double ibReal45 = workFigures(t, "t45.ib_real", "t45.vrb", Op::Quotient, "t45.rb", kMicroamps, 3);
  const DeviceModel q;
  const double vceQ45 = q.loadLineVce(ibReal45, kExample2Vcc, kExample2Rc);
  addFigures(t, "t45.q_ic", (kExample2Vcc - vceQ45) / kExample2Rc, "mA", 2);
  addFigures(t, "t45.q_vce", vceQ45, "V", 2);
}

}  // namespace apostila::figures
