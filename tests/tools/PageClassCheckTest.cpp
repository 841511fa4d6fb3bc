// The compiler checks a page source against the program's own page classes: a handler no class
// has, an element of the wrong kind under a member's name, or a member the handlers use but the
// source lacks each fails with the file and line, in the build-time compiler as in the tests.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "Compiler.h"
#include "PageSource.h"
#include "PageTool.h"
#include "TheoryPageSource.h"

namespace apostila::tools {
namespace {

std::string replaced(std::string text, const std::string& from, const std::string& to) {
  std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

// The compiler's message for a source, or "" when it compiles.
std::string checkMessage(const std::string& text) {
  try {
    Compiler("Form5.page", pageClassResolver()).compile(parseSource(text, "Form5.page", {}));
    return "";
  } catch (const SourceError& e) {
    return e.what();
  }
}

TEST(PageClassCheck, SourcesAreCheckedAgainstThePageClasses) {
  struct Case {
    const char* what;
    const char* from;
    const char* to;
    const char* message;  // "" when the source compiles
  } cases[] = {
      {"the template as it stands", "", "", ""},
      {"a misspelled handler", "SpeedButton3Click\n", "SpeedButon3Click\n",
       "Form5.page:5: OnClick: the page class has no handler SpeedButon3Click"},
      {"another kind of page's handler", "SpeedButton2Click\n", "BtnSairClick\n",
       "Form5.page:9: OnClick: the page class has no handler BtnSairClick"},
      {"a page event with no handler", "  TPanel", "  OnCreate: FormCreate\n  TPanel",
       "Form5.page:3: OnCreate: the page class has no handler FormCreate"},
      {"handler names in any case", "SpeedButton1Click", "speedbutton1click", ""},
      {"a member of another kind", "TSpeedButton SpeedButton1", "TLabel SpeedButton1",
       "Form5.page:6: SpeedButton1 must be a TSpeedButton"},
      {"a member the handlers use, missing", "    TSpeedButton SpeedButton2\n      OnClick: SpeedButton2Click\n", "",
       "Form5.page:1: the page class needs a TSpeedButton named SpeedButton2"},
      {"a member renamed", "TPanel Panel1", "TPanel Panel9", "Form5.page:1: the page class needs a TPanel named Panel1"},
      {"member names in any case", "TPanel Panel1", "TPanel PANEL1", ""},
      {"a content element, which needs no member", "    TSpeedButton SpeedButton3",
       "    TLabel Label1\n      Caption: \"Transistor\"\n    TSpeedButton SpeedButton3", ""},
      {"a page the course does not have", "TForm5 Form5", "TForm86 Form86", "Form5.page:1: no page class named TForm86"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string text = *c.from ? replaced(kTheoryPage, c.from, c.to) : kTheoryPage;
    EXPECT_EQ(checkMessage(text), c.message);
  }
}

// Pages of one kind share a parent table and each class adds its own rows: only question 1
// creates, only questions 17 to 20 have the circuit preview, and each information page has
// its own texts; among the theory pages, only "Teoria 19" has the hover reveal.
TEST(PageClassCheck, EachPageClassHasItsOwnRowsOverItsParent) {
  struct Case {
    const char* page;
    const char* name;
    bool handler;  // a handler's name, else a member's
    bool has;
  } cases[] = {
      {"TForm65", "FormCreate", true, true},         {"TForm66", "FormCreate", true, false},
      {"TForm84", "FormCreate", true, false},        {"TForm80", "Label7MouseEnter", true, false},
      {"TForm81", "Label7MouseEnter", true, true},   {"TForm84", "Label7MouseLeave", true, true},
      {"TForm80", "Image2", false, false},           {"TForm81", "Image2", false, true},
      {"TForm65", "BtnRespostaE", false, true},      {"TForm84", "BtnRespostaEClick", true, true},
      {"TForm1", "Label3", false, true},             {"TForm1", "Label4", false, false},
      {"TForm2", "Label7", false, true},             {"TForm3", "Label6", false, false},
      {"TForm5", "SpeedButton3Click", true, true},   {"TForm64", "Panel1", false, true},
      {"TForm23", "Label1MouseEnter", true, true},   {"TForm24", "Label1MouseEnter", true, false},
      {"TForm23", "Panel2", false, true},            {"Tformintro", "FormClose", true, true},
      {"TForm85", "FormClose", true, false},
  };
  const PageClassResolver classes = pageClassResolver();
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.page) + " " + c.name);
    const ui::PageClassInfo* page = classes(c.page);
    ASSERT_NE(page, nullptr);
    const bool found = c.handler ? page->findHandler(c.name) != nullptr : page->findMember(c.name) != nullptr;
    EXPECT_EQ(found, c.has);
  }
}

// The build compiles the course with the build-time copy of the tool: a misspelled handler
// stops it with the file and line, and no definition is written.
TEST(PageClassCheck, TheBuildTimeCompilerFailsOnAMisspelledHandler) {
  namespace fs = std::filesystem;
  const fs::path tool = fs::path(APOSTILA_BINARY_DIR) / "tools" / "apostila-pages" / "apostila-pages-boot";
  ASSERT_TRUE(fs::exists(tool));
  const fs::path dir = fs::temp_directory_path() / ("apostila-check-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const fs::path source = dir / "Form5.page", output = dir / "TFORM5";
  std::ofstream(source) << replaced(kTheoryPage, "SpeedButton1Click", "SpeedButton1Clik");

  const std::string command = tool.string() + " compile " + source.string() + " " + output.string() + " 2>&1";
  std::string printed;
  FILE* p = ::popen(command.c_str(), "r");
  ASSERT_NE(p, nullptr);
  char buffer[512];
  while (std::fgets(buffer, sizeof buffer, p)) printed += buffer;
  const int status = ::pclose(p);

  EXPECT_NE(status, 0);
  EXPECT_EQ(printed, "apostila-pages: " + source.string() + ":7: OnClick: the page class has no handler SpeedButton1Clik\n");
  EXPECT_FALSE(fs::exists(output));
  fs::remove_all(dir);
}

}  // namespace
}  // namespace apostila::tools
