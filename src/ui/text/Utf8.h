// UTF-8 text to code points. Texts reach the renderer as UTF-8, but a stray byte that is not
// valid UTF-8 is most likely a Western single-byte character, so it is kept as that character
// (its Latin-1 value) instead of being dropped: the text stays readable.
#pragma once

#include <string>
#include <string_view>

namespace apostila::ui {

class Utf8 {
 public:
  static std::u32string decode(std::string_view text);
  static std::string encode(std::u32string_view text);  // code points past U+10FFFF become U+FFFD
};

}  // namespace apostila::ui
