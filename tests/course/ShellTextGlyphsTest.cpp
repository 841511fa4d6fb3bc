// The seven button glyphs as the figure program writes them, and as the pages carry them: the
// exact file layouts, the transparent colour, the disabled images' colours, and the right
// picture on every navigation button of the course shell and the theory pages.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "CourseFixture.h"
#include "Figures.h"
#include "content/Bitmap.h"
#include "content/TSpeedButton.h"

namespace apostila {
namespace {

const std::vector<std::uint8_t>& figureBytes(const std::string& file) {
  static std::map<std::string, std::vector<std::uint8_t>> cache;
  auto it = cache.find(file);
  if (it == cache.end()) {
    for (const figures::Figure& f : figures::allFigures())
      if (f.file == file) it = cache.emplace(file, f.encode()).first;
    if (it == cache.end()) throw std::runtime_error("no figure " + file);
  }
  return it->second;
}

std::uint32_t u32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

constexpr std::uint32_t kOlive = 0x808000, kGrey127 = 0x7F7F7F, kWhite = 0xFFFFFF;

TEST(ShellGlyphs, StripsAreTwoImagesInSixteenColoursOnOlive) {
  for (const char* file : {"mao-esquerda.bmp", "mao-direita.bmp", "topico.bmp"}) {
    SCOPED_TRACE(file);
    const std::vector<std::uint8_t>& bytes = figureBytes(file);
    ASSERT_EQ(bytes.size(), 374u);
    EXPECT_EQ(u32(bytes, 10), 118u);  // pixels right after the 16-entry table
    const content::Bitmap bmp = content::Bitmap::decode(bytes);
    EXPECT_EQ(bmp.width(), 32);
    EXPECT_EQ(bmp.height(), 16);
    EXPECT_EQ(bmp.header().bitCount, 4);
    EXPECT_EQ(bmp.header().compression, 0u);
    // Palette entry 3 is the olive ground, and the grey of the disabled image is 127, not 128.
    EXPECT_EQ(u32(bytes, 54 + 3 * 4), kOlive);
    EXPECT_EQ(bmp.bottomLeft(), kOlive);

    std::set<std::uint32_t> normal, disabled;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) {
        normal.insert(bmp.pixel(x, y));
        disabled.insert(bmp.pixel(16 + x, y));
      }
    // Each image keeps its own bottom-left pixel transparent too.
    EXPECT_EQ(bmp.pixel(16, 15), kOlive);
    EXPECT_EQ(disabled, (std::set<std::uint32_t>{kOlive, kGrey127, kWhite}));
    EXPECT_GE(normal.size(), 4u) << "the normal image is drawn in colour";
    EXPECT_FALSE(normal.count(kGrey127));
    EXPECT_FALSE(normal.count(0x808080) || disabled.count(0x808080));
  }
}

TEST(ShellGlyphs, HandsHaveBlackOutlineYellowAndWhiteFillCyanCuffAndMirrorEachOther) {
  const content::Bitmap left = content::Bitmap::decode(figureBytes("mao-esquerda.bmp"));
  const content::Bitmap right = content::Bitmap::decode(figureBytes("mao-direita.bmp"));
  std::set<std::uint32_t> colours;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      colours.insert(right.pixel(x, y));
      EXPECT_EQ(left.pixel(x, y), right.pixel(15 - x, y)) << x << "," << y;
      // The etched outline mirrors too; its white edge stays below and right on both.
      EXPECT_EQ(left.pixel(16 + x, y) == kGrey127, right.pixel(31 - x, y) == kGrey127) << "disabled " << x << "," << y;
    }
  EXPECT_EQ(colours, (std::set<std::uint32_t>{kOlive, 0x000000, 0xFFFF00, kWhite, 0x00FFFF}));
  // The right hand points right: its rightmost drawn pixel is further from the cuff side.
  int leftmost = 16, rightmost = -1;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      if (right.pixel(x, y) == 0xFFFF00) leftmost = std::min(leftmost, x), rightmost = std::max(rightmost, x);
  int cuffX = -1;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      if (right.pixel(x, y) == 0x00FFFF) cuffX = x;
  EXPECT_LT(cuffX, leftmost);
  EXPECT_GT(rightmost, 12);
}

