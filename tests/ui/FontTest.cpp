// Fonts: the metrics page layout depends on, the four styles, name matching, size bounds and
// the characters a face lacks.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "ui/canvas/Canvas.h"
#include "ui/text/FontCatalog.h"
#include "ui/text/ScreenFont.h"
#include "ui/text/SizedFace.h"
#include "ui/text/TextLayout.h"

namespace apostila::ui {
namespace {

constexpr std::uint32_t kPaper = 0xFFFFFF, kInk = 0x000000;

struct Ink {
  int top = INT_MAX, bottom = -1, left = INT_MAX, right = -1;  // bottom and right inclusive
};

Ink inkOf(const Canvas& c) {
  Ink k;
  for (int y = 0; y < c.height(); ++y)
    for (int x = 0; x < c.width(); ++x)
      if (c.pixel(x, y) != kPaper) {
        k.top = std::min(k.top, y), k.bottom = std::max(k.bottom, y);
        k.left = std::min(k.left, x), k.right = std::max(k.right, x);
      }
  return k;
}

TEST(Font, MetricsOfThe11And13PixelSansFonts) {
  for (const char* name : {"MS Sans Serif", "Verdana"})
    for (int px : {11, 13}) {
      SCOPED_TRACE(std::string(name) + " " + std::to_string(px) + " px");
      const ScreenFont f(FontDesc{name, -px, 0});
      const FontMetrics& m = f.metrics();
      EXPECT_EQ(f.pixelSize(), px);
      EXPECT_EQ(m.ascent + m.descent, m.height);
      EXPECT_EQ(m.internalLeading, m.height - px);
      EXPECT_GE(m.height, px + 1);
      EXPECT_LE(m.height, px * 3 / 2);
      EXPECT_EQ(m.averageCharWidth, f.textWidth("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") / 52);
      EXPECT_GE(m.averageCharWidth, px * 2 / 5);
      EXPECT_LE(m.averageCharWidth, px * 7 / 10);
      // A panel's caption line is the height of the text "W".
      EXPECT_EQ(TextLayout::measure(f, "W", {0, 0, 100, 100}, {}).height(), m.height);
      // The ink of a "W" is a capital: most of the character height, standing on the baseline.
      Canvas c(40, m.height, kPaper);
      f.drawLine(c, 2, 0, "W", kInk);
      const Ink ink = inkOf(c);
      EXPECT_EQ(ink.bottom, m.ascent - 1);
      EXPECT_GE(ink.bottom - ink.top + 1, px * 6 / 10);
      EXPECT_LE(ink.bottom - ink.top + 1, px * 8 / 10);
    }
  // The pages were laid out for a default font whose text is 13 pixels high; its stand-in must
  // keep that height, or every page would be scaled when it is loaded.
  EXPECT_EQ(ScreenFont(FontDesc{"MS Sans Serif", -11, 0}).height(), 13);
}

TEST(Font, PositiveHeightIsTheCellHeight) {
  const ScreenFont cell13(FontDesc{"MS Sans Serif", 13, 0});
  EXPECT_LE(cell13.height(), 13);
  EXPECT_GT(ScreenFont(FontDesc{"MS Sans Serif", -(cell13.pixelSize() + 1), 0}).height(), 13);
  EXPECT_EQ(ScreenFont(FontDesc{"Verdana", 0, 0}).pixelSize(), 11);  // zero: the default size
  EXPECT_EQ(ScreenFont(FontDesc{"Verdana", 1, 0}).pixelSize(), 1);   // too small a cell: the smallest size
}

TEST(Font, ExtremeHeightsAreBounded) {
  EXPECT_EQ(ScreenFont(FontDesc{"Verdana", -100000, 0}).pixelSize(), ScreenFont::kMaxPixelSize);
  EXPECT_EQ(ScreenFont(FontDesc{"Verdana", INT_MIN, 0}).pixelSize(), ScreenFont::kMaxPixelSize);
  EXPECT_LE(ScreenFont(FontDesc{"Verdana", INT_MAX, 0}).pixelSize(), ScreenFont::kMaxPixelSize);
}

TEST(Font, BoldIsWiderThanRegularAndItalicSlants) {
  const char* text = "Avançar Conclusão";
  for (const char* name : {"MS Sans Serif", "Verdana", "Arial"})
    for (int px : {11, 13, 19}) {
      SCOPED_TRACE(std::string(name) + " " + std::to_string(px) + " px");
      const ScreenFont regular(FontDesc{name, -px, 0}), bold(FontDesc{name, -px, FontDesc::kBold}),
          italic(FontDesc{name, -px, FontDesc::kItalic});
      EXPECT_GT(bold.textWidth(text), regular.textWidth(text));
      // An upright "l" is one straight column of ink; slanted, its top leans right of its foot.
      Canvas up(30, regular.height(), kPaper), slanted(30, italic.height(), kPaper);
      regular.drawLine(up, 5, 0, "l", kInk);
      italic.drawLine(slanted, 5, 0, "l", kInk);
      auto rowInk = [](const Canvas& c, int y) {
        int x = 0;
        while (x < c.width() && c.pixel(x, y) == kPaper) ++x;
        return x;
      };
      const Ink u = inkOf(up), s = inkOf(slanted);
      EXPECT_EQ(rowInk(up, u.top + 1), rowInk(up, u.bottom - 1));
      EXPECT_GT(rowInk(slanted, s.top + 1), rowInk(slanted, s.bottom - 1));
    }
  // The black weight has no bold of its own: asking for bold changes nothing.
  EXPECT_EQ(ScreenFont(FontDesc{"Arial Black", -27, FontDesc::kBold}).textWidth(text),
            ScreenFont(FontDesc{"Arial Black", -27, 0}).textWidth(text));
  EXPECT_GT(ScreenFont(FontDesc{"Arial Black", -27, 0}).textWidth(text),
            ScreenFont(FontDesc{"Verdana", -27, FontDesc::kBold}).textWidth(text));
}

TEST(Font, UnderlineAndStrikeOutDrawOneLineAcrossTheText) {
  for (const char* name : {"MS Sans Serif", "Verdana"})
    for (int px : {11, 13, 32}) {
      SCOPED_TRACE(std::string(name) + " " + std::to_string(px) + " px");
      const ScreenFont plain(FontDesc{name, -px, 0});
      const FontMetrics& m = plain.metrics();
      for (std::uint32_t style : {FontDesc::kUnderline, FontDesc::kStrikeOut}) {
        const ScreenFont marked(FontDesc{name, -px, style});
        const char* text = "ab c";
        const int x0 = 3, w = plain.textWidth(text);
        Canvas a(w + 10, m.height + 4, kPaper), b(w + 10, m.height + 4, kPaper);
        plain.drawLine(a, x0, 2, text, kInk);
        marked.drawLine(b, x0, 2, text, kInk);
        // Every row that differs is a solid stroke exactly as wide as the text.
        int rows = 0, first = -1;
        for (int y = 0; y < a.height(); ++y) {
          bool differs = false;
          for (int x = 0; x < a.width(); ++x) differs = differs || a.pixel(x, y) != b.pixel(x, y);
          if (!differs) continue;
          if (first < 0) first = y;
          ++rows;
          for (int x = 0; x < b.width(); ++x)
            ASSERT_EQ(b.pixel(x, y) == kInk, x >= x0 && x < x0 + w) << "row " << y << " column " << x;
        }
        ASSERT_GE(rows, 1);
        EXPECT_LE(rows, std::max(2, px / 10));
        const int baseline = 2 + m.ascent;
        if (style == FontDesc::kUnderline) {
          EXPECT_GE(first, baseline);                   // below the baseline
          EXPECT_LE(first + rows, 2 + m.height);        // inside the cell
        } else {
          EXPECT_LT(first + rows, baseline);            // above the baseline
          EXPECT_GT(first, 2 + m.internalLeading + px / 4);  // through the lower-case letters
        }
      }
    }
}

TEST(Font, NamesIgnoreCaseAndUnknownNamesGetTheDefaultFace) {
  const char* text = "Polarização direta";
  const int verdana = ScreenFont(FontDesc{"Verdana", -13, 0}).textWidth(text);
  const int sans = ScreenFont(FontDesc{"MS Sans Serif", -13, 0}).textWidth(text);
  ASSERT_NE(verdana, sans);
  EXPECT_EQ(ScreenFont(FontDesc{"VERDANA", -13, 0}).textWidth(text), verdana);
  EXPECT_EQ(ScreenFont(FontDesc{"ms sans serif", -13, 0}).textWidth(text), sans);
  EXPECT_EQ(ScreenFont(FontDesc{"No Such Font", -13, 0}).textWidth(text), sans);
  EXPECT_EQ(ScreenFont(FontDesc{"", -13, 0}).textWidth(text), sans);
}

TEST(Font, CharactersTheFaceLacksComeFromTheFallbackFace) {
  // A check mark is not in the face standing in for the sans serif font; it must not come out as
  // the missing-character box but as the fallback face draws it.
  const ScreenFont sans(FontDesc{"MS Sans Serif", -13, 0}), fallback(FontDesc{"DejaVu Sans", -13, 0});
  Canvas a(30, 20, kPaper), b(30, 20, kPaper);
  sans.drawLine(a, 2, 0, "\u2713", kInk);
  fallback.drawLine(b, 2, 0 + sans.metrics().ascent - fallback.metrics().ascent, "\u2713", kInk);
  EXPECT_EQ(sans.advance(U'\u2713'), fallback.advance(U'\u2713'));
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 30; ++x) ASSERT_EQ(a.pixel(x, y), b.pixel(x, y)) << x << "," << y;
}

TEST(Font, ControlCharactersHaveNoWidthAndDrawNothing) {
  const ScreenFont f(FontDesc{"MS Sans Serif", -11, 0});
  EXPECT_EQ(f.textWidth("a\x01\x1f\x7f\xc2\x85 b"), f.textWidth("a b"));
  EXPECT_EQ(f.advance(U'\t'), 0);
}

TEST(Font, BytesThatAreNotUtf8ReadAsWesternCharacters) {
  const ScreenFont f(FontDesc{"Verdana", -13, 0});
  EXPECT_EQ(f.textWidth("\xe7\xe3o"), f.textWidth("ção"));  // "ção" in a single-byte encoding
  Canvas a(60, 20, kPaper), b(60, 20, kPaper);
  f.drawLine(a, 0, 0, "Avan\xe7" "ar", kInk);
  f.drawLine(b, 0, 0, "Avançar", kInk);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 60; ++x) ASSERT_EQ(a.pixel(x, y), b.pixel(x, y));
}

