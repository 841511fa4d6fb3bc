// Value payloads: sizes for skipping, numbers, strings and sets.
#include "content/ValueReader.h"

#include <cmath>
#include <cstring>

namespace apostila::content {

void ValueReader::skipPayload(ValueCode c, int depth) {
  if (depth > kMaxNesting) throw ReadError(msg::kInvalidPropertyValue);
  switch (c) {
    case ValueCode::Null: case ValueCode::False: case ValueCode::True: case ValueCode::Nil:
      return;
    case ValueCode::Int8: in_.skip(1); return;
    case ValueCode::Int16: in_.skip(2); return;
    case ValueCode::Int32: case ValueCode::Single: in_.skip(4); return;
    case ValueCode::Extended: in_.skip(10); return;
    case ValueCode::Currency: case ValueCode::Date: case ValueCode::Int64: in_.skip(8); return;
    case ValueCode::String: case ValueCode::Ident: in_.skip(in_.u8()); return;
    case ValueCode::Binary: case ValueCode::LString: case ValueCode::Utf8String: in_.skip(in_.u32()); return;
    case ValueCode::WString: {
      std::uint64_t units = in_.u32();
      in_.skip(static_cast<std::size_t>(units * 2));
      return;
    }
    case ValueCode::Set:
      for (std::size_t n = in_.u8(); n != 0; n = in_.u8()) in_.skip(n);
      return;
    case ValueCode::List:
      while (peekCode() != ValueCode::Null) skip(depth + 1);
      in_.skip(1);
      return;
    case ValueCode::Collection:
      while (peekCode() != ValueCode::Null) {
        if (isInteger(peekCode())) skip();  // the item's order
        if (code() != ValueCode::List) throw ReadError(msg::kInvalidPropertyValue);
        while (in_.peek() != 0) {  // property records: a name, then a value
          in_.skip(in_.u8());
          skip(depth + 1);
        }
        in_.skip(1);
      }
      in_.skip(1);
      return;
  }
  // A code outside the table: the stream cannot be followed any further.
  throw ReadError(msg::kInvalidPropertyValue);
}

std::int64_t ValueReader::integerPayload(ValueCode c) {
  switch (c) {
    case ValueCode::Int8: return in_.i8();
    case ValueCode::Int16: return in_.i16();
    case ValueCode::Int32: return in_.i32();
    case ValueCode::Int64: return in_.i64();
    default: throw ReadError(msg::kInvalidPropertyValue);
  }
}

double ValueReader::floatPayload(ValueCode c) {
  switch (c) {
    case ValueCode::Extended: return extendedToDouble(in_.take(10));
    case ValueCode::Single: return in_.f32();
    default: return static_cast<double>(integerPayload(c));
  }
}

std::string ValueReader::stringPayload(ValueCode c) {
  switch (c) {
    case ValueCode::String: {
      auto s = in_.take(in_.u8());
      return singleByteToUtf8({reinterpret_cast<const char*>(s.data()), s.size()});
    }
    case ValueCode::LString: {
      auto s = in_.take(in_.u32());
      return singleByteToUtf8({reinterpret_cast<const char*>(s.data()), s.size()});
    }
    case ValueCode::WString: {
      std::uint64_t units = in_.u32();
      return utf16ToUtf8(in_.take(static_cast<std::size_t>(units * 2)));
    }
    case ValueCode::Utf8String: {
      auto s = in_.take(in_.u32());
      return sanitizeUtf8({reinterpret_cast<const char*>(s.data()), s.size()});
    }
    default: throw ReadError(msg::kInvalidPropertyValue);
  }
}

std::string ValueReader::identPayload(ValueCode c) {
  switch (c) {
    case ValueCode::Ident: return in_.shortString();
    case ValueCode::False: return "False";
    case ValueCode::True: return "True";
    case ValueCode::Null: return "Null";
    case ValueCode::Nil: return "nil";
    default: throw ReadError(msg::kInvalidPropertyValue);
  }
}

std::vector<std::string> ValueReader::setPayload() {
  std::vector<std::string> members;
  for (;;) {
    std::string m = in_.shortString();
    if (m.empty()) return members;
    members.push_back(std::move(m));
  }
}

namespace {
void putUtf8(std::string& out, std::uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// The code page's characters 0x80 to 0x9F; the rest coincide with Unicode.
constexpr std::uint16_t kHighControls[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
}  // namespace

std::string singleByteToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (unsigned char b : bytes) {
    if (b >= 0x80 && b < 0xA0)
      putUtf8(out, kHighControls[b - 0x80]);
    else
      putUtf8(out, b);
  }
  return out;
}

std::string utf16ToUtf8(std::span<const std::uint8_t> le) {
  std::string out;
  for (std::size_t i = 0; i + 1 < le.size(); i += 2) {
    std::uint32_t u = le[i] | (le[i + 1] << 8);
    if (u >= 0xD800 && u < 0xDC00 && i + 3 < le.size()) {
      std::uint32_t lo = le[i + 2] | (le[i + 3] << 8);
      if (lo >= 0xDC00 && lo < 0xE000) {
        putUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (lo - 0xDC00));
        i += 2;
        continue;
      }
    }
    putUtf8(out, (u >= 0xD800 && u < 0xE000) ? 0xFFFD : u);
  }
  return out;
}

std::string sanitizeUtf8(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  std::size_t i = 0;
  while (i < s.size()) {
    auto b = static_cast<unsigned char>(s[i]);
    int len = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
    bool ok = len > 0 && i + static_cast<std::size_t>(len) <= s.size();
    std::uint32_t cp = len == 1 ? b : len == 2 ? (b & 0x1F) : len == 3 ? (b & 0x0F) : (b & 0x07);
    for (int k = 1; ok && k < len; ++k) {
      auto c = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
      if ((c & 0xC0) != 0x80) ok = false;
      cp = (cp << 6) | (c & 0x3F);
    }
    // Overlong forms, surrogates and values past the last code point are not text.
    constexpr std::uint32_t kMin[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (ok && (cp < kMin[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp < 0xE000))) ok = false;
    if (ok) {
      out.append(s.substr(i, static_cast<std::size_t>(len)));
      i += static_cast<std::size_t>(len);
    } else {
      putUtf8(out, 0xFFFD);
      ++i;
    }
  }
  return out;
}

double extendedToDouble(std::span<const std::uint8_t> b) {
  std::uint64_t mantissa = 0;
  for (int i = 7; i >= 0; --i) mantissa = (mantissa << 8) | b[static_cast<std::size_t>(i)];
  int exponent = ((b[9] & 0x7F) << 8) | b[8];
  bool negative = b[9] & 0x80;
  double v;
  if (exponent == 0 && mantissa == 0) {
    v = 0.0;
  } else if (exponent == 0x7FFF) {
    v = (mantissa << 1) == 0 ? HUGE_VAL : NAN;
  } else {
    v = std::ldexp(static_cast<double>(mantissa), exponent - 16383 - 63);
  }
  return negative ? -v : v;
}

}  // namespace apostila::content
