// The whole list, module by module.
#include "Figures.h"

namespace apostila::figures {

FigureList allFigures() {
  FigureList list;
  addGlyphFigures(list);
  addQuizFigures(list);
  addTheoryFigures(list);
  return list;
}

}  // namespace apostila::figures
