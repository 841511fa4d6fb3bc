// apostila-figures OUTDIR: draws every picture of the course into OUTDIR, with values.txt, the
// named values that the page sources refer to, each picture's twin at twice the size into
// OUTDIR/2x, and the desktop's icons into OUTDIR/icons.
// apostila-figures --parts FILE: draws the sheet of drawing parts into FILE.
#include <filesystem>
#include <iostream>
#include <stdexcept>
#include <string>

#include "Figures.h"
#include "Topics.h"
#include "ValueTable.h"
#include "drawing/FigureScale.h"
#include "drawing/PartsSheet.h"
#include "glyphs/ProgramIcon.h"

namespace fs = std::filesystem;
using namespace apostila::figures;

int main(int argc, char** argv) {
  const std::string first = argc > 1 ? argv[1] : "";
  // A first argument that starts with a dash is an option we do not have, never a directory to
  // fill ("--help" once became one).
  const bool parts = argc == 3 && first == "--parts";
  if (!parts && (argc != 2 || first.empty() || first[0] == '-')) {
    std::cerr << "usage: apostila-figures OUTDIR\n       apostila-figures --parts FILE\n";
    return 2;
  }
  try {
    if (parts) {
      writeFile(argv[2], partsSheet());
      return 0;
    }
    fs::create_directories(argv[1]);
    const std::string values = courseValues().file();
    writeFile(fs::path(argv[1]) / "values.txt", std::vector<std::uint8_t>(values.begin(), values.end()));
    for (const auto& f : allFigures()) writeFile(fs::path(argv[1]) / f.file, f.encode());
    // What each picture shows, in words, for a screen reader: "file<TAB>description" lines.
    std::string described;
    for (const auto& f : pictureFigures()) {
      const std::string words = f.describe ? f.describe() : std::string();
      if (words.find_first_of("\t\n") != std::string::npos) throw std::logic_error(f.file + ": a description is one line");
      if (!words.empty()) described += f.file + "\t" + words + "\n";
    }
    writeFile(fs::path(argv[1]) / "descriptions.txt", std::vector<std::uint8_t>(described.begin(), described.end()));
    // Each picture's twin for a screen of twice the density, under the picture's own name.
    fs::create_directories(fs::path(argv[1]) / "2x");
    {
      const FigureScale twice(2);
      for (const auto& f : pictureFigures()) writeFile(fs::path(argv[1]) / "2x" / f.file, f.encode());
    }
    fs::create_directories(fs::path(argv[1]) / "icons");
    for (const auto& f : desktopIcons()) writeFile(fs::path(argv[1]) / "icons" / f.file, f.encode());
  } catch (const std::exception& e) {
    std::cerr << "apostila-figures: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
