// The bitmap decoder on small hand-written files: every stored layout it accepts, every header
// it refuses, and the edge behaviour the drawing code relies on (in-place pixels, cut-short
// data, out-of-range reads, the transparent colour, the course's glyph strips).
#include <gtest/gtest.h>

#include <climits>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "content/Bitmap.h"
#include "content/BitmapFixtures.h"
#include "content/ReadError.h"

namespace apostila::content {
namespace {

using namespace bitmap_fixtures;
using Rgb = Bitmap::Rgb;
using Bytes = std::vector<std::uint8_t>;

// Every pixel, top row first, read through readRow(); pixel() must agree with it.
std::vector<Rgb> pixelsOf(const Bitmap& bmp) {
  std::vector<Rgb> px(static_cast<std::size_t>(bmp.width() * bmp.height()));
  for (int y = 0; y < bmp.height(); ++y) bmp.readRow(y, 0, bmp.width(), px.data() + y * bmp.width());
  for (int y = 0; y < bmp.height(); ++y) {
    for (int x = 0; x < bmp.width(); ++x) EXPECT_EQ(bmp.pixel(x, y), px[static_cast<std::size_t>(y * bmp.width() + x)]);
  }
  return px;
}

// ---------------------------------------------------------------------------------------------
// Accepted layouts

struct FormatCase {
  const char* name;
  const Bytes* file;
  int width, height;
  std::vector<Rgb> pixels;  // top row first
};

class BitmapFormat : public ::testing::TestWithParam<FormatCase> {};

TEST_P(BitmapFormat, DecodesEveryPixel) {
  const auto& c = GetParam();
  const Bitmap bmp = Bitmap::decode(*c.file);
  ASSERT_EQ(bmp.width(), c.width);
  ASSERT_EQ(bmp.height(), c.height);
  EXPECT_EQ(pixelsOf(bmp), c.pixels);
  EXPECT_EQ(bmp.bottomLeft(), c.pixels[static_cast<std::size_t>((c.height - 1) * c.width)]);
}

constexpr Rgb kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kWhite = 0xFFFFFF;
constexpr Rgb kOlive = 0x808000, kC1 = 0x111111, kC2 = 0x222222, kC3 = 0x333333;

INSTANTIATE_TEST_SUITE_P(
    Layouts, BitmapFormat,
    ::testing::Values(
        FormatCase{"Index1", &kIndex1, 2, 2, {kBlue, kRed, kRed, kBlue}},
        FormatCase{"Index4", &kIndex4, 2, 2, {0x778899, 0x445566, 0x112233, 0x778899}},
        // Index 5 lies past the two-entry table: black, not whatever follows the table.
        FormatCase{"Index8", &kIndex8, 2, 2, {0xC0FFEE, 0x102030, 0x000000, 0xC0FFEE}},
        // Five-bit channels widen by repeating their top bits: 3 gives 0x18.
        FormatCase{"Rgb16Default555", &kRgb16, 2, 2, {kRed, kGreen, kBlue, 0x181818}},
        FormatCase{"Rgb16Fields565", &kRgb16Fields565, 2, 2, {kRed, kGreen, kBlue, 0x181C18}},
        FormatCase{"Rgb24", &kRgb24, 2, 2, {kRed, kGreen, kBlue, kWhite}},
        FormatCase{"Rgb32IgnoresFourthByte", &kRgb32, 2, 2, {kRed, kGreen, kBlue, kWhite}},
        FormatCase{"Rgb32FieldsRgbx", &kRgb32FieldsRgbx, 2, 2, {kRed, kGreen, kBlue, 0x808080}},
        FormatCase{"TopDown24", &kTopDown24, 2, 2, {kRed, kGreen, kBlue, kWhite}},
        FormatCase{"CoreHeader1", &kCore1, 2, 2, {kBlue, kRed, kRed, kBlue}},
        FormatCase{"MasksInsideHeader", &kHeader56Fields32, 2, 2, {kRed, kGreen, kBlue, kWhite}},
        FormatCase{"AlphaBitFields", &kAlphaFields32, 2, 2, {kRed, kGreen, kBlue, kWhite}},
        // Pixels the stream never sets keep index 0 (olive); the over-long run of row 0 spills
        // into row 1, where the next run overwrites only its first two pixels.
        FormatCase{"Rle8Escapes", &kRle8, 4, 3,
                   {kOlive, kOlive, kOlive, kC2, kC3, kC3, kC2, kC2, kC1, kC2, kC3, kC2}},
        FormatCase{"Rle4Escapes", &kRle4, 5, 2, {kC1, kC2, kC1, kOlive, kC3, kC3, kC1, kC2, kC3, kC1}},
        // The file ends three bytes into the top row: the rest of the row reads as black.
        FormatCase{"PixelsCutShort", &kRgb24CutShort, 2, 2, {kRed, 0x000000, kBlue, kWhite}}),
    [](const auto& test) { return std::string(test.param.name); });

// ---------------------------------------------------------------------------------------------
// Refused headers: each case is one of the files above with a field changed or the file cut.

namespace at {
constexpr std::size_t kSignature = 0, kPixelOffset = 10, kHeaderSize = 14, kWidth = 18, kHeight = 22, kPlanes = 26,
                      kBitCount = 28, kCompression = 30, kImageSize = 34, kRedMask = 54, kGreenMask = 58,
                      kBlueMask = 62, kAlphaMask = 66;
constexpr std::size_t kCoreWidth = 18, kCoreBitCount = 24;
}  // namespace at

struct Patch {
  std::size_t offset;
  int size;  // bytes, little-endian
  std::int64_t value;
};

struct RejectCase {
  const char* name;
  const Bytes* base;
  std::vector<Patch> patches;
  std::size_t keep;  // bytes of the patched file kept
  const char* message;
};

constexpr std::size_t kAll = std::numeric_limits<std::size_t>::max();

Bytes patched(const RejectCase& c) {
  Bytes b = *c.base;
  for (const auto& p : c.patches) {
    for (int i = 0; i < p.size; ++i) b.at(p.offset + static_cast<std::size_t>(i)) = static_cast<std::uint8_t>(p.value >> (8 * i));
  }
  if (c.keep < b.size()) b.resize(c.keep);
  return b;
}

class BitmapReject : public ::testing::TestWithParam<RejectCase> {};

TEST_P(BitmapReject, FailsWithItsMessage) {
  const Bytes file = patched(GetParam());
  try {
    Bitmap::decode(file);
    FAIL() << "decoded, expected " << GetParam().message;
  } catch (const ReadError& e) {
    EXPECT_STREQ(e.what(), GetParam().message);
  }
}

const char* const kInvalid = msg::kInvalidBitmap;
const char* const kShort = msg::kStreamRead;

INSTANTIATE_TEST_SUITE_P(
    Headers, BitmapReject,
    ::testing::Values(
        RejectCase{"SignatureNotBM", &kRgb24, {{at::kSignature, 2, 0x4142}}, kAll, kInvalid},
        RejectCase{"OneByte", &kRgb24, {}, 1, kShort},
        RejectCase{"FileHeaderOnly", &kRgb24, {}, 14, kShort},
        RejectCase{"InfoHeaderCut", &kRgb24, {}, 40, kShort},
        RejectCase{"HeaderSize16", &kRgb24, {{at::kHeaderSize, 4, 16}}, kAll, kInvalid},
        RejectCase{"HeaderSize39", &kRgb24, {{at::kHeaderSize, 4, 39}}, kAll, kInvalid},
        RejectCase{"HeaderLongerThanFile", &kRgb24, {{at::kHeaderSize, 4, 124}}, kAll, kShort},
        RejectCase{"PlanesZero", &kRgb24, {{at::kPlanes, 2, 0}}, kAll, kInvalid},
        RejectCase{"PlanesTwo", &kRgb24, {{at::kPlanes, 2, 2}}, kAll, kInvalid},
        RejectCase{"BitCount0", &kRgb24, {{at::kBitCount, 2, 0}}, kAll, kInvalid},
        RejectCase{"BitCount2", &kRgb24, {{at::kBitCount, 2, 2}}, kAll, kInvalid},
        RejectCase{"BitCount64", &kRgb24, {{at::kBitCount, 2, 64}}, kAll, kInvalid},
        RejectCase{"CoreBitCount16", &kCore1, {{at::kCoreBitCount, 2, 16}}, kAll, kInvalid},
        RejectCase{"CompressionJpeg", &kRgb24, {{at::kCompression, 4, 4}}, kAll, kInvalid},
        RejectCase{"CompressionPng", &kRgb24, {{at::kCompression, 4, 5}}, kAll, kInvalid},
        RejectCase{"CompressionUnknown", &kRgb24, {{at::kCompression, 4, 7}}, kAll, kInvalid},
        RejectCase{"Rle8At24Bits", &kRgb24, {{at::kCompression, 4, 1}}, kAll, kInvalid},
        RejectCase{"Rle4At8Bits", &kRle8, {{at::kCompression, 4, 2}}, kAll, kInvalid},
        RejectCase{"BitFieldsAt24Bits", &kRgb24, {{at::kCompression, 4, 3}}, kAll, kInvalid},
        RejectCase{"WidthZero", &kRgb24, {{at::kWidth, 4, 0}}, kAll, kInvalid},
        RejectCase{"WidthNegative", &kRgb24, {{at::kWidth, 4, -2}}, kAll, kInvalid},
        RejectCase{"CoreWidthZero", &kCore1, {{at::kCoreWidth, 2, 0}}, kAll, kInvalid},
        RejectCase{"HeightZero", &kRgb24, {{at::kHeight, 4, 0}}, kAll, kInvalid},
        RejectCase{"HeightMostNegative", &kRgb24, {{at::kHeight, 4, INT32_MIN}}, kAll, kInvalid},
        RejectCase{"MorePixelsThanTheLimit", &kRgb24, {{at::kWidth, 4, 8193}, {at::kHeight, 4, 8192}}, kAll, kInvalid},
        RejectCase{"HugeRunLength", &kRle8, {{at::kWidth, 4, 0x7FFFFFFF}, {at::kHeight, 4, 0x7FFFFFFF}}, kAll, kInvalid},
        RejectCase{"TopDownRunLength", &kRle8, {{at::kHeight, 4, -3}}, kAll, kInvalid},
        RejectCase{"MaskZero", &kRgb16Fields565, {{at::kRedMask, 4, 0}}, kAll, kInvalid},
        RejectCase{"MaskWithGap", &kRgb16Fields565, {{at::kRedMask, 4, 0xE800}}, kAll, kInvalid},
        RejectCase{"MasksOverlap", &kRgb16Fields565, {{at::kRedMask, 4, 0xFC00}}, kAll, kInvalid},
        RejectCase{"MaskPast16Bits", &kRgb16Fields565, {{at::kBlueMask, 4, 0x1F0000}}, kAll, kInvalid},
        RejectCase{"AlphaMaskWithGap", &kAlphaFields32, {{at::kAlphaMask, 4, 0x81000000}}, kAll, kInvalid},
        RejectCase{"MasksCut", &kRgb16Fields565, {}, at::kGreenMask + 2, kShort},
        RejectCase{"PixelOffsetPastEnd", &kRgb24, {{at::kPixelOffset, 4, 71}}, kAll, kInvalid},
        RejectCase{"PixelOffsetInsideHeader", &kRgb24, {{at::kPixelOffset, 4, 53}}, kAll, kInvalid}),
    [](const auto& test) { return std::string(test.param.name); });

// ---------------------------------------------------------------------------------------------
// Edge behaviour

TEST(Bitmap, NoBytesGiveTheEmptyBitmap) {
  const Bitmap bmp = Bitmap::decode({});
  EXPECT_TRUE(bmp.empty());
  EXPECT_EQ(bmp.width(), 0);
  EXPECT_EQ(bmp.bottomLeft(), kWhite);
  EXPECT_EQ(bmp.pixel(0, 0), 0u);
}

TEST(Bitmap, PixelLimitIsInclusive) {
  // 8192 x 8192 is exactly the limit: accepted, with nearly all of its pixels missing.
  Bytes file = kRgb24;
  for (std::size_t off : {at::kWidth, at::kHeight}) file[off] = 0x00, file[off + 1] = 0x20;  // 8192
  const Bitmap bmp = Bitmap::decode(file);
  ASSERT_EQ(bmp.width(), 8192);
  ASSERT_EQ(bmp.height(), 8192);
  EXPECT_EQ(bmp.pixel(0, 8191), kBlue);  // the first stored pixel
  EXPECT_EQ(bmp.pixel(8191, 8191), 0u);
  EXPECT_EQ(bmp.pixel(0, 0), 0u);
}

TEST(Bitmap, StoredImageSizeBoundsThePixels) {
  // An image size of 8 covers the bottom row only, even though the file holds both.
  Bytes file = kRgb24;
  file[at::kImageSize] = 8;
  EXPECT_EQ(pixelsOf(Bitmap::decode(file)), (std::vector<Rgb>{0, 0, kBlue, kWhite}));
  // A stored size larger than the file is held to the bytes that are there.
  file[at::kImageSize + 3] = 0x7F;
  EXPECT_EQ(pixelsOf(Bitmap::decode(file)), (std::vector<Rgb>{kRed, kGreen, kBlue, kWhite}));
}

TEST(Bitmap, ColourTableEndsAtThePixelOffset) {
  // Two entries are due, but the pixels start after the first: the second entry's bytes are
  // pixels, and index 1 reads as black rather than as those bytes.
  Bytes file = kIndex1;
  file[at::kPixelOffset] = 58;
  const Bitmap bmp = Bitmap::decode(file);
  EXPECT_EQ(bmp.header().paletteEntries, 1u);
  EXPECT_EQ(bmp.pixel(0, 0), 0u);      // top row now starts with byte 0x80: index 1
  EXPECT_EQ(bmp.pixel(1, 0), kBlue);   // index 0
}

TEST(Bitmap, OversizedColourTableKeeps256Entries) {
  // 300 entries stored, entry i grey level i (past 255: red); the pixels follow the whole table.
  Bytes file(kIndex8.begin(), kIndex8.begin() + 54);
  const std::uint32_t offset = 54 + 300 * 4;
  for (int i = 0; i < 4; ++i) file[at::kPixelOffset + i] = std::uint8_t(offset >> (8 * i));
  file[46] = 300 & 0xFF, file[47] = 300 >> 8;  // colours used
  for (int i = 0; i < 300; ++i) {
    const std::uint8_t g = i < 256 ? std::uint8_t(i) : 0;
    file.insert(file.end(), {g, g, i < 256 ? g : std::uint8_t(0xFF), 0});
  }
  file.insert(file.end(), {255, 1, 0, 0, 1, 0, 0, 0});  // bottom row 255 1, top row 1 0
  const Bitmap bmp = Bitmap::decode(file);
  EXPECT_EQ(bmp.header().paletteEntries, 256u);
  EXPECT_EQ(bmp.pixel(0, 1), kWhite);
  EXPECT_EQ(bmp.pixel(1, 1), 0x010101u);
}

TEST(Bitmap, UncompressedPixelsAreReadInPlace) {
  Bytes file = kRgb24;
  const Bitmap bmp = Bitmap::decode(file);
  ASSERT_EQ(bmp.pixel(0, 1), kBlue);
  file[54] = 0x00, file[56] = 0xFF;  // the first stored pixel, now red
  EXPECT_EQ(bmp.pixel(0, 1), kRed);
}

TEST(Bitmap, ReadsOutsideTheImageGiveZero) {
  const Bitmap bmp = Bitmap::decode(kRgb24);
  EXPECT_EQ(bmp.pixel(-1, 0), 0u);
  EXPECT_EQ(bmp.pixel(2, 0), 0u);
  EXPECT_EQ(bmp.pixel(0, 2), 0u);
  std::vector<Rgb> row(4, 0xDEAD);
  bmp.readRow(0, -1, 4, row.data());
  EXPECT_EQ(row, (std::vector<Rgb>{0, kRed, kGreen, 0}));
  bmp.readRow(2, 0, 2, row.data());
  EXPECT_EQ(row[0], 0u);
  EXPECT_EQ(row[1], 0u);
}

// True-colour rows are read several pixels at a time: every piece of a row, starting anywhere,
// must give the pixels one by one. The file ends with the last pixel's third byte, so a read
// past it shows under the address sanitizer.
TEST(Bitmap, TrueColourRowReadInAnyPiece) {
  constexpr int kWidth = 7;
  Bytes file(kRgb24.begin(), kRgb24.begin() + 54);
  file[at::kWidth] = kWidth;
  file[at::kHeight] = 1;
  std::vector<Rgb> expected;
  for (int i = 0; i < kWidth; ++i) {
    const std::uint8_t b = static_cast<std::uint8_t>(0x10 + i), g = static_cast<std::uint8_t>(0x80 + i),
                       r = static_cast<std::uint8_t>(0xF0 + i);
    file.insert(file.end(), {b, g, r});
    expected.push_back(static_cast<Rgb>(r) << 16 | static_cast<Rgb>(g) << 8 | b);
  }
  file[2] = static_cast<std::uint8_t>(file.size());  // the sizes the header states
  file[at::kImageSize] = kWidth * 3;
  file.shrink_to_fit();  // nothing allocated past the last byte
  const Bitmap bmp = Bitmap::decode(file);
  for (int x = 0; x < kWidth; ++x) {
    for (int count = 1; x + count <= kWidth; ++count) {
      std::vector<Rgb> row(static_cast<std::size_t>(count), 0xDEAD);
      bmp.readRow(0, x, count, row.data());
      EXPECT_EQ(row, std::vector<Rgb>(expected.begin() + x, expected.begin() + x + count)) << x << "+" << count;
    }
  }
}

TEST(Bitmap, HeaderReportsTheStoredFields) {
  const Bitmap bmp = Bitmap::decode(kIndex4);
  const BitmapHeader& h = bmp.header();
  EXPECT_EQ(h.headerSize, 40u);
  EXPECT_EQ(h.pixelOffset, 66u);
  EXPECT_EQ(h.bitCount, 4);
  EXPECT_EQ(h.colorsUsed, 3u);
  EXPECT_EQ(h.paletteEntries, 3u);
  const BitmapHeader f = Bitmap::decode(kRgb16).header();
  EXPECT_EQ(f.redMask, 0x7C00u);  // the default masks are reported as the ones in effect
  EXPECT_EQ(f.blueMask, 0x001Fu);
}

// The course's two-image button glyphs: 32 x 16, 4 bits, a 16-entry table, pixels at 118.
Bytes glyphStrip() {
  const std::uint8_t head[] = {0x42, 0x4D, 0x76, 0x01, 0, 0, 0, 0, 0, 0, 0x76, 0, 0, 0,  // 374 bytes, pixels at 118
                               40, 0, 0, 0, 32, 0, 0, 0, 16, 0, 0, 0, 1, 0, 4, 0,
                               0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  Bytes file(head, head + sizeof head);
  // The standard 16 colours; index 3 is olive, the glyphs' background.
  const Rgb table[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0x808080,
                         0xC0C0C0, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
  for (Rgb c : table) file.insert(file.end(), {std::uint8_t(c), std::uint8_t(c >> 8), std::uint8_t(c >> 16), 0});
  Bytes rows(16 * 16, 0x33);  // all olive
  rows[15 * 16 + 0] = 0x03;   // top row, x 0: black on olive
  rows[15 * 16 + 8] = 0xF7;   // top row, x 16 and 17: white, grey (the disabled image)
  file.insert(file.end(), rows.begin(), rows.end());
  return file;
}

TEST(Bitmap, GlyphStrip) {
  const Bytes file = glyphStrip();
  ASSERT_EQ(file.size(), 374u);
  const Bitmap bmp = Bitmap::decode(file);
  ASSERT_EQ(bmp.width(), 32);
  ASSERT_EQ(bmp.height(), 16);
  EXPECT_EQ(bmp.header().paletteEntries, 16u);
  EXPECT_EQ(bmp.bottomLeft(), kOlive);
  std::vector<Rgb> second(3);
  bmp.readRow(0, 16, 3, second.data());
  EXPECT_EQ(second, (std::vector<Rgb>{kWhite, 0x808080, kOlive}));
  EXPECT_EQ(bmp.pixel(0, 0), 0x000000u);
  EXPECT_EQ(bmp.pixel(1, 0), kOlive);
}

// A 24-bit row is read four pixels at a time and its end a pixel at a time: every range of a
// row, from every start and of every length, is the pixels one by one, and reads nothing past
// the data (the row here ends the file, without padding: 11 pixels are 33 bytes, stride 36).
TEST(Bitmap, EveryRangeOfA24BitRowReadsItsPixels) {
  constexpr int kWidth = 11;
  Bytes file = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, kWidth, 0, 0, 0, 1, 0, 0, 0, 1, 0, 24, 0};
  file.resize(54, 0);
  for (int i = 0; i < kWidth; ++i)
    for (int c = 0; c < 3; ++c) file.push_back(static_cast<std::uint8_t>(16 * i + 5 * c + 1));
  const Bitmap bmp = Bitmap::decode(file);
  ASSERT_EQ(bmp.width(), kWidth);
  std::vector<Rgb> one(kWidth);
  for (int x = 0; x < kWidth; ++x) {
    one[static_cast<std::size_t>(x)] = bmp.pixel(x, 0);
    const auto b = static_cast<Rgb>(16 * x + 1);
    ASSERT_EQ(one[static_cast<std::size_t>(x)], (b + 10) << 16 | (b + 5) << 8 | b);
  }
  for (int x = 0; x < kWidth; ++x)
    for (int count = 1; x + count <= kWidth; ++count) {
      std::vector<Rgb> got(static_cast<std::size_t>(count));
      bmp.readRow(0, x, count, got.data());
      EXPECT_EQ(got, std::vector<Rgb>(one.begin() + x, one.begin() + x + count)) << "from " << x << ", " << count;
    }
}

}  // namespace
}  // namespace apostila::content
