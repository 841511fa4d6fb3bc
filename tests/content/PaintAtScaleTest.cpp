// Elements drawn for a screen of device scale 2 (and 3): lines, bevels and glyph pixel art s
// times as thick and as large (each page pixel an s x s block), text drawn by its font at twice
// its size on twice its pen positions, and pictures from their twin or smoothly enlarged.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "PaintFixtures.h"
#include "content/ElementText.h"
#include "content/TwinSource.h"
#include "content/TImage.h"
#include "content/ReadError.h"
#include "content/TLabel.h"
#include "content/TPanel.h"
#include "content/TSpeedButton.h"
#include "ui/CanvasPixels.h"
#include "ui/text/ScreenFont.h"
#include "ui/text/Utf8.h"

namespace apostila::testing {
namespace {

constexpr Rgb kPanel = 0xF0F0E1, kOlive = 0x808000;
const ColorKey kKey = {{'.', kPanel}, {'o', kOlive}, {'r', 0xFF0000}, {'F', kFace}, {'H', kHighlight}, {'S', kShadow}};

// A picture written as text, every pixel made an s x s block: what scale s draws where the
// rule is "s times as thick".
std::vector<std::string> enlarged(const std::vector<std::string>& rows, int s) {
  std::vector<std::string> out;
  for (const std::string& row : rows) {
    std::string wide;
    for (char c : row) wide += std::string(static_cast<std::size_t>(s), c);
    for (int i = 0; i < s; ++i) out.push_back(wide);
  }
  return out;
}

// The 1x pictures of the bevel and button tests, drawn again at scale 2.
struct BlockCase {
  const char* name;
  std::function<void(PaintPage&)> build;
  std::vector<std::string> at1x;
};

class AtScale2 : public ::testing::TestWithParam<BlockCase> {};

TEST_P(AtScale2, EveryPagePixelIsABlockOfScaleByScalePixels) {
  const BlockCase& c = GetParam();
  PaintPage page;
  c.build(page);
  const int w = static_cast<int>(c.at1x[0].size()), h = static_cast<int>(c.at1x.size());
  ASSERT_TRUE(ui::test::pixelsAre(page.paint(w, h, 1), c.at1x, kKey));
  for (int s : {2, 3}) EXPECT_TRUE(ui::test::pixelsAre(page.paint(w, h, s), enlarged(c.at1x, s), kKey)) << "scale " << s;
}

content::TPanel* lightPanel(PaintPage& page, int w, int h, content::PanelBevel outer) {
  auto* p = page.add<content::TPanel>(nullptr, {0, 0, w, h});
  p->setColor(14807280);
  p->setBevelOuter(outer);
  return p;
}

content::TSpeedButton* flatButton(PaintPage& page) {
  auto* panel = lightPanel(page, 8, 8, content::PanelBevel::bvNone);
  auto* b = page.add<content::TSpeedButton>(panel, {0, 0, 8, 8});
  b->setFlat(true);
  b->glyph().setBitmap(bitmapOf({"rrro", "rooo", "roro", "oooo"}, kKey));
  return b;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AtScale2,
    ::testing::Values(
        // The frame of a panel: a two-pixel bevel where 1x has one, its corners the 1x corners.
        BlockCase{"RaisedBevel", [](PaintPage& p) { lightPanel(p, 5, 4, content::PanelBevel::bvRaised); },
                  {"HHHHS", "H...S", "H...S", "SSSSS"}},
        BlockCase{"LoweredBevelInsideABorder",
                  [](PaintPage& p) {
                    auto* panel = lightPanel(p, 6, 6, content::PanelBevel::bvNone);
                    panel->setBorderWidth(1);
                    panel->setBevelInner(content::PanelBevel::bvLowered);
                  },
                  {"......", ".SSSH.", ".S..H.", ".S..H.", ".HHHH.", "......"}},
        // A flat button's glyph is pixel art: enlarged by repeating pixels, never smoothed.
        BlockCase{"FlatButtonIdle", [](PaintPage& p) { flatButton(p); },
                  {"........", "........", "..rrr...", "..r.....", "..r.r...", "........", "........", "........"}},
        BlockCase{"FlatButtonHot", [](PaintPage& p) { flatButton(p)->mouseEnter(); },
                  {"HHHHHHHS", "H......S", "H.rrr..S", "H.r....S", "H.r.r..S", "H......S", "H......S", "SSSSSSSS"}},
        // Pressed: the sunken edge, and the glyph one page pixel (two screen pixels) down and right.
        BlockCase{"FlatButtonPressed",
                  [](PaintPage& p) {
                    auto* b = flatButton(p);
                    b->mouseEnter();
                    b->mouseDown(ui::MouseKey::Left, 3, 3, false);
                  },
                  {"SSSSSSSH", "S......H", "S......H", "S..rrr.H", "S..r...H", "S..r.r.H", "S......H", "HHHHHHHH"}}),
    [](const auto& test) { return std::string(test.param.name); });

// A canvas with every pixel made a 2 x 2 block.
ui::Canvas doubledCanvas(const ui::Canvas& c) {
  ui::Canvas out(2 * c.width(), 2 * c.height());
  for (int y = 0; y < out.height(); ++y)
    for (int x = 0; x < out.width(); ++x) out.fillRect(ui::Rect::ofSize(x, y, 1, 1), c.pixel(x / 2, y / 2));
  return out;
}

// The answer buttons' standard frame, raised and pushed in: two rings of two screen pixels each.
TEST(ButtonFrameAtScale2, RaisedAndPushedAreThe1xFramesEnlarged) {
  std::vector<Rgb> corners;
  for (bool pressed : {false, true}) {
    PaintPage page;
    auto* b = page.add<content::TSpeedButton>(nullptr, {0, 0, 9, 7});
    if (pressed) b->mouseDown(ui::MouseKey::Left, 3, 3, false);
    const ui::Canvas at1x = page.paint(9, 7, 1);
    corners.push_back(at1x.pixel(0, 0));
    EXPECT_TRUE(sameCanvas(page.paint(9, 7, 2), doubledCanvas(at1x))) << (pressed ? "pushed" : "raised");
  }
  EXPECT_NE(corners[0], corners[1]);  // the press did push the frame in
}

TEST(TextAtScale2, DrawnByTheFontAtTwiceItsSizeOnTwiceItsPenPositions) {
  PaintPage page;
  auto* panel = lightPanel(page, 80, 24, content::PanelBevel::bvNone);
  auto* label = page.add<content::TLabel>(panel, {6, 4, 70, 20});
  label->setAutoSize(false);
  label->setColor(ui::clYellow);
  label->font().setName("Verdana");
  label->font().setHeight(-13);
  label->font().setStyle(ui::fsBold);
  label->font().setColor(ui::clBlue);
  label->setCaption("Ação 1");
  const ui::Canvas drawn = page.paint(80, 24, 2);

  // The layout is the 1x one: pens and baseline from the 13-pixel font, then doubled, and
  // each glyph the 26-pixel font's own.
  const ui::ScreenFont small = content::ElementText::screenFont(label->font());
  ui::FontDesc bigDesc = small.desc();
  bigDesc.height = -26;
  const ui::ScreenFont big(bigDesc);
  ui::Canvas expected(160, 48, kPanel);
  expected.fillRect(ui::Rect::ofSize(12, 8, 140, 40), 0xFFFF00);
  const int baseline = 2 * (4 + small.metrics().ascent);
  int pen = 6;
  for (char32_t cp : ui::Utf8::decode("Ação 1")) {
    big.drawChar(expected, 2 * pen, baseline - big.metrics().ascent, cp, 0x0000FF);
    pen += small.advance(cp);
  }
  EXPECT_TRUE(sameCanvas(drawn, expected));

  // Not the 1x text enlarged: the letters' own pixels differ from the doubled 1x ones.
  const ui::Canvas at1x = page.paint(80, 24, 1);
  int differ = 0;
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < 160; ++x) differ += drawn.pixel(x, y) != at1x.pixel(x / 2, y / 2);
  EXPECT_GT(differ, 50);
}

// A twin source that hands out one picture and notes what it was asked for.
struct OneTwin : content::TwinSource {
  std::shared_ptr<const ui::ImageSource> twin(std::string_view pageClass, std::string_view element) const override {
    asked.push_back(std::string(pageClass) + "." + std::string(element));
    return image;
  }
  std::shared_ptr<const ui::ImageSource> image;
  mutable std::vector<std::string> asked;
};

struct TwinsInstalled {
  explicit TwinsInstalled(const content::TwinSource* t) { content::setTwinSource(t); }
  ~TwinsInstalled() { content::setTwinSource(nullptr); }
};

// A bitmap as an image source, holding the bitmap while the image lives.
struct OwnedBitmap : ui::ImageSource {
  explicit OwnedBitmap(content::Bitmap b) : bitmap(std::move(b)) {}
  int width() const override { return bitmap.width(); }
  int height() const override { return bitmap.height(); }
  void readRow(int y, int x, int count, std::uint32_t* out) const override {
    for (int i = 0; i < count; ++i) out[i] = bitmap.pixel(x + i, y);
  }
  content::Bitmap bitmap;
};

struct PicturePage {
  PicturePage(const std::vector<std::string>& rows, bool transparent) {
    page.form.setName("Page");
    auto* panel = lightPanel(page, 6, 2, content::PanelBevel::bvNone);
    image = page.add<content::TImage>(panel, {1, 0, 4, 2});
    image->setName("Image1");
    image->setTransparent(transparent);
    image->picture().setBitmap(bitmapOf(rows, {{'r', 0xFF0000}, {'b', 0x0000FF}, {'w', 0xFFFFFF}}));
  }
  PaintPage page;
  content::TImage* image = nullptr;
};

TEST(PictureAtScale2, WithoutATwinEnlargedWithABilinearFilter) {
  PicturePage p({"rbbr", "rbbr"}, false);
  const ui::Canvas c = p.page.paint(6, 2, 2);
  // Columns 2 .. 9 of the screen; sample centres fall a quarter of a pixel either side of
  // the picture's, so each step between red and blue takes a quarter and three quarters.
  const std::vector<Rgb> row = {0xFF0000, 0xBF0040, 0x4000BF, 0x0000FF, 0x0000FF, 0x4000BF, 0xBF0040, 0xFF0000};
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 8; ++x) EXPECT_EQ(c.pixel(2 + x, y), row[static_cast<std::size_t>(x)]) << x << "," << y;
  EXPECT_EQ(c.pixel(1, 0), kPanel);
}

