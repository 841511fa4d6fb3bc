// The theory figures.
#include "Figures.h"
#include "Topic3Figures.h"

namespace apostila::figures {

void addTheoryFigures(FigureList& list) {
  addTopic3Figures(list);
}

}  // namespace apostila::figures
