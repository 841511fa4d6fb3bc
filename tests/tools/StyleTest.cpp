// Named styles in page sources: how a style's properties fall among an element's own, sheets
// found beside a source and used by frames, the located errors, and the rewrite of sources
// onto a sheet.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>

#include "Commands.h"
#include "Compiler.h"
#include "Frame.h"
#include "PageSource.h"
#include "SourceErrorOf.h"
#include "Restyle.h"

namespace apostila::tools {
namespace {

namespace fs = std::filesystem;

// A folder of sources on disk, as sheets are looked up beside a source.
class Folder {
 public:
  Folder() : dir_(fs::temp_directory_path() / ("apostila-styles-" + std::to_string(::getpid()) + "-" +
                                               std::to_string(counter_++))) {
    fs::create_directories(dir_ / "frames");
  }
  ~Folder() { fs::remove_all(dir_); }
  std::string write(const std::string& name, const std::string& text) const {
    std::ofstream(dir_ / name, std::ios::binary) << text;
    return (dir_ / name).string();
  }
  std::string read(const std::string& name) const {
    std::ifstream in(dir_ / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  std::string path(const std::string& name) const { return (dir_ / name).string(); }

 private:
  static inline int counter_ = 0;
  fs::path dir_;
};

std::string plain(const std::string& text, const std::string& file = "test.page") {
  return writeSource(parseSource(text, file, {}));
}

TEST(Style, PropertiesFallAmongTheElementsInStoredOrder) {
  // The style's properties go where the sources keep them: after the geometry, in alphabetical
  // order among the element's own, before its handlers; an own property replaces the style's in
  // the element's place; a style based on another adds to it and overrides it the same way.
  const std::string styled =
      "style Face\n"
      "  Font.Name: \"Verdana\"\n"
      "  Font.Style: [fsBold]\n"
      "  ParentFont: false\n"
      "  Left: 1\n"
      "style Body like Face\n"
      "  AutoSize: false\n"
      "  Font.Color: clBlue\n"
      "  WordWrap: true\n"
      "TForm5 Form5\n"
      "  TLabel Label1 like Body\n"
      "    Left: 8\n"
      "    Top: 40\n"
      "    Caption: \"x\"\n"
      "    Font.Color: clRed\n"
      "    Transparent: true\n"
      "    OnClick: Label1Click\n"
      "  TLabel Label2 like face\n";
  EXPECT_EQ(plain(styled),
            "TForm5 Form5\n"
            "  TLabel Label1\n"
            "    Left: 8\n"
            "    Top: 40\n"
            "    AutoSize: false\n"
            "    Caption: \"x\"\n"
            "    Font.Color: clRed\n"
            "    Font.Name: \"Verdana\"\n"
            "    Font.Style: [fsBold]\n"
            "    ParentFont: false\n"
            "    Transparent: true\n"
            "    WordWrap: true\n"
            "    OnClick: Label1Click\n"
            "  TLabel Label2\n"
            "    Left: 1\n"
            "    Font.Name: \"Verdana\"\n"
            "    Font.Style: [fsBold]\n"
            "    ParentFont: false\n");
}

TEST(Style, SheetsAreFoundBesideTheSourceAndServeFramesToo) {
  Folder f;
  f.write("frames/base.styles", "style Face\n  Font.Name: \"Verdana\"\n  ParentFont: false\n");
  f.write("frames/course.styles",
          "# the course's styles\nuse \"base.styles\"\nstyle Body like Face\n  Font.Color: clBlue\n");
  f.write("frames/t.frame",
          "use \"course.styles\"\nframe\n  Caption: <required>\n  TPanel Panel1\n    place content\n"
          "    TSpeedButton SpeedButton3 like Face\n      Caption: \"Seguir\"\n");
  // Two sheets that both use a third read it once: its styles are not defined twice.
  f.write("frames/other.styles", "use \"base.styles\"\nstyle Note like Face\n  Font.Color: clRed\n");
  const std::string page = f.write("Form7.page",
                                   "use \"course.styles\"\nuse \"other.styles\"\n"
                                   "TForm7 Form7 on frame \"t.frame\"\n  Caption: \"T\"\n  in content\n"
                                   "    TLabel Label1 like Body\n      Caption: \"a\"\n"
                                   "    TLabel Label2 like Note\n");
  SourceElement root = readPage(f.read("Form7.page"), page, {}, framesBeside(page));
  EXPECT_EQ(writeSource(root),
            "TForm7 Form7\n  Caption: \"T\"\n  TPanel Panel1\n"
            "    TLabel Label1\n      Caption: \"a\"\n      Font.Color: clBlue\n      Font.Name: \"Verdana\"\n"
            "      ParentFont: false\n"
            "    TLabel Label2\n      Font.Color: clRed\n      Font.Name: \"Verdana\"\n      ParentFont: false\n"
            "    TSpeedButton SpeedButton3\n      Caption: \"Seguir\"\n      Font.Name: \"Verdana\"\n"
            "      ParentFont: false\n");

  // A bad value in a sheet is told at the sheet's line, with the page it was compiled for.
  f.write("frames/course.styles", "style Body\n  Font.Color: clBlu\n");
  f.write("Form8.page", "use \"course.styles\"\nTForm8 Form8\n  TLabel Label1 like Body\n");
  const std::string message = sourceErrorOf([&] {
    Compiler(f.path("Form8.page")).compile(parseSource(f.read("Form8.page"), f.path("Form8.page"), {}));
  });
  EXPECT_EQ(message.rfind(f.path("frames/course.styles") + ":2: Font.Color: 'clBlu'", 0), 0u) << message;
  EXPECT_NE(message.find("(style sheet used by " + f.path("Form8.page") + ":2)"), std::string::npos) << message;
}

TEST(Style, FaultsAreToldAtTheirLine) {
  const std::map<std::string, std::string> cases = {
      {"TForm5 Form5 like Body\n", "p.page:1: no style named Body"},
      {"style A like B\n  Color: clRed\nstyle B\n  Color: clRed\nTForm5 Form5\n",
       "p.page:1: style B is used before it is defined (line 3)"},
      {"TForm5 Form5 like B\nstyle B\n  Color: clRed\n", "p.page:1: style B is used before it is defined (line 2)"},
      {"style A like a\n  Color: clRed\nTForm5 Form5\n", "p.page:1: style A is based on itself, a cycle"},
      {"style A\n  Color: clRed\nstyle A\n  Color: clRed\nTForm5 Form5\n",
       "p.page:3: style A is defined twice (p.page:1 and p.page:3)"},
      {"style A\nTForm5 Form5\n", "p.page:1: style A gives no property"},
      {"style A\n  Color: clRed\n  color: clRed\nTForm5 Form5\n", "p.page:3: style A gives color twice"},
      {"style A\n  TLabel Label1\nTForm5 Form5\n", "p.page:2: a style holds properties only"},
      {"style A\n  Caption: <required>\nTForm5 Form5\n",
       "p.page:2: <required> belongs in a frame; a page gives the value"},
      {"style A like\n  Color: clRed\nTForm5 Form5\n", "p.page:1: expected 'style NAME' or 'style NAME like STYLE'"},
      {"TForm5 Form5 like A like B\n", "p.page:1: 'like' needs the name of one style, as in 'like Body'"},
      {"TForm5 Form5\nstyle A\n  Color: clRed\n", "p.page:2: styles and style sheets come before the first element"},
      {"use \"../x.styles\"\nTForm5 Form5\n",
       "p.page:1: bad style sheet name '../x.styles': a file name ending in .styles, without folders"},
      {"use \"nada.styles\"\nTForm5 Form5\n",
       "p.page:1: style sheet 'nada.styles' not found (looked in . and in frames/ there)"},
      {"style A\n  Color: clRed\n", "p.page:2: the source holds no element"},
  };
  for (const auto& [source, message] : cases) EXPECT_EQ(sourceErrorOf([&] { parseSource(source, "p.page", {}); }), message) << source;

  // Sheets that use each other: the line that closes the cycle.
  Folder f;
  f.write("a.styles", "use \"b.styles\"\n");
  const std::string b = f.write("b.styles", "style B\n  Color: clRed\nuse \"a.styles\"\n");
  f.write("p.page", "use \"a.styles\"\nTForm5 Form5\n");
  const std::string message = sourceErrorOf([&] { parseSource(f.read("p.page"), f.path("p.page"), {}); });
  EXPECT_EQ(message.rfind(b + ":3: style sheets use each other in a cycle: a.styles -> b.styles -> a.styles", 0), 0u) << message;
  EXPECT_EQ(sourceErrorOf([&] { readStyleSheet("TLabel Label1\n", f.path("s.styles"), {}); }),
            f.path("s.styles") + ":1: a style sheet holds only 'use' lines and styles");
}

TEST(Style, RestyleSparesLinesAndGivesTheSamePage) {
  Folder f;
  f.write("frames/course.styles",
          "style Face\n  Font.Name: \"Verdana\"\n  ParentFont: false\n"
          "style Body like Face\n  AutoSize: false\n  Font.Color: clBlue\n  WordWrap: true\n");
  // Label1 fits Body and keeps its own colour; Label2 lacks WordWrap, so only Face fits it; the
  // caption split over two lines and the comments stay as written; Label3 has too little in
  // common with any style.
  const std::string source =
      "# Teoria.\n"
      "TForm5 Form5\n"
      "  TLabel Label1\n"
      "    Left: 8\n"
      "    AutoSize: false\n"
      "    Caption: \"um \"\n"
      "        \"dois\"\n"
      "    # a note\n"
      "    Font.Color: clRed\n"
      "    Font.Name: \"Verdana\"\n"
      "    ParentFont: false\n"
      "    WordWrap: true\n"
      "  TLabel Label2\n"
      "    AutoSize: false\n"
      "    Font.Name: \"Verdana\"\n"
      "    ParentFont: false\n"
      "  TLabel Label3\n"
      "    Font.Name: \"Verdana\"\n";
  const std::string page = f.write("Form5.page", source);
  const RestyleResult r = restyleSource(source, page, "course.styles", {});
  EXPECT_EQ(r.text,
            "# Teoria.\n"
            "use \"course.styles\"\n"
            "TForm5 Form5\n"
            "  TLabel Label1 like Body\n"
            "    Left: 8\n"
            "    Caption: \"um \"\n"
            "        \"dois\"\n"
            "    # a note\n"
            "    Font.Color: clRed\n"
            "  TLabel Label2 like Face\n"
            "    AutoSize: false\n"
            "  TLabel Label3\n"
            "    Font.Name: \"Verdana\"\n");
  EXPECT_EQ(r.elements, 2);
  EXPECT_EQ(r.linesSaved, 5);
  EXPECT_EQ(plain(r.text, page), plain(source, page));
  // Run again on its own output, it finds nothing more to do.
  EXPECT_EQ(restyleSource(r.text, page, "course.styles", {}).elements, 0);

  // The command rewrites the file in place and says what it spared; a source it cannot read
  // stops it with the source's line, and the file stays as it was.
  std::ostringstream out, err;
  EXPECT_EQ(runTool({"restyle", f.path("frames/course.styles"), page}, out, err), 0) << err.str();
  EXPECT_EQ(f.read("Form5.page"), r.text);
  EXPECT_EQ(out.str(), page + ": 2 elements on styles, 5 lines fewer\n2 elements on styles, 5 lines fewer in all\n");
  const std::string broken = f.write("Form6.page", "TForm6 Form6\n  Font.Name: \"Verdana\"\n  ParentFont: x y\n");
  EXPECT_EQ(runTool({"restyle", f.path("frames/course.styles"), broken}, out, err), 1);
  EXPECT_NE(err.str().find("Form6.page:3: unexpected text after the value"), std::string::npos) << err.str();
  EXPECT_EQ(f.read("Form6.page"), "TForm6 Form6\n  Font.Name: \"Verdana\"\n  ParentFont: x y\n");
  EXPECT_EQ(runTool({"restyle", f.path("frames/course.styles")}, out, err), 2);
}

}  // namespace
}  // namespace apostila::tools
