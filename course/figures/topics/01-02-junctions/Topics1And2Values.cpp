// The numbers of topics 1 and 2 (Teoria 3 and 4).
#include "Topics.h"
#include "ValueTable.h"
#include "model/DeviceModel.h"

namespace apostila::figures {

// Topics 1 and 2: how little VBE changes over a decade of current once the junction conducts,
// and the reverse-biased collector junction's leakage, both from the device model at 25 °C.
void addTopics1And2Values(ValueTable& t) {
  const DeviceModel q;
  const double vce = 5, low = 1e-3, high = 10e-3;
  t.add("t03.ic1", low, "mA");
  t.add("t03.ic2", high, "mA");
  t.add("t03.vbe1", q.baseEmitterVoltage(low, vce), "V", 2);
  t.add("t03.vbe2", q.baseEmitterVoltage(high, vce), "V", 2);
  t.add("t04.icbo", q.icbo(), "nA", 0);
}

}  // namespace apostila::figures
