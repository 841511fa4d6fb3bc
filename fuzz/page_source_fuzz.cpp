// libFuzzer entry point: the page-source compiler with frames, its output read back (see FuzzChecks.h).
#include "FuzzChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  apostila::fuzz::checkPageSource({data, size});
  return 0;
}
