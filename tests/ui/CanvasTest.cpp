// The canvas primitives, pixel by pixel on small canvases, and its promise that nothing is ever
// written outside the buffer.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "CanvasPixels.h"
#include "ui/canvas/Canvas.h"
#include "ui/canvas/Mask.h"

namespace apostila::ui {
namespace {

using test::Palette;
using test::pixelsAre;

constexpr std::uint32_t kBack = 0x123456, kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kWhite = 0xFFFFFF;
const Palette kColors = {{'.', kBack}, {'R', kRed}, {'G', kGreen}, {'B', kBlue}, {'W', kWhite}};

// An image given as text; it fails the test if the canvas reads outside it.
class TextImage : public ImageSource {
 public:
  TextImage(std::vector<std::string> rows, Palette p) : rows_(std::move(rows)), palette_(std::move(p)) {}
  int width() const override { return static_cast<int>(rows_[0].size()); }
  int height() const override { return static_cast<int>(rows_.size()); }
  void readRow(int y, int x, int count, std::uint32_t* out) const override {
    if (y < 0 || y >= height() || x < 0 || count < 0 || x + count > width()) {
      ADD_FAILURE() << "row read outside the image: y " << y << " x " << x << " count " << count;
      return;
    }
    for (int i = 0; i < count; ++i) out[i] = palette_.at(rows_[static_cast<std::size_t>(y)][static_cast<std::size_t>(x + i)]);
  }

