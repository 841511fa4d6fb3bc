// The value codes of the page definition stream.
#pragma once

#include <cstdint>

namespace apostila::content {

enum class ValueCode : std::uint8_t {
  Null = 0,        // end of a list; as an identifier, "Null"
  List = 1,
  Int8 = 2,
  Int16 = 3,
  Int32 = 4,
  Extended = 5,    // 80-bit float
  String = 6,      // short string, single-byte code page
  Ident = 7,
  False = 8,
  True = 9,
  Binary = 10,
  Set = 11,
  LString = 12,    // 4-byte length, single-byte code page
  Nil = 13,
  Collection = 14,
  Single = 15,
  Currency = 16,
  Date = 17,
  WString = 18,    // UTF-16LE
  Int64 = 19,
  Utf8String = 20,
};

inline constexpr std::uint8_t kMaxValueCode = 20;

}  // namespace apostila::content
