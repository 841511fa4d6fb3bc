// The pictures' twins in the build: the compiler lists, for each page, the pictures its source
// takes from files, one line "TForm22<TAB>Image1<TAB>t18-equacoes.bmp" each; the packer reads
// those lists, takes each picture's twin of the same name from the figure program's 2x folder,
// and writes the compressed set the program carries (content/TwinFormat.h).
//
//   apostila-pages compile Form22.page TFORM22 -I pictures --pictures Form22.pictures
//   apostila-pages twins twins.bin pictures/2x Form1.pictures … Form86.pictures
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
std::vector<std::uint8_t> packTwins(const std::filesystem::path& twinFolder,
                                    const std::vector<std::filesystem::path>& lists);

}  // namespace apostila::tools