TEST(ShellGlyphs, PicturesAre24BitOnWhite) {
  for (const char* file : {"sair.bmp", "livros.bmp", "papel-lapis.bmp", "balao.bmp"}) {
    SCOPED_TRACE(file);
    const std::vector<std::uint8_t>& bytes = figureBytes(file);
    ASSERT_EQ(bytes.size(), 3126u);
    EXPECT_EQ(u32(bytes, 10), 54u);
    const content::Bitmap bmp = content::Bitmap::decode(bytes);
    EXPECT_EQ(bmp.width(), 32);
    EXPECT_EQ(bmp.height(), 32);
    EXPECT_EQ(bmp.header().bitCount, 24);
    EXPECT_EQ(bmp.bottomLeft(), kWhite);
    // A picture, not a blank: a good part of it is drawn.
    int drawn = 0;
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) drawn += bmp.pixel(x, y) != kWhite;
    EXPECT_GT(drawn, 32 * 32 / 4);
  }
  // The exit picture's star is yellow (its antialiased rim included).
  const content::Bitmap exit = content::Bitmap::decode(figureBytes("sair.bmp"));
  int yellow = 0;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      const std::uint32_t c = exit.pixel(x, y);
      yellow += (c >> 16) > 0xC0 && ((c >> 8) & 0xFF) > 0xC0 && (c & 0xFF) < 0x60;
    }
  EXPECT_GT(yellow, 25);
}

// Which glyph goes on which button, over every page that carries these buttons.
TEST(ShellGlyphs, EveryShellAndTheoryButtonCarriesItsGlyph) {
  testing::Course course;
  auto same = [](const content::TSpeedButton* b, const char* file, int numGlyphs) -> ::testing::AssertionResult {
    const content::Bitmap want = content::Bitmap::decode(figureBytes(file));
    const content::Bitmap& got = b->glyph().bitmap();
    if (got.width() != want.width() || got.height() != want.height() ||
        got.header().bitCount != want.header().bitCount)
      return ::testing::AssertionFailure() << b->name() << " does not carry " << file;
    for (int y = 0; y < got.height(); ++y)
      for (int x = 0; x < got.width(); ++x)
        if (got.pixel(x, y) != want.pixel(x, y))
          return ::testing::AssertionFailure() << b->name() << " does not carry " << file;
    if (b->numGlyphs() != numGlyphs)
      return ::testing::AssertionFailure() << b->name() << " has " << b->numGlyphs() << " images";
    return ::testing::AssertionSuccess();
  };
  const auto* s = app::formintro;
  EXPECT_TRUE(same(s->BtnCurso, "livros.bmp", 1));
  EXPECT_TRUE(same(s->BtnConteudo, "papel-lapis.bmp", 1));
  EXPECT_TRUE(same(s->BtnQuestoes, "balao.bmp", 1));
  EXPECT_TRUE(same(s->BtnSair, "sair.bmp", 1));
  EXPECT_TRUE(s->BtnHabilidades->glyph().bitmap().empty());
  EXPECT_TRUE(s->BtnCompetencias->glyph().bitmap().empty());
  for (pages::InfoPage* p : std::vector<pages::InfoPage*>{app::Form1, app::Form2, app::Form3}) {
    SCOPED_TRACE(p->name());
    EXPECT_TRUE(same(p->SpeedButton1, "mao-esquerda.bmp", 2));
    EXPECT_TRUE(same(p->SpeedButton2, "sair.bmp", 1));
  }
  const auto* m = app::Form4;
  EXPECT_TRUE(same(m->SpeedButton1, "mao-esquerda.bmp", 2));
  EXPECT_TRUE(same(m->SpeedButton2, "sair.bmp", 1));
  for (const content::TSpeedButton* topic :
       {m->SpeedButton3, m->SpeedButton4, m->SpeedButton5, m->SpeedButton6, m->SpeedButton7, m->SpeedButton8,
        m->SpeedButton9, m->SpeedButton10, m->SpeedButton11, m->SpeedButton12, m->SpeedButton13, m->SpeedButton14,
        m->SpeedButton15})
    EXPECT_TRUE(same(topic, "topico.bmp", 2));
  for (int n = 5; n <= 64; ++n) {
    auto* p = dynamic_cast<pages::TheoryPage*>(app::page(n));
    ASSERT_NE(p, nullptr);
    SCOPED_TRACE(p->name());
    EXPECT_TRUE(same(p->SpeedButton3, "mao-direita.bmp", 2));
    EXPECT_TRUE(same(p->SpeedButton1, "mao-esquerda.bmp", 2));
    EXPECT_TRUE(same(p->SpeedButton2, "sair.bmp", 1));
  }
}

}  // namespace
}  // namespace apostila
