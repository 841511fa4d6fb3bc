// BMP decoding: the headers are validated field by field before anything is allocated, then
// the pixels are either left in place (uncompressed) or expanded (run-length).
#include "content/Bitmap.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "content/BitmapRle.h"
#include "content/ByteReader.h"
#include "content/ReadError.h"

namespace apostila::content {

namespace {

constexpr std::uint16_t kSignature = 0x4D42;  // "BM"
constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kRgbMasksInHeader = 52;    // from this size on the header holds r, g, b masks
constexpr std::uint32_t kAlphaMaskInHeader = 56;   // ... and the alpha mask
// Larger pictures are refused outright: nothing in a course comes near, and it keeps a forged
// header from asking for gigabytes (a run-length image is expanded at one byte per pixel).
constexpr std::uint64_t kMaxPixels = std::uint64_t{1} << 26;

enum Compression : std::uint32_t { kNone = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kAlphaBitFields = 6 };

[[noreturn]] void invalid() { throw ReadError(msg::kInvalidBitmap); }

bool contiguous(std::uint32_t mask) {
  if (mask == 0) return false;
  const std::uint32_t low = mask >> std::countr_zero(mask);
  return (low & (low + 1)) == 0;
}

// Which bit counts go with which compression; everything else is refused.
bool supported(std::uint16_t bitCount, std::uint32_t compression, bool core) {
  if (core) return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 24;
  switch (compression) {
    case kNone:
      return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 || bitCount == 24 || bitCount == 32;
    case kRle8:
      return bitCount == 8;
    case kRle4:
      return bitCount == 4;
    case kBitFields:
    case kAlphaBitFields:
      return bitCount == 16 || bitCount == 32;
    default:
      return false;
  }
}

void checkMasks(const BitmapHeader& h) {
  const std::uint32_t rgb[3] = {h.redMask, h.greenMask, h.blueMask};
  std::uint32_t seen = 0;
  for (std::uint32_t m : rgb) {
    if (!contiguous(m) || (seen & m) != 0) invalid();
    seen |= m;
  }
  if (h.alphaMask != 0 && (!contiguous(h.alphaMask) || (seen & h.alphaMask) != 0)) invalid();
  seen |= h.alphaMask;
  if (h.bitCount == 16 && seen > 0xFFFFu) invalid();
}

// A channel of width bits (1 to 32) widened to 8 bits. Narrow channels repeat their bits
// downwards (5 bits abcde give abcdeabc), so that full intensity stays 255 and the steps are
// the ones other readers show; wide channels keep their top 8 bits.
std::uint32_t scaleChannel(std::uint32_t value, int bits) {
  if (bits >= 8) return value >> (bits - 8);
  std::uint32_t out = value << (8 - bits);
  for (int s = 8 - 2 * bits; s > -bits; s -= bits) out |= s >= 0 ? value << s : value >> -s;
  return out;
}

constexpr Bitmap::Rgb rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return (static_cast<Bitmap::Rgb>(r) << 16) | (static_cast<Bitmap::Rgb>(g) << 8) | b;
}

}  // namespace

