// The numbers of topic 4, alpha and beta (Teoria 9 and 11).
#include <cmath>

#include "Topics.h"
#include "ValueTable.h"
#include "model/DeviceModel.h"

namespace apostila::figures {

// Alpha and beta. Teoria 9 reads the three currents of the model transistor at IC = 2 mA and
// divides them; Teoria 11 works two examples by the relations between the gains and finds where
// the model's hFE peaks at room temperature.
void addTopic4Values(ValueTable& t) {
  const DeviceModel q;
  const double vce = 5, ic = 2e-3;
  const double ib = q.baseCurrent(q.baseEmitterVoltage(ic, vce), vce);
  t.add("t09.vce", vce, "V");
  t.add("t09.ic", ic, "mA");
  t.add("t09.ib", ib, "\u00B5A", 1);
  t.work("t09.ie", "t09.ic", Op::Sum, "t09.ib", "mA", 2);
  t.work("t09.alpha", "t09.ic", Op::Quotient, "t09.ie", "", 3);
  t.work("t09.beta", "t09.ic", Op::Quotient, "t09.ib", "", 0);
  // Teoria 10 checks both relations with these numbers as printed: β from α, α from β.
  t.work("t10.one_minus_alpha", "1", Op::Difference, "t09.alpha", "", 3);
  t.work("t10.beta_of_alpha", "t09.alpha", Op::Quotient, "t10.one_minus_alpha", "", 0);
  t.work("t10.beta1", "t09.beta", Op::Sum, "1", "");
  t.work("t10.alpha_of_beta", "t09.beta", Op::Quotient, "t10.beta1", "", 3);
  // Where the course's model is introduced: its VBE over the currents the exercises use.
  const double icLow = 1e-3, icHigh = 5e-3;
  t.add("t09.ic_lo", icLow, "mA");
  t.add("t09.ic_hi", icHigh, "mA");
  t.add("t09.vbe_lo", q.baseEmitterVoltage(icLow, vce), "V", 2);
  t.add("t09.vbe_hi", q.baseEmitterVoltage(icHigh, vce), "V", 2);

  // Given β and IB: IC = β · IB, IE = IC + IB, α = β / (β + 1).
  const double beta1 = 150, ib1 = 20e-6;
  t.add("t11.ex1_beta", beta1, "");
  t.add("t11.ex1_beta1", beta1 + 1, "");
  t.add("t11.ex1_ib", ib1, "\u00B5A");
  t.work("t11.ex1_ic", "t11.ex1_beta", Op::Product, "t11.ex1_ib", "mA", 0);
  t.work("t11.ex1_ie", "t11.ex1_ic", Op::Sum, "t11.ex1_ib", "mA", 2);
  t.work("t11.ex1_alpha", "t11.ex1_beta", Op::Quotient, "t11.ex1_beta1", "", 3);
  // Given α and IE: β = α / (1 − α), IC = α · IE, IB = IE − IC.
  const double alpha2 = 0.98, ie2 = 5e-3;
  t.add("t11.ex2_alpha", alpha2, "");
  t.work("t11.ex2_1malpha", "1", Op::Difference, "t11.ex2_alpha", "", 2);
  t.add("t11.ex2_ie", ie2, "mA");
  t.work("t11.ex2_beta", "t11.ex2_alpha", Op::Quotient, "t11.ex2_1malpha", "", 0);
  t.work("t11.ex2_ic", "t11.ex2_alpha", Op::Product, "t11.ex2_ie", "mA", 1);
  t.work("t11.ex2_ib", "t11.ex2_ie", Op::Difference, "t11.ex2_ic", "mA", 1);

  // The peak of hFE(IC) at 25 °C and VCE = 5 V, searched along the logarithm of IC in steps of
  // 1/200 decade.
  const double curveVce = 5;
  t.add("t11.vce", curveVce, "V");
  double icPeak = 1e-6, betaPeak = 0;
  for (int i = 0; i <= 1000; ++i) {
    const double icAt = 1e-6 * std::pow(10.0, i / 200.0), b = q.beta(icAt, DeviceModel::kRoomCelsius, curveVce);
    if (b > betaPeak) betaPeak = b, icPeak = icAt;
  }
  t.add("t11.beta_peak", betaPeak, "", 0);
  t.add("t11.ic_peak", icPeak, "mA", 0);
}

}  // namespace apostila::figures
