// Run-length expansion for Bitmap: encoded runs, absolute runs and the three escapes (end of
// line, end of bitmap, delta).
#include "content/BitmapRle.h"

#include <algorithm>

#include "content/ByteReader.h"

namespace apostila::content {

namespace {
constexpr std::uint8_t kEscape = 0;
constexpr std::uint8_t kEndOfLine = 0;
constexpr std::uint8_t kEndOfBitmap = 1;
constexpr std::uint8_t kDelta = 2;
}  // namespace

std::vector<std::uint8_t> expandRle(std::span<const std::uint8_t> data, int width, int height, bool fourBit) {
  const auto w = static_cast<std::size_t>(width);
  const auto h = static_cast<std::size_t>(height);
  // Filled in stream order, bottom row first, as one line of w * h pixels: a run that goes past
  // the right edge carries on at the start of the row above (later runs of that row overwrite
  // it), and once the cursor has passed the last pixel the stream is over. Other readers show
  // damaged images the same way, so a picture looks alike everywhere.
  std::vector<std::uint8_t> flat(w * h, 0);
  const std::size_t total = flat.size();
  ByteReader in(data);
  std::size_t x = 0, y = 0;  // the cursor; x may pass the right edge, y counts rows from the bottom

  auto put = [&](std::size_t at, std::uint8_t index) {
    if (at < total) flat[at] = index;
  };

  while (y < h && y * w + x < total && in.remaining() >= 2) {
    const std::uint8_t count = in.u8();
    const std::uint8_t value = in.u8();
    const std::size_t at = y * w + x;
    if (count != kEscape) {
      if (fourBit) {
        const std::uint8_t pair[2] = {static_cast<std::uint8_t>(value >> 4), static_cast<std::uint8_t>(value & 0x0F)};
        for (std::size_t i = 0; i < count; ++i) put(at + i, pair[i & 1]);
      } else if (at < total) {
        std::fill_n(flat.begin() + static_cast<std::ptrdiff_t>(at), std::min<std::size_t>(count, total - at), value);
      }
      x += count;
      continue;
    }
    switch (value) {
      case kEndOfLine:
        x = 0;
        ++y;
        break;
      case kEndOfBitmap:
        y = h;
        break;
      case kDelta: {
        if (in.remaining() < 2) {
          y = h;  // a delta cut short ends the image
          break;
        }
        x += in.u8();
        y += in.u8();
        break;
      }
      default: {
        // An absolute run of `value` pixels, its bytes padded to a 16-bit boundary. A run cut
        // short by the end of the data still places the pixels it has.
        const std::size_t bytes = fourBit ? (value + 1u) / 2 : value;
        const bool cut = bytes > in.remaining();
        const auto run = in.take(std::min(bytes, in.remaining()));
        if (fourBit) {
          const std::size_t pixels = std::min<std::size_t>(value, run.size() * 2);
          for (std::size_t i = 0; i < pixels; ++i) put(at + i, (i & 1) ? (run[i / 2] & 0x0F) : (run[i / 2] >> 4));
        } else {
          for (std::size_t i = 0; i < run.size(); ++i) put(at + i, run[i]);
        }
        if (cut) y = h;
        else if ((bytes & 1) && !in.atEnd()) in.skip(1);
        x += value;
        break;
      }
    }
  }

  return flat;
}

}  // namespace apostila::content
