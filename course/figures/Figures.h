// Every picture of the course, drawn by code at build time. Each module adds its figures to
// the list under the file names that the page sources name.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "drawing/BmpWriter.h"

namespace apostila::figures {

struct Figure {
  std::string file;  // e.g. "mao-esquerda.bmp"
  std::function<std::vector<std::uint8_t>()> encode;
  // What the picture shows, in words, from the same values it is drawn with, for a learner who
  // cannot see it; empty for the button glyphs, which their buttons' captions name.
  std::function<std::string()> describe;
};

// The figures in the order they were added. Two figures with one file name would overwrite
// each other's picture, so the second is refused.
class FigureList {
 public:
  void add(std::string file, std::function<std::vector<std::uint8_t>()> encode,
           std::function<std::string()> describe = {});
  std::vector<Figure>::const_iterator begin() const { return figures_.begin(); }
  std::vector<Figure>::const_iterator end() const { return figures_.end(); }
  std::size_t size() const { return figures_.size(); }

 private:
  std::vector<Figure> figures_;
};

// Every part's figures (Topics.h).
FigureList allFigures();

}  // namespace apostila::figures
