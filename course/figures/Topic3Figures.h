// Topic 3 of the theory, current flow in the transistor (Teoria 5 to 8): its pictures, and the
// named values its pages and pictures state, all computed from the device model.
#pragma once

#include "Figures.h"
#include "ValueTable.h"

namespace apostila::figures {

void addTopic3Figures(FigureList& list);
void addTopic3Values(ValueTable& t);

}  // namespace apostila::figures
