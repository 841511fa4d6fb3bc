// libFuzzer entry point: the bitmap decoder (see FuzzChecks.h).
#include "FuzzChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  apostila::fuzz::checkBitmap({data, size});
  return 0;
}
