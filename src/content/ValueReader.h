// Reads and skips single values of the definition stream, code byte first.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "content/ByteReader.h"
#include "content/StreamFormat.h"

namespace apostila::content {

class ValueReader {
 public:
  explicit ValueReader(ByteReader& in) : in_(in) {}

  ValueCode code() {
    std::uint8_t c = in_.u8();
    return static_cast<ValueCode>(c);
  }
  ValueCode peekCode() const { return static_cast<ValueCode>(in_.peek()); }

  // Skips one value whose code byte has already been read. Lists nest at most kMaxNesting deep.
  void skipPayload(ValueCode c, int depth = 0);
  // Skips one whole value, code byte included.
  void skip(int depth = 0) { skipPayload(code(), depth); }
  static constexpr int kMaxNesting = 32;

  // Payload readers for a code already read. Strings come back as UTF-8.
  std::int64_t integerPayload(ValueCode c);  // codes 2, 3, 4, 19
  double floatPayload(ValueCode c);          // codes 5, 15 and the integer codes
  std::string stringPayload(ValueCode c);    // codes 6, 12, 18, 20
  std::string identPayload(ValueCode c);     // 7, and 0, 8, 9, 13 as their names
  std::vector<std::string> setPayload();     // code 11

  static bool isInteger(ValueCode c) {
    return c == ValueCode::Int8 || c == ValueCode::Int16 || c == ValueCode::Int32;
  }
  static bool isString(ValueCode c) {
    return c == ValueCode::String || c == ValueCode::LString || c == ValueCode::WString ||
           c == ValueCode::Utf8String;
  }
  static bool isIdent(ValueCode c) {
    return c == ValueCode::Ident || c == ValueCode::False || c == ValueCode::True ||
           c == ValueCode::Null || c == ValueCode::Nil;
  }

  ByteReader& input() { return in_; }

 private:
  ByteReader& in_;
};

// Text conversions used for stored strings.
std::string singleByteToUtf8(std::string_view bytes);  // the Western European single-byte code page
std::string utf16ToUtf8(std::span<const std::uint8_t> le);
std::string sanitizeUtf8(std::string_view bytes);   // invalid sequences become U+FFFD
double extendedToDouble(std::span<const std::uint8_t> tenBytes);

}  // namespace apostila::content
