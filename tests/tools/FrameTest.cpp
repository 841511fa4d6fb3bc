// Pages built on a frame: what the expansion stores and in which order, and the located errors
// of the frame syntax, of the expansion and of faults inside a frame.
#include <gtest/gtest.h>

#include <map>

#include "Compiler.h"
#include "Frame.h"
#include "PageSource.h"

namespace apostila::tools {
namespace {

// A small frame: a page window with a required caption and an optional binding, a panel with a
// place before its button, and a place after the panel.
const char* const kFrame =
    "# a frame\n"
    "frame\n"
    "  Left: 90\n"
    "  Caption: <required>\n"
    "  OnActivate: FormActivate\n"
    "  OnCreate: <optional>\n"
    "  TextHeight: 13\n"
    "  TPanel Panel1\n"
    "    Left: 8\n"
    "    Color: 14807280\n"
    "    place content\n"
    "    TSpeedButton SpeedButton3\n"
    "      Caption: \"Seguir\"\n"
    "      Font.Color: clBlue\n"
    "  place last\n";

FrameReader inMemory(std::map<std::string, std::string> frames) {
  return [frames](const std::string& name, std::string& path) -> std::optional<std::string> {
    path = "frames/" + name;
    auto it = frames.find(name);
    if (it == frames.end()) return std::nullopt;
    return it->second;
  };
}

std::vector<std::uint8_t> compilePage(const std::string& text, const std::string& frame = kFrame) {
  SourceElement root = readPage(text, "test.page", {}, inMemory({{"t.frame", frame}}));
  return Compiler("test.page").compile(root);
}

TEST(Frame, ExpandsToTheSelfContainedPageInTheFramesOrder) {
  // Overrides stay where the frame has the property, an optional slot is stored where the
  // frame puts it, a property the frame does not name comes last, added elements go at their
  // places.
  auto framed = compilePage(
      "TForm7 Form7 on frame \"t.frame\"\n"
      "  Left: 160\n"
      "  Caption: \"Teoria 3\"\n"
      "  OnCreate: FormCreate\n"
      "  Top: 130\n"
      "  change SpeedButton3\n"
      "    Caption: \"Menu\"\n"
      "    Visible: false\n"
      "  in content\n"
      "    TLabel Label1\n"
      "      Caption: \"Junção\"\n"
      "    TImage Image1\n"
      "      Left: 4\n"
      "  in last\n"
      "    TPanel Panel2\n"
      "      TLabel Label2\n");
  auto expected = compilePage(
      "TForm7 Form7\n"
      "  Left: 160\n"
      "  Caption: \"Teoria 3\"\n"
      "  OnActivate: FormActivate\n"
      "  OnCreate: FormCreate\n"
      "  TextHeight: 13\n"
      "  Top: 130\n"
      "  TPanel Panel1\n"
      "    Left: 8\n"
      "    Color: 14807280\n"
      "    TLabel Label1\n"
      "      Caption: \"Junção\"\n"
      "    TImage Image1\n"
      "      Left: 4\n"
      "    TSpeedButton SpeedButton3\n"
      "      Caption: \"Menu\"\n"
      "      Font.Color: clBlue\n"
      "      Visible: false\n"
      "  TPanel Panel2\n"
      "    TLabel Label2\n");
  EXPECT_EQ(framed, expected);

  // Left unfilled, the optional slot and the places store nothing.
  EXPECT_EQ(compilePage("TForm7 Form7 on frame \"t.frame\"\n  Caption: \"Teoria 3\"\n"),
            compilePage("TForm7 Form7\n  Left: 90\n  Caption: \"Teoria 3\"\n  OnActivate: FormActivate\n"
                        "  TextHeight: 13\n  TPanel Panel1\n    Left: 8\n    Color: 14807280\n"
                        "    TSpeedButton SpeedButton3\n      Caption: \"Seguir\"\n      Font.Color: clBlue\n"));
}

TEST(Frame, ShortFormIsWrittenBackAsItReads) {
  const std::string page =
      "TForm7 Form7 on frame \"t.frame\"\n"
      "  Caption: \"Teoria 3\"\n"
      "  change SpeedButton3\n"
      "    Caption: \"Menu\"\n"
      "  in content\n"
      "    TLabel Label1\n"
      "      Caption: \"x\"\n";
  EXPECT_EQ(writeSource(parseSource(page, "test.page", {})), page);
  SourceElement frame = parseFrame(kFrame, "t.frame", {});
  EXPECT_EQ(writeSource(parseFrame(writeSource(frame), "t.frame", {})), writeSource(frame));

  // The short form of the expanded page is the page again; a page that does not follow the
  // frame has none.
  Frame t(kFrame, "frames/t.frame", {}, "test.page", 1);
  EXPECT_EQ(writeSource(t.shorten(t.expand(parseSource(page, "test.page", {})), "t.frame")), page);
  for (const char* other : {"TForm7 Form7\n  Caption: \"T\"\n  Left: 90\n  TPanel Panel1\n    TSpeedButton SpeedButton3\n",
                            "TForm7 Form7\n  Caption: \"T\"\n  TLabel Label1\n"})
    EXPECT_THROW(t.shorten(parseSource(other, "other.page", {}), "t.frame"), std::runtime_error) << other;
}

TEST(Frame, ErrorsNameThePageAndTheFramesLine) {
  const std::string head = "TForm7 Form7 on frame \"t.frame\"\n  Caption: \"T\"\n";
  struct Case {
    std::string page;
    std::string frame;  // the default frame when empty
    std::string message;
  } cases[] = {
      // The syntax of pages on frames.
      {"TForm7 Form7 on frame \"../t.frame\"\n", "",
       "test.page:1: bad frame name '../t.frame': a file name ending in .frame, without folders"},
      {"TForm7 Form7 on frame\n", "", "test.page:1: expected a quoted string"},
      {"TForm7 Form7 on frame \"t.frame\" now\n", "", "test.page:1: unexpected text after the frame name: 'now'"},
      {"TForm7 Form7 on \"t.frame\"\n", "", "test.page:1: expected 'on frame \"NAME.frame\"'"},
      {"TForm7 Form7\n  change Panel1\n    Left: 1\n", "",
       "test.page:2: 'change' stands directly under a page built on a frame (\"on frame\")"},
      {head + "  TLabel Label1\n", "", "test.page:3: a page on a frame adds elements at a place of the frame, as in 'in content'"},
      {head + "  change Panel1\n    TLabel Label1\n", "",
       "test.page:4: 'change Panel1' holds properties only; new elements go in a place of the frame"},
      {head + "  in content\n    Left: 1\n", "", "test.page:4: 'in content' holds the elements the page adds there, not properties"},
      {head + "  in content\n", "", "test.page:3: 'in content' adds no element"},
      {head + "  in content\n    TPanel P\n      in last\n        TLabel L\n", "",
       "test.page:5: 'in' stands directly under a page built on a frame (\"on frame\")"},
      {head + "  change\n", "", "test.page:3: expected 'change NAME'"},
      {head + "  OnCreate: <optional>\n", "", "test.page:3: <optional> belongs in a frame; a page gives the value"},
      {head + "  in content\n    TPanel P\n      place more\n", "", "test.page:5: 'place' belongs in a frame"},
      {"frame\n  Left: 1\n", "", "test.page:1: this is a frame, not a page: pages name it with 'on frame'"},
      {"in content\n  TLabel L\n", "", "test.page:1: a source begins with its page: kind and name, as in \"TForm5 Form5\""},
      {head, "place content\n", "frames/t.frame:1: a frame begins with a line \"frame\" (frame used by test.page:1)"},
      // Expansion.
      {"TForm7 Form7 on frame \"none.frame\"\n", "", "test.page:1: frame 'none.frame' not found (looked for frames/none.frame)"},
      {head + "  change Label9\n    Left: 1\n", "", "test.page:3: the frame has no element Label9 to change"},
      {head + "  in nowhere\n    TLabel L\n", "", "test.page:3: the frame has no place nowhere (its places: content, last)"},
      {head + "  in content\n    TLabel L\n  in Content\n    TLabel M\n", "", "test.page:5: place Content is filled twice"},
      {head + "  change SpeedButton3\n    Left: 1\n  change speedbutton3\n    Top: 1\n", "",
       "test.page:5: speedbutton3 is changed twice; give its changes in one place"},
      {head + "  caption: \"U\"\n", "", "test.page:3: caption is given twice"},
      {"TForm7 Form7 on frame \"t.frame\"\n  Left: 1\n", "",
       "test.page:1: the page gives no Caption, which its frame asks for (frames/t.frame:4)"},
      {head, "frame\n  TPanel Panel1\n    TLabel Label1\n      Caption: <required>\n",
       "test.page:1: the page gives no Label1.Caption, which its frame asks for (frames/t.frame:4)"},
      {head + "  in content\n    TLabel SpeedButton3\n", "", "test.page:4: the frame has an element named SpeedButton3 already"},
      // Faults inside the frame.
      {head, "TForm5 Form5\n", "frames/t.frame:1: a frame begins with a line \"frame\" (frame used by test.page:1)"},
      {head, "# nothing\n", "frames/t.frame:1: the frame holds nothing: it begins with a line \"frame\" (frame used by test.page:1)"},
      {head, "frame\n  Caption: <always>\n", "frames/t.frame:2: expected <required> or <optional> (frame used by test.page:1)"},
      {head, "frame\n  place a\n    TLabel L\n", "frames/t.frame:3: a place holds nothing in the frame: the pages fill it (frame used by test.page:1)"},
      {head, "frame\n  place a\n  TPanel P\n    place A\n", "frames/t.frame:4: a second place named A (frame used by test.page:1)"},
      {head, "frame\n  change P\n", "frames/t.frame:2: 'change' stands directly under a page built on a frame (\"on frame\") (frame used by test.page:1)"},
      {head, "frame\n  Color: clPink\n", "frames/t.frame:2: Color: 'clPink' is not a known name for Color (frame used by test.page:1)"},
      {head, "frame\n  TButton B\n", "frames/t.frame:2: unknown element kind TButton (frame used by test.page:1)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.page + "--- on ---\n" + c.frame);
    try {
      compilePage(c.page, c.frame.empty() ? kFrame : c.frame);
      ADD_FAILURE() << "compiled";
    } catch (const SourceError& e) {
      EXPECT_EQ(std::string(e.what()), c.message);
    }
  }
}

TEST(Frame, UnexpandedPagesAndFramesDoNotCompile) {
  // The compiler is handed only expanded pages; anything else is a located error, not bytes.
  SourceElement page = parseSource("TForm7 Form7 on frame \"t.frame\"\n  Caption: \"T\"\n", "test.page", {});
  EXPECT_THROW(Compiler("test.page").compile(page), SourceError);
  EXPECT_THROW(Compiler("t.frame").compile(parseFrame(kFrame, "t.frame", {})), SourceError);
}

}  // namespace
}  // namespace apostila::tools
