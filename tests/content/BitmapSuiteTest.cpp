// The bitmap decoder against the public BMP conformance suite in ../shared/testdata/bmpsuite:
// every "good" file must give exactly the pixels ImageMagick gives; the "questionable" and
// "bad" files must either decode or fail with one of the reader's own messages.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "content/Bitmap.h"
#include "content/ReadError.h"

namespace apostila::content {
namespace {

namespace fs = std::filesystem;

// The packaged ImageMagick, by full path: another convert earlier on PATH may be a stand-in.
constexpr const char* kConvert = "/usr/bin/convert";

fs::path suiteDir() { return fs::path(APOSTILA_SHARED_DIR) / "testdata" / "bmpsuite"; }

std::vector<std::uint8_t> readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<fs::path> bmpFiles(const std::string& folder) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(suiteDir() / folder)) {
    if (entry.path().extension() == ".bmp") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

struct Image {
  int width = 0, height = 0;
  std::vector<Bitmap::Rgb> pixels;  // top row first
};

// Runs ImageMagick on the file and parses its binary PPM; nothing if it gives no picture. A
// picture it gives with a warning (a damaged run-length stream) still counts: it is what it shows.
std::optional<Image> imageMagick(const fs::path& path) {
  const std::string cmd = std::string(kConvert) + " '" + path.string() + "' -depth 8 ppm:- 2>/dev/null";
  FILE* pipe = popen(cmd.c_str(), "r");
  if (!pipe) return std::nullopt;
  std::string out;
  char buf[65536];
  for (std::size_t n; (n = fread(buf, 1, sizeof buf, pipe)) > 0;) out.append(buf, n);
  pclose(pipe);

  std::istringstream header(out);
  std::string magic;
  int maxval = 0;
  Image img;
  header >> magic >> img.width >> img.height >> maxval;
  if (magic != "P6" || maxval != 255 || img.width <= 0 || img.height <= 0) return std::nullopt;
  const auto start = static_cast<std::size_t>(header.tellg()) + 1;  // one whitespace byte after maxval
  const auto count = static_cast<std::size_t>(img.width) * static_cast<std::size_t>(img.height);
  if (out.size() < start + count * 3) return std::nullopt;
  img.pixels.resize(count);
  for (std::size_t i = 0; i < count; ++i) {
    const auto* p = reinterpret_cast<const unsigned char*>(out.data() + start + i * 3);
    img.pixels[i] = (Bitmap::Rgb{p[0]} << 16) | (Bitmap::Rgb{p[1]} << 8) | p[2];
  }
  return img;
}

// Reads every pixel through both entry points, which is what the sanitizer run needs to see.
std::vector<Bitmap::Rgb> allPixels(const Bitmap& bmp) {
  std::vector<Bitmap::Rgb> px(static_cast<std::size_t>(bmp.width()) * static_cast<std::size_t>(bmp.height()));
  for (int y = 0; y < bmp.height(); ++y) bmp.readRow(y, 0, bmp.width(), px.data() + static_cast<std::size_t>(y) * bmp.width());
  for (int y = 0; y < bmp.height(); y += 7) {
    for (int x = 0; x < bmp.width(); x += 5) EXPECT_EQ(bmp.pixel(x, y), px[static_cast<std::size_t>(y) * bmp.width() + x]);
  }
  return px;
}

class BitmapSuite : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!fs::is_directory(suiteDir() / "g")) GTEST_SKIP() << "BMP suite not found at " << suiteDir() << "; nothing to check";
  }
};

bool haveImageMagick() { return access(kConvert, X_OK) == 0; }

// Decodes the file and compares every pixel with ImageMagick's picture of it.
void expectSameAsImageMagick(const fs::path& path) {
  SCOPED_TRACE(path.filename().string());
  const auto bytes = readFile(path);
  Bitmap bmp;
  ASSERT_NO_THROW(bmp = Bitmap::decode(bytes));
  const auto ours = allPixels(bmp);
  const auto theirs = imageMagick(path);
  if (!theirs) {
    std::printf("note: ImageMagick refuses %s; decoded without a reference\n", path.filename().c_str());
    return;
  }
  ASSERT_EQ(bmp.width(), theirs->width);
  ASSERT_EQ(bmp.height(), theirs->height);
  std::size_t wrong = 0, first = 0;
  for (std::size_t i = 0; i < ours.size(); ++i) {
    if (ours[i] != theirs->pixels[i] && wrong++ == 0) first = i;
  }
  EXPECT_EQ(wrong, 0u) << "first difference at (" << first % bmp.width() << ", " << first / bmp.width()
                       << "): ours " << std::hex << ours[first] << ", ImageMagick " << theirs->pixels[first];
}

