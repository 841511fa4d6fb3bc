// A bounded little-endian reader over bytes it does not own. Every read checks the remaining
// length first, so no input can make it read outside its span; running short throws
// "Stream read error".
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>

#include "content/ReadError.h"

namespace apostila::content {

class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::size_t position() const { return pos_; }
  std::size_t remaining() const { return bytes_.size() - pos_; }
  bool atEnd() const { return pos_ == bytes_.size(); }
  std::span<const std::uint8_t> all() const { return bytes_; }

  void seek(std::size_t pos) {
    if (pos > bytes_.size()) throw ReadError(msg::kStreamRead);
    pos_ = pos;
  }

  std::uint8_t peek() const {
    need(1);
    return bytes_[pos_];
  }

  std::span<const std::uint8_t> take(std::size_t n) {
    need(n);
    auto s = bytes_.subspan(pos_, n);
    pos_ += n;
    return s;
  }

  void skip(std::size_t n) { take(n); }

  std::uint8_t u8() { return take(1)[0]; }
  std::int8_t i8() { return static_cast<std::int8_t>(u8()); }
  std::uint16_t u16() { return static_cast<std::uint16_t>(le(2)); }
  std::int16_t i16() { return static_cast<std::int16_t>(u16()); }
  std::uint32_t u32() { return static_cast<std::uint32_t>(le(4)); }
  std::int32_t i32() { return static_cast<std::int32_t>(u32()); }
  std::uint64_t u64() { return le(8); }
  std::int64_t i64() { return static_cast<std::int64_t>(u64()); }

  float f32() {
    std::uint32_t bits = u32();
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
  }
  double f64() {
    std::uint64_t bits = u64();
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
  }

  // A length byte N followed by N bytes.
  std::string shortString() {
    std::size_t n = u8();
    auto s = take(n);
    return std::string(s.begin(), s.end());
  }

 private:
  void need(std::size_t n) const {
    if (n > bytes_.size() - pos_) throw ReadError(msg::kStreamRead);
  }
  std::uint64_t le(int n) {
    auto s = take(static_cast<std::size_t>(n));
    std::uint64_t v = 0;
    for (int i = n - 1; i >= 0; --i) v = (v << 8) | s[static_cast<std::size_t>(i)];
    return v;
  }

  std::span<const std::uint8_t> bytes_;
  std::size_t pos_ = 0;
};

}  // namespace apostila::content
