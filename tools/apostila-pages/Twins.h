// The side table of the pictures in the build: the compiler lists, for each page, the pictures
// its source takes from files, one line "TForm22<TAB>Image1<TAB>t18-equacoes.bmp" each; the packer
// reads those lists, takes each picture's twin of the same name from the figure program's 2x
// folder and its description from the figure program's descriptions ("file<TAB>words" lines), and
// writes the compressed table the program carries (content/TwinFormat.h).
//
//   apostila-pages compile Form22.page TFORM22 -I pictures --pictures Form22.pictures
//   apostila-pages twins twins.bin pictures/2x pictures/descriptions.txt Form1.pictures …
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "PageSource.h"

namespace apostila::tools {

// The lines for a page's pictures that came from files, in source order.
std::string pictureList(const SourceElement& page);

// The packed twins for the pictures the lists name. Throws SourceError at a list's line for a
// malformed line or a picture without its twin, and FileError for a file that cannot be read.
// A picture without a description is packed with none (the course's test requires one for each).
std::vector<std::uint8_t> packTwins(const std::filesystem::path& twinFolder, const std::filesystem::path& descriptions,
                                    const std::vector<std::filesystem::path>& lists);

}  // namespace apostila::tools
