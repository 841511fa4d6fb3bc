// Named values in page sources: {name} takes its text from the values file, {{ is a brace of
// the text, and a name the file lacks stops the compiler at the string's file and line.
#include <gtest/gtest.h>

#include <functional>

#include "ComputedValues.h"
#include "PageSource.h"
#include "SourceErrorOf.h"

namespace apostila::tools {
namespace {

const char* const kValues =
    "q17.ic\t2,4 mA\nq17.vce\t6,7 V\nhand.vbe\t0,7 V\n=q17.vce\t12 V \u2212 5,28 V = 6,72 V\n";

// Parses with a values table in force and puts the empty one back afterwards.
struct WithValues {
  explicit WithValues(const std::string& text) { ComputedValues::setCurrent(ComputedValues::parse(text, "values.txt")); }
  ~WithValues() { ComputedValues::setCurrent({}); }
};

TEST(ComputedValues, ReferencesAreReplacedAndBracesDoubledStayBraces) {
  const ComputedValues v = ComputedValues::parse(kValues, "values.txt");
  const std::pair<std::string, std::string> cases[] = {
      {"sem números", "sem números"},
      {"IC ≈ {q17.ic}", "IC ≈ 2,4 mA"},
      {"IC ≈ {q17.ic} e VCE ≈ {q17.vce}", "IC ≈ 2,4 mA e VCE ≈ 6,7 V"},
      {"{hand.vbe}", "0,7 V"},
      {"VCE = {=q17.vce}", "VCE = 12 V \u2212 5,28 V = 6,72 V"},
      {"{{q17.ic}", "{q17.ic}"},
      {"a {{b} c}", "a {b} c}"},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(v.substitute(text, "p.page", 3), expected) << text;
}

TEST(ComputedValues, ErrorsNameTheFileAndLine) {
  const ComputedValues v = ComputedValues::parse(kValues, "values.txt");
  const std::pair<std::string, std::string> cases[] = {
      {"IC ≈ {q17.ib}", "p.page:3: unknown computed value 'q17.ib'"},
      {"IC ≈ {q17.ic", "p.page:3: '{' without its '}': write {{ for a brace of the text"},
      {"{a b}", "p.page:3: bad value name '{a b}': write {{ for a brace of the text"},
      {"{}", "p.page:3: bad value name '{}': write {{ for a brace of the text"},
      {"{=}", "p.page:3: bad value name '{=}': write {{ for a brace of the text"},
      {"{=q17.ic}", "p.page:3: no worked step for 'q17.ic'"},
  };
  for (const auto& [text, message] : cases)
    EXPECT_EQ(sourceErrorOf([&] { v.substitute(text, "p.page", 3); }), message) << text;
  EXPECT_EQ(sourceErrorOf([] { ComputedValues::parse("a\t1\nb 2\n", "v.txt"); }),
            "v.txt:2: expected a name, a tab and the value's text");
  EXPECT_EQ(sourceErrorOf([] { ComputedValues::parse("a\t1\na\t2\n", "v.txt"); }), "v.txt:2: the value 'a' is given twice");
  EXPECT_EQ(sourceErrorOf([] { ComputedValues::parse("a-b\t1\n", "v.txt"); }), "v.txt:1: bad value name 'a-b'");
}

TEST(ComputedValues, SourcesSubstituteInStringsAndWriteBracesBackDoubled) {
  const WithValues values(kValues);
  const std::string source =
      "TForm81 Form81\n"
      "  TLabel L1\n"
      "    Caption: \"IC ≈ {q17.ic}\"\n"
      "      \" e VCE ≈ {q17.vce}\"\n"
      "    Hint: \"{{literal}\"\n";
  const SourceElement root = parseSource(source, "p.page", {});
  EXPECT_EQ(root.children[0].properties[0].value.text, "IC ≈ 2,4 mA e VCE ≈ 6,7 V");
  EXPECT_EQ(root.children[0].properties[1].value.text, "{literal}");
  // Written back, the brace is doubled so that the source reads as the same text again.
  const std::string written = writeSource(root);
  EXPECT_NE(written.find("\"{{literal}\""), std::string::npos) << written;
  EXPECT_EQ(parseSource(written, "again.page", {}).children[0].properties[1].value.text, "{literal}");
  // The error points at the line of the string.
  EXPECT_EQ(sourceErrorOf([] { parseSource("TForm81 Form81\n  Caption: \"x\"\n  Hint: \"{nada}\"\n", "p.page", {}); }),
            "p.page:3: unknown computed value 'nada'");
}

TEST(ComputedValues, WithoutAValuesFileEveryReferenceIsUnknown) {
  EXPECT_EQ(sourceErrorOf([] { parseSource("TForm81 Form81\n  Caption: \"{q17.ic}\"\n", "p.page", {}); }),
            "p.page:2: unknown computed value 'q17.ic'");
}

}  // namespace
}  // namespace apostila::tools
