// The list of figures.
#include "Figures.h"

#include <stdexcept>

namespace apostila::figures {

void FigureList::add(std::string file, std::function<std::vector<std::uint8_t>()> encode,
                     std::function<std::string()> describe) {
  for (const Figure& f : figures_)
    if (f.file == file) throw std::invalid_argument("two figures are named " + file);
  figures_.push_back({std::move(file), std::move(encode), std::move(describe)});
}

}  // namespace apostila::figures
