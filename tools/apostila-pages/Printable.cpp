// Escaping of what a terminal would not show as it stands.
#include "Printable.h"

#include <cstdint>
#include <cstdio>

namespace apostila::tools {

namespace {

// Characters that show nothing or change how the text around them is shown.
bool invisible(std::uint32_t cp) {
  return (cp >= 0x80 && cp < 0xA0) || cp == 0xAD || (cp >= 0x200B && cp <= 0x200F) ||
         (cp >= 0x2028 && cp <= 0x202E) || (cp >= 0x2060 && cp <= 0x206F) || cp == 0xFEFF ||
         (cp >= 0xFFF9 && cp <= 0xFFFB);
}

std::string hex(const char* format, std::uint32_t v) {
  char buf[16];
  std::snprintf(buf, sizeof buf, format, v);
  return buf;
}

}  // namespace

std::string printable(std::string_view s) {
  std::string out;
  std::size_t i = 0;
  while (i < s.size()) {
    auto b = static_cast<unsigned char>(s[i]);
    if (b < 0x80) {
      if (b < 0x20 || b == 0x7F)
        out += b == '\n' ? "\\n" : b == '\t' ? "\\t" : b == '\r' ? "\\r" : hex("\\x%02X", b);
      else
        out += static_cast<char>(b);
      ++i;
      continue;
    }
    int len = (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
    bool ok = len > 0 && i + static_cast<std::size_t>(len) <= s.size();
    std::uint32_t cp = len == 2 ? (b & 0x1F) : len == 3 ? (b & 0x0F) : (b & 0x07);
    for (int k = 1; ok && k < len; ++k) {
      auto c = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
      ok = (c & 0xC0) == 0x80;
      cp = (cp << 6) | (c & 0x3F);
    }
    constexpr std::uint32_t kMin[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (!ok || cp < kMin[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp < 0xE000)) {
      out += hex("\\x%02X", b);
      ++i;
      continue;
    }
    if (invisible(cp))
      out += hex("\\u{%04X}", cp);
    else
      out.append(s.substr(i, static_cast<std::size_t>(len)));
    i += static_cast<std::size_t>(len);
  }
  return out;
}

}  // namespace apostila::tools
