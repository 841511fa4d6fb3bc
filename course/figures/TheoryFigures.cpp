// The theory figures.
#include "Figures.h"

namespace apostila::figures {

void addTopic5Figures(FigureList& list);  // configurations
void addTopic6Figures(FigureList& list);  // voltage and current notation

void addTheoryFigures(FigureList& list) {
  addTopic5Figures(list);
  addTopic6Figures(list);
}

}  // namespace apostila::figures
