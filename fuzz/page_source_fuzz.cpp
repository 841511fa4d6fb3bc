// Fuzzes the page source parser and compiler: any text must compile or give a located error.
#include <cstddef>
#include <cstdint>
#include <string>

#include "Compiler.h"
#include "PageSource.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  try {
    auto root = apostila::tools::parseSource(text, "fuzz.page", {});
    (void)apostila::tools::Compiler("fuzz.page").compile(root);
  } catch (const apostila::tools::SourceError&) {
  }
  return 0;
}
