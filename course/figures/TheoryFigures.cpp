// The theory figures: each topic's file adds its pictures to the list.
#include "Figures.h"
#include "Topic3Figures.h"
#include "Topic12Figures.h"

namespace apostila::figures {

void addTopics1And2Figures(FigureList& list);
void addTopic4Figures(FigureList& list);  // alpha and beta
void addTopic5Figures(FigureList& list);  // configurations
void addTopic6Figures(FigureList& list);  // voltage and current notation
void addTopic7Figures(FigureList& list);  // bias from a single battery
void addTopic8Figures(FigureList& list);  // characteristic curves
void addTopic9Figures(FigureList& list);  // bias circuits: Teoria 22 to 26
void addTopic9bFigures(FigureList& list);  // leakage currents and thermal drift
void addTopic12bFigures(FigureList& list);  // the transistor as a current source
void addTopic13Figures(FigureList& list);  // packages and the multimeter test
void addTopic11Figures(FigureList& list);  // the DC load line
void addTopic10Figures(FigureList& list);  // worked bias exercises

void addTheoryFigures(FigureList& list) {
  addTopics1And2Figures(list);
  addTopic3Figures(list);
  addTopic4Figures(list);
  addTopic5Figures(list);
  addTopic6Figures(list);
  addTopic7Figures(list);
  addTopic8Figures(list);
  addTopic12Figures(list);
  addTopic9Figures(list);
  addTopic9bFigures(list);
  addTopic12bFigures(list);
  addTopic13Figures(list);
  addTopic11Figures(list);
  addTopic10Figures(list);
}

}  // namespace apostila::figures
