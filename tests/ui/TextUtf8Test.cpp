// UTF-8 decoding, where a byte that is not part of valid UTF-8 is read as a Latin-1 character.
#include <gtest/gtest.h>

#include "ui/text/Utf8.h"

namespace apostila::ui {
namespace {

TEST(TextUtf8, DecodesValidAndKeepsInvalidBytesAsLatin1) {
  struct Case {
    const char* name;
    std::string bytes;
    std::u32string points;
  } cases[] = {
      {"ASCII", "Ab", U"Ab"},
      {"two, three and four bytes", "\xc3\xa7\xe2\x82\xac\xf0\x9f\x98\x80", U"\u00e7\u20ac\U0001F600"},
      {"a lone Latin-1 byte", "a\xe7o", U"a\u00e7o"},
      {"a sequence cut short", "\xe2\x82", U"\u00e2\u0082"},
      {"a sequence cut by a new lead byte", "\xc3\xc3\xa7", U"\u00c3\u00e7"},
      {"an overlong form", "\xc0\xaf", U"\u00c0\u00af"},
      {"a surrogate", "\xed\xa0\x80", U"\u00ed\u00a0\u0080"},
      {"past the last code point", "\xf4\x90\x80\x80", U"\u00f4\u0090\u0080\u0080"},
      {"a zero byte is a character", std::string("a\0b", 3), std::u32string(U"a\0b", 3)},
  };
  for (const Case& c : cases) EXPECT_EQ(Utf8::decode(c.bytes), c.points) << c.name;
  EXPECT_EQ(Utf8::encode(U"ção\U0001F600"), "ção\xf0\x9f\x98\x80");
  EXPECT_EQ(Utf8::encode(std::u32string(1, char32_t{0xD800})), "\xef\xbf\xbd");
}

}  // namespace
}  // namespace apostila::ui
