// The three fuzz checks.
#include "FuzzChecks.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "Compiler.h"
#include "ComputedValues.h"
#include "Dump.h"
#include "Frame.h"
#include "FuzzPages.h"
#include "PageSource.h"
#include "PageTool.h"
#include "content/Bitmap.h"
#include "content/ReadError.h"

namespace apostila::fuzz {

namespace msg = content::msg;

void checkBitmap(std::span<const std::uint8_t> bytes) {
  using content::Bitmap;
  try {
    const Bitmap bmp = Bitmap::decode(bytes);
    if (bmp.empty()) return;
    // Every pixel of a small picture; a sample of a big one, so that each input stays quick:
    // at most 65 rows, and of a very wide row only its two ends and its middle (a picture of
    // millions of pixels a row fits in a few bytes of run-length data).
    const int w = bmp.width();
    const int step = static_cast<long long>(w) * bmp.height() > (1 << 20) ? bmp.height() / 64 + 1 : 1;
    constexpr int kPiece = 4096;
    std::vector<Bitmap::Rgb> row(static_cast<std::size_t>(std::min(w, 3 * kPiece)) + 2);
    volatile Bitmap::Rgb sink = 0;
    for (int y = 0; y < bmp.height(); y += step) {
      if (w <= 3 * kPiece) {
        bmp.readRow(y, 0, w, row.data());
        bmp.readRow(y, -1, w + 2, row.data());  // overlapping both edges
      } else {
        bmp.readRow(y, -1, kPiece + 1, row.data());       // the left edge
        bmp.readRow(y, w / 2 - kPiece / 2, kPiece, row.data());
        bmp.readRow(y, w - kPiece, kPiece + 1, row.data());  // the right edge
      }
      for (Bitmap::Rgb c : row) sink = sink ^ c;
    }
    sink = sink ^ bmp.pixel(bmp.width() - 1, bmp.height() - 1) ^ bmp.pixel(-1, 0) ^ bmp.bottomLeft();
  } catch (const content::ReadError& e) {
    if (std::strcmp(e.what(), msg::kInvalidBitmap) != 0 && std::strcmp(e.what(), msg::kStreamRead) != 0)
      throw Finding(std::string("the decoder refused a picture with a message of its own: ") + e.what());
  }
}

void checkDefinition(std::span<const std::uint8_t> bytes) {
  try {
    FuzzPages::readAndShow(bytes);
  } catch (const content::ReadError&) {
  }
  std::optional<std::string> source;
  try {
    source = tools::dumpSource(bytes);
  } catch (const content::ReadError&) {
  } catch (const tools::SourceError&) {
    // dump refuses what it cannot write as a source that compiles back; that is its answer
  }
  if (source) {
    // dump and compile are inverses: the source compiles to the very bytes it came from, or
    // compile refuses it (as it refuses a page the program's reader would). No page class is
    // asked for, so the check reaches definitions of any class.
    std::optional<std::vector<std::uint8_t>> again;
    try {
      again = tools::Compiler("dump.page").compile(tools::parseSource(*source, "dump.page", {}));
    } catch (const tools::SourceError&) {
    }
    if (again && !std::equal(again->begin(), again->end(), bytes.begin(), bytes.end())) {
      auto differ = std::mismatch(again->begin(), again->end(), bytes.begin(), bytes.end());
      throw Finding("dump's source compiles to other bytes, from byte " +
                    std::to_string(differ.first - again->begin()) + " on; the source begins:\n" + source->substr(0, 2000));
    }
  }
  try {
    (void)tools::dumpJson(bytes);
  } catch (const content::ReadError&) {
  }
}

namespace {

// The small frame a page names when the input brings none: a panel to place content in and a
// button bound to a handler every theory page has.
const char* const kFrame =
    "frame\n"
    "  Caption: <required>\n"
    "  OnActivate: <optional>\n"
    "  TPanel Panel1\n"
    "    place content\n"
    "    TSpeedButton SpeedButton3\n"
    "      Caption: \"Seguir\"\n"
    "      OnClick: SpeedButton3Click\n"
    "  place last\n";

// A few computed values, so that {name} references substitute as they do in the course.
void installValues() {
  static const bool done = [] {
    tools::ComputedValues::setCurrent(
        tools::ComputedValues::parse("t06.ic\t2,4 mA\nt06.ib\t12 µA\nhand.vbe\t0,7 V\n", "fuzz.values"));
    return true;
  }();
  (void)done;
}

}  // namespace

void checkPageSource(std::span<const std::uint8_t> bytes) {
  installValues();
  std::string text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  std::string frame = kFrame;
  if (std::size_t nul = text.find('\0'); nul != std::string::npos) {
    frame = text.substr(0, nul);
    text.erase(0, nul + 1);
  }
  tools::FrameReader frames = [&frame](const std::string& name, std::string& path) {
    path = "frames/" + name;
    return std::optional<std::string>(frame);
  };
  std::vector<std::uint8_t> definition;
  try {
    tools::SourceElement root = tools::readPage(text, "fuzz.page", {}, frames);
    definition = tools::Compiler("fuzz.page", tools::pageClassResolver()).compile(root);
  } catch (const tools::SourceError&) {
    return;
  }
  // The compiler reads what it writes back before it accepts it, so the program must read it.
  try {
    FuzzPages::readAndShow(definition);
  } catch (const content::ReadError& e) {
    throw Finding(std::string("the compiler accepted a page the reader refuses: ") + e.what());
  }
}

}  // namespace apostila::fuzz
