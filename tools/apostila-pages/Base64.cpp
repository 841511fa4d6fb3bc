// Standard base64 alphabet with padding.
#include "Base64.h"

namespace apostila::tools {

namespace {
constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
int valueOf(char c) {
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= 'a' && c <= 'z') return c - 'a' + 26;
  if (c >= '0' && c <= '9') return c - '0' + 52;
  if (c == '+') return 62;
  if (c == '/') return 63;
  return -1;
}
}  // namespace

std::string base64Encode(const std::vector<std::uint8_t>& b) {
  std::string out;
  out.reserve((b.size() + 2) / 3 * 4);
  for (std::size_t i = 0; i < b.size(); i += 3) {
    std::uint32_t v = static_cast<std::uint32_t>(b[i]) << 16;
    if (i + 1 < b.size()) v |= static_cast<std::uint32_t>(b[i + 1]) << 8;
    if (i + 2 < b.size()) v |= b[i + 2];
    out += kAlphabet[(v >> 18) & 63];
    out += kAlphabet[(v >> 12) & 63];
    out += i + 1 < b.size() ? kAlphabet[(v >> 6) & 63] : '=';
    out += i + 2 < b.size() ? kAlphabet[v & 63] : '=';
  }
  return out;
}

std::optional<std::vector<std::uint8_t>> base64Decode(std::string_view s) {
  if (s.size() % 4 != 0) return std::nullopt;
  std::vector<std::uint8_t> out;
  out.reserve(s.size() / 4 * 3);
  for (std::size_t i = 0; i < s.size(); i += 4) {
    int v[4];
    int pad = 0;
    for (int k = 0; k < 4; ++k) {
      char c = s[i + static_cast<std::size_t>(k)];
      if (c == '=' && i + 4 == s.size() && k >= 2) {
        v[k] = 0;
        ++pad;
      } else if (pad || (v[k] = valueOf(c)) < 0) {
        return std::nullopt;
      }
    }
    std::uint32_t w = (v[0] << 18) | (v[1] << 12) | (v[2] << 6) | v[3];
    out.push_back(static_cast<std::uint8_t>(w >> 16));
    if (pad < 2) out.push_back(static_cast<std::uint8_t>(w >> 8));
    if (pad < 1) out.push_back(static_cast<std::uint8_t>(w));
  }
  return out;
}

}  // namespace apostila::tools
