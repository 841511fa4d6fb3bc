// Writes the definition stream (content/StreamFormat.h) that the program's reader reads: the
// signature, record prefixes, names, and each value code byte first, in the narrowest code
// that holds it. Only the authoring tool writes definitions; the program does not link this.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "content/StreamFormat.h"

namespace apostila::tools {

class ByteWriter {
 public:
  explicit ByteWriter(std::vector<std::uint8_t>& out) : out_(out) {}

  void u8(std::uint8_t b) { out_.push_back(b); }
  void u32(std::uint32_t v);
  void bytes(std::span<const std::uint8_t> b) { out_.insert(out_.end(), b.begin(), b.end()); }
  // A length byte, then the bytes; the caller keeps `s` within 255 bytes.
  void shortString(std::string_view s);

  void signature();
  // A record's prefix byte: flags from content::PrefixFlag, and the position when given (>= 0).
  void prefix(bool exists, int position, bool isInline);
  // Ends a record's properties or children, or a set.
  void end() { u8(content::kEnd); }

  void code(content::ValueCode c) { u8(static_cast<std::uint8_t>(c)); }
  // Int8, Int16, Int32 or Int64, the narrowest that holds v.
  void integer(std::int64_t v);
  void ident(std::string_view name);
  void boolean(bool v) { code(v ? content::ValueCode::True : content::ValueCode::False); }
  void nil() { code(content::ValueCode::Nil); }
  // A short string for plain ASCII of up to 255 bytes, a long one beyond, UTF-8 otherwise.
  // Throws std::invalid_argument for text that is not valid UTF-8.
  void string(const std::string& s);
  // The 80-bit float. Throws std::invalid_argument for one that is not finite.
  void extended(double d);
  // Binary: its length, then the bytes.
  void binary(std::span<const std::uint8_t> b);

 private:
  std::vector<std::uint8_t>& out_;
};

}  // namespace apostila::tools
