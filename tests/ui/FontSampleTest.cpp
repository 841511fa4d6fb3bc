// Every font the pages name, at every size they use, in every style, drawn with Portuguese
// accents: the sample the font choice in docs/fonts.md is judged by (written to the build
// directory as fonts.png). Drawing it also checks that the cell of each font holds its accented
// capitals and descenders, since a label clips its text at the cell's edges.
#include <gtest/gtest.h>

#include <iterator>
#include <string>

#include "ui/canvas/Canvas.h"
#include "ui/canvas/PngWriter.h"
#include "ui/text/ScreenFont.h"
#include "ui/text/TextLayout.h"

namespace apostila::ui {
namespace {

constexpr std::uint32_t kPaper = 0xF0F0E1, kInk = 0x000000;

struct Segment {
  const char* text;
  std::uint32_t style;
};
constexpr Segment kSegments[] = {
    {"Polarização ÊÍÓÚ gjç", 0},
    {"Negrito ção", FontDesc::kBold},
    {"Itálico ção", FontDesc::kItalic},
    {"Ambos ção", FontDesc::kBold | FontDesc::kItalic},
    {"Sublinhado", FontDesc::kUnderline},
    {"Riscado", FontDesc::kStrikeOut},
};
constexpr const char* kNames[] = {"MS Sans Serif", "Verdana", "Arial", "Arial Black"};
constexpr const char* kDrawnWith[] = {"Liberation Sans", "DejaVu Sans", "Liberation Sans", "DejaVu Sans Bold, heavier"};
constexpr int kSizes[] = {11, 13, 16, 19, 24, 27, 32};

// Rows of the canvas between top and bottom (exclusive) that hold any ink.
bool inkOutside(const Canvas& c, int left, int right, int top, int bottom) {
  for (int y = 0; y < c.height(); ++y) {
    if (y >= top && y < bottom) continue;
    for (int x = left; x < right; ++x)
      if (c.pixel(x, y) != kPaper) return true;
  }
  return false;
}

TEST(FontSample, EveryFontSizeAndStyleDrawsInsideItsCell) {
  const ScreenFont label(FontDesc{"MS Sans Serif", -11, 0});
  const int gap = 6;
  int height = 8, width = 0;
  for (const char* name : kNames) {
    height += label.height() + 4;
    for (int px : kSizes) {
      int x = 48, lineHeight = 0;
      for (const Segment& s : kSegments) {
        const ScreenFont font(FontDesc{name, -px, s.style});
        x += font.textWidth(s.text) + 2 * px / 3;
        lineHeight = std::max(lineHeight, font.height());
      }
      width = std::max(width, x);
      height += lineHeight + 2;
    }
    height += gap;
  }
  Canvas sheet(width, height, kPaper);
  int y = 4;
  for (std::size_t n = 0; n < std::size(kNames); ++n) {
    const char* name = kNames[n];
    label.drawLine(sheet, 8, y, "\"" + std::string(name) + "\" drawn with " + kDrawnWith[n], 0x000080);
    y += label.height() + 4;
    for (int px : kSizes) {
      const ScreenFont regular(FontDesc{name, -px, 0});
      label.drawLine(sheet, 8, y + regular.metrics().ascent - label.metrics().ascent, std::to_string(px) + " px",
                     0x808080);
      int x = 48;
      int lineHeight = 0;
      for (const Segment& s : kSegments) {
        const ScreenFont font(FontDesc{name, -px, s.style});
        const int w = font.textWidth(s.text);
        // The same text alone on a canvas three cells high: all ink must fall in the middle cell.
        Canvas probe(w + 2 * px, 3 * font.height(), kPaper);
        font.drawLine(probe, px, font.height(), s.text, kInk);
        EXPECT_FALSE(inkOutside(probe, 0, probe.width(), font.height(), 2 * font.height()))
            << name << " " << px << " px style " << s.style << ": ink outside the cell";
        font.drawLine(sheet, x, y, s.text, kInk);
        x += w + 2 * px / 3;
        lineHeight = std::max(lineHeight, font.height());
      }
      y += lineHeight + 2;
    }
    y += gap;
  }
  PngWriter::write(sheet, std::string(APOSTILA_BINARY_DIR) + "/fonts.png");
}

}  // namespace
}  // namespace apostila::ui