TEST_F(BitmapSuite, GoodFilesMatchImageMagick) {
  if (!haveImageMagick()) GTEST_SKIP() << kConvert << " is missing (install imagemagick, see scripts/setup); cannot compare pixels";
  const auto files = bmpFiles("g");
  ASSERT_FALSE(files.empty());
  for (const auto& path : files) expectSameAsImageMagick(path);
}

// Cut, skipping and overrunning run-length streams: the pixels they leave undefined, and the
// runs past the right edge, look the same as in ImageMagick.
TEST_F(BitmapSuite, DamagedRunLengthFilesMatchImageMagick) {
  if (!haveImageMagick()) GTEST_SKIP() << kConvert << " is missing (install imagemagick, see scripts/setup); cannot compare pixels";
  for (const char* name : {"q/pal4rlecut.bmp", "q/pal4rletrns.bmp", "q/pal8rlecut.bmp", "q/pal8rletrns.bmp",
                           "b/badrle.bmp", "b/badrlebis.bmp", "b/badrleter.bmp", "b/badrle4.bmp", "b/badrle4bis.bmp",
                           "b/badrle4ter.bmp"}) {
    expectSameAsImageMagick(suiteDir() / name);
  }
}

TEST_F(BitmapSuite, QuestionableAndBadFilesDecodeOrFailCleanly) {
  for (const char* folder : {"q", "b"}) {
    for (const auto& path : bmpFiles(folder)) {
      SCOPED_TRACE(path.string());
      const auto bytes = readFile(path);
      try {
        const Bitmap bmp = Bitmap::decode(bytes);
        allPixels(bmp);
        bmp.bottomLeft();
      } catch (const ReadError& e) {
        const std::string what = e.what();
        EXPECT_TRUE(what == msg::kInvalidBitmap || what == msg::kStreamRead) << what;
      }
    }
  }
}

// Files whose fate the header rules decide; the rest of q/ and b/ may go either way.
TEST_F(BitmapSuite, HeaderRulesDecideKnownFiles) {
  struct Case {
    const char* file;
    const char* error;  // nullptr: decodes
  };
  const Case cases[] = {
      {"b/badplanes.bmp", msg::kInvalidBitmap},
      {"b/badbitcount.bmp", msg::kInvalidBitmap},
      {"b/badwidth.bmp", msg::kInvalidBitmap},
      {"b/reallybig.bmp", msg::kInvalidBitmap},   // refused before any allocation
      {"b/rletopdown.bmp", msg::kInvalidBitmap},  // run-length rows cannot be top-down
      {"b/rgb16-880.bmp", msg::kInvalidBitmap},   // a zero blue mask
      {"q/pal2.bmp", msg::kInvalidBitmap},
      {"q/rgb24jpeg.bmp", msg::kInvalidBitmap},
      {"q/rgb24png.bmp", msg::kInvalidBitmap},
      {"q/rgba64.bmp", msg::kInvalidBitmap},
      {"q/pal8os2v2-16.bmp", msg::kInvalidBitmap},  // header size between 12 and 40
      {"b/shortfile.bmp", nullptr},                 // the missing rows read as black
      {"b/badbitssize.bmp", nullptr},               // image size far past the end of the file
      {"b/badpalettesize.bmp", nullptr},            // colour count clamped to the table's room
      {"q/pal8oversizepal.bmp", nullptr},           // 300 entries, 256 kept
      {"q/pal8os2sp.bmp", nullptr},                 // core table shorter than 256 entries
      {"q/rgba32abf.bmp", nullptr},                 // bit fields with alpha (compression 6)
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    const auto bytes = readFile(suiteDir() / c.file);
    ASSERT_FALSE(bytes.empty());
    if (c.error) {
      try {
        Bitmap::decode(bytes);
        ADD_FAILURE() << "decoded, expected " << c.error;
      } catch (const ReadError& e) {
        EXPECT_STREQ(e.what(), c.error);
      }
    } else {
      EXPECT_NO_THROW(Bitmap::decode(bytes));
    }
  }
}

}  // namespace
}  // namespace apostila::content
