// The theory figures.
#include "Figures.h"

namespace apostila::figures {

void addTopics1And2Figures(FigureList& list);

void addTheoryFigures(FigureList& list) {
  addTopics1And2Figures(list);
}

}  // namespace apostila::figures