Bitmap Bitmap::decode(std::span<const std::uint8_t> file) {
  Bitmap bmp;
  if (file.empty()) return bmp;
  BitmapHeader& h = bmp.header_;
  ByteReader in(file);

  if (in.u16() != kSignature) invalid();
  h.fileSize = in.u32();
  in.skip(4);  // two reserved words
  h.pixelOffset = in.u32();

  h.headerSize = in.u32();
  const bool core = h.headerSize == kCoreHeaderSize;
  if (core) {
    h.width = in.u16();
    h.height = in.u16();
    h.planes = in.u16();
    h.bitCount = in.u16();
  } else if (h.headerSize >= kInfoHeaderSize) {
    h.width = in.i32();
    h.height = in.i32();
    h.planes = in.u16();
    h.bitCount = in.u16();
    h.compression = in.u32();
    h.imageSize = in.u32();
    h.xPelsPerMeter = in.i32();
    h.yPelsPerMeter = in.i32();
    h.colorsUsed = in.u32();
    h.colorsImportant = in.u32();
    if (h.headerSize >= kRgbMasksInHeader) {
      h.redMask = in.u32();
      h.greenMask = in.u32();
      h.blueMask = in.u32();
    }
    if (h.headerSize >= kAlphaMaskInHeader) h.alphaMask = in.u32();
  } else {
    invalid();
  }
  // The rest of a larger header (colour space, profile) is of no use here, but it must be there.
  in.seek(kFileHeaderSize + h.headerSize);

  if (h.planes != 1) invalid();
  if (!supported(h.bitCount, h.compression, core)) invalid();
  if (h.width <= 0 || h.height == 0) invalid();
  const bool topDown = h.height < 0;
  const std::uint64_t absHeight =
      topDown ? static_cast<std::uint64_t>(-static_cast<std::int64_t>(h.height)) : static_cast<std::uint64_t>(h.height);
  if (static_cast<std::uint64_t>(h.width) * absHeight > kMaxPixels) invalid();
  const bool rle = h.compression == kRle8 || h.compression == kRle4;
  if (rle && topDown) invalid();  // run-length rows are always stored bottom-up

  const bool fields = h.compression == kBitFields || h.compression == kAlphaBitFields;
  if (fields) {
    // Masks that the header has no room for follow it, in the order r, g, b (a).
    if (h.headerSize < kRgbMasksInHeader) {
      h.redMask = in.u32();
      h.greenMask = in.u32();
      h.blueMask = in.u32();
    }
    if (h.compression == kAlphaBitFields && h.headerSize < kAlphaMaskInHeader) h.alphaMask = in.u32();
    checkMasks(h);
  } else if (h.bitCount == 16) {
    h.redMask = 0x7C00, h.greenMask = 0x03E0, h.blueMask = 0x001F, h.alphaMask = 0;
  } else if (h.bitCount == 32) {
    h.redMask = 0x00FF0000, h.greenMask = 0x0000FF00, h.blueMask = 0x000000FF, h.alphaMask = 0;
  } else {
    h.redMask = h.greenMask = h.blueMask = h.alphaMask = 0;
  }

  // The colour table lies between the headers and the pixels.
  const std::size_t tableStart = in.position();
  if (h.pixelOffset < tableStart || h.pixelOffset > file.size()) invalid();
  if (h.bitCount <= 8) {
    const std::size_t entrySize = core ? 3 : 4;
    std::uint64_t count = h.colorsUsed != 0 ? h.colorsUsed : (std::uint64_t{1} << h.bitCount);
    // An oversized count keeps the first 256 entries; a table cut by the pixel offset keeps the
    // entries that fit in front of the pixels.
    count = std::min<std::uint64_t>(count, 256);
    count = std::min<std::uint64_t>(count, (h.pixelOffset - tableStart) / entrySize);
    auto palette = std::make_shared<std::array<Rgb, 256>>();
    palette->fill(0);
    for (std::size_t i = 0; i < count; ++i) {
      auto e = in.take(entrySize);
      (*palette)[i] = rgb(e[2], e[1], e[0]);
    }
    h.paletteEntries = static_cast<std::uint32_t>(count);
    bmp.palette_ = std::move(palette);
  }

  const std::uint64_t stride = (static_cast<std::uint64_t>(h.width) * h.bitCount + 31) / 32 * 4;
  const std::uint64_t stored = h.imageSize != 0 ? h.imageSize : stride * absHeight;
  const std::size_t size = static_cast<std::size_t>(std::min<std::uint64_t>(stored, file.size() - h.pixelOffset));
  in.seek(h.pixelOffset);
  const auto data = in.take(size);

  bmp.width_ = h.width;
  bmp.height_ = static_cast<int>(absHeight);
  bmp.topDown_ = topDown;
  bmp.stride_ = static_cast<std::size_t>(stride);

  if (rle) {
    bmp.expanded_ = std::make_shared<const std::vector<std::uint8_t>>(
        expandRle(data, bmp.width_, bmp.height_, h.compression == kRle4));
    bmp.source_ = Source::kExpanded;
    return bmp;
  }

  bmp.pixels_ = data.first(static_cast<std::size_t>(std::min<std::uint64_t>(data.size(), stride * absHeight)));
  const std::uint32_t masks[4] = {h.redMask, h.greenMask, h.blueMask, h.alphaMask};
  for (int c = 0; c < 4; ++c) {
    bmp.shift_[c] = masks[c] ? std::countr_zero(masks[c]) : 0;
    bmp.bits_[c] = std::popcount(masks[c]);
  }
  switch (h.bitCount) {
    case 1: bmp.source_ = Source::kIndex1; break;
    case 4: bmp.source_ = Source::kIndex4; break;
    case 8: bmp.source_ = Source::kIndex8; break;
    case 16: bmp.source_ = Source::kFields16; break;
    case 24: bmp.source_ = Source::kBgr24; break;
    default: {
      const bool plain = h.redMask == 0x00FF0000 && h.greenMask == 0x0000FF00 && h.blueMask == 0x000000FF;
      bmp.source_ = plain ? Source::kBgrx32 : Source::kFields32;
    }
  }
  return bmp;
}

Bitmap::Rgb Bitmap::fields(std::uint32_t value) const {
  Rgb out = 0;
  for (int c = 0; c < 3; ++c) {
    const std::uint32_t max = bits_[c] >= 32 ? 0xFFFFFFFFu : (std::uint32_t{1} << bits_[c]) - 1;
    out = (out << 8) | scaleChannel((value >> shift_[c]) & max, bits_[c]);
  }
  return out;
}

