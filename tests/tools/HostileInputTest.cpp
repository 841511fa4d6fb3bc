// The tool as a hostile course author meets it: outputs that would replace an input or follow a
// planted link, sources the program's reader would refuse, pictures that are not pictures,
// definitions whose names would inject source lines. Every case fails with one printable,
// located message that says why (or succeeds where it should), and leaves no stray file.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "Commands.h"
#include "Printable.h"
#include "TheoryPageSource.h"
#include "content/ValueReader.h"

namespace apostila::tools {
namespace {

namespace fs = std::filesystem;

const std::string& kPage = kTheoryPage;

std::string withPicture(const std::string& file) {
  return kPage + "  TImage Image1\n    Picture.Data: picture TBitmap \"" + file + "\"\n";  // line 11
}

std::vector<std::uint8_t> bmp(std::int32_t width, std::int32_t height, int bits, int compression, int pixelBytes) {
  std::vector<std::uint8_t> f(54 + static_cast<std::size_t>(pixelBytes), 0);
  auto put = [&](std::size_t at, std::uint32_t v, int n) {
    for (int i = 0; i < n; ++i) f[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
  };
  f[0] = 'B', f[1] = 'M';
  put(2, static_cast<std::uint32_t>(f.size()), 4);
  put(10, 54, 4);
  put(14, 40, 4);
  put(18, static_cast<std::uint32_t>(width), 4);
  put(22, static_cast<std::uint32_t>(height), 4);
  put(26, 1, 2);
  put(28, static_cast<std::uint32_t>(bits), 2);
  put(30, static_cast<std::uint32_t>(compression), 4);
  return f;
}

// A definition whose one element has the given class and name, as stored bytes.
std::string definitionWith(const std::string& cls, const std::string& name) {
  std::string d = "TPF0";
  auto shortString = [&](const std::string& s) { d += static_cast<char>(s.size()) + s; };
  shortString("TForm5");
  shortString("Form5");
  d += '\0';
  shortString(cls);
  shortString(name);
  d += std::string(3, '\0');
  return d;
}

class Workspace {
 public:
  explicit Workspace(const fs::path& dir) : dir_(dir) { fs::create_directories(dir); }
  void file(const std::string& name, const std::string& bytes) const {
    std::ofstream(dir_ / name, std::ios::binary) << bytes;
  }
  void file(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
    file(name, std::string(bytes.begin(), bytes.end()));
  }
  void link(const std::string& name, const std::string& target) const { fs::create_symlink(target, dir_ / name); }
  std::string read(const std::string& name) const {
    std::ifstream in(dir_ / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  std::set<std::string> names() const {
    std::set<std::string> out;
    for (const auto& e : fs::directory_iterator(dir_)) out.insert(e.path().filename().string());
    return out;
  }
  const fs::path& dir() const { return dir_; }

 private:
  fs::path dir_;
};

struct Case {
  const char* what;
  std::function<void(const Workspace&)> prepare;
  std::vector<std::string> args;  // "@" stands for the case's folder
  int status;
  std::string message;             // what the one line on the error stream says, after the tool's name
  std::set<std::string> left;      // every name in the folder afterwards
  std::function<void(const Workspace&, const std::string& out)> check = nullptr;
};

class HostileInput : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("apostila-hostile-" + std::to_string(::getpid()));
    fs::remove_all(root_);
  }
  void TearDown() override { fs::remove_all(root_); }

  void run(const std::vector<Case>& cases) {
    int n = 0;
    for (const Case& c : cases) {
      SCOPED_TRACE(c.what);
      Workspace w(root_ / std::to_string(++n));
      c.prepare(w);
      std::vector<std::string> args;
      for (std::string a : c.args) {
        if (std::size_t at = a.find('@'); at != std::string::npos) a.replace(at, 1, w.dir().string());
        args.push_back(a);
      }
      std::ostringstream out, err;
      EXPECT_EQ(runTool(args, out, err), c.status);
      std::string expected = c.message.empty() ? "" : "apostila-pages: " + c.message + "\n";
      std::string folder = w.dir().string();
      for (std::size_t at; (at = expected.find('@')) != std::string::npos;) expected.replace(at, 1, folder);
      EXPECT_EQ(err.str(), expected);
      EXPECT_EQ(printable(err.str().empty() ? "" : err.str().substr(0, err.str().size() - 1)),
                err.str().empty() ? "" : err.str().substr(0, err.str().size() - 1));
      EXPECT_EQ(w.names(), c.left);
      if (c.check) c.check(w, out.str());
    }
  }

  fs::path root_;
};

TEST_F(HostileInput, OutputsNeverReplaceAnInputNorFollowAPlantedLink) {
  auto page = [](const Workspace& w) { w.file("page.page", kPage); };
  auto unchanged = [](const Workspace& w, const std::string&) { EXPECT_EQ(w.read("page.page"), kPage); };
  run({
      {"a compile over its own source", page, {"compile", "@/page.page", "@/page.page"}, 1,
       "@/page.page is an input of this command; write the output to another file", {"page.page"}, unchanged},
      {"an output that is a link to the source",
       [&](const Workspace& w) { page(w), w.link("out.def", "page.page"); },
       {"compile", "@/page.page", "@/out.def"}, 1,
       "@/out.def is an input of this command; write the output to another file", {"page.page", "out.def"}, unchanged},
      {"links planted where a fixed temporary name would be",
       [&](const Workspace& w) {
         page(w), w.file("precious", "keep"), w.link("out.def.tmp", "precious"), w.link(".out.def.tmp", "precious");
       },
       {"compile", "@/page.page", "@/out.def"}, 0, "", {"page.page", "precious", "out.def.tmp", ".out.def.tmp", "out.def"},
       [](const Workspace& w, const std::string&) {
         EXPECT_EQ(w.read("precious"), "keep");
         EXPECT_EQ(w.read("out.def").substr(0, 4), "TPF0");
       }},
      {"an output that is a folder", [&](const Workspace& w) { page(w), fs::create_directory(w.dir() / "out.def"); },
       {"compile", "@/page.page", "@/out.def"}, 1, "@/out.def is a folder, not a file", {"page.page", "out.def"}},
      {"a failed compile removes the definition an earlier one left",
       [](const Workspace& w) { w.file("bad.page", "TForm5 Form5\n  Left: x1\n"), w.file("out.def", "TPF0old"); },
       {"compile", "@/bad.page", "@/out.def"}, 1,
       "@/bad.page:2: Left: expected an integer", {"bad.page"}},
      {"but keeps a file that is not a definition",
       [](const Workspace& w) { w.file("bad.page", "TForm5 Form5\n"), w.file("notes", "mine"); },
       {"compile", "@/bad.page", "@/notes"}, 1, "@/bad.page:1: the page class needs a TPanel named Panel1",
       {"bad.page", "notes"}},
      {"a source that is a folder", [](const Workspace& w) { fs::create_directory(w.dir() / "src"); },
       {"compile", "@/src", "@/out.def"}, 1, "@/src is a folder, not a file", {"src"}},
      {"a source that is a FIFO", [](const Workspace& w) { ::mkfifo((w.dir() / "fifo").c_str(), 0600); },
       {"compile", "@/fifo", "@/out.def"}, 1, "@/fifo is not a regular file (a device, pipe or socket)", {"fifo"}},
      {"a definition that is a device", [](const Workspace&) {}, {"dump", "/dev/zero"}, 1,
       "/dev/zero is not a regular file (a device, pipe or socket)", {}},
  });
}

TEST_F(HostileInput, CompileRefusesWhatTheProgramsReaderWouldWithTheSourceLine) {
  std::string deep = kPage;
  for (int i = 0; i < 3000; ++i) deep += std::string(static_cast<std::size_t>(2 * i + 2), ' ') + "TPanel P" + std::to_string(i) + "\n";
  auto source = [](std::string text) { return [text](const Workspace& w) { w.file("page.page", text); }; };
  const std::vector<std::string> args = {"compile", "@/page.page", "@/out.def"};
  run({
      {"3,000 nested elements", source(deep), args, 1,
       "@/page.page:42: elements nest deeper than the program reads (32 levels below the page)", {"page.page"}},
      {"a label holding elements", source(kPage + "  TLabel Label1\n    TLabel Label2\n"), args, 1,
       "@/page.page:11: the program would refuse this page: Element Label1 cannot hold elements", {"page.page"}},
      {"a handler of the wrong signature",
       source("TForm5 Form5\n  OnClose: FormActivate\n" + kPage.substr(kPage.find('\n') + 1)), args, 1,
       "@/page.page:2: the program would refuse this page: Error reading Form5.OnClose: Invalid property value",
       {"page.page"}},
      {"a reference to no element", source(kPage + "  TLabel Label1\n    FocusControl: Nada\n"), args, 1,
       "@/page.page:11: the program would refuse this page: Error reading Label1.FocusControl: Invalid property value",
       {"page.page"}},
      {"a coordinate beyond the window system's range", source(kPage + "  TLabel Label1\n    Left: 2147483647\n"), args,
       1, "@/page.page:11: the program would refuse this page: Error reading Label1.Left: Invalid property value",
       {"page.page"}},
      {"a byte-order mark before the page", source("\xEF\xBB\xBF" + kPage), args, 0, "", {"page.page", "out.def"}},
      {"raw NUL bytes in a caption, as printf writes them",
       source(kPage + "  TLabel Label1\n    Caption: \"abc" + std::string(3, '\0') + "def\"\n"), args, 1,
       "@/page.page:11: control byte 0x00 at column 18", {"page.page"}},
      {"an invisible character in a kind",
       source("TForm5 Form5\n  TLabel\xE2\x80\xAE Label1\n"), args, 1,
       "@/page.page:2: bad element kind 'TLabel\\u{202E}'", {"page.page"}},
  });
}

TEST_F(HostileInput, PicturesAreRegularFilesThatTheProgramsDecoderAccepts) {
  auto picture = [](const std::string& name, std::vector<std::uint8_t> bytes) {
    return [name, bytes](const Workspace& w) {
      w.file("page.page", withPicture(name));
      w.file(name, bytes);
    };
  };
  auto source = [](const std::string& name) {
    return [name](const Workspace& w) { w.file("page.page", withPicture(name)); };
  };
  const std::vector<std::string> args = {"compile", "@/page.page", "@/out.def"};
  const std::string at = "@/page.page:11: Picture.Data: ";
  std::vector<std::uint8_t> cut = bmp(2, 1, 24, 0, 8);
  cut.resize(cut.size() - 4);
  run({
      {"an empty file", picture("a.bmp", {}), args, 1, at + "'a.bmp' is not a usable BMP file: the file is empty",
       {"page.page", "a.bmp"}},
      {"/dev/null", source("/dev/null"), args, 1,
       "@/page.page:11: picture file '/dev/null': /dev/null is not a regular file (a device, pipe or socket)",
       {"page.page"}},
      {"/dev/zero", source("/dev/zero"), args, 1,
       "@/page.page:11: picture file '/dev/zero': /dev/zero is not a regular file (a device, pipe or socket)",
       {"page.page"}},
      {"a FIFO",
       [](const Workspace& w) { w.file("page.page", withPicture("p.bmp")), ::mkfifo((w.dir() / "p.bmp").c_str(), 0600); },
       args, 1, "@/page.page:11: picture file 'p.bmp': @/p.bmp is not a regular file (a device, pipe or socket)",
       {"page.page", "p.bmp"}},
      {"a short BMP", picture("a.bmp", cut), args, 1,
       at + "'a.bmp' is not a usable BMP file: it is truncated: 4 bytes of pixels, 8 needed", {"page.page", "a.bmp"}},
      {"cut inside its headers", picture("a.bmp", {'B', 'M', 0, 0}), args, 1,
       at + "'a.bmp' is not a usable BMP file: it is truncated inside its headers", {"page.page", "a.bmp"}},
      {"not a BMP at all", picture("a.bmp", {'G', 'I', 'F', '8'}), args, 1,
       at + "'a.bmp' is not a usable BMP file: it does not begin with \"BM\"", {"page.page", "a.bmp"}},
      {"2 bits per pixel", picture("a.bmp", bmp(2, 1, 2, 0, 4)), args, 1,
       at + "'a.bmp' is not a usable BMP file: 2 bits per pixel are not supported", {"page.page", "a.bmp"}},
      {"run-length coding of 24-bit pixels", picture("a.bmp", bmp(2, 1, 24, 1, 8)), args, 1,
       at + "'a.bmp' is not a usable BMP file: compression 1 with 24 bits per pixel is not supported",
       {"page.page", "a.bmp"}},
      {"too many pixels", picture("a.bmp", bmp(10000, 10000, 24, 0, 0)), args, 1,
       at + "'a.bmp' is not a usable BMP file: it is too large: 10000 x 10000 pixels, at most 67108864 in all",
       {"page.page", "a.bmp"}},
      {"a good picture", picture("a.bmp", bmp(2, 1, 24, 0, 8)), args, 0, "", {"page.page", "a.bmp", "out.def"}},
  });
}

TEST_F(HostileInput, DumpAndJsonNeitherInjectLinesNorWriteInvalidText) {
  auto def = [](const std::string& cls, const std::string& name) {
    return [cls, name](const Workspace& w) { w.file("page.def", definitionWith(cls, name)); };
  };
  auto nothingWritten = [](const Workspace&, const std::string& out) { EXPECT_EQ(out, ""); };
  run({
      {"a name that would add a picture line",
       def("TLabel", "L1\n    Picture.Data: picture TBitmap \"/etc/passwd\""), {"dump", "@/page.def"}, 1,
       "@/page.def: the element name 'L1\\n    Picture.Data: picture TBitmap \"/etc/passwd\"' is not a plain name; "
       "it cannot be written as source",
       {"page.def"}, nothingWritten},
      {"control bytes in a kind", def("T\x1b[2JLabel", "L1"), {"dump", "@/page.def"}, 1,
       "@/page.def: the element kind 'T\\x1B[2JLabel' is not a plain name; it cannot be written as source",
       {"page.def"}, nothingWritten},
      {"a name in the single-byte code page", def("TLabel", "A\xE7\xE3o"), {"json", "@/page.def"}, 0, "", {"page.def"},
       [](const Workspace&, const std::string& out) {
         EXPECT_NE(out.find("\"name\": \"A\xC3\xA7\xC3\xA3o\""), std::string::npos) << out;
         EXPECT_EQ(content::sanitizeUtf8(out), out);
       }},
      {"a cut definition", [](const Workspace& w) { w.file("page.def", std::string("TPF0\x06TFo", 8)); },
       {"json", "@/page.def"}, 1, "@/page.def: Stream read error (at byte 5)", {"page.def"}},
  });
}

}  // namespace
}  // namespace apostila::tools
