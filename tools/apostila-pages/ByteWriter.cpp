// The stream's writer.
#include "ByteWriter.h"

#include <cmath>
#include <cstdint>
#include <stdexcept>

#include "content/ValueReader.h"

namespace apostila::tools {

using content::ValueCode;

void ByteWriter::u32(std::uint32_t v) {
  for (int i = 0; i < 4; ++i) u8(static_cast<std::uint8_t>(v >> (8 * i)));
}

void ByteWriter::shortString(std::string_view s) {
  u8(static_cast<std::uint8_t>(s.size()));
  out_.insert(out_.end(), s.begin(), s.end());
}

void ByteWriter::signature() { out_.insert(out_.end(), content::kSignature.begin(), content::kSignature.end()); }

void ByteWriter::prefix(bool exists, int position, bool isInline) {
  u8(content::kPrefixMark | (exists ? content::kPrefixExists : 0) | (position >= 0 ? content::kPrefixPosition : 0) |
     (isInline ? content::kPrefixInline : 0));
  if (position >= 0) integer(position);
}

void ByteWriter::integer(std::int64_t v) {
  if (v >= INT8_MIN && v <= INT8_MAX) {
    code(ValueCode::Int8);
    u8(static_cast<std::uint8_t>(v));
  } else if (v >= INT16_MIN && v <= INT16_MAX) {
    code(ValueCode::Int16);
    u8(static_cast<std::uint8_t>(v));
    u8(static_cast<std::uint8_t>(v >> 8));
  } else if (v >= INT32_MIN && v <= INT32_MAX) {
    code(ValueCode::Int32);
    u32(static_cast<std::uint32_t>(v));
  } else {
    code(ValueCode::Int64);
    for (int i = 0; i < 8; ++i) u8(static_cast<std::uint8_t>(static_cast<std::uint64_t>(v) >> (8 * i)));
  }
}

void ByteWriter::ident(std::string_view name) {
  code(ValueCode::Ident);
  shortString(name);
}

namespace {
bool isAscii(std::string_view s) {
  for (unsigned char c : s)
    if (c >= 0x80) return false;
  return true;
}
}  // namespace

void ByteWriter::string(const std::string& s) {
  if (isAscii(s) && s.size() <= 255) {
    code(ValueCode::String);
    shortString(s);
    return;
  }
  if (!isAscii(s) && content::sanitizeUtf8(s) != s) throw std::invalid_argument("the text is not valid UTF-8");
  code(isAscii(s) ? ValueCode::LString : ValueCode::Utf8String);
  u32(static_cast<std::uint32_t>(s.size()));
  out_.insert(out_.end(), s.begin(), s.end());
}

void ByteWriter::extended(double d) {
  if (!std::isfinite(d)) throw std::invalid_argument("a float must be finite");
  code(ValueCode::Extended);
  std::uint8_t b[10] = {};
  if (d != 0) {
    int e;
    double m = std::frexp(std::fabs(d), &e);  // m in [0.5, 1)
    auto mantissa = static_cast<std::uint64_t>(std::ldexp(m, 64));
    int exponent = e - 1 + 16383;
    for (int i = 0; i < 8; ++i) b[i] = static_cast<std::uint8_t>(mantissa >> (8 * i));
    b[8] = static_cast<std::uint8_t>(exponent);
    b[9] = static_cast<std::uint8_t>((exponent >> 8) & 0x7F);
  }
  if (std::signbit(d)) b[9] |= 0x80;
  bytes(b);
}

void ByteWriter::binary(std::span<const std::uint8_t> b) {
  code(ValueCode::Binary);
  u32(static_cast<std::uint32_t>(b.size()));
  bytes(b);
}

}  // namespace apostila::tools