// Measuring reads advances from the font's metrics without rendering; drawing places each glyph
// at the advance its rendering gives. The two must agree for every face, the one made heavier
// included, or a measured line would not be the drawn line. Sizes are met in a mixed order, as
// pages meet them, since all sizes of a file share one opened file.
TEST(Font, MeasuredAdvancesAreTheDrawnAdvancesInEveryFaceAndSize) {
  const std::u32string text = U"Aa Çç ãõ éê íó ú ÂÊÔ gjpqy 0123456789 β Ω μ ≈ ≤ → ·∆ ƒ";
  for (const char* name : {"MS Sans Serif", "Verdana", "Arial Black"})
    for (bool bold : {false, true})
      for (bool italic : {false, true})
        for (int ppem : {13, 6, 11, 24, 9, 40, 17}) {
          SCOPED_TRACE(std::string(name) + (bold ? " bold" : "") + (italic ? " italic" : "") + " " +
                       std::to_string(ppem) + " px");
          for (const FaceChoice& choice : {FontCatalog::face(name, bold, italic), FontCatalog::fallback(bold, italic)}) {
            SizedFace& face = SizedFace::get(choice, ppem);
            for (char32_t c : text) {
              const unsigned index = face.glyphIndex(c);
              const int measured = face.advance(index);
              ASSERT_EQ(measured, face.glyph(index).advance) << "U+" << std::hex << static_cast<unsigned>(c);
            }
          }
        }
}

}  // namespace
}  // namespace apostila::ui
