// The page source format: one UTF-8 text file per page, read and written by authors.
//
//   # A comment line.
//   TForm5 Form5                       <- an element: its kind and its name
//     Caption: "Teoria 1"              <- a property: path, colon, value
//     Color: clBlack                   <- identifiers are bare words
//     Font.Style: [fsBold]             <- sets in brackets; integers; true / false
//     TPanel Panel1                    <- a child element, indented under its parent
//       TSpeedButton SpeedButton1
//         Glyph.Data: bitmap "mao-esquerda.bmp"      <- BMP files beside the source or
//       TImage Image1                                   in a search folder (-I)
//         Picture.Data: picture TBitmap "t05-fluxo-npn.bmp"
//
// Long strings continue on the following lines, each a quoted piece indented deeper; the
// pieces are joined as they stand. Escapes inside quotes: \" \\ \n \r \t, and \xHH for any one
// byte (two hex digits). A raw control byte inside quotes is refused, tab apart.
//
// A page built on a shared frame (a file in the frames/ folder beside the pages) names it and
// gives only what differs; Frame.h expands it:
//
//   TForm6 Form6 on frame "theory.frame"
//     Caption: "Teoria 2"              <- overrides a property of the page window
//     change SpeedButton3              <- overrides properties of an element of the frame
//       Caption: "Menu"
//     in content                       <- adds elements at a place the frame names
//       TLabel Label1
//
// A frame is written like a page whose first line is "frame". Among an element's children,
// "place NAME" marks where pages add theirs; a property may be "<required>" (every page gives
// it) or "<optional>" (stored only where a page gives it, at this point of the order).
//
// Before its first element a source (page, frame or style sheet) may name style sheets and
// define styles; an element takes a style's properties with "like":
//
//   use "course.styles"                <- a sheet, beside the source or in frames/ beside it
//   style Caption like Body            <- a style, here based on one the sheet defines
//     Font.Color: clMaroon
//   TForm9 Form9 on frame "theory.frame"
//     in content
//       TLabel Label2 like Caption     <- takes the style's properties...
//         Left: 8
//         Font.Height: -16             <- ...where it gives none of its own
//
// A style is used only after it is defined. Its properties fall among the element's in the
// order the sources keep (see withStyle); parsing expands them, so every tool after the parser
// sees plain properties.
#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
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
  enum class Slot { None, Required, Optional };  // in a frame: left to the pages
  std::string path;
  SourceValue value;
  int line = 0;
  std::string file;  // where the line is, when not in the page's own source (a frame)
  Slot slot = Slot::None;
};

struct SourceElement {
  // Element: a stored element. The others occur only in frames and in pages built on them:
  // Change ("change NAME") overrides a frame element's properties, Fill ("in NAME") holds the
  // elements a page adds at a place, Place ("place NAME") marks that place in the frame.
  enum class Role { Element, Change, Fill, Place };
  Role role = Role::Element;
  std::string kind;
  std::string name;
  int line = 0;
  std::string file;       // as for SourceProperty
  std::string frame;      // root of a page: the frame it is built on, as in "theory.frame"
  bool isFrame = false;   // root of a frame file
  bool exists = false;   // "inherited": refers to an element an ancestor created
  bool isInline = false;
  int position = -1;     // "at N": position among the parent's children
  std::string style;     // "like NAME": the style its properties were expanded from
  std::vector<SourceProperty> properties;
  std::vector<SourceElement> children;
};

// Parses a source as written, without expanding a frame (see Frame.h). Picture files are looked up relative to the source's folder, then in each of
// the search folders. Throws SourceError naming the file and line.
SourceElement parseSource(const std::string& text, const std::string& fileName,
                          const std::vector<std::filesystem::path>& searchPath);

// Parses a frame: a root line "frame", places and slots allowed.
SourceElement parseFrame(const std::string& text, const std::string& fileName,
                         const std::vector<std::filesystem::path>& searchPath);

// A named style: its properties with those of the styles it is based on, in stored order.
struct SourceStyle {
  std::string name;
  std::string file;  // where it is defined; empty: in the source being parsed
  int line = 0;
  std::vector<SourceProperty> properties;
};

// Reads a style sheet: "use" lines and styles only. Throws SourceError naming the file and line.
std::vector<SourceStyle> readStyleSheet(const std::string& text, const std::string& fileName,
                                        const std::vector<std::filesystem::path>& searchPath);

// An element's own properties with a style's. An own property replaces the style's of the same
// path; the style's others go in among the own ones in the order the sources keep: Left, Top,
// Width and Height first, the handlers (On...) last, and the rest in alphabetical order of their
// paths, ignoring case. Own properties keep their order.
std::vector<SourceProperty> withStyle(const std::vector<SourceProperty>& own,
                                      const std::vector<SourceProperty>& style);

// Whether a word can stand bare in a source: a letter or underscore, then letters, digits and
// underscores, at most 255 of them. Kinds, names, path parts, identifiers and set members are.
bool isSourceName(std::string_view s);

// Writes an element tree back as source; binaries go inline as base64. Throws SourceError for
// a kind, name, path, identifier or set member that is not a source name: written as it
// stands, it could end the line and add lines of its own.
std::string writeSource(const SourceElement& root);

struct SourceError : std::runtime_error {
  SourceError(const std::string& file, int line, const std::string& what)
      : std::runtime_error(file + ":" + std::to_string(line) + ": " + what) {}
  // A fault in a frame, told with the page that uses it.
  SourceError(const std::string& frameFile, int line, const std::string& what, const std::string& pageFile,
              int pageLine)
      : std::runtime_error(frameFile + ":" + std::to_string(line) + ": " + what + " (" + sharedKind(frameFile) +
                           " used by " + pageFile +
                           (pageLine > 0 ? ":" + std::to_string(pageLine) : "") + ")") {}
  explicit SourceError(const std::string& message) : std::runtime_error(message) {}

 private:
  static std::string sharedKind(const std::string& file) {
    return file.size() >= 7 && file.compare(file.size() - 7, 7, ".styles") == 0 ? "style sheet" : "frame";
  }
};

}  // namespace apostila::tools
