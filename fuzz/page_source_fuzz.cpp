// Fuzzes the page source parser, the frame expansion and the compiler: any text must compile or
// give a located error. An input holding a NUL byte is a frame (before it) and a page (after);
// any other input is a page, on a small frame of its own when it names one.
#include <cstddef>
#include <cstdint>
#include <string>

#include "Compiler.h"
#include "Frame.h"
#include "PageSource.h"

namespace {

const char* const kFrame =
    "frame\n"
    "  Caption: <required>\n"
    "  OnCreate: <optional>\n"
    "  TPanel Panel1\n"
    "    place content\n"
    "    TSpeedButton SpeedButton3\n"
    "      Caption: \"Seguir\"\n"
    "  place last\n";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  std::string frame = kFrame;
  if (std::size_t nul = text.find('\0'); nul != std::string::npos) {
    frame = text.substr(0, nul);
    text.erase(0, nul + 1);
  }
  apostila::tools::FrameReader frames = [&frame](const std::string& name, std::string& path) {
    path = "frames/" + name;
    return std::optional<std::string>(frame);
  };
  try {
    auto root = apostila::tools::readPage(text, "fuzz.page", {}, frames);
    (void)apostila::tools::Compiler("fuzz.page").compile(root);
  } catch (const apostila::tools::SourceError&) {
  }
  return 0;
}
