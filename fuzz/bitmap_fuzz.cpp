// Fuzz target for the bitmap decoder: any bytes either decode into a picture whose every pixel
// can be read, or fail with one of the reader's two messages. Anything else is a finding.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "content/Bitmap.h"
#include "content/ReadError.h"

using apostila::content::Bitmap;
using apostila::content::ReadError;
namespace msg = apostila::content::msg;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    const Bitmap bmp = Bitmap::decode({data, size});
    if (bmp.empty()) return 0;
    // Every row of a small picture; a sample of a big one, so that each input stays quick.
    const int step = static_cast<long long>(bmp.width()) * bmp.height() > (1 << 20) ? bmp.height() / 64 + 1 : 1;
    std::vector<Bitmap::Rgb> row(static_cast<std::size_t>(bmp.width()) + 2);
    volatile Bitmap::Rgb sink = 0;
    for (int y = 0; y < bmp.height(); y += step) {
      bmp.readRow(y, 0, bmp.width(), row.data());
      bmp.readRow(y, -1, bmp.width() + 2, row.data());  // overlapping both edges
      for (Bitmap::Rgb c : row) sink = sink ^ c;
    }
    sink = sink ^ bmp.pixel(bmp.width() - 1, bmp.height() - 1) ^ bmp.pixel(-1, 0) ^ bmp.bottomLeft();
  } catch (const ReadError& e) {
    if (std::strcmp(e.what(), msg::kInvalidBitmap) != 0 && std::strcmp(e.what(), msg::kStreamRead) != 0) std::abort();
  }
  return 0;
}
