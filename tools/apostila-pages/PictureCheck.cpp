// Reasons for refusing a BMP file, read from its headers before the program's decoder runs.
#include "PictureCheck.h"

#include <stdexcept>

#include "content/Bitmap.h"
#include "content/ReadError.h"

namespace apostila::tools {

namespace {

std::uint32_t u16(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at] | (b[at + 1] << 8));
}
std::uint32_t u32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return u16(b, at) | (u16(b, at + 2) << 16);
}

// The layouts the program's decoder draws.
bool supportedLayout(std::uint32_t bits, std::uint32_t compression, bool core) {
  if (core) return bits == 1 || bits == 4 || bits == 8 || bits == 24;
  switch (compression) {
    case 0: return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    case 1: return bits == 8;
    case 2: return bits == 4;
    case 3: case 6: return bits == 16 || bits == 32;
    default: return false;
  }
}

// Why the headers make the file unusable, or empty when they look sound.
std::string headerProblem(const std::vector<std::uint8_t>& b) {
  if (b.empty()) return "the file is empty";
  if (b.size() < 2 || b[0] != 'B' || b[1] != 'M') return "it does not begin with \"BM\"";
  if (b.size() < 18) return "it is truncated inside its headers";
  const std::uint32_t headerSize = u32(b, 14);
  const bool core = headerSize == 12;
  if (!core && headerSize < 40) return "its information header of " + std::to_string(headerSize) + " bytes is unknown";
  if (b.size() < 14 + static_cast<std::uint64_t>(headerSize)) return "it is truncated inside its headers";
  const std::int64_t width = core ? u16(b, 18) : static_cast<std::int32_t>(u32(b, 18));
  const std::int64_t height = core ? u16(b, 20) : static_cast<std::int32_t>(u32(b, 22));
  const std::uint32_t planes = core ? u16(b, 22) : u16(b, 26);
  const std::uint32_t bits = core ? u16(b, 24) : u16(b, 28);
  const std::uint32_t compression = core ? 0 : u32(b, 30);
  if (planes != 1) return "it has " + std::to_string(planes) + " planes, not 1";
  if (!supportedLayout(bits, compression, core)) {
    if (compression == 0) return std::to_string(bits) + " bits per pixel are not supported";
    return "compression " + std::to_string(compression) + " with " + std::to_string(bits) +
           " bits per pixel is not supported";
  }
  if (width <= 0 || height == 0)
    return "its size " + std::to_string(width) + " x " + std::to_string(height) + " holds no pixels";
  const std::uint64_t rows = static_cast<std::uint64_t>(height < 0 ? -height : height);
  if (static_cast<std::uint64_t>(width) * rows > (std::uint64_t{1} << 26))
    return "it is too large: " + std::to_string(width) + " x " + std::to_string(rows) +
           " pixels, at most 67108864 in all";
  const std::uint32_t offset = u32(b, 10);
  if (offset > b.size()) return "it is truncated: its pixels would begin at byte " + std::to_string(offset) +
                                ", past its end at " + std::to_string(b.size());
  if (compression == 0 || compression == 3 || compression == 6) {
    const std::uint64_t need = (static_cast<std::uint64_t>(width) * bits + 31) / 32 * 4 * rows;
    if (b.size() - offset < need)
      return "it is truncated: " + std::to_string(b.size() - offset) + " bytes of pixels, " + std::to_string(need) +
             " needed";
  }
  return {};
}

}  // namespace

void checkPicture(const std::vector<std::uint8_t>& bmp, const std::string& name) {
  const std::string what = (name.empty() ? std::string("the picture") : "'" + name + "'") + " is not a usable BMP file: ";
  if (std::string why = headerProblem(bmp); !why.empty()) throw std::invalid_argument(what + why);
  try {
    content::Bitmap::decode(bmp);
  } catch (const content::ReadError& e) {
    throw std::invalid_argument(what + e.what());
  }
}

}  // namespace apostila::tools
