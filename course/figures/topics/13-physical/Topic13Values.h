// Topic 13's named values: the multimeter's diode-test readings on the model transistor.
#pragma once

#include "ValueTable.h"
#include "model/DeviceModel.h"

namespace apostila::figures {

// The voltage a diode test reads between base and emitter (collector open) and between base
// and collector (emitter open) of an NPN, with the meter pushing this current into the base.
double diodeTestBaseEmitter(const DeviceModel& q, double current);
double diodeTestBaseCollector(const DeviceModel& q, double current);

}  // namespace apostila::figures