TEST(PictureAtScale2, TransparentPixelsTakeNoPartInTheFilter) {
  PicturePage p({"wwrr", "wwrr"}, true);
  const ui::Canvas c = p.page.paint(6, 2, 2);
  auto mix = [](Rgb a, Rgb b, int partsOfB) {  // partsOfB quarters of b over a
    auto ch = [&](int shift) {
      return static_cast<Rgb>(((((a >> shift) & 0xFF) * (4 - partsOfB) + ((b >> shift) & 0xFF) * partsOfB) * 16384 + 32768) / 65536);
    };
    return (ch(16) << 16) | (ch(8) << 8) | ch(0);
  };
  // White is the key: the panel shows through, and the red edge fades into the panel.
  EXPECT_EQ(c.pixel(2, 1), kPanel);
  EXPECT_EQ(c.pixel(4, 1), kPanel);
  EXPECT_EQ(c.pixel(5, 1), mix(kPanel, 0xFF0000, 1));
  EXPECT_EQ(c.pixel(6, 1), mix(kPanel, 0xFF0000, 3));
  EXPECT_EQ(c.pixel(7, 1), 0xFF0000u);
}

TEST(PictureAtScale2, ATwinIsDrawnPixelForPixelAndAskedForByPageClassAndElement) {
  PicturePage p({"rbbr", "rbbr"}, true);
  OneTwin twins;
  // The twin's own bottom-left pixel (blue) is its transparent colour.
  twins.image = std::make_shared<OwnedBitmap>(bitmapOf({"rrrrbbbb", "rrrrbbbb", "wwwwrrrr", "bbbbrrrr"},
                                                       {{'r', 0xFF0000}, {'b', 0x0000FF}, {'w', 0xFFFFFF}}));
  TwinsInstalled installed(&twins);
  EXPECT_TRUE(ui::test::pixelsAre(p.page.paint(6, 2, 2),
                                  {"..rrrr......", "..rrrr......", "..wwwwrrrr..", "......rrrr.."},
                                  {{'.', kPanel}, {'r', 0xFF0000}, {'w', 0xFFFFFF}}));
  EXPECT_EQ(twins.asked, (std::vector<std::string>{"TForm.Image1"}));

  // At scale 3 the twin is enlarged by half again, its transparent colour still left out: red
  // at its top left, the panel under its blue bottom row.
  twins.asked.clear();
  const ui::Canvas at3 = p.page.paint(6, 2, 3);
  EXPECT_EQ(twins.asked.size(), 1u);
  EXPECT_EQ(at3.pixel(3, 0), 0xFF0000u);
  EXPECT_EQ(at3.pixel(3, 5), kPanel);

  // At scale 1 the twin is never looked for; a twin of another size is not used.
  twins.asked.clear();
  p.page.paint(6, 2, 1);
  EXPECT_TRUE(twins.asked.empty());
  twins.image = std::make_shared<OwnedBitmap>(bitmapOf({"bbb", "bbb"}, {{'b', 0x0000FF}}));
  EXPECT_EQ(p.page.paint(6, 2, 2).pixel(6, 0), 0x0000FFu);
}

