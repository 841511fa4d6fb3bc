// Rewrites page sources and frames onto the styles of a sheet: each element takes the style
// that spares it the most lines and gives back exactly its properties, and loses the lines the
// style now gives. Texts, comments and the order of everything else stay as written, so the
// rewrite can be run again after the sources change; a source whose rewrite would not parse to
// the same page is left as it was.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace apostila::tools {

struct RestyleResult {
  std::string text;     // the source on the sheet's styles
  int elements = 0;     // elements that took a style
  int linesSaved = 0;
};

// `sheetName` is the name the source's "use" line gives; the source finds it beside itself or in
// the frames/ folder there. Throws SourceError.
RestyleResult restyleSource(const std::string& text, const std::string& fileName, const std::string& sheetName,
                            const std::vector<std::filesystem::path>& searchPath);

// restyle SHEET SOURCE... [-I DIR]... [--values FILE]: rewrites each source in place and says what it spared.
// Gives -1 for a command line it cannot take.
int restyleCommand(const std::vector<std::string>& args, std::ostream& out);

}  // namespace apostila::tools
