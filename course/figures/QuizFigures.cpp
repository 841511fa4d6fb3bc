// The quiz figures.
#include "Figures.h"

namespace apostila::figures {

void addQuizFigures(FigureList&) {}

}  // namespace apostila::figures