void Bitmap::convert(int y, int x, int count, Rgb* out) const {
  if (source_ == Source::kExpanded) {
    const std::size_t row = static_cast<std::size_t>(height_ - 1 - y);
    const std::uint8_t* src = expanded_->data() + row * static_cast<std::size_t>(width_) + x;
    const auto& pal = *palette_;
    for (int i = 0; i < count; ++i) out[i] = pal[src[i]];
    return;
  }

  // The stored row, and how many of its pixels are wholly present in the data.
  const std::size_t row = static_cast<std::size_t>(topDown_ ? y : height_ - 1 - y);
  const std::size_t offset = row * stride_;
  const std::size_t avail = offset < pixels_.size() ? std::min(stride_, pixels_.size() - offset) : 0;
  const std::uint8_t* src = pixels_.data() + (avail ? offset : 0);
  const std::size_t present = avail * 8 / header_.bitCount;
  const int n = static_cast<int>(std::clamp<std::size_t>(present > static_cast<std::size_t>(x) ? present - x : 0, 0,
                                                       static_cast<std::size_t>(count)));
  std::fill(out + n, out + count, Rgb{0});  // cut off by the end of the data
  if (n == 0) return;

  switch (source_) {
    case Source::kIndex1: {
      const auto& pal = *palette_;
      for (int i = 0; i < n; ++i) {
        const int p = x + i;
        out[i] = pal[(src[p >> 3] >> (7 - (p & 7))) & 1];
      }
      break;
    }
    case Source::kIndex4: {
      const auto& pal = *palette_;
      for (int i = 0; i < n; ++i) {
        const int p = x + i;
        const std::uint8_t b = src[p >> 1];
        out[i] = pal[(p & 1) ? (b & 0x0F) : (b >> 4)];
      }
      break;
    }
    case Source::kIndex8: {
      const auto& pal = *palette_;
      for (int i = 0; i < n; ++i) out[i] = pal[src[x + i]];
      break;
    }
    case Source::kBgr24: {
      const std::uint8_t* s = src + static_cast<std::size_t>(x) * 3;
      int i = 0;
      if constexpr (std::endian::native == std::endian::little) {
        // Blue, green, red in memory are 0x..RRGGBB read as one little-endian word. Pictures
        // are drawn from these rows on every paint, so this is the hot loop of a page with
        // figures: four pixels are three words, taken apart by shifts.
        for (; i + 4 <= n; i += 4, s += 12) {
          std::uint32_t w[3];
          std::memcpy(w, s, sizeof w);
          out[i] = w[0] & 0xFFFFFFu;
          out[i + 1] = (w[0] >> 24) | ((w[1] & 0xFFFFu) << 8);
          out[i + 2] = (w[1] >> 16) | ((w[2] & 0xFFu) << 16);
          out[i + 3] = w[2] >> 8;
        }
        // Then a word at a time, masked; the last pixel bytewise: its fourth byte may lie past
        // the data.
        for (; i + 1 < n; ++i, s += 3) {
          std::uint32_t word;
          std::memcpy(&word, s, sizeof word);
          out[i] = word & 0xFFFFFFu;
        }
      }
      for (; i < n; ++i, s += 3) out[i] = rgb(s[2], s[1], s[0]);
      break;
    }
    case Source::kBgrx32: {
      const std::uint8_t* s = src + static_cast<std::size_t>(x) * 4;
      if constexpr (std::endian::native == std::endian::little) {
        // The pictures' twins are stored so: a word each, its fourth byte masked off.
        for (int i = 0; i < n; ++i, s += 4) {
          std::uint32_t word;
          std::memcpy(&word, s, sizeof word);
          out[i] = word & 0xFFFFFFu;
        }
      } else {
        for (int i = 0; i < n; ++i, s += 4) out[i] = rgb(s[2], s[1], s[0]);
      }
      break;
    }
    case Source::kFields16: {
      const std::uint8_t* s = src + static_cast<std::size_t>(x) * 2;
      for (int i = 0; i < n; ++i, s += 2) out[i] = fields(static_cast<std::uint32_t>(s[0] | (s[1] << 8)));
      break;
    }
    case Source::kFields32: {
      const std::uint8_t* s = src + static_cast<std::size_t>(x) * 4;
      for (int i = 0; i < n; ++i, s += 4) {
        out[i] = fields(static_cast<std::uint32_t>(s[0]) | (static_cast<std::uint32_t>(s[1]) << 8) |
                        (static_cast<std::uint32_t>(s[2]) << 16) | (static_cast<std::uint32_t>(s[3]) << 24));
      }
      break;
    }
    case Source::kNone:
    case Source::kExpanded:
      break;
  }
}

void Bitmap::readRow(int y, int x, int count, Rgb* out) const {
  if (count <= 0) return;
  if (y < 0 || y >= height_) {
    std::fill(out, out + count, Rgb{0});
    return;
  }
  // Clip to the image; what lies outside is written as 0.
  const long long first = std::max<long long>(x, 0);
  const long long last = std::min<long long>(static_cast<long long>(x) + count, width_);
  if (first >= last) {
    std::fill(out, out + count, Rgb{0});
    return;
  }
  const auto lead = static_cast<int>(first - x);
  std::fill(out, out + lead, Rgb{0});
  convert(y, static_cast<int>(first), static_cast<int>(last - first), out + lead);
  std::fill(out + lead + (last - first), out + count, Rgb{0});
}

Bitmap::Rgb Bitmap::pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  Rgb out;
  convert(y, x, 1, &out);
  return out;
}

Bitmap::Rgb Bitmap::bottomLeft() const { return empty() ? Rgb{0xFFFFFF} : pixel(0, height_ - 1); }

}  // namespace apostila::content
