// Topic 12 of the theory, first half: the transistor as a switch (Teoria 47 to 51). Its
// pictures, and the named values its pages and pictures state, from the hand method and the
// device model.
#pragma once

#include "Figures.h"
#include "ValueTable.h"
#include "model/DeviceModel.h"

namespace apostila::figures {

// A switch's circuit solved on the device model: RB from the input to the base, the emitter
// grounded, and a load of resistance r from a supply vLoad to the collector (vLoad is VCC less
// whatever fixed drop the load has, such as an LED's).
struct SwitchPoint {
  double vbe, vce, ib, ic;
};
SwitchPoint solveSwitch(const DeviceModel& q, double vin, double rb, double vLoad, double r);

}  // namespace apostila::figures
