// The page source format: one UTF-8 text file per page, read and written by authors.
//
//   # A comment line.
//   TForm5 Form5                       <- an element: its kind and its name
//     Caption: "Teoria 1"              <- a property: path, colon, value
//     Color: clBlack                   <- identifiers are bare words
//     Font.Style: [fsBold]             <- sets in brackets; integers; true / false
//     TPanel Panel1                    <- a child element, indented under its parent
//       Glyph.Data: bitmap "glyphs/mao-esquerda.bmp"
//       Picture.Data: picture TBitmap "figuras/t01-camadas.bmp"
//
// Long strings continue on the following lines, each a quoted piece indented deeper; the
// pieces are joined as they stand. Escapes inside quotes: \" \\ \n \r \t.
#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace apostila::tools {

struct SourceValue {
  enum class Kind { Integer, Float, String, Ident, Boolean, Set, Nil, Bitmap, Picture, Binary, Raw };
  Kind kind = Kind::Integer;
  std::int64_t integer = 0;
  double floating = 0;
  bool boolean = false;
  std::string text;                  // String, Ident; the graphic class of a Picture
  std::vector<std::string> members;  // Set
  std::vector<std::uint8_t> bytes;   // Bitmap / Picture: the BMP file; Binary, Raw: as stored
  std::string file;                  // where Bitmap / Picture bytes came from, if a file
};

struct SourceProperty {
  std::string path;
  SourceValue value;
  int line = 0;
};

struct SourceElement {
  std::string kind;
  std::string name;
  int line = 0;
  bool exists = false;   // "inherited": refers to an element an ancestor created
  bool isInline = false;
  int position = -1;     // "at N": position among the parent's children
  std::vector<SourceProperty> properties;
  std::vector<SourceElement> children;
};

// Parses a source. Picture files are looked up relative to the source's folder, then in each of
// the search folders. Throws SourceError naming the file and line.
SourceElement parseSource(const std::string& text, const std::string& fileName,
                          const std::vector<std::filesystem::path>& searchPath);

// Writes an element tree back as source; binaries go inline as base64.
std::string writeSource(const SourceElement& root);

struct SourceError : std::runtime_error {
  SourceError(const std::string& file, int line, const std::string& what)
      : std::runtime_error(file + ":" + std::to_string(line) + ": " + what) {}
};

}  // namespace apostila::tools
