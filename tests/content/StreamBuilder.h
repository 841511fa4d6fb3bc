// Writes small page definitions byte by byte for reader tests, so each case shows the exact
// bytes it feeds the reader.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace apostila::testing {

class StreamBuilder {
 public:
  StreamBuilder& bytes(std::initializer_list<int> b) {
    for (int v : b) out_.push_back(static_cast<std::uint8_t>(v));
    return *this;
  }
  StreamBuilder& signature() { return raw("TPF0"); }
  StreamBuilder& raw(const std::string& s) {
    out_.insert(out_.end(), s.begin(), s.end());
    return *this;
  }
  StreamBuilder& shortString(const std::string& s) {
    out_.push_back(static_cast<std::uint8_t>(s.size()));
    return raw(s);
  }
  StreamBuilder& u32(std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    return *this;
  }
  // A record header: class name and instance name.
  StreamBuilder& record(const std::string& cls, const std::string& name) { return shortString(cls).shortString(name); }
  StreamBuilder& prop(const std::string& path) { return shortString(path); }
  StreamBuilder& int8(int v) { return bytes({2, v & 0xFF}); }
  StreamBuilder& int16(int v) { return bytes({3, v & 0xFF, (v >> 8) & 0xFF}); }
  StreamBuilder& int32(std::int32_t v) {
    out_.push_back(4);
    return u32(static_cast<std::uint32_t>(v));
  }
  StreamBuilder& ident(const std::string& s) {
    out_.push_back(7);
    return shortString(s);
  }
  StreamBuilder& str(const std::string& s) {
    out_.push_back(6);
    return shortString(s);
  }
  StreamBuilder& utf8(const std::string& s) {
    out_.push_back(20);
    u32(static_cast<std::uint32_t>(s.size()));
    return raw(s);
  }
  StreamBuilder& boolean(bool v) { return bytes({v ? 9 : 8}); }
  StreamBuilder& set(std::initializer_list<std::string> members) {
    out_.push_back(11);
    for (const auto& m : members) shortString(m);
    return bytes({0});
  }
  StreamBuilder& binary(const std::vector<std::uint8_t>& data) {
    out_.push_back(10);
    u32(static_cast<std::uint32_t>(data.size()));
    out_.insert(out_.end(), data.begin(), data.end());
    return *this;
  }
  StreamBuilder& end() { return bytes({0}); }

  std::vector<std::uint8_t> build() const { return out_; }

 private:
  std::vector<std::uint8_t> out_;
};

// A 2 x 1 24-bit bitmap file (white, then red), bottom-up, 40-byte header.
inline std::vector<std::uint8_t> tinyBmp() {
  std::vector<std::uint8_t> f = {'B', 'M', 62, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,
                                 40, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 1, 0, 24, 0,
                                 0, 0, 0, 0, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                 0, 0, 0, 0, 0, 0, 0, 0};
  for (int b : {255, 255, 255, 0, 0, 255, 0, 0}) f.push_back(static_cast<std::uint8_t>(b));
  return f;
}

}  // namespace apostila::testing
