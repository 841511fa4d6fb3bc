// The page definition stream's one declaration: its signature, the prefix of an element record
// and the value codes. The program's reader, the authoring tool (its compiler, dump and
// commands) and the fuzzers' dictionary all take the format from here.
//
//   definition := signature record
//   record     := [prefix [integer]] class-name name property* 0 record* 0
//   property   := path value              (names and paths: a length byte, then the bytes)
//   value      := code payload
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace apostila::content {

// The four bytes every definition begins with.
inline constexpr std::string_view kSignature{"TPF0", 4};

inline bool hasSignature(std::span<const std::uint8_t> bytes) {
  return bytes.size() >= kSignature.size() && std::string_view(reinterpret_cast<const char*>(bytes.data()),
                                                               kSignature.size()) == kSignature;
}

// A byte whose high four bits are all set opens a record with a prefix: its low bits are flags,
// and a position among the parent's children (an integer value) follows when that flag is set.
inline constexpr std::uint8_t kPrefixMark = 0xF0;
inline bool isPrefix(std::uint8_t b) { return (b & kPrefixMark) == kPrefixMark; }
enum PrefixFlag : std::uint8_t {
  kPrefixExists = 1,    // the element was created by an ancestor: found by name, not made
  kPrefixPosition = 2,  // a position follows
  kPrefixInline = 4,
};
inline constexpr std::uint8_t kPrefixFlags = kPrefixExists | kPrefixPosition | kPrefixInline;

// Ends a record's properties, its children, a set's members and a list.
inline constexpr std::uint8_t kEnd = 0;

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
