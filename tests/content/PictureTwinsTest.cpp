// The packed twins: a set is read whole when opened and each twin decompressed when asked
// for; every way a set can be malformed is refused with the reader's message, never read past.
#include <gtest/gtest.h>

#include <zstd.h>

#include <cstdint>
#include <string>
#include <vector>

#include "content/PictureTwins.h"
#include "content/ReadError.h"

namespace apostila::content {
namespace {

using Bytes = std::vector<std::uint8_t>;

void u16(Bytes& b, std::uint16_t v) { b.insert(b.end(), {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8)}); }
void u32(Bytes& b, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void name(Bytes& b, const std::string& s) {
  u16(b, static_cast<std::uint16_t>(s.size()));
  b.insert(b.end(), s.begin(), s.end());
}

const Bytes kPicture{'B', 'M', 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};

Bytes compressed(const Bytes& raw) {
  Bytes out(ZSTD_compressBound(raw.size()));
  out.resize(ZSTD_compress(out.data(), out.size(), raw.data(), raw.size(), 3));
  return out;
}

// A set of one twin named by two elements; the fields a case spoils are parameters.
struct Set {
  std::string magic = "APTW";
  std::uint32_t version = 2, entries = 2, twins = 1, twinIndex = 0, offset = 0, size = 14;
  std::string secondClass = "TForm82", secondElement = "Image2", description = "Uma carinha sorridente";
  std::int64_t storedDelta = 0;
  Bytes data = compressed(kPicture);

  Bytes bytes() const {
    Bytes b(magic.begin(), magic.end());
    u32(b, version);
    u32(b, entries);
    u32(b, twins);
    name(b, "TForm81");
    name(b, "Image1");
    u32(b, 0);
    name(b, secondClass);
    name(b, secondElement);
    u32(b, twinIndex);
    u32(b, offset);
    u32(b, static_cast<std::uint32_t>(static_cast<std::int64_t>(data.size()) + storedDelta));
    u32(b, size);
    name(b, description);
    b.insert(b.end(), data.begin(), data.end());
    return b;
  }
};

std::string errorOf(const Bytes& bytes) {
  try {
    PictureTwins twins(bytes);
    (void)twins.find("TForm81", "Image1");
  } catch (const ReadError& e) {
    return e.what();
  }
  return "";
}

TEST(PictureTwins, FindsEachElementsTwinAndNothingElse) {
  const Bytes bytes = Set{}.bytes();
  const PictureTwins twins(bytes);
  EXPECT_EQ(twins.size(), 2u);
  EXPECT_EQ(twins.find("TForm81", "Image1"), kPicture);
  EXPECT_EQ(twins.find("TForm82", "Image2"), kPicture);  // one twin, two elements
  EXPECT_FALSE(twins.find("TForm81", "Image2"));
  EXPECT_FALSE(twins.find("TForm8", "1.Image1"));
  EXPECT_EQ(twins.description("TForm82", "Image2"), "Uma carinha sorridente");
  EXPECT_EQ(twins.description("TForm82", "Image3"), "");
  EXPECT_TRUE(PictureTwins().empty());
}

TEST(PictureTwins, EachMalformedSetIsRefused) {
  const char* const format = "Invalid stream format";
  const char* const shortRead = "Stream read error";
  struct Case {
    const char* why;
    Set set;
    const char* message;
  };
  std::vector<Case> cases;
  auto add = [&](const char* why, auto spoil, const char* message) {
    Set s;
    spoil(s);
    cases.push_back({why, s, message});
  };
  add("another magic", [](Set& s) { s.magic = "APTX"; }, format);
  add("another version", [](Set& s) { s.version = 1; }, format);
  add("more entries than the bytes hold", [](Set& s) { s.entries = 0x40000000; }, format);
  add("more twins than the bytes hold", [](Set& s) { s.twins = 0x40000000; }, format);
  add("an entry naming a twin that is not there", [](Set& s) { s.twinIndex = 1; }, format);
  add("a twin beyond the data", [](Set& s) { s.offset = 1; }, format);
  add("stored bytes beyond the data", [](Set& s) { s.storedDelta = 1; }, format);
  add("a twin of no size", [](Set& s) { s.size = 0; }, format);
  add("a twin too large to be a picture", [](Set& s) { s.size = 0x7FFFFFFF; }, format);
  add("an element named twice", [](Set& s) { s.secondClass = "TForm81", s.secondElement = "Image1"; }, format);
  add("an element without a name", [](Set& s) { s.secondElement = ""; }, format);
  add("bytes that do not decompress", [](Set& s) { s.data = Bytes(s.data.size(), 0x5A); }, "Bitmap image is not valid");
  add("a twin of another size", [](Set& s) { s.size = 15; }, "Bitmap image is not valid");
  for (const Case& c : cases) EXPECT_EQ(errorOf(c.set.bytes()), c.message) << c.why;
  // Cut anywhere inside its table, a set runs short.
  const Bytes whole = Set{}.bytes();
  for (std::size_t cut : {2, 10, 32, 45, 60, 80})
    EXPECT_EQ(errorOf(Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(cut))), shortRead) << cut;
}

}  // namespace
}  // namespace apostila::content
