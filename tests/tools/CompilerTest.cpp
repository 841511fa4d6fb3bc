// The page compiler: value codes chosen by property type, binary layouts, and errors that name
// the file and line.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "Compiler.h"
#include "Dump.h"
#include "PageSource.h"
#include "SourceErrorOf.h"
#include "Twins.h"
#include "content/Bitmap.h"
#include "content/PictureTwins.h"

namespace apostila::tools {
namespace {

std::vector<std::uint8_t> compileText(const std::string& text, const std::vector<std::filesystem::path>& search = {}) {
  SourceElement root = parseSource(text, "test.page", search);
  return Compiler("test.page").compile(root);
}

// The bytes one property line compiles to, after its name.
std::vector<std::uint8_t> valueBytes(const std::string& kind, const std::string& line) {
  std::string text = "TForm5 Form5\n";
  if (kind == "TForm")
    text += "  " + line + "\n";
  else
    text += "  " + kind + " X1\n    " + line + "\n";
  auto all = compileText(text);
  std::string path = line.substr(0, line.find(':'));
  std::string needle = std::string(1, static_cast<char>(path.size())) + path;
  auto it = std::search(all.begin(), all.end(), needle.begin(), needle.end());
  EXPECT_NE(it, all.end());
  std::vector<std::uint8_t> rest(it + static_cast<std::ptrdiff_t>(needle.size()), all.end());
  // Drop the record's end markers.
  rest.resize(rest.size() - (kind == "TForm" ? 2 : 3));
  return rest;
}

TEST(Compiler, ChoosesCodesLikeTheStoredDefinitions) {
  using B = std::vector<std::uint8_t>;
  struct Case {
    const char* kind;
    const char* line;
    B bytes;
  } cases[] = {
      {"TForm", "Left: 90", {2, 90}},
      {"TForm", "Font.Height: -11", {2, 0xF5}},
      {"TForm", "Width: 648", {3, 0x88, 0x02}},
      {"TForm", "Left: -129", {3, 0x7F, 0xFF}},
      {"TLabel", "Color: 14807280", {4, 0xF0, 0xF0, 0xE1, 0x00}},
      {"TLabel", "Color: 255", {7, 5, 'c', 'l', 'R', 'e', 'd'}},      // a named colour is an identifier
      {"TLabel", "Color: clred", {7, 5, 'c', 'l', 'R', 'e', 'd'}},
      {"TLabel", "Cursor: -21", {7, 11, 'c', 'r', 'H', 'a', 'n', 'd', 'P', 'o', 'i', 'n', 't'}},
      {"TForm", "Font.Charset: 0", {7, 12, 'A', 'N', 'S', 'I', '_', 'C', 'H', 'A', 'R', 'S', 'E', 'T'}},
      {"TLabel", "Caption: \"Sair\"", {6, 4, 'S', 'a', 'i', 'r'}},
      {"TLabel", "Caption: \"Avançar\"", {20, 8, 0, 0, 0, 'A', 'v', 'a', 'n', 0xC3, 0xA7, 'a', 'r'}},
      {"TLabel", "Caption: \"\"", {6, 0}},
      {"TLabel", "Visible: false", {8}},
      {"TLabel", "WordWrap: true", {9}},
      {"TForm", "Font.Style: []", {11, 0}},
      {"TLabel", "Font.Style: [fsbold, fsItalic]",
       {11, 6, 'f', 's', 'B', 'o', 'l', 'd', 8, 'f', 's', 'I', 't', 'a', 'l', 'i', 'c', 0}},
      {"TLabel", "Alignment: taCenter", {7, 8, 't', 'a', 'C', 'e', 'n', 't', 'e', 'r'}},
      {"TSpeedButton", "OnClick: SpeedButton1Click",
       {7, 17, 'S', 'p', 'e', 'e', 'd', 'B', 'u', 't', 't', 'o', 'n', '1', 'C', 'l', 'i', 'c', 'k'}},
      {"TForm", "TextHeight: 13", {2, 13}},
      {"TForm", "IgnoreFontProperty: true", {9}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(valueBytes(c.kind, c.line), c.bytes);
  }
  // An ASCII text too long for a short string keeps the single-byte code page.
  std::string longText(300, 'x');
  auto bytes = valueBytes("TLabel", "Caption: \"" + longText + "\"");
  EXPECT_EQ(bytes[0], 12);
  EXPECT_EQ(bytes.size(), 1u + 4u + 300u);
}

class CompilerFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() / ("apostila-compiler-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir_);
    // A 2 x 1, 24-bit bitmap.
    bmp_ = {'B', 'M', 62, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 1, 0, 24, 0,
            0, 0, 0, 0, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 255, 255, 255, 0, 0, 255, 0, 0};
    std::ofstream(dir_ / "dois.bmp", std::ios::binary).write(reinterpret_cast<const char*>(bmp_.data()), 62);
    std::ofstream(dir_ / "ruim.bmp", std::ios::binary) << "not a bitmap";
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::filesystem::path dir_;
  std::vector<std::uint8_t> bmp_;
};

TEST_F(CompilerFiles, LaysOutGlyphsAndPictures) {
  auto glyph = compileText("TForm5 Form5\n  TSpeedButton B1\n    Glyph.Data: bitmap \"dois.bmp\"\n", {dir_});
  std::vector<std::uint8_t> expected = {10, 66, 0, 0, 0, 62, 0, 0, 0};  // L = B + 4, then B
  auto at = std::search(glyph.begin(), glyph.end(), expected.begin(), expected.end());
  ASSERT_NE(at, glyph.end());
  EXPECT_TRUE(std::equal(bmp_.begin(), bmp_.end(), at + 9));

  auto picture = compileText("TForm5 Form5\n  TImage I1\n    Picture.Data: picture TBitmap \"dois.bmp\"\n", {dir_});
  expected = {10, 74, 0, 0, 0, 7, 'T', 'B', 'i', 't', 'm', 'a', 'p', 62, 0, 0, 0};  // L = 1 + 7 + 4 + B
  at = std::search(picture.begin(), picture.end(), expected.begin(), expected.end());
  ASSERT_NE(at, picture.end());
  EXPECT_TRUE(std::equal(bmp_.begin(), bmp_.end(), at + static_cast<std::ptrdiff_t>(expected.size())));
}

// The compiler lists the pictures a page takes from files; the packer finds each one's twin of the
// same name and stores a picture shown twice once.
TEST_F(CompilerFiles, PicturesAreListedAndTheirTwinsPacked) {
  const SourceElement page = parseSource(
      "TForm5 Form5\n  TImage I1\n    Picture.Data: picture TBitmap \"dois.bmp\"\n  TPanel P1\n"
      "    TImage I2\n      Picture.Data: picture TBitmap \"dois.bmp\"\n",
      (dir_ / "test.page").string(), {dir_});
  const std::string list = pictureList(page);
  EXPECT_EQ(list, "TForm5\tI1\tdois.bmp\nTForm5\tI2\tdois.bmp\n");
  std::filesystem::create_directories(dir_ / "2x");
  std::ofstream(dir_ / "2x" / "dois.bmp", std::ios::binary).write(reinterpret_cast<const char*>(bmp_.data()), 62);
  std::ofstream(dir_ / "2x" / "ruim.bmp") << "not a picture";
  std::ofstream(dir_ / "Form5.pictures") << list;
  const auto described = dir_ / "descriptions.txt";
  std::ofstream(described) << "dois.bmp\tDois pontos, um branco e um vermelho\n";
  const std::vector<std::uint8_t> packed = packTwins(dir_ / "2x", described, {dir_ / "Form5.pictures"});
  const content::PictureTwins twins(packed);
  EXPECT_EQ(twins.size(), 2u);
  // Stored as the screen draws it, a word a pixel top row first: the same pixels.
  const auto twin = twins.find("TForm5", "I2");
  ASSERT_TRUE(twin);
  const content::Bitmap stored = content::Bitmap::decode(*twin), drawn = content::Bitmap::decode(bmp_);
  EXPECT_EQ(stored.header().bitCount, 32);
  EXPECT_LT(stored.header().height, 0);
  ASSERT_EQ(stored.width(), drawn.width());
  ASSERT_EQ(stored.height(), drawn.height());
  for (int y = 0; y < drawn.height(); ++y)
    for (int x = 0; x < drawn.width(); ++x) EXPECT_EQ(stored.pixel(x, y), drawn.pixel(x, y)) << x << ", " << y;
  EXPECT_EQ(twins.description("TForm5", "I1"), "Dois pontos, um branco e um vermelho");
  const std::string lists = (dir_ / "bad.pictures").string();
  for (const auto& [text, message] : std::vector<std::pair<std::string, std::string>>{
           {"TForm5\tI1\n", lists + ":1: expected a page class, an element and a picture file, tab-separated"},
           {"TForm5\tI1\tdois.bmp\tmais\n", lists + ":1: expected a page class, an element and a picture file, tab-separated"},
           {"TForm5\tI1\tdois.bmp\nTForm5\tI3\tfalta.bmp\n",
            lists + ":2: the picture falta.bmp has no twin in " + (dir_ / "2x").string()},
           {"TForm5\tI1\truim.bmp\n", lists + ":1: the twin of ruim.bmp is not a picture: Bitmap image is not valid"}}) {
    std::ofstream(lists) << text;
    EXPECT_EQ(sourceErrorOf([&] { packTwins(dir_ / "2x", described, {lists}); }), message) << text;
  }
  for (const auto& [text, message] : std::vector<std::pair<std::string, std::string>>{
           {"dois.bmp\n", described.string() + ":1: expected a picture file and its description, tab-separated"},
           {"dois.bmp\t\n", described.string() + ":1: expected a picture file and its description, tab-separated"},
           {"dois.bmp\tum\ndois.bmp\tdois\n", described.string() + ":2: a second description of dois.bmp"}}) {
    std::ofstream(described) << text;
    EXPECT_EQ(sourceErrorOf([&] { packTwins(dir_ / "2x", described, {dir_ / "Form5.pictures"}); }), message) << text;
  }
}

TEST_F(CompilerFiles, ErrorsNameTheFileAndLine) {
  struct Case {
    std::string text;
    std::string message;
  } cases[] = {
      {"", "test.page:1: the source holds no element"},
      {"TForm5 Form5\n  Colour: clRed\n", "test.page:2: TForm has no property Colour"},
      {"TForm5 Form5\n  Caption: 12\n", "test.page:2: Caption: expected a quoted string, not an integer"},
      {"TForm5 Form5\n  Color: clPink\n", "test.page:2: Color: 'clPink' is not a known name for Color"},
      {"TForm5 Form5\n  Font.Style: [fsShadow]\n", "test.page:2: Font.Style: 'fsShadow' is not a member of TFontStyle"},
      {"TForm5 Form5\n  Caption.Text: \"x\"\n", "test.page:2: Caption of TForm is not an object with properties of its own"},
      {"TForm5 Form5\n  Caption: \"sem fim\n", "test.page:2: the string has no closing quote"},
      {"TForm5 Form5\n  Left: 12x\n", "test.page:2: unexpected text after the value: 'x'"},
      {"TForm5 Form5\n  Left: 1-2\n", "test.page:2: bad number '1-2'"},
      {"TForm5 Form5\n  TButton B1\n", "test.page:2: unknown element kind TButton"},
      {"TForm5 Form5\n  TLabel L1\n  TLabel l1\n", "test.page:3: a second element named l1"},
      {"TForm5 Form5\n  TImage I1\n    Picture.Data: picture TBitmap \"falta.bmp\"\n",
       "test.page:3: picture file 'falta.bmp' not found"},
      {"TForm5 Form5\n  TImage I1\n    Picture.Data: picture TBitmap \"ruim.bmp\"\n",
       "test.page:3: Picture.Data: 'ruim.bmp' is not a usable BMP file: it does not begin with \"BM\""},
      {"TForm5 Form5\n  TSpeedButton B1\n    Glyph.Width: 3\n", "test.page:3: Glyph.Width: Width is read-only"},
      {"TForm5 Form5\n\tLeft: 1\n", "test.page:2: tabs are not allowed for indentation; use spaces"},
      {"TForm5 Form5\n  TLabel L1\n  Left: 1\n", "test.page:3: properties come before the child elements"},
      {"TForm5 Form5\n    Left: 1\n  Top: 1\n", "test.page:3: unexpected indentation"},
      {"TForm5 Form5\nTForm6 Form6\n", "test.page:2: only one top-level element is allowed"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    try {
      compileText(c.text, {dir_});
      ADD_FAILURE() << "compiled";
    } catch (const SourceError& e) {
      EXPECT_EQ(std::string(e.what()), c.message);
    }
  }
}

TEST(PageSource, LongStringsContinueOnIndentedLines) {
  auto a = compileText("TForm5 Form5\n  Caption: \"Teoria\"\n    \" 1\"\n  Top: 30\n");
  auto b = compileText("TForm5 Form5\n  Caption: \"Teoria 1\"\n  Top: 30\n");
  EXPECT_EQ(a, b);
}

// The bytes of a caption as the compiler stores it.
std::vector<std::uint8_t> captionBytes(const std::string& text) {
  std::vector<std::uint8_t> v = {6, static_cast<std::uint8_t>(text.size())};
  for (char c : text) v.push_back(static_cast<std::uint8_t>(c));
  return v;
}

TEST(PageSource, ControlBytesInStringsAreRefusedWhereTheyStandAndWrittenAsHexEscapes) {
  // Every byte a string may not hold raw: refused with its line and its column in characters
  // (the non-ASCII letters before it count once each); written as \xHH it compiles, and dump
  // writes it so again.
  std::vector<int> controls;
  for (int b = 0; b < 0x20; ++b)
    if (b != '\t' && b != '\n' && b != '\r') controls.push_back(b);
  controls.push_back(0x7F);
  for (int b : controls) {
    char hex[8], message[64];
    std::snprintf(hex, sizeof hex, "\\x%02X", b);
    std::snprintf(message, sizeof message, "test.page:2: control byte 0x%02X at column 17", b);
    SCOPED_TRACE(hex);
    try {
      compileText("TForm5 Form5\n  Caption: \"ação" + std::string(1, static_cast<char>(b)) + "\"\n");
      ADD_FAILURE() << "compiled";
    } catch (const SourceError& e) {
      EXPECT_STREQ(e.what(), message);
    }
    auto def = compileText("TForm5 Form5\n  Caption: \"a" + std::string(hex) + "b\"\n");
    EXPECT_EQ(valueBytes("TForm", "Caption: \"a" + std::string(hex) + "b\""), captionBytes({'a', static_cast<char>(b), 'b'}));
    const std::string source = dumpSource(def);
    EXPECT_NE(source.find("Caption: \"a" + std::string(hex) + "b\""), std::string::npos) << source;
    EXPECT_EQ(Compiler("dump.page").compile(parseSource(source, "dump.page", {})), def);
  }

  struct Case {
    std::string line;     // the caption's line, or lines
    std::string outcome;  // the caption's text, or the message
    bool refused;
  } cases[] = {
      {"Caption: \"abc" + std::string(3, '\0') + "def\"", "test.page:2: control byte 0x00 at column 16", true},
      {"Caption: \"abc\\x00\\x00\\x00def\"", std::string("abc\0\0\0def", 9), false},
      {"Caption: \"a\"\n    \"b\x01\"", "test.page:3: control byte 0x01 at column 7", true},
      {"Caption: \"\\\x1B\"", "test.page:2: control byte 0x1B at column 14", true},  // escaped, still raw
      {"Caption: \"\\x1\"", "test.page:2: the escape \\x takes two hex digits, as in \\x1B", true},
      {"Caption: \"\\xg0\"", "test.page:2: the escape \\x takes two hex digits, as in \\x1B", true},
      {"Caption: \"\\x", "test.page:2: the escape \\x takes two hex digits, as in \\x1B", true},
      {"Caption: \"\\0\"", "test.page:2: unknown escape \\0", true},
      {"Caption: \"a\tb\"", "a\tb", false},                           // a raw tab is text
      {"Caption: \"\\x41\\x7e\\x7F\"", "A~\x7F", false},             // either case of digit
      {"Caption: \"\\t\\n\\r\\\"\\\\\"", "\t\n\r\"\\", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    try {
      auto def = compileText("TForm5 Form5\n  " + c.line + "\n");
      EXPECT_FALSE(c.refused) << "compiled";
      if (c.refused) continue;
      std::vector<std::uint8_t> expected = captionBytes(c.outcome);
      EXPECT_NE(std::search(def.begin(), def.end(), expected.begin(), expected.end()), def.end());
      EXPECT_EQ(Compiler("dump.page").compile(parseSource(dumpSource(def), "dump.page", {})), def);
    } catch (const SourceError& e) {
      EXPECT_TRUE(c.refused) << e.what();
      if (c.refused) {
        EXPECT_EQ(std::string(e.what()), c.outcome);
      }
    }
  }
}

TEST(Dump, CompilesBackToTheSameBytesEvenForCodesThePagesNeverUse) {
  // Values a hand-made definition may hold: a wide integer code for a small value, an ASCII
  // caption in UTF-8, a colour as a number although it has a name, an unknown kind.
  std::vector<std::uint8_t> def = {'T', 'P', 'F', '0', 6, 'T', 'F', 'o', 'r', 'm', '5', 5, 'F', 'o', 'r', 'm', '5',
                                   4, 'L', 'e', 'f', 't', 4, 90, 0, 0, 0,
                                   7, 'C', 'a', 'p', 't', 'i', 'o', 'n', 20, 2, 0, 0, 0, 'O', 'k',
                                   5, 'C', 'o', 'l', 'o', 'r', 2, 0,
                                   0,
                                   0xF2, 2, 1, 6, 'T', 'L', 'a', 'b', 'e', 'l', 2, 'L', '1', 0, 0,
                                   7, 'T', 'W', 'i', 'd', 'g', 'e', 't', 2, 'W', '1', 3, 'T', 'a', 'g', 2, 5, 0, 0,
                                   0};
  std::string source = dumpSource(def);
  SourceElement root = parseSource(source, "dump.page", {});
  // The unknown kind cannot compile; everything else round-trips exactly.
  root.children.pop_back();
  auto again = Compiler("dump.page").compile(root);
  std::vector<std::uint8_t> expected(def.begin(), def.end() - 20);  // without the TWidget record
  expected.push_back(0);
  EXPECT_EQ(again, expected) << source;
  EXPECT_NE(source.find("TLabel L1 at 1"), std::string::npos) << source;
}

TEST(Dump, RefusesWhatWouldNotCompileBackToTheSameBytes) {
  // A page holding one label, its record opened by the given prefix.
  auto withPrefix = [](std::vector<std::uint8_t> prefix) {
    std::vector<std::uint8_t> def = {'T', 'P', 'F', '0', 6, 'T', 'F', 'o', 'r', 'm', '5', 5, 'F', 'o', 'r', 'm', '5', 0};
    def.insert(def.end(), prefix.begin(), prefix.end());
    const std::vector<std::uint8_t> label = {6, 'T', 'L', 'a', 'b', 'e', 'l', 2, 'L', '1', 0, 0, 0};
    def.insert(def.end(), label.begin(), label.end());
    return def;
  };
  struct Case {
    std::vector<std::uint8_t> prefix;
    const char* refusal;  // null: dumped, and compiled back to the same bytes
  } cases[] = {
      {{0xF2, 2, 1}, nullptr},
      {{0xF4}, nullptr},
      {{0xF8}, "the prefix of element 'L1' has a flag the source has no word for; it cannot be written as source"},
      {{0xF0}, "the prefix of element 'L1' has no flag; it cannot be written as source"},
      {{0xF2, 2, 0xFF}, "the prefix of element 'L1' has a negative position; it cannot be written as source"},
      {{0xF2, 3, 1, 0}, "the prefix of element 'L1' has a position in a wider integer code than it needs; it cannot be "
                        "written as source"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.prefix.size());
    const auto def = withPrefix(c.prefix);
    EXPECT_NE(dumpJson(def).find("\"name\": \"L1\""), std::string::npos);  // the tree as it is, whatever the prefix
    try {
      const std::string source = dumpSource(def);
      EXPECT_EQ(c.refusal, nullptr) << source;
      EXPECT_EQ(Compiler("dump.page").compile(parseSource(source, "dump.page", {})), def) << source;
    } catch (const SourceError& e) {
      EXPECT_STREQ(e.what(), c.refusal ? c.refusal : "");
    }
  }
  // An identifier spelled like a value of its own stays raw: bare, it would read as that value.
  std::vector<std::uint8_t> def = {'T', 'P', 'F', '0', 6, 'T', 'F', 'o', 'r', 'm', '5', 5, 'F', 'o', 'r', 'm', '5',
                                   10, 'O', 'n', 'A', 'c', 't', 'i', 'v', 'a', 't', 'e', 7, 3, 'n', 'i', 'l', 0, 0};
  const std::string source = dumpSource(def);
  EXPECT_EQ(source.find("OnActivate: nil"), std::string::npos) << source;
  EXPECT_NE(source.find("OnActivate: raw base64"), std::string::npos) << source;
}

TEST(Dump, ReportsWhereADefinitionIsBroken) {
  std::vector<std::uint8_t> def = {'T', 'P', 'F', '0', 6, 'T', 'F', 'o', 'r', 'm', '5', 5, 'F', 'o', 'r', 'm', '5',
                                   4, 'L', 'e', 'f', 't', 4, 90};
  try {
    dumpSource(def);
    FAIL();
  } catch (const std::exception& e) {
    EXPECT_STREQ(e.what(), "Stream read error (at byte 23)");
  }
}

}  // namespace
}  // namespace apostila::tools
