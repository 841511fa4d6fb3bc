// The course's parts in one table: the button glyphs, the quiz and each theory topic, each in
// its folder with its circuits, its named values and its figures. Each part's values are
// computed into a table of their own before they join the course's, so that no part can read
// another's values and none depends on the order of the table; a part that needs another's
// circuit includes the header that declares it.
//
//   for (const CoursePart& p : courseParts()) if (p.figures) p.figures(list);
#pragma once

#include <vector>

#include "Figures.h"
#include "ValueTable.h"

namespace apostila::figures {

struct CoursePart {
  const char* name;
  void (*values)(ValueTable&);    // null for a part without named values
  void (*figures)(FigureList&);  // null for a part without pictures
};

// In course order.
const std::vector<CoursePart>& courseParts();

// The pictures that the pages show as pictures, every figure but the button glyphs and the
// program's icon (pixel art, which a denser screen shows enlarged as it is): the figures that
// have twins drawn at twice the size.
FigureList pictureFigures();

void addGlyphFigures(FigureList& list);  // glyphs/: button glyphs and the program icon
void addQuizValues(ValueTable& t);       // quiz/: the circuit questions
void addQuizFigures(FigureList& list);   // quiz/: the solution marker and the four circuits
// topics/NN-name/: the theory pages' pictures and numbers, topic by topic.
void addTopics1And2Values(ValueTable& t);
void addTopics1And2Figures(FigureList& list);
void addTopic3Values(ValueTable& t);
void addTopic3Figures(FigureList& list);
void addTopic4Values(ValueTable& t);
void addTopic4Figures(FigureList& list);
void addTopic5Figures(FigureList& list);
void addTopic6Values(ValueTable& t);
void addTopic6Figures(FigureList& list);
void addTopic7Values(ValueTable& t);
void addTopic7Figures(FigureList& list);
void addTopic8Values(ValueTable& t);
void addTopic8Figures(FigureList& list);
void addTopic9Values(ValueTable& t);    // bias circuits: Teoria 22 to 26
void addTopic9Figures(FigureList& list);
void addTopic9bValues(ValueTable& t);   // leakage currents and thermal drift: Teoria 27 to 30
void addTopic9bFigures(FigureList& list);
void addTopic10Values(ValueTable& t);
void addTopic10Figures(FigureList& list);
void addTopic11Values(ValueTable& t);
void addTopic11Figures(FigureList& list);
void addTopic12Values(ValueTable& t);   // the switch: Teoria 47 to 51
void addTopic12Figures(FigureList& list);
void addTopic12bValues(ValueTable& t);  // the current source: Teoria 52 to 56
void addTopic12bFigures(FigureList& list);
void addTopic13Values(ValueTable& t);
void addTopic13Figures(FigureList& list);

}  // namespace apostila::figures
