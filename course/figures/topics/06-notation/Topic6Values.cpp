// The numbers of topic 6 (Teoria 15).
#include "Topics.h"
#include "ValueTable.h"
#include "model/HandMethods.h"

namespace apostila::figures {

// Voltage notation: the NPN's VCE split into VCB and VBE, with the hand method's VBE.
void addTopic6Values(ValueTable& t) {
  const double vce = 6.0;
  t.add("t15.vce", vce, "V");
  t.work("t15.vcb", "t15.vce", Op::Difference, "hand.vbe", "V", 1);
}

}  // namespace apostila::figures
