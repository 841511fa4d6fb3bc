// Every number that a page's text states is a named value, and every named value is recomputed
// here, from the circuits' components by the textbook's formulas, and compared with the text
// the figure program wrote for it. A number typed into a caption, a value computed wrongly or
// rounded wrongly, or a caption that names a value of another page all fail here. The figures
// draw their numbers from the same named values, so a picture cannot disagree with its text.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "BiasExercisesRecomputed.h"
#include "CourseFixture.h"
#include "Topics.h"
#include "ValuesFile.h"
#include "apostila/PageRegistry.h"
#include "content/TLabel.h"
#include "model/DeviceModel.h"
#include "quiz/QuizCircuits.h"
#include "topics/07-single-battery/SingleBatteryCircuit.h"
#include "topics/09-bias/Topic9Circuits.h"
#include "topics/11-load-line/Topic11Figures.h"
#include "topics/12-switch-source/Topic12Figures.h"
#include "topics/12-switch-source/Topic12bValues.h"

namespace apostila {
namespace {

using figures::QuizCircuits;
using testing::numbersIn;
using testing::readShown;
using testing::Shown;
using testing::valuesFile;

// The zener current source of topic 12 on the device model: Newton's method on its two node
// equations, the emitter (VE = RE · (IC + IB)) and the collector (VC = VCC − the load's
// voltage), with a numerical Jacobian and steps held to 50 mV: another road than the figure
// program's nested bisections. The zener holds the base at VZ.
double zenerSourceCurrent(double vcc, double vz, double re, const std::function<double(double)>& load) {
  const figures::DeviceModel q;
  auto residual = [&](double ve, double vc, double out[2]) {
    const double ic = q.collectorCurrent(vz - ve, vc - ve), ib = q.baseCurrent(vz - ve, vc - ve);
    out[0] = ve - re * (ic + ib);
    out[1] = vc + load(ic) - vcc;
  };
  double ve = vz - 0.7, vc = std::max(vcc - load((vz - 0.7) / re), ve + 0.05);
  for (int i = 0; i < 400; ++i) {
    double f[2], fe[2], fc[2];
    const double h = 1e-7;
    residual(ve, vc, f);
    residual(ve + h, vc, fe);
    residual(ve, vc + h, fc);
    const double a = (fe[0] - f[0]) / h, b = (fc[0] - f[0]) / h, c = (fe[1] - f[1]) / h, d = (fc[1] - f[1]) / h;
    const double det = a * d - b * c;
    double dve = -(d * f[0] - b * f[1]) / det, dvc = -(a * f[1] - c * f[0]) / det;
    const double longest = std::max(std::fabs(dve), std::fabs(dvc));
    if (longest > 0.05) dve *= 0.05 / longest, dvc *= 0.05 / longest;
    ve += dve;
    vc += dvc;
  }
  return q.collectorCurrent(vz - ve, vc - ve);
}

// A quiz option's current as the learner reads it, to the hundredth of a milliampere; the VCE
// beside it is worked from that.
double printedMilliamps(double amps) { return std::round(amps * 1e5) / 1e5; }

// What each value must be, in SI units, computed the way the page's text says it is.
std::map<std::string, double> recomputed() {
  const double vbe = 0.7;
  std::map<std::string, double> r{{"hand.vbe", vbe}};
  {
    const auto& c = QuizCircuits::kQuestion17;
    const double ib = (c.vcc - vbe) / c.rb, ic = printedMilliamps(c.beta * ib);
    const double icNoVbe = printedMilliamps(c.beta * c.vcc / c.rb);
    r.insert({{"q17.vcc", c.vcc}, {"q17.rb", c.rb}, {"q17.rc", c.rc}, {"q17.beta", c.beta}, {"q17.ib", ib},
              {"q17.ic", ic}, {"q17.vce", c.vcc - ic * c.rc}, {"q17.vrc", ic * c.rc},
              {"q17.ic_novbe", icNoVbe}, {"q17.vce_novbe", c.vcc - icNoVbe * c.rc}, {"q17.vce_ib", c.vcc - ib * c.rc},
              {"q17.ic_sat", c.vcc / c.rc}});
  }
  {
    const auto& c = QuizCircuits::kQuestion18;
    const double vb = c.vcc * c.rb2 / (c.rb + c.rb2), ie = printedMilliamps((vb - vbe) / c.re);
    const double ieNoVbe = printedMilliamps(vb / c.re), ieSlip = printedMilliamps((c.vcc * c.rb2 / c.rb - vbe) / c.re);
    r.insert({{"q18.vcc", c.vcc}, {"q18.rb1", c.rb}, {"q18.rb2", c.rb2}, {"q18.rc", c.rc}, {"q18.re", c.re},
              {"q18.beta", c.beta}, {"q18.rcre", c.rc + c.re}, {"q18.ic", ie}, {"q18.vce", c.vcc - ie * (c.rc + c.re)},
              {"q18.vdrop", ie * (c.rc + c.re)}, {"q18.vce_rconly", c.vcc - ie * c.rc}, {"q18.ic_novbe", ieNoVbe},
              {"q18.vce_novbe", c.vcc - ieNoVbe * (c.rc + c.re)}, {"q18.ic_divslip", ieSlip},
              {"q18.vce_divslip", c.vcc - ieSlip * (c.rc + c.re)}});
  }
  {
    const auto& c = QuizCircuits::kQuestion19;
    const double ic = printedMilliamps(c.beta * (c.vcc - vbe) / c.rb), icNoVbe = printedMilliamps(c.beta * c.vcc / c.rb);
    r.insert({{"q19.vcc", c.vcc}, {"q19.rb", c.rb}, {"q19.rc", c.rc}, {"q19.beta", c.beta},
              {"q19.ic_sat", c.vcc / c.rc}, {"q19.vce_cut", c.vcc}, {"q19.ic", ic}, {"q19.vce", c.vcc - ic * c.rc},
              {"q19.ic_sat_rb", c.vcc / c.rb}, {"q19.ic_sat_vbe", (c.vcc - vbe) / c.rc},
              {"q19.vce_cut_vbe", c.vcc - vbe}, {"q19.ic_novbe", icNoVbe}, {"q19.vce_novbe", c.vcc - icNoVbe * c.rc}});
  }
  {
    const auto& c = QuizCircuits::kQuestion20;
    const double ib = (c.vbb - vbe) / c.rb, mixed = (c.vbb - vbe) / c.rc;
    EXPECT_GT(c.beta * ib, c.vcc / c.rc) << "question 20 is about a saturated switch";
    r.insert({{"q20.vcc", c.vcc}, {"q20.vbb", c.vbb}, {"q20.rb", c.rb}, {"q20.rc", c.rc}, {"q20.beta", c.beta},
              {"q20.ic_sat", c.vcc / c.rc}, {"q20.vce", 0.0}, {"q20.ib", ib}, {"q20.ic_beta", c.beta * ib},
              {"q20.vce_ib", c.vcc - ib * c.rc},
              {"q20.ic_mixed", mixed}, {"q20.vce_mixed", c.vcc - mixed * c.rc}});
  }
  {
    // Topics 1 and 2. VBE by the ideal junction law IC = IS · e^(VBE / VT) with IS = 1e-14 A:
    // the model's Early and high-injection terms move it by less than the hundredth shown.
    // The leakage is the 10 nA a small-signal silicon transistor's data sheet gives at 25 °C.
    const double vt = 1.380649e-23 * (25 + 273.15) / 1.602176634e-19, is = 1e-14;
    r.insert({{"t03.ic1", 1e-3}, {"t03.ic2", 10e-3}, {"t03.vbe1", vt * std::log(1e-3 / is)},
              {"t03.vbe2", vt * std::log(10e-3 / is)}, {"t04.icbo", 10e-9}});
    // Topic 3: the device model at VCE = 5 V. Teoria 7 starts from IE = 5 mA; its IC is found
    // here by iterating IC = IE − IB(IC), a different road from the figure program's.
    const figures::DeviceModel q;
    const double vce = 5, ic6 = 1e-3, ib6 = q.baseCurrent(q.baseEmitterVoltage(ic6, vce), vce);
    const double ie7 = 5e-3;
    double ic7 = ie7;
    for (int i = 0; i < 60; ++i) ic7 = ie7 - q.baseCurrent(q.baseEmitterVoltage(ic7, vce), vce);
    // Teoria 7 works IC and IC(maj) from its data as printed (IB to the tenth of a µA).
    const double ib7 = std::round((ie7 - ic7) / 0.1e-6) * 0.1e-6;
    r.insert({{"t05.ie_per_ib", (ic6 + ib6) / ib6}, {"t06.ic", ic6}, {"t06.ib", ib6}, {"t06.ie", ic6 + ib6},
              {"t07.ie", ie7}, {"t07.ib", ie7 - ic7}, {"t07.ib_ma", ie7 - ic7}, {"t07.ic", ie7 - ib7},
              {"t07.icbo", q.icbo()}, {"t07.icbo_ma", q.icbo()}, {"t07.ic_maj", ie7 - ib7 - q.icbo()}});
  }
  // Voltage notation: VCE = VCB + VBE with the chosen VCE and the hand method's VBE.
  r.insert({{"t15.vce", 6.0}, {"t15.vcb", 6.0 - vbe}});
  {
    // Alpha and beta (Teoria 9): the model transistor at IC = 2 mA, its base current found
    // through hFE with the leakage's share put back, IC = β · IB + (β + 1) · ICBO.
    const figures::DeviceModel q;
    const double ic = 2e-3, hfe = q.beta(ic), ib = (ic - (hfe + 1) * q.icbo()) / hfe;
    r.insert({{"t09.vce", 5.0}, {"t09.ic", ic}, {"t09.ib", ib}, {"t09.ie", ic + ib}, {"t09.alpha", ic / (ic + ib)},
              {"t09.beta", ic / ib}, {"t09.ic_lo", 1e-3}, {"t09.ic_hi", 5e-3},
              {"t10.one_minus_alpha", 1 - std::round(1000 * ic / (ic + ib)) / 1000},
              {"t10.beta_of_alpha", std::round(1000 * ic / (ic + ib)) / (1000 - std::round(1000 * ic / (ic + ib)))},
              {"t10.beta1", std::round(ic / ib) + 1}, {"t10.alpha_of_beta", std::round(ic / ib) / (std::round(ic / ib) + 1)},
              {"t09.vbe_lo", q.baseEmitterVoltage(1e-3, 5)}, {"t09.vbe_hi", q.baseEmitterVoltage(5e-3, 5)}});
    // The worked examples (Teoria 11), each gain checked as a ratio of its currents rather than
    // by the relation the page uses.
    const double beta = 150, ib1 = 20e-6, alpha = 0.98, ie2 = 5e-3;
    const double ic1 = beta * ib1, ie1 = ic1 + ib1, ic2 = alpha * ie2, ib2 = ie2 - ic2;
    r.insert({{"t11.ex1_beta", beta}, {"t11.ex1_beta1", beta + 1}, {"t11.ex1_ib", ib1}, {"t11.ex1_ic", ic1},
              {"t11.ex1_ie", ie1}, {"t11.ex1_alpha", ic1 / ie1}, {"t11.ex2_alpha", alpha}, {"t11.ex2_1malpha", 1 - alpha},
              {"t11.ex2_ie", ie2}, {"t11.ex2_beta", ic2 / ib2}, {"t11.ex2_ic", ic2}, {"t11.ex2_ib", ib2}});
    // hFE's peak at 25 °C and VCE = 5 V by golden-section search along log IC (β(IC) has one
    // maximum).
    const double g = (std::sqrt(5.0) - 1) / 2;
    double lo = -6, hi = -1;
    for (int i = 0; i < 100; ++i) {
      const double a = hi - g * (hi - lo), b = lo + g * (hi - lo);
      if (q.beta(std::pow(10.0, a)) > q.beta(std::pow(10.0, b)))
        hi = b;
      else
        lo = a;
    }
    const double peak = std::pow(10.0, (lo + hi) / 2);
    r.insert({{"t11.vce", 5.0}, {"t11.ic_peak", peak}, {"t11.beta_peak", q.beta(peak)}});
  }
  {
    // Single-battery bias (Teoria 17 and 18): the base loop and the collector loop solved by
    // hand, and the collector circuit's ceiling, which the page shows IC stays under.
    const auto& c = figures::kSingleBatteryCircuit;
    const double vcc = c.vcc, rb = c.rb, rc = c.rc, beta = c.beta;
    const double ib = (vcc - vbe) / rb, ic = beta * ib;
    EXPECT_LT(ic, vcc / rc) << "Teoria 18's circuit is worked in the active region";
    // The page goes on from each result as printed.
    const double ibShown = std::round(ib / 0.1e-6) * 0.1e-6, vrc = rc * std::round(beta * ibShown / 0.01e-3) * 0.01e-3;
    r.insert({{"t17.vcc", vcc}, {"t17.rb", rb}, {"t17.rc", rc}, {"t17.beta", beta}, {"t18.vrb", vcc - vbe},
              {"t18.ib", ib}, {"t18.ic", beta * ibShown}, {"t18.vrc", vrc}, {"t18.vce", vcc - vrc},
              {"t18.ic_sat", vcc / rc}});
  }
  {
    // Teoria 19 reads β off its curves as a learner does: at VCE = 10 V, between the 40 µA and
    // 60 µA curves. Each point is found here from the model's terminal currents alone: the VBE
    // that draws the base current at that VCE, and the collector current it gives.
    const figures::DeviceModel q;
    const double vce = 10, ib1 = 40e-6, ib2 = 60e-6;
    auto icOnCurve = [&](double ib) {
      double lo = 0.3, hi = 1.0;
      for (int i = 0; i < 80; ++i) {
        const double m = (lo + hi) / 2;
        (q.baseCurrent(m, vce) < ib ? lo : hi) = m;
      }
      return q.collectorCurrent(lo, vce);
    };
    const double ic1 = icOnCurve(ib1), ic2 = icOnCurve(ib2), beta = (ic2 - ic1) / (ib2 - ib1);
    EXPECT_GT(beta, 100) << "the β read off Teoria 19's curves is that of a small-signal transistor";
    EXPECT_LT(beta, 300);
    r.insert({{"t19.vce_read", vce}, {"t19.ib1", ib1}, {"t19.ib2", ib2}, {"t19.ic1", ic1}, {"t19.ic2", ic2},
              {"t19.dic", ic2 - ic1}, {"t19.dib", ib2 - ib1}, {"t19.beta", beta},
              {"t19.beta_cc1", std::round(ic1 * 1e4) * 1e-4 / ib1}, {"t19.beta_cc2", std::round(ic2 * 1e4) * 1e-4 / ib2}, {"t19.pmax", 0.5},
              {"t19.bvceo", 40}, {"t20.vknee", vbe}, {"t20.vonset", [&] {
                // The input curve's foot: IE = IC + IB reaches 0,1 mA, with VCB = 0.
                double lo = 0.3, hi = 0.9;
                for (int i = 0; i < 80; ++i) {
                  const double m = (lo + hi) / 2;
                  (q.collectorCurrent(m, m) + q.baseCurrent(m, m) < 0.1e-3 ? lo : hi) = m;
                }
                return lo;
              }()}});
  }
  {
    // The switch (Teoria 47 to 51). Hand method: VBE = 0,7 V, VCE(sat) = 0, IB = IC(sat) / 10.
    // The model's points are found here by Newton's method on both loops at once, a different
    // road from the figure program's nested bisections.
    const figures::DeviceModel q;
    auto solve = [&](double vin, double rb, double vLoad, double rLoad, double vbe0, double vce0) {
      double x[2] = {vbe0, vce0};
      auto f = [&](const double* v, double* out) {
        out[0] = vin - v[0] - rb * q.baseCurrent(v[0], v[1]);
        out[1] = vLoad - v[1] - rLoad * q.collectorCurrent(v[0], v[1]);
      };
      for (int i = 0; i < 200; ++i) {
        double f0[2], j[2][2];
        f(x, f0);
        for (int k = 0; k < 2; ++k) {
          double xh[2] = {x[0], x[1]}, fh[2];
          xh[k] += 1e-7;
          f(xh, fh);
          j[0][k] = (fh[0] - f0[0]) / 1e-7;
          j[1][k] = (fh[1] - f0[1]) / 1e-7;
        }
        const double det = j[0][0] * j[1][1] - j[0][1] * j[1][0];
        double d0 = (f0[0] * j[1][1] - f0[1] * j[0][1]) / det, d1 = (j[0][0] * f0[1] - j[1][0] * f0[0]) / det;
        const double damp = std::fmin(1.0, 0.02 / std::fmax(std::fabs(d0), 1e-30));
        x[0] -= d0 * damp;
        x[1] -= d1 * damp;
      }
      return std::array<double, 4>{x[0], x[1], q.baseCurrent(x[0], x[1]), q.collectorCurrent(x[0], x[1])};
    };
    const auto& sw = figures::kTopic12Switch;
    // A step starts from the number the page shows before it.
    auto shown = [](double value, double unit, int decimals) {
      const double k = std::pow(10.0, decimals) / unit;
      return std::round(value * k) / k;
    };
    const double ib47 = shown((sw.vbb - vbe) / sw.rb, 1e-3, 3);
    const auto on = solve(sw.vbb, sw.rb, sw.vcc, sw.rc, 0.75, 0.1), off = solve(0, sw.rb, sw.vcc, sw.rc, 0, sw.vcc);
    EXPECT_GT(sw.beta * ib47, sw.vcc / sw.rc) << "the switch of Teoria 47 saturates";
    r.insert({{"t47.vcc", sw.vcc}, {"t47.rc", sw.rc}, {"t47.rb", sw.rb}, {"t47.vin", sw.vbb}, {"t47.beta", sw.beta},
              {"t47.ib", ib47}, {"t47.ic_beta", sw.beta * ib47}, {"t47.ic_sat", sw.vcc / sw.rc}, {"t47.vce_cut", sw.vcc},
              {"t48.vce_sat", on[1]}, {"t48.ic_on", on[3]}, {"t48.ib_on", on[2]}, {"t48.ic_off", off[3]},
              {"t48.iceo", q.outputCurve(0, sw.vcc)}, {"t48.vce_sat_low", 0.1}, {"t48.vce_sat_max", 0.3}});
    // The LED driver: a red LED taken as a fixed drop, RB rounded from IB = IC(sat) / 10.
    const auto& l = figures::kTopic12Led;
    const double ic49 = (l.vcc - l.vled) / l.rled, ib49 = shown((l.vin - vbe) / l.rb, 1e-3, 2);
    const auto led = solve(l.vin, l.rb, l.vcc - l.vled, l.rled, 0.75, 0.1);
    r.insert({{"t49.vcc", l.vcc}, {"t49.vled", l.vled}, {"t49.rc", l.rled}, {"t49.vin", l.vin}, {"t49.ic_sat", ic49},
              {"t49.ib", ic49 / 10}, {"t49.vrb", l.vin - vbe}, {"t49.rb_calc", (l.vin - vbe) / (ic49 / 10)}, {"t49.rb", l.rb},
              {"t49.ib_real", ib49}, {"t49.beta_forced", ic49 / ib49}, {"t49.beta_min", sw.beta},
              {"t49.ic_active", sw.beta * ib49}, {"t49.m_vce", led[1]}, {"t49.m_ic", led[3]}, {"t49.m_ib", led[2]},
              {"t49.m_vbe", led[0]}});
    // The relay: the coil on its supply, RB rounded from IB = IC / 10; the diode's drop taken
    // as 0,7 V.
    const auto& k = figures::kTopic12Relay;
    const double ic50 = k.vcc / k.rcoil;
    r.insert({{"t50.vcc", k.vcc}, {"t50.rcoil", k.rcoil}, {"t50.vin", k.vin}, {"t50.ic", ic50}, {"t50.ib", ic50 / 10},
              {"t50.vrb", k.vin - vbe}, {"t50.rb_calc", (k.vin - vbe) / (ic50 / 10)}, {"t50.rb", k.rb}, {"t50.ib_real", (k.vin - vbe) / k.rb},
              {"t50.vd", 0.7}, {"t50.vce_clamp", k.vcc + 0.7}, {"t50.bvceo", 40}});
    // The 2N2222A's maximum switching times under its data sheet's test conditions, and their sums.
    r.insert({{"t51.vcc_test", 30}, {"t51.ic_test", 150e-3}, {"t51.ib_test", 15e-3}, {"t51.td", 10e-9}, {"t51.tr", 25e-9},
              {"t51.ts", 225e-9}, {"t51.tf", 60e-9}, {"t51.ton", 35e-9}, {"t51.toff", 285e-9}});
    // The diode test (Teoria 60) solved on the PNP, the same device mirrored, with the probes
    // the other way round: its emitter–base and collector–base readings must be those the page
    // states for the NPN. Each floating lead settles where the current through it vanishes,
    // found by the secant method, and the reading where the base current is the meter's.
    const figures::DeviceModel p(figures::DeviceModel::Polarity::Pnp);
    const double itest = 1e-3;
    auto secant = [](auto f, double x0, double x1) {
      for (int i = 0; i < 100; ++i) {
        const double f0 = f(x0), f1 = f(x1);
        if (f1 == f0) break;
        const double x2 = x1 - f1 * (x1 - x0) / (f1 - f0);
        x0 = x1;
        x1 = x2;
        if (std::abs(x1 - x0) < 1e-13) break;
      }
      return x1;
    };
    // Emitter to base with the collector open: VCE where IC = 0, then VEB for IB = −1 mA.
    auto baseOutCollectorOpen = [&](double veb) {
      const double vce = secant([&](double v) { return p.collectorCurrent(-veb, v) * 1e3; }, 0.0, -0.05);
      return std::log(-p.baseCurrent(-veb, vce) / itest);
    };
    // Collector to base with the emitter open: VBE where IE = IC + IB = 0, then VCB.
    auto baseOutEmitterOpen = [&](double vcb) {
      auto ie = [&](double v) { return (p.collectorCurrent(v, v + vcb) + p.baseCurrent(v, v + vcb)) * 1e3; };
      const double v = secant(ie, -vcb, -vcb + 0.02);
      return std::log(-p.baseCurrent(v, v + vcb) / itest);
    };
    const double veb = secant(baseOutCollectorOpen, 0.6, 0.7), vcb = secant(baseOutEmitterOpen, 0.6, 0.7);
    for (double reading : {veb, vcb}) {
      EXPECT_GT(reading, 0.6) << "a silicon junction at a meter's current";
      EXPECT_LT(reading, 0.75);
    }
    r.insert({{"t60.itest", itest}, {"t60.vbe", veb}, {"t60.vbc", vcb}});
  }
  {
    // Topic 9, Teoria 22 to 26, by the hand methods written out again here. Teoria 22: Teoria
    // 17's base current with β at the ends of its spread. Teoria 24 and 26: the divider through
    // its Thévenin equivalent, both loops solved together, and the approximate method. Teoria 25
    // and 26: collector feedback, its two loops solved for IB, and again with β doubled.
    const auto& c17 = figures::kSingleBatteryCircuit;
    const double ib17 = std::round((c17.vcc - vbe) / c17.rb / 0.1e-6) * 0.1e-6;  // as Teoria 18 prints it
    r.insert({{"t22.beta_low", 100}, {"t22.ic_low", 100 * ib17}, {"t22.beta_high", 300}, {"t22.ic_high", 300 * ib17}});
    const auto& d = figures::kTopic9Divider;
    const double vcc = d.vcc, rb1 = d.rb, rb2 = d.rb2, rc = d.rc, re = d.re, beta = d.beta;
    const double vth = vcc * rb2 / (rb1 + rb2), rth = 1 / (1 / rb1 + 1 / rb2);
    // The worked steps go on from the numbers as printed: a value rounded to its last printed
    // digit (step: that digit's size in the base unit) before the next step takes it.
    auto printed = [](double v, double step) { return std::round(v / step) * step; };
    const double vthP = printed(vth, 0.01), rthP = printed(rth, 10);
    const double ib = printed((vthP - vbe) / (rthP + (beta + 1) * re), 0.01e-6), ic = printed(beta * ib, 0.01e-3);
    const double ie = printed(ic + ib, 0.01e-3), vrc = printed(rc * ic, 0.01), vre = printed(re * ie, 0.01);
    const double veApprox = printed(vthP - vbe, 0.01), icApprox = printed(veApprox / re, 0.01e-3);
    r.insert({{"t24.vcc", vcc}, {"t24.rb1", rb1}, {"t24.rb2", rb2}, {"t24.rc", rc}, {"t24.re", re}, {"t24.beta", beta},
              {"t24.rb_sum", rb1 + rb2}, {"t24.vth", vth}, {"t24.rth", rth}, {"t24.beta1", beta + 1}, {"t24.ib", ib},
              {"t24.ic", ic}, {"t24.ie", ie}, {"t24.vrc", vrc}, {"t24.vre", vre},
              {"t24.vce", vcc - vrc - vre}, {"t24.beta_re", beta * re}, {"t24.ten_rb2", 10 * rb2},
              {"t24.ve_approx", veApprox}, {"t24.ic_approx", icApprox}, {"t24.rc_re", rc + re},
              {"t24.vce_approx", vcc - (rc + re) * icApprox}, {"t24.approx_excess", 100 * (icApprox / ic - 1)}});
    EXPECT_NEAR(ic, beta * (vth - vbe) / (rth + (beta + 1) * re), 0.01e-3) << "the rounded steps stay on the solution";
    const auto& f = figures::kTopic9Feedback;
    const double vccf = f.vcc, rbf = f.rb, rcf = f.rc, betaf = f.beta;
    auto feedbackIc = [&](double b) { return b * (vccf - vbe) / (rbf + (b + 1) * rcf); };
    const double rinf = rbf + (betaf + 1) * rcf, ibf = printed((vccf - vbe) / rinf, 0.1e-6), icf = printed(betaf * ibf, 0.01e-3);
    const double vrcf = printed(rcf * (icf + ibf), 0.01), icDoubled = printed(feedbackIc(2 * betaf), 0.01e-3);
    EXPECT_NEAR(icf, feedbackIc(betaf), 0.01e-3) << "the rounded steps stay on the solution";
    r.insert({{"t25.vcc", vccf}, {"t25.rb", rbf}, {"t25.rc", rcf}, {"t25.beta", betaf}, {"t25.beta1", betaf + 1},
              {"t25.vnet", vccf - vbe}, {"t25.rin", rinf}, {"t25.ib", ibf}, {"t25.ic", icf}, {"t25.vrc", vrcf},
              {"t25.vce", vccf - vrcf}, {"t25.beta_doubled", 2 * betaf},
              {"t25.ic_doubled", icDoubled}, {"t25.ic_rise", 100 * (icDoubled / icf - 1)}});
  }
  {
    // Leakage and thermal drift (Teoria 27 to 30). ICEO is found here from the terminal
    // currents alone, at the VBE where the open base draws nothing, and the β the page quotes
    // for it is what ICEO = (β + 1) · ICBO makes of the two currents.
    const figures::DeviceModel q;
    const double vceLeak = 10, icbo = 10e-9;
    double lo = 0.0, hi = 0.8;
    for (int i = 0; i < 80; ++i) {
      const double m = (lo + hi) / 2;
      (q.baseCurrent(m, vceLeak) < 0 ? lo : hi) = m;
    }
    const double iceo = q.collectorCurrent(lo, vceLeak), betaLeak = iceo / icbo - 1;
    r.insert({{"t27.vce", vceLeak}, {"t27.icbo", icbo}, {"t27.iceo", iceo}, {"t27.beta_leak", betaLeak},
              {"t27.beta_leak1", betaLeak + 1}, {"t27.ic_mid", 2e-3}, {"t27.beta_mid", q.beta(2e-3, 25, vceLeak)}});
    auto leak = [&](double celsius) { return icbo * std::pow(2.0, (celsius - 25) / 10); };
    r.insert({{"t28.doubling", 10}, {"t28.t_room", 25}, {"t28.t_hot", 75}, {"t28.exponent", 5}, {"t28.icbo25", leak(25)},
              {"t28.icbo75", leak(75)}, {"t28.icbo85", leak(85)}, {"t28.icbo95", leak(95)}});

    // Each circuit's base loop written as Kirchhoff's voltage law in IC, V − RB · IB − VBE −
    // R · IE = 0 with IB = (IC − (β + 1) · ICBO) / β, and solved by bisection on IC, with VBE, β
    // and ICBO read from the model at the trial point: VBE and ICBO at the hot temperature only
    // when that cause is let loose.
    struct Circuit {
      double v, rb, r, rc, re;  // Thévenin source and resistance, loop resistance, RC, RE
      bool feedback;
    };
    using C = figures::Topic9bCircuits;
    const double vcc = C::kFixed.vcc, rc = C::kFixed.rc;
    auto resistorFed = [](const figures::BiasCircuit& b) { return Circuit{b.vcc, b.rb, b.re, b.rc, b.re, false}; };
    const auto& dc = C::kDivider;
    const Circuit fixed = resistorFed(C::kFixed), emitter = resistorFed(C::kEmitter),
                  divider{dc.vcc * dc.rb2 / (dc.rb + dc.rb2), dc.rb * dc.rb2 / (dc.rb + dc.rb2), dc.re, dc.rc, dc.re, false},
                  feedback{C::kFeedback.vcc, C::kFeedback.rb, C::kFeedback.rc, C::kFeedback.rc, 0, true};
    auto solve = [&](const Circuit& c, double celsius, bool vbeHot, bool betaHot, bool icboHot) {
      auto residual = [&](double ic) {
        const double guessVce = vcc - (c.rc + c.re) * ic;
        const double vbeAt = q.baseEmitterVoltage(ic, guessVce, vbeHot ? celsius : 25);
        const double beta = q.beta(ic, betaHot ? celsius : 25, guessVce);
        const double leakage = q.icbo(icboHot ? celsius : 25);
        const double ib = (ic - (beta + 1) * leakage) / beta;
        return c.v - c.rb * ib - vbeAt - c.r * (ic + ib);
      };
      double a = 0.2e-3, b = 5e-3;
      for (int i = 0; i < 60; ++i) {
        const double m = (a + b) / 2;
        (residual(m) > 0 ? a : b) = m;
      }
      return (a + b) / 2;
    };
    auto rise = [&](const Circuit& c, bool vbeHot, bool betaHot, bool icboHot) {
      const double room = solve(c, 25, true, true, true);
      return 100 * (solve(c, 75, vbeHot, betaHot, icboHot) - room) / room;
    };
    r.insert({{"t29.vcc", vcc}, {"t29.rc", rc}, {"t29.fix_rb", C::kFixed.rb}, {"t29.div_rb1", dc.rb},
              {"t29.div_rb2", dc.rb2}, {"t29.re", dc.re}, {"t29.t_room", 25}, {"t29.t_hot", 75},
              {"t30.emi_rb", C::kEmitter.rb}, {"t30.fb_rb", C::kFeedback.rb}});
    const std::pair<const char*, const Circuit*> circuits[] = {
        {"t29.fix", &fixed}, {"t29.div", &divider}, {"t30.emi", &emitter}, {"t30.fb", &feedback}};
    for (const auto& [prefix, c] : circuits) {
      const std::string p = prefix;
      r.insert({{p + "_ic25", solve(*c, 25, true, true, true)}, {p + "_ic75", solve(*c, 75, true, true, true)},
                {p + "_rise", rise(*c, true, true, true)}});
      if (p.rfind("t29.", 0) == 0)
        r.insert({{p + "_by_vbe", rise(*c, true, false, false)}, {p + "_by_beta", rise(*c, false, true, false)},
                  {p + "_by_icbo", rise(*c, false, false, true)}});
    }
    // Each cause of the fixed bias's drift as a factor, from its rise as printed (a tenth of a
    // per cent), and their product.
    auto factor = [](double risePercent) { return 1 + std::round(risePercent * 10) / 1000; };
    const double fv = factor(rise(fixed, true, false, false)), fb = factor(rise(fixed, false, true, false)),
                 fi = factor(rise(fixed, false, false, true));
    r.insert({{"t29.fix_f_vbe", fv}, {"t29.fix_f_beta", fb}, {"t29.fix_f_icbo", fi},
              {"t29.fix_f_all", std::round(fv * 1000) / 1000 * std::round(fb * 1000) / 1000 * std::round(fi * 1000) / 1000}});
    // What Teoria 29 says of the causes: β makes most of the fixed bias's drift, VBE most of
    // the divider's, and ICBO little of either.
    EXPECT_GT(rise(fixed, false, true, false), 5 * rise(fixed, true, false, true));
    EXPECT_GT(rise(divider, true, false, false), 3 * rise(divider, false, true, true));
    EXPECT_LT(rise(fixed, false, false, true), rise(fixed, true, true, true) / 5);
    EXPECT_LT(rise(divider, false, false, true), rise(divider, true, true, true) / 5);
    // The causes one by one at IC = 2 mA and VCE = 5 V.
    r.insert({{"t29.ic_read", 2e-3}, {"t29.vce_read", 5.0},
              {"t29.dvbe", (q.baseEmitterVoltage(2e-3, 5, 25) - q.baseEmitterVoltage(2e-3, 5, 75)) / 50},
              {"t29.beta_rise", 100 * (q.beta(2e-3, 75, 5) / q.beta(2e-3, 25, 5) - 1)}, {"t29.icbo25", leak(25)},
              {"t29.icbo75", leak(75)}});
  }
  {
    // The current source (Teoria 52 to 56): by hand VE = VZ − VBE, IC ≈ IE = VE / RE, and the
    // load may take VCC − VE − VCE(sat) with VCE(sat) = 0,2 V; then the same circuits on the model.
    const double vceSat = 0.2;
    const auto& src = figures::kTopic12Source;
    const double vcc = src.vcc, vz = src.vz, re = src.re, ve = vz - vbe, ie = ve / re, vlMax = vcc - ve - vceSat;
    auto resistor = [](double rl) { return [rl](double ic) { return rl * ic; }; };
    const double ic0 = zenerSourceCurrent(vcc, vz, re, resistor(0)), icIn = zenerSourceCurrent(vcc, vz, re, resistor(1.8e3));
    const double icOut = zenerSourceCurrent(vcc, vz, re, resistor(2.5e3));
    EXPECT_LT(icOut, 0.9 * ie) << "beyond RL(máx) the source saturates";
    r.insert({{"t52.vcc", vcc}, {"t52.vz", vz}, {"t52.rz", src.rz}, {"t52.re", re}, {"t52.ve", ve}, {"t52.ie", ie},
              {"t53.vce_sat", vceSat}, {"t53.vl_max", vlMax}, {"t53.rl_max", vlMax / ie},
              {"t53.ic_0", ic0}, {"t53.rl_in", 1.8e3}, {"t53.ic_in", icIn}, {"t53.drop_pct", 100 * (ic0 - icIn) / ic0},
              {"t53.rl_out", 2.5e3}, {"t53.ic_out", icOut}});
    // Three red LEDs of 2 V at 20 mA from a 3,3 V zener and 130 Ω.
    const auto& led = figures::kTopic12LedSource;
    const double lvz = led.vz, lre = led.re, lve = lvz - vbe, lie = lve / lre;
    const double leds = figures::kTopic12Leds * figures::kTopic12LedVoltage, lvce = led.vcc - leds - lve;
    auto fixed = [leds](double) { return leds; };
    const double nMax = std::floor((led.vcc - lve - vceSat) / figures::kTopic12LedVoltage);
    r.insert({{"t54.vcc", led.vcc}, {"t54.vz", lvz}, {"t54.rz", led.rz}, {"t54.re", lre}, {"t54.ve", lve}, {"t54.ie", lie},
              {"t54.n", figures::kTopic12Leds}, {"t54.vf", figures::kTopic12LedVoltage}, {"t54.vleds", leds},
              {"t54.vce", lvce}, {"t54.pd", lvce * lie}, {"t54.vl_max", led.vcc - lve - vceSat}, {"t54.n_max", nMax},
              {"t54.vcc_min", leds + lve + vceSat}, {"t54.ic_model", zenerSourceCurrent(led.vcc, lvz, lre, fixed)}});
    // The same LEDs through 300 Ω and a saturated switch, as VCC goes from 10 V to 15 V.
    const double r55 = figures::kTopic12LedResistor, lo55 = figures::kTopic12SupplyLow, hi55 = figures::kTopic12SupplyHigh;
    r.insert({{"t55.r", r55}, {"t55.vcc_lo", lo55}, {"t55.vcc_hi", hi55}, {"t55.ir_lo", (lo55 - leds - vceSat) / r55},
              {"t55.ir_hi", (hi55 - leds - vceSat) / r55}, {"t55.ic_lo", zenerSourceCurrent(lo55, lvz, lre, fixed)},
              {"t55.ic_hi", zenerSourceCurrent(hi55, lvz, lre, fixed)}});
    // A 10 mA design from 5,1 V and 15 V, RE rounded to 430 Ω, and loads of 820 Ω and 1,5 kΩ.
    const auto& ex = figures::kTopic12Example;
    const double evcc = ex.vcc, evz = ex.vz, eve = evz - vbe, ere = ex.re, eic = eve / ere, evl = evcc - eve - vceSat;
    EXPECT_LT(820, evl / eic);
    EXPECT_GT(1.5e3, evl / eic);
    r.insert({{"t56.vcc", evcc}, {"t56.vz", evz}, {"t56.target", 10e-3}, {"t56.ve", eve},
              {"t56.re_calc", eve / 10e-3}, {"t56.re", ere}, {"t56.ic", eic},
              {"t56.vl_max", evl}, {"t56.rl_max", evl / eic}, {"t56.rl_in", 820}, {"t56.vrl_in", 820 * std::round(eic * 1e4) / 1e4},
              {"t56.vce_in", evcc - 820 * std::round(eic * 1e4) / 1e4 - eve}, {"t56.rl_out", 1.5e3}, {"t56.ic_out", evl / 1.5e3}});
  }
  {
    // The load line (Teoria 38 to 46). Each Q is found here on the model's terminal currents
    // alone: the VBE that draws the base current at a VCE, the IC it gives, and the VCE where
    // that IC meets the line, by bisection; with RE the base current is found by an outer
    // bisection on the base loop VCC = RB · IB + VBE + RE · (IC + IB). IC is read off the graph,
    // to two significant figures, and VCE from the loop with that IC, to two as well.
    const figures::DeviceModel q;
    auto icOnCurve = [&](double ib, double vce) {
      double lo = 0.2, hi = 1.0;
      for (int i = 0; i < 80; ++i) {
        const double m = (lo + hi) / 2;
        (q.baseCurrent(m, vce) < ib ? lo : hi) = m;
      }
      return q.collectorCurrent(lo, vce);
    };
    auto onLine = [&](double ib, double vcc, double rl) {
      double lo = 0, hi = vcc;
      for (int i = 0; i < 60; ++i) {
        const double m = (lo + hi) / 2;
        (icOnCurve(ib, m) > (vcc - m) / rl ? hi : lo) = m;
      }
      return (vcc - lo) / rl;  // IC at Q
    };
    auto baseCurrent = [&](double vcc, double rb, double rc, double re) {
      double lo = 0, hi = (vcc - vbe) / rb;
      for (int i = 0; i < 60; ++i) {
        const double m = (lo + hi) / 2;
        (rb * m + vbe + re * (onLine(m, vcc, rc + re) + m) < vcc ? lo : hi) = m;
      }
      return lo;
    };
    auto figuresOf = [](double v, int n) {
      const double k = std::pow(10.0, n - 1 - std::floor(std::log10(std::fabs(v))));
      return std::round(v * k) / k;
    };
    auto point = [&](const std::string& page, double vcc, double rb, double rc, double re) {
      const double ib = re > 0 ? baseCurrent(vcc, rb, rc, re) : (vcc - vbe) / rb;
      const double ic = onLine(ib, vcc, rc + re);
      EXPECT_GT(ic, 0.2 * vcc / (rc + re)) << page << "'s Q lies well inside its line";
      EXPECT_LT(ic, 0.8 * vcc / (rc + re)) << page << "'s Q lies well inside its line";
      const double vce = figuresOf(vcc - (rc + re) * figuresOf(ic, 2), 2);
      r.insert({{page + ".ib", ib}, {page + ".ic", figuresOf(ic, 2)}, {page + ".vce", vce}});
      return vce;
    };
    using namespace figures::topic11;
    const auto& a = kCircuit;
    const auto& e = kWithEmitter;
    const auto& x = kExample1;
    const double vce40 = point("t40", a.vcc, a.rb, a.rc, a.re);
    point("t41", e.vcc, e.rb, e.rc, e.re);
    point("t44", x.vcc, x.rb, x.rc, x.re);
    r.insert({{"t39.vcc", a.vcc}, {"t39.rb", a.rb}, {"t39.rc", a.rc}, {"t40.ic_sat", a.vcc / a.rc}, {"t40.vce_cut", a.vcc},
              {"t41.vcc", e.vcc}, {"t41.rb", e.rb}, {"t41.rc", e.rc}, {"t41.re", e.re}, {"t41.ic_sat", e.vcc / (e.rc + e.re)},
              {"t42.rb_lower", kRbLower}, {"t42.rb_higher", kRbHigher}, {"t42.rc_higher", kRcHigher},
              {"t42.vcc_lower", kVccLower}, {"t42.ib_lower", (a.vcc - vbe) / kRbLower},
              {"t42.ib_higher", (a.vcc - vbe) / kRbHigher}, {"t42.ib_vcc", (kVccLower - vbe) / a.rb},
              {"t43.to_cut", a.vcc - vce40}, {"t43.swing_pp", 2 * std::min(vce40, a.vcc - vce40)}, {"t43.half", a.vcc / 2},
              {"t44.vcc", x.vcc}, {"t44.rb", x.rb}, {"t44.rc", x.rc}, {"t44.ic_sat", x.vcc / x.rc}});
    // Teoria 45: by hand with β = 200, the base current for IC at the middle of the line and its
    // RB; with 560 kΩ, the base current as shown and the Q its curve gives, read to two figures.
    const double ic45 = kExample2Vcc / kExample2Rc / 2, ib45 = ic45 / 200;
    const double ibReal45 = figuresOf((kExample2Vcc - vbe) / 560e3, 3), icQ45 = onLine(ibReal45, kExample2Vcc, kExample2Rc);
    r.insert({{"t45.vcc", kExample2Vcc}, {"t45.rc", kExample2Rc}, {"t45.ic_sat", kExample2Vcc / kExample2Rc},
              {"t45.vce", kExample2Vcc / 2}, {"t45.ic", ic45}, {"t45.beta", 200}, {"t45.ib", ib45},
              {"t45.vrb", kExample2Vcc - vbe}, {"t45.rb_calc", (kExample2Vcc - vbe) / ib45}, {"t45.rb", 560e3},
              {"t45.ib_real", ibReal45}, {"t45.q_ic", figuresOf(icQ45, 2)},
              {"t45.q_vce", figuresOf(kExample2Vcc - kExample2Rc * icQ45, 2)}});
  }
  r.merge(testing::biasExercisesRecomputed());  // topic 10, the worked bias exercises
  return r;
}

TEST(ComputedValues, TheCaptionScannerFindsNumbersWithTheirUnits) {
  const std::pair<std::string, std::vector<std::string>> cases[] = {
      {"IC ≈ 2,4 mA e VCE ≈ 6,7 V", {"2,4 mA", "6,7 V"}},
      {"RB1 = 10 kΩ, β = 100), calcule", {"10 kΩ", "100"}},
      {"17. No circuito", {"17"}},
      {"VCE(sat) e IB = 0.", {"0"}},
      {"24 µA é a corrente; 5 Volts", {"24 µA", "5"}},
  };
  for (const auto& [caption, numbers] : cases) EXPECT_EQ(numbersIn(caption), numbers) << caption;
}

TEST(ComputedValues, EveryValueAgreesWithItsRecomputation) {
  const auto file = valuesFile();
  const auto expected = recomputed();
  for (const auto& [name, text] : file) {
    if (name.rfind('=', 0) == 0) continue;  // a step's whole text, checked by the step test
    SCOPED_TRACE(name);
    const auto e = expected.find(name);
    if (e == expected.end()) {
      ADD_FAILURE() << "no recomputation for " << name << " (" << text << ")";
      continue;
    }
    const Shown shown = readShown(text);
    ASSERT_TRUE(shown.ok) << "unreadable text \"" << text << "\"";
    EXPECT_NEAR(shown.value, e->second, shown.tolerance) << "\"" << text << "\"";
  }
  for (const auto& [name, value] : expected) EXPECT_TRUE(file.count(name)) << name << " is not in values.txt";
}

// A step that a page works out in full ("5 mA − 0,0236 mA = 4,976 mA", "200 · 6,02 µA =
// 1,20 mA") must hold for the numbers as shown, which a learner checks on paper, and not only
// for the exact values behind them: the result worked from the operands as the values file
// prints them may differ from the result it prints by the result's own rounding at most. Every
// step the figure program declares is redone here from the printed texts alone.
TEST(ComputedValues, WorkedStepsHoldForTheNumbersAsShown) {
  const auto file = valuesFile();
  const auto operand = [&](const std::string& name) {
    if (const auto v = file.find(name); v != file.end()) return readShown(v->second);
    return readShown(name);  // a number printed as it stands
  };
  const auto& steps = figures::courseValues().steps();
  ASSERT_FALSE(steps.empty());
  for (const figures::WorkedStep& s : steps) {
    std::string shown, printed;
    std::vector<double> values;
    for (const std::string& o : s.operands) {
      const Shown v = operand(o);
      ASSERT_TRUE(v.ok) << s.result << ": operand " << o;
      values.push_back(v.value);
      const std::string sign = shown.empty() ? "" : figures::signOf(s.op);
      shown += sign + o;
      printed += sign + (file.count(o) ? file.at(o) : o);
    }
    shown += " = " + s.result;
    ASSERT_TRUE(file.count(s.result)) << shown;
    const Shown r = readShown(file.at(s.result));
    ASSERT_TRUE(r.ok) << file.at(s.result);
    EXPECT_NEAR(figures::workedFrom(s.op, values), r.value, r.tolerance)
        << shown << ": " << printed << " is not " << file.at(s.result);
    // A caption prints the step from its declaration, as the values file gives it.
    if (s.op != figures::Op::Change) {
      const auto whole = file.find("=" + s.result);
      ASSERT_NE(whole, file.end()) << shown;
      EXPECT_EQ(whole->second, printed + " = " + file.at(s.result));
    }
  }
}

// Teoria 29 and 30 state each circuit's current at 25 °C and 75 °C and the rise between them:
// the rise worked from the two currents as shown must round to the rise shown.
TEST(ComputedValues, DriftRisesHoldForTheCurrentsAsShown) {
  const auto file = valuesFile();
  for (const std::string p : {"t29.fix", "t29.div", "t30.emi", "t30.fb"}) {
    ASSERT_TRUE(file.count(p + "_ic25") && file.count(p + "_ic75") && file.count(p + "_rise")) << p;
    const Shown room = readShown(file.at(p + "_ic25")), hot = readShown(file.at(p + "_ic75"));
    const Shown rise = readShown(file.at(p + "_rise"));
    EXPECT_NEAR(100 * (hot.value / room.value - 1), rise.value, rise.tolerance)
        << file.at(p + "_ic25") << " to " << file.at(p + "_ic75") << " is not +" << file.at(p + "_rise") << " %";
  }
  // Teoria 29 multiplies the three factors of the fixed bias's drift into the whole.
  double product = 1;
  for (const char* f : {"t29.fix_f_vbe", "t29.fix_f_beta", "t29.fix_f_icbo"}) {
    ASSERT_TRUE(file.count(f)) << f;
    product *= readShown(file.at(f)).value;
  }
  const Shown all = readShown(file.at("t29.fix_f_all"));
  EXPECT_NEAR(product, all.value, all.tolerance) << "the causes' factors multiply to " << product;
}

TEST(ComputedValues, EveryNumberAPageStatesIsOneOfItsValues) {
  struct Page {
    int order;
    std::vector<std::string> prefixes;  // the values this page may state
    std::set<std::string> givens;       // numbers it states as they are
  };
  const Page pages[] = {
      {0, {}, {"12", "2026"}},  // the course's date, "12 / 2026"
      // The numbered lists of skills and competences, and the result page's score thresholds.
      {2, {}, {"1", "2", "3", "4", "5", "6"}},
      {3, {}, {"1", "2", "3", "4"}},
      {85, {}, {"20", "15"}},
      // Questions 1 to 16 state their own data, typed in their statements and options; the
      // arithmetic of each is checked by QuizContentTest. Their number leads the statement, and
      // their hints name the theory pages to review.
      {65, {}, {"1", "2"}},
      {66, {}, {"2", "5"}},
      {67, {}, {"3", "4"}},
      {68, {}, {"4", "5"}},
      {69, {}, {"5", "50 \u00B5A", "5 mA", "4,95 mA", "55,0 mA", "5,00 mA", "5,50 mA", "5,05 mA", "6"}},
      {70, {}, {"6", "6 mA", "40 \u00B5A", "0,0067", "15", "0,993", "150", "151", "9"}},
      {71, {}, {"7", "99", "100", "0,99", "1,01", "0,01", "10"}},
      {72, {}, {"8", "180", "1", "12", "14"}},  // 180°, and a gain below 1
      {73, {}, {"9", "180", "1", "14"}},
      {74, {"hand."}, {"10", "4,3 V", "3,6 V", "5,0 V", "15"}},
      {75, {}, {"11", "0", "19"}},
      {76, {}, {"12", "23"}},
      {77, {}, {"13", "10 nA", "99", "0,1 nA", "990 nA", "1000 nA", "0 nA", "27"}},
      {78, {}, {"14", "5 nA", "25", "10", "55", "10 nA", "20 nA", "40 nA", "320 nA", "5", "28"}},
      {79, {}, {"15", "52"}},
      {80, {"t60."}, {"16", "60"}},
      {81, {"q17.", "hand."}, {"17", "0 V", "18"}},
      {82, {"q18.", "hand."}, {"18", "10", "24", "26"}},  // β · RE ≥ 10 · RB2
      {83, {"q19.", "hand."}, {"19", "0", "0 V", "39", "44"}},
      {84, {"q20.", "hand."}, {"20", "0 mA", "47"}},
      {5, {}, {"1947", "1948", "1951"}},
      {6, {}, {}},
      {7, {"t03.", "hand."}, {}},
      {8, {"t04."}, {"25", "10"}},
      {9, {"t05."}, {"1", "2", "3"}},  // the numbered steps, and "1 em cada ..."
      {10, {"t06."}, {}},
      {11, {"t07."}, {}},
      {12, {}, {}},
      // The configurations: a gain near or below 1, and β + 1.
      {16, {}, {}},
      {17, {}, {"1"}},
      {18, {"hand."}, {"1"}},
      {19, {"t15.", "hand."}, {}},
      {20, {"hand."}, {}},
      {13, {"t09.", "hand."}, {"0,95", "0,997", "50", "300", "20", "100"}},  // the gains' typical ranges
      {14, {}, {}},
      {15, {"t11."}, {}},
      {21, {"t17.", "t18.", "hand."}, {}},
      {22, {"t17.", "t18.", "hand."}, {}},
      {23, {"t19."}, {"0", "27"}},  // the open-base curve, IB = 0
      {24, {"t20."}, {"0", "1"}},  // VCB = 0, and α near 1
      {25, {}, {"19"}},  // the page of the common-emitter curves
      // The switch: an input at 0 V, IB = 0, IC ≈ 0; the forced β of 10; the 10 % and 90 % points.
      {51, {"t47.", "hand."}, {"0", "0 V"}},
      {52, {"t48."}, {"0", "0 V"}},
      {53, {"t49."}, {"10", "51"}},
      {54, {"t50.", "hand."}, {"10"}},
      {55, {"t51."}, {"10", "90"}},
      {26, {"t17.", "t18.", "t22."}, {"17", "18"}},
      {27, {}, {"1"}},  // β + 1
      {28, {"t24."}, {"10", "26", "1"}},  // β · RE ≥ 10 · RB2, and where the calculations are
      {29, {"t25."}, {"1"}},
      {30, {"t24.", "t25.", "hand."}, {"24", "25", "10"}},
      {31, {"t27."}, {"1"}},  // β + 1
      {32, {}, {}},
      {33, {"t29."}, {}},
      {34, {}, {}},
      {56, {}, {}},  // the current source
      {57, {"t53."}, {"0"}},  // RL = 0
      {58, {"t54."}, {}},
      {59, {"t55."}, {}},
      {60, {}, {}},
      // Packages are named by numbers (TO-92 ... TO-3, the 2N of a type number).
      {61, {}, {"92", "18", "39", "126", "220", "3", "2"}},
      {62, {}, {}},
      {63, {}, {}},
      {64, {"t60."}, {}},
      // The load line: its ends at VCE = 0 and IC = 0, the slope −1/RC, the curves of Teoria 19.
      {42, {}, {"0", "19"}},
      {43, {}, {}},
      {46, {"t42."}, {"1"}},
      {47, {"t40.", "t43."}, {"0", "2"}},
      {48, {"t44."}, {"1"}},
      {49, {"t45."}, {"2"}},
      {50, {}, {}},
      // The worked bias exercises: each page states its own exercise's values, and its number.
      {35, {"t31."}, {"1"}},
      {37, {"t33."}, {"3"}},
      {38, {"t34."}, {"4"}},
      {39, {"t35."}, {}},
      {40, {"t36."}, {"6"}},
  };
  const auto file = valuesFile();
  testing::Course course;
  // Every page of the registry is walked; a page without a row may state no number at all.
  for (int order = 0; order < app::kPageCount; ++order) {
    const auto row = std::find_if(std::begin(pages), std::end(pages), [&](const Page& p) { return p.order == order; });
    const Page p = row != std::end(pages) ? *row : Page{order, {}, {}};
    std::set<std::string> allowed;
    for (const auto& [name, text] : file)
      for (const std::string& prefix : p.prefixes)
        if (name.rfind(prefix, 0) == 0) allowed.insert(text);
    auto walk = [&](auto& self, const ui::Container& parent) -> void {
      for (const ui::Control* c : parent.controls()) {
        if (dynamic_cast<const content::TLabel*>(c)) {
          for (const std::string& n : numbersIn(c->caption())) {
            EXPECT_TRUE(allowed.count(n) || p.givens.count(n))
                << "Form" << p.order << "." << c->name() << " states " << n << ", which is no value of its own: \""
                << c->caption() << "\"";
          }
        }
        if (auto* inner = dynamic_cast<const ui::Container*>(c)) self(self, *inner);
      }
    };
    ASSERT_NE(app::page(order), nullptr) << "no page " << order;
    walk(walk, *app::page(order));
  }
}

// Whether the text before an "=" ends in arithmetic on numbers alone ("12 V − 6,68 V",
// "(5 V − 0,7 V) / 3 mA"), read backwards from the "=": a number, then an operator and a number
// again, as often as they come. "VCC / 2" names a symbol where a number must be.
bool endsInNumbersAlone(std::string left) {
  auto endsWith = [&](const std::string& s) {
    return left.size() >= s.size() && left.compare(left.size() - s.size(), s.size(), s) == 0;
  };
  auto trim = [&] {
    while (!left.empty() && left.back() == ' ') left.pop_back();
  };
  const std::string operators[] = {"+", "\u2212", "\u00B7", "/", "\u00D7"};
  for (;;) {
    trim();
    while (endsWith(")")) left.pop_back(), trim();
    const auto numbers = numbersIn(left);
    if (numbers.empty() || !endsWith(numbers.back())) return false;  // a symbol, or nothing
    left.erase(left.size() - numbers.back().size());
    trim();
    while (endsWith("(")) left.pop_back(), trim();
    const auto op = std::find_if(std::begin(operators), std::end(operators), endsWith);
    if (op == std::end(operators)) return true;  // the start of the arithmetic
    left.erase(left.size() - op->size());
  }
}

// The results a caption works out between numbers: in "IB = 4,3 V / 2,2 kΩ = 1,95 mA" the
// second "=" has arithmetic on numbers before it, and 1,95 mA is a worked result; the first "="
// names, as does the one in "VCE = VCC / 2 = 6 V".
std::vector<std::string> resultsWorkedIn(const std::string& caption) {
  std::vector<std::string> out;
  const std::string eq = " = ";
  for (std::size_t at = caption.find(eq); at != std::string::npos; at = caption.find(eq, at + 1)) {
    const std::string left = caption.substr(0, at), right = caption.substr(at + eq.size());
    const auto after = numbersIn(right);
    if (!after.empty() && right.rfind(after.front(), 0) == 0 && endsInNumbersAlone(left)) out.push_back(after.front());
  }
  return out;
}

TEST(ComputedValues, TheStepScannerFindsResultsBetweenNumbers) {
  const std::pair<const char*, std::vector<std::string>> cases[] = {
      {"IB = 4,3 V / 2,2 k\u03A9 = 1,95 mA", {"1,95 mA"}},
      {"VCE = 12 V \u2212 6,68 V = 5,32 V; IC = 2 mA", {"5,32 V"}},
      {"VBE = 0,7 V e VCE = 5 V", {}},
      {"(\u03B2 + 1) = 201", {}},
      {"VCE = VCC / 2 = 12 V / 2 = 6 V", {"6 V"}},
      {"RB = (5 V \u2212 0,7 V) / IB = 4,3 V / 3 mA = 1,43 k\u03A9", {"1,43 k\u03A9"}},
      {"RB = (5 V \u2212 0,7 V) / 3 mA = 1,43 k\u03A9", {"1,43 k\u03A9"}},
      {"a 10 = 20 mA", {"20 mA"}},
  };
  for (const auto& [caption, results] : cases) EXPECT_EQ(resultsWorkedIn(caption), results) << caption;
}

// A caption that works a step between numbers prints a declared step from its declaration
// ("{=t50.rb_calc}"), so that the step test recomputes it from its printed operands.
TEST(ComputedValues, EveryStepACaptionWorksIsADeclaredStep) {
  const auto file = valuesFile();
  std::map<std::string, std::vector<std::string>> stepsByResult;  // a result's text -> whole steps
  for (const auto& [name, text] : file)
    if (name.rfind('=', 0) == 0) stepsByResult[file.at(name.substr(1))].push_back(text);
  testing::Course course;
  for (int order = 0; order < app::kPageCount; ++order) {
    auto walk = [&](auto& self, const ui::Container& parent) -> void {
      for (const ui::Control* c : parent.controls()) {
        if (dynamic_cast<const content::TLabel*>(c)) {
          const std::string caption = c->caption();
          for (const std::string& r : resultsWorkedIn(caption)) {
            const auto& steps = stepsByResult[r];
            EXPECT_TRUE(std::any_of(steps.begin(), steps.end(),
                                    [&](const std::string& step) { return caption.find(step) != std::string::npos; }))
                << "Form" << order << "." << c->name() << " works out " << r
                << " in no declared step printed whole: \"" << caption << "\"";
          }
        }
        if (auto* inner = dynamic_cast<const ui::Container*>(c)) self(self, *inner);
      }
    };
    ASSERT_NE(app::page(order), nullptr) << "no page " << order;
    walk(walk, *app::page(order));
  }
}

}  // namespace
}  // namespace apostila
