// The theory figures.
#include "Figures.h"

namespace apostila::figures {

void addTheoryFigures(FigureList&) {}

}  // namespace apostila::figures