// A BMP file as bytes, as a store of twins hands it over.
std::vector<std::uint8_t> bmpFile(const std::vector<std::string>& rows) {
  return bmpFileOf(rows, {{'r', 0xFF0000}, {'b', 0x0000FF}});
}

TEST(BmpTwins, DecodedWhenAskedAndKeptOnlyForThePageOnTheScreen) {
  std::vector<std::string> asked;
  content::BmpTwins twins([&](const std::string& page, const std::string& element) -> std::optional<std::vector<std::uint8_t>> {
    asked.push_back(page + "." + element);
    if (element == "Image1") return bmpFile({"rrbb", "rrbb"});
    if (element == "Broken") return std::vector<std::uint8_t>{'B', 'M', 0, 0};
    if (element == "Unreadable") throw content::ReadError("Stream read error");
    return std::nullopt;
  });
  const auto first = twins.twin("TForm22", "Image1");
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->width(), 4);
  std::uint32_t row[4];
  first->readRow(0, 0, 4, row);
  EXPECT_EQ(row[0], 0xFF0000u);
  EXPECT_EQ(row[3], 0x0000FFu);
  // Kept while the same page asks; a picture without a twin, or whose twin does not decode,
  // has none.
  EXPECT_EQ(twins.twin("TForm22", "Image1"), first);
  EXPECT_EQ(twins.twin("TForm22", "Image2"), nullptr);
  EXPECT_EQ(twins.twin("TForm22", "Broken"), nullptr);
  EXPECT_EQ(twins.twin("TForm22", "Unreadable"), nullptr);
  EXPECT_EQ(twins.twin("TForm22", "Image2"), nullptr);
  EXPECT_EQ(asked, (std::vector<std::string>{"TForm22.Image1", "TForm22.Image2", "TForm22.Broken", "TForm22.Unreadable"}));
  // Another page lets the first page's twins go: back on the first, it is decoded afresh.
  twins.twin("TForm23", "Image1");
  EXPECT_NE(twins.twin("TForm22", "Image1"), first);
  EXPECT_EQ(asked.size(), 6u);
}

}  // namespace
}  // namespace apostila::testing
