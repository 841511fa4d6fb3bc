// The numbers of topic 8, the characteristic curves (Teoria 19 and 20).
#include "Topics.h"
#include "ValueTable.h"
#include "model/DeviceModel.h"
#include "model/HandMethods.h"

namespace apostila::figures {

// The characteristic curves: Teoria 19 reads β between the 40 µA and 60 µA curves at
// VCE = 10 V, as a learner reads it off the picture; Teoria 20 marks the input curve's knee.
void addTopic8Values(ValueTable& t) {
  const DeviceModel q;
  const double vce = 10, ib1 = 40e-6, ib2 = 60e-6;
  const double ic1 = q.outputCurve(ib1, vce), ic2 = q.outputCurve(ib2, vce);
  t.add("t19.vce_read", vce, "V");
  t.add("t19.ib1", ib1, "\u00B5A");
  t.add("t19.ib2", ib2, "\u00B5A");
  t.add("t19.ic1", ic1, "mA", 1);
  t.add("t19.ic2", ic2, "mA", 1);
  t.work("t19.dic", "t19.ic2", Op::Difference, "t19.ic1", "mA", 1);
  t.add("t19.dib", ib2 - ib1, "\u00B5A");
  t.work("t19.beta", "t19.dic", Op::Quotient, "t19.dib", "", 0);
  // The static β at each marked point, IC / IB from the readings as printed.
  t.work("t19.beta_cc1", "t19.ic1", Op::Quotient, "t19.ib1", "", 0);
  t.work("t19.beta_cc2", "t19.ic2", Op::Quotient, "t19.ib2", "", 0);
  t.add("t19.pmax", q.parameters().pmax, "W");
  t.add("t19.bvceo", q.parameters().bvceo, "V");
  t.add("t20.vknee", HandMethods::kVbe, "V", 1);
  // Where the input curve leaves the axis: the VBE for IE = 0,1 mA with VCB = 0 (VCE = VBE).
  const double onset = 0.1e-3;
  double lo = 0.3, hi = 0.9;
  for (int i = 0; i < 60; ++i) {
    const double m = (lo + hi) / 2;
    (q.collectorCurrent(m, m) + q.baseCurrent(m, m) < onset ? lo : hi) = m;
  }
  t.add("t20.vonset", lo, "V", 1);
}

}  // namespace apostila::figures
