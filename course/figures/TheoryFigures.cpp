// The theory figures.
#include "Figures.h"

namespace apostila::figures {

void addTopic4Figures(FigureList& list);  // Topic4Figures.cpp: alpha and beta

void addTheoryFigures(FigureList& list) {
  addTopic4Figures(list);
}

}  // namespace apostila::figures