 private:
  std::vector<std::string> rows_;
  Palette palette_;
};

TEST(Canvas, FillRect) {
  Canvas c(5, 4, kBack);
  c.fillRect({1, 1, 4, 3}, kRed);
  c.fillRect({3, 3, 3, 4}, kGreen);  // empty: nothing
  EXPECT_TRUE(pixelsAre(c, {".....", ".RRR.", ".RRR.", "....."}, kColors));
}

TEST(Canvas, FrameRect) {
  Canvas c(6, 5, kBack);
  c.frameRect({0, 0, 5, 4}, kRed);
  EXPECT_TRUE(pixelsAre(c, {"RRRRR.", "R...R.", "R...R.", "RRRRR.", "......"}, kColors));
}

TEST(Canvas, Edge3DOfWidthTwoGivesTheSharedCornersToTheBottomRightColour) {
  Canvas c(8, 7, kBack);
  c.edge3D({1, 0, 8, 6}, 2, kRed, kBlue);
  EXPECT_TRUE(pixelsAre(c,
                        {
                            ".RRRRRRB",
                            ".RRRRRBB",
                            ".RR...BB",
                            ".RR...BB",
                            ".RBBBBBB",
                            ".BBBBBBB",
                            "........",
                        },
                        kColors));
  // Sunken is the same call with the colours swapped.
  Canvas s(4, 3, kBack);
  s.edge3D({0, 0, 4, 3}, 1, kBlue, kRed);
  EXPECT_TRUE(pixelsAre(s, {"BBBR", "B..R", "RRRR"}, kColors));
}

TEST(Canvas, ButtonFrameRaisedAndPushed) {
  const Palette p = {{'.', kBack}, {'W', 0xFFFFFF}, {'L', 0xDFDFDF}, {'F', 0xC0C0C0}, {'S', 0x808080}, {'K', 0x000000}};
  Canvas up(7, 6, kBack);
  EXPECT_EQ(up.buttonFrame({0, 0, 6, 5}, false), (Rect{2, 2, 4, 3}));
  EXPECT_TRUE(pixelsAre(up, {"WWWWWK.", "WLLLSK.", "WLFFSK.", "WSSSSK.", "KKKKKK.", "......."}, p));
  Canvas down(7, 6, kBack);
  EXPECT_EQ(down.buttonFrame({1, 1, 7, 6}, true), (Rect{3, 3, 5, 4}));
  EXPECT_TRUE(pixelsAre(down, {".......", ".KKKKKW", ".KSSSLW", ".KSFFLW", ".KLLLLW", ".WWWWWW"}, p));
}

TEST(Canvas, DrawImageWithAndWithoutTransparentColour) {
  const TextImage img({"RGW", "WBR"}, kColors);
  struct Case {
    const char* name;
    int x, y;
    Rect part;
    std::optional<std::uint32_t> transparent;
    std::vector<std::string> expected;
  } cases[] = {
      {"opaque", 1, 1, {0, 0, 3, 2}, std::nullopt, {".....", ".RGW.", ".WBR.", "....."}},
      {"transparent white", 1, 1, {0, 0, 3, 2}, kWhite, {".....", ".RG..", "..BR.", "....."}},
      {"part of the image", 0, 2, {1, 0, 3, 2}, std::nullopt, {".....", ".....", "GW...", "BR..."}},
      {"part beyond the image is cut to it", 3, 0, {1, 1, 9, 9}, std::nullopt, {"...BR", ".....", ".....", "....."}},
      {"hanging over the top-left corner", -1, -1, {0, 0, 3, 2}, std::nullopt, {"BR...", ".....", ".....", "....."}},
      {"hanging over the bottom-right corner", 4, 3, {0, 0, 3, 2}, std::nullopt, {".....", ".....", ".....", "....R"}},
  };
  for (const Case& k : cases) {
    Canvas c(5, 4, kBack);
    c.drawImage(k.x, k.y, img, k.part, k.transparent);
    EXPECT_TRUE(pixelsAre(c, k.expected, kColors)) << k.name;
  }
}

TEST(Canvas, MaskFromImageStampedInAColour) {
  const TextImage img({"RWR", "WRW", "RWW"}, kColors);
  const Mask m = Mask::fromImage(img, {0, 0, 3, 3}, [](std::uint32_t rgb) { return rgb != kWhite; });
  Canvas c(5, 4, kBack);
  c.stampMask(2, 1, m, kBlue);
  c.stampMask(-2, 0, m, kGreen);  // only its right column lands
  EXPECT_TRUE(pixelsAre(c, {"G....", "..B.B", "...B.", "..B.."}, kColors));
}

TEST(Canvas, ScopeTranslatesAndClipsUntilItEnds) {
  Canvas c(6, 5, kBack);
  {
    Canvas::Scope element(c, {1, 1, 5, 4});
    c.fillRect({-100, -100, 100, 100}, kRed);  // fills exactly the element
    c.fillRect({0, 0, 1, 1}, kGreen);          // the element's own top-left pixel
    {
      Canvas::Scope child(c, {2, 1, 9, 9});    // sticks out of its parent: cut to it
      c.fillRect({0, 0, 9, 9}, kBlue);
    }
    c.fillRect({3, 0, 4, 1}, kWhite);          // the parent's scope is back
  }
  c.fillRect({0, 4, 1, 5}, kWhite);            // and then the whole canvas
  EXPECT_TRUE(pixelsAre(c, {"......", ".GRRW.", ".RRBB.", ".RRBB.", "W....."}, kColors));
}

TEST(Canvas, NothingIsWrittenOutsideTheBufferWhateverTheArgumentsOrScale) {
  // A 10 x 10 canvas inside a larger buffer with a guard band all around it, at each device
  // scale (where logical coordinates are multiplied before they reach the buffer).
  constexpr int kW = 20, kGuard = 5;
  const TextImage img({"RG", "BW"}, kColors);
  const Mask mask = Mask::fromImage(img, {0, 0, 2, 2}, [](std::uint32_t) { return true; });
  const std::uint8_t coverage[4] = {255, 128, 64, 1};
  const int extremes[] = {INT_MIN, INT_MIN + 1, -1000000, -11, -1, 0, 9, 10, 1000000, INT_MAX - 1, INT_MAX};
  for (int scale : {1, 2, 3}) {
    std::vector<std::uint32_t> buffer(kW * kW, 0xABCDEF);
    Canvas c(buffer.data() + kGuard * kW + kGuard, 10, 10, kW, scale);
    auto everything = [&](int a, int b) {
      c.fillRect({a, b, INT_MAX, INT_MAX}, kRed);
      c.fillRect({INT_MIN, INT_MIN, a, b}, kRed);
      c.edge3D({a, b, INT_MAX, INT_MAX}, INT_MAX, kRed, kBlue);
      c.edge3D({INT_MIN, INT_MIN, a, b}, a, kRed, kBlue);
      c.frameRect({a, a, b, b}, kGreen);
      c.buttonFrame({a, b, b, a}, true);
      c.drawImage(a, b, img);
      c.drawImage(a, b, img, {a, b, INT_MAX, INT_MAX}, kWhite);
      c.drawImageSmooth({a, b, INT_MAX, INT_MAX}, img, kWhite);
      c.drawImageSmooth({INT_MIN, INT_MIN, a, b}, img);
      c.stampMask(a, b, mask, kBlue);
      c.blendCoverage(a, b, coverage, 2, 2, 2, kGreen);
      c.blendCoverageDevice(a, 3LL * b, coverage, 2, 2, 2, kGreen);
    };
    for (int a : extremes)
      for (int b : extremes) {
        everything(a, b);
        const Canvas::State saved = c.state();
        c.translate(a, b);
        everything(a, b);
        c.translate(a, b);
        c.clipTo({a, b, INT_MAX, INT_MAX});
        everything(b, a);
        c.restore(saved);
      }
    for (int y = 0; y < kW; ++y)
      for (int x = 0; x < kW; ++x) {
        const bool guard = x < kGuard || y < kGuard || x >= kGuard + 10 || y >= kGuard + 10;
        if (guard) {
          ASSERT_EQ(buffer[static_cast<std::size_t>(y * kW + x)], 0xABCDEFu) << "guard pixel " << x << "," << y << " at scale " << scale;
        }
      }
  }
}

TEST(Canvas, BlendCoverageMixesByCoverage) {
  Canvas c(3, 1, 0x000000);
  const std::uint8_t coverage[3] = {0, 128, 255};
  c.blendCoverage(0, 0, coverage, 3, 1, 3, 0xFF8040);
  EXPECT_EQ(c.pixel(0, 0), 0x000000u);
  EXPECT_EQ(c.pixel(1, 0), 0x804020u);
  EXPECT_EQ(c.pixel(2, 0), 0xFF8040u);
}

TEST(Canvas, MovedCanvasKeepsItsPixels) {
  Canvas a(2, 2, kRed);
  Canvas b = std::move(a);
  b.fillRect({0, 0, 1, 1}, kGreen);
  EXPECT_TRUE(pixelsAre(b, {"GR", "RR"}, kColors));
  EXPECT_EQ(a.width(), 0);
  a.fillRect({0, 0, 5, 5}, kRed);  // an empty canvas draws nothing, and does not fail
  std::uint32_t outside[4] = {1, 2, 3, 4};
  Canvas bad(outside, 4, 1, 2);  // stride shorter than a row: refused, drawn as empty
  bad.fillRect({0, 0, 4, 1}, 0);
  EXPECT_EQ(outside[3], 4u);
}

}  // namespace
}  // namespace apostila::ui
