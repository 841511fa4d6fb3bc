// libFuzzer entry point: the page definition reader, the page painted, and the tool's views (see FuzzChecks.h).
#include "FuzzChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  apostila::fuzz::checkDefinition({data, size});
  return 0;
}
