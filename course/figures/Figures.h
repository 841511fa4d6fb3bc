// Every picture of the course, drawn by code at build time. Each module adds its figures to
// the list under the file names that the page sources name.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "BmpWriter.h"

namespace apostila::figures {

struct Figure {
  std::string file;  // e.g. "mao-esquerda.bmp"
  std::function<std::vector<std::uint8_t>()> encode;
};

using FigureList = std::vector<Figure>;

void addGlyphFigures(FigureList& list);   // button glyphs and the program icon
void addQuizFigures(FigureList& list);    // the solution marker and the four circuits
void addTheoryFigures(FigureList& list);  // the theory pages' pictures

FigureList allFigures();

}  // namespace apostila::figures
