// The theory figures: each topic's file adds its pictures to the list.
#include "Figures.h"
#include "Topic3Figures.h"

namespace apostila::figures {

void addTopics1And2Figures(FigureList& list);

void addTheoryFigures(FigureList& list) {
  addTopics1And2Figures(list);
  addTopic3Figures(list);
}

}  // namespace apostila::figures
