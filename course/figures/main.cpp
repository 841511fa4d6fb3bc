// apostila-figures OUTDIR: draws every picture of the course into OUTDIR.
#include <filesystem>
#include <iostream>

#include "Figures.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: apostila-figures OUTDIR\n";
    return 2;
  }
  try {
    std::filesystem::create_directories(argv[1]);
    for (const auto& f : apostila::figures::allFigures())
      apostila::figures::writeFile(std::filesystem::path(argv[1]) / f.file, f.encode());
  } catch (const std::exception& e) {
    std::cerr << "apostila-figures: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
