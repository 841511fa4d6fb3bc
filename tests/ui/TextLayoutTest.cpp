// Line breaking, alignment, accelerator prefixes and tab stops of text blocks, and the promise
// that a measured rectangle is exactly the room the drawn text takes.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <initializer_list>
#include <string>
#include <vector>

#include "ui/canvas/Canvas.h"
#include "ui/text/ScreenFont.h"
#include "ui/text/TextLayout.h"

namespace apostila::ui {
namespace {

constexpr std::uint32_t kPaper = 0xFFFFFF, kInk = 0x000080;

const ScreenFont& sans() {
  static const ScreenFont f(FontDesc{"MS Sans Serif", -11, 0});
  return f;
}

std::vector<std::string> lines(const TextLayout& l) {
  std::vector<std::string> out;
  for (int i = 0; i < l.lineCount(); ++i) out.push_back(l.lineText(i));
  return out;
}

bool samePixels(const Canvas& a, const Canvas& b) {
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.pixel(x, y) != b.pixel(x, y)) return false;
  return true;
}

TEST(TextLayout, WordWrap) {
  const ScreenFont& f = sans();
  auto w = [&](const char* s) { return f.textWidth(s); };
  auto widest = [&](std::initializer_list<const char*> words) {
    int m = 0;
    for (const char* word : words) m = std::max(m, w(word));
    return m;
  };
  struct Case {
    const char* name;
    const char* text;
    int width;
    std::vector<std::string> expected;
  } cases[] = {
      {"breaks at the last space that fits", "um dois tres", w("um dois"), {"um dois", "tres"}},
      {"an exact fit stays on the line", "um dois", w("um dois"), {"um dois"}},
      {"one pixel short breaks", "um dois", w("um dois") - 1, {"um", "dois"}},
      {"the spaces at a break belong to no line", "um    dois", w("dois"), {"um", "dois"}},
      {"a long word goes alone and is cut only where it must be", "a xxxxxxxxxx b", w("xxxx"),
       {"a", "xxxx", "xxxx", "xx b"}},
      {"a long word at the start", "xxxxxxxxx", w("xxxx"), {"xxxx", "xxxx", "x"}},
      {"narrower than a character: one per line", "abc", 1, {"a", "b", "c"}},
      {"explicit breaks of every kind", "um\ndois\r\ntres\rquatro", 1000, {"um", "dois", "tres", "quatro"}},
      {"empty lines are kept", "a\n\nb\n", 1000, {"a", "", "b", ""}},
      {"breaks and wrapping together", "um dois\ntres seis", widest({"dois", "tres", "seis"}),
       {"um", "dois", "tres", "seis"}},
      {"leading spaces are kept", "  um dois", w("  um"), {"  um", "dois"}},
      {"trailing spaces are left out", "um dois  ", w("um dois"), {"um dois"}},
      {"the empty text is one empty line", "", 100, {""}},
  };
  for (const Case& c : cases) {
    TextFormat fmt;
    fmt.wordWrap = true;
    const TextLayout layout(f, c.text, c.width, fmt);
    EXPECT_EQ(lines(layout), c.expected) << c.name;
    for (int i = 0; i < layout.lineCount(); ++i) {
      EXPECT_EQ(layout.lineWidth(i), f.textWidth(layout.lineText(i))) << c.name << ", line " << i;
      if (layout.lineText(i).size() > 1) {
        EXPECT_LE(layout.lineWidth(i), c.width) << c.name << ", line " << i;
      }
    }
  }
}

TEST(TextLayout, WithoutWrapOrInSingleLineMode) {
  TextFormat fmt;
  EXPECT_EQ(lines(TextLayout(sans(), "um dois tres", 5, fmt)), std::vector<std::string>{"um dois tres"});
  EXPECT_EQ(TextLayout(sans(), "a\nb", 5, fmt).lineCount(), 2);
  fmt.singleLine = true;
  fmt.wordWrap = true;  // single-line wins
  const TextLayout one(sans(), "um dois\r\ntres", 5, fmt);
  EXPECT_EQ(one.lineCount(), 1);
  EXPECT_EQ(one.width(), sans().textWidth("um doistres"));  // the breaks neither break nor show
}

TEST(TextLayout, AlignsEachLineInTheRectangle) {
  const ScreenFont& f = sans();
  const Rect box{10, 5, 110, 60};
  struct Case {
    TextFormat::Align align;
    const char* name;
  } cases[] = {{TextFormat::Align::Left, "left"}, {TextFormat::Align::Right, "right"}, {TextFormat::Align::Center, "centre"}};
  const char* text = "Transistor bipolar de junção";
  for (const Case& c : cases) {
    TextFormat fmt;
    fmt.align = c.align;
    fmt.wordWrap = true;
    fmt.clip = false;  // a descender may hang out of the box
    Canvas drawn(130, 70, kPaper), expected(130, 70, kPaper);
    TextLayout::draw(drawn, f, text, box, fmt, kInk);
    const TextLayout layout(f, text, box.width(), fmt);
    ASSERT_EQ(layout.lineCount(), 2);
    for (int i = 0; i < layout.lineCount(); ++i) {
      const int w = layout.lineWidth(i);
      const int x = c.align == TextFormat::Align::Left    ? box.left
                    : c.align == TextFormat::Align::Right ? box.right - w
                                                          : box.left + (box.width() - w) / 2;
      f.drawLine(expected, x, box.top + i * f.height(), layout.lineText(i), kInk);
    }
    EXPECT_TRUE(samePixels(drawn, expected)) << c.name;
  }
}

TEST(TextLayout, AcceleratorPrefix) {
  const ScreenFont& f = sans();
  struct Case {
    const char* text;
    bool prefix;
    const char* shown;
    int underlined;  // index into shown, -1 for none
  } cases[] = {
      {"&Arquivo", true, "Arquivo", 0},   {"Ar&quivo", true, "Arquivo", 2}, {"A&&B", true, "A&B", -1},
      {"&&&x", true, "&x", 1},            {"fim&", true, "fim", -1},        {"&Arquivo", false, "&Arquivo", -1},
  };
  for (const Case& c : cases) {
    TextFormat fmt;
    fmt.prefix = c.prefix;
    const TextLayout layout(f, c.text, 200, fmt);
    EXPECT_EQ(layout.lineText(0), c.shown) << c.text;
    EXPECT_EQ(layout.width(), f.textWidth(c.shown)) << c.text;
    Canvas drawn(80, 20, kPaper), expected(80, 20, kPaper);
    layout.draw(drawn, {3, 2, 80, 20}, kInk);
    f.drawLine(expected, 3, 2, c.shown, kInk);
    if (c.underlined >= 0) {
      const std::string before = std::string(c.shown).substr(0, static_cast<std::size_t>(c.underlined));
      f.drawUnderline(expected, 3 + f.textWidth(before), 2, f.advance(static_cast<unsigned char>(c.shown[c.underlined])), kInk);
    }
    EXPECT_TRUE(samePixels(drawn, expected)) << c.text;
  }
}

TEST(TextLayout, TabsMoveToTheNextStop) {
  const ScreenFont& f = sans();
  const int stop = 8 * f.metrics().averageCharWidth;
  const std::string alphabet = "abcdefghijklmnopqrstuvwxyz";
  const int wa = f.textWidth(alphabet);
  struct Case {
    std::string text;
    bool expand;
    int expectedWidth;
  } cases[] = {
      {"a\tb", true, stop + f.textWidth("b")},
      {"\tb", true, stop + f.textWidth("b")},
      {"a\t\tb", true, 2 * stop + f.textWidth("b")},
      {alphabet + "\tb", true, (wa / stop + 1) * stop + f.textWidth("b")},
      {"a\tb", false, f.textWidth("ab")},
  };
  for (const Case& c : cases) {
    TextFormat fmt;
    fmt.expandTabs = c.expand;
    EXPECT_EQ(TextLayout(f, c.text, 1000, fmt).width(), c.expectedWidth) << c.text;
  }
  // Stops count from the start of each line, wrapped ones too, and the text lands on them.
  TextFormat fmt;
  fmt.expandTabs = true;
  fmt.wordWrap = true;
  const TextLayout wrapped(f, "aaaaaaaaaa bb\tc", std::max(f.textWidth("aaaaaaaaaa"), stop + f.textWidth("c")), fmt);
  ASSERT_EQ(wrapped.lineCount(), 2);
  EXPECT_EQ(wrapped.lineWidth(1), stop + f.textWidth("c"));
  Canvas drawn(200, 30, kPaper), expected(200, 30, kPaper);
  TextLayout::draw(drawn, f, "a\tb", {0, 0, 200, 30}, fmt, kInk);
  f.drawLine(expected, 0, 0, "a", kInk);
  f.drawLine(expected, stop, 0, "b", kInk);
  EXPECT_TRUE(samePixels(drawn, expected));
}

TEST(TextLayout, MeasuredRectangleIsTheRoomTheDrawnTextTakes) {
  const ScreenFont font(FontDesc{"Verdana", -13, FontDesc::kBold});
  const char* text = "Na região ativa, a junção base-emissor fica diretamente polarizada e a junção "
                     "base-coletor reversamente polarizada.\nÊnfase: Ic = β·Ib.";
  TextFormat fmt;
  fmt.wordWrap = true;
  const Rect wide{4, 3, 254, 1000};
  const Rect need = TextLayout::measure(font, text, wide, fmt);
  const TextLayout layout(font, text, wide.width(), fmt);
  EXPECT_EQ(need, (Rect{4, 3, 4 + layout.width(), 3 + layout.lineCount() * font.height()}));
  EXPECT_GE(layout.lineCount(), 5);

  // Drawn into exactly the measured rectangle (clipped to it) the text is the same, pixel for
  // pixel, as drawn with room to spare: the same lines, nothing cut off.
  Canvas roomy(270, need.bottom + 20, kPaper), tight(270, need.bottom + 20, kPaper);
  TextLayout::draw(roomy, font, text, wide, fmt, kInk);
  TextLayout::draw(tight, font, text, need, fmt, kInk);
  EXPECT_TRUE(samePixels(roomy, tight));
  // And the room is not overstated: ink reaches the last line and the widest line's end.
  int inkBottom = 0, inkRight = 0;
  for (int y = 0; y < tight.height(); ++y)
    for (int x = 0; x < tight.width(); ++x)
      if (tight.pixel(x, y) != kPaper) inkBottom = std::max(inkBottom, y), inkRight = std::max(inkRight, x);
  EXPECT_GE(inkBottom, need.bottom - font.height());
  EXPECT_GE(inkRight, need.right - font.metrics().averageCharWidth);
}

TEST(TextLayout, ClipsToTheRectangleUnlessToldNotTo) {
  TextFormat fmt;
  Canvas clipped(60, 20, kPaper), free(60, 20, kPaper);
  TextLayout::draw(clipped, sans(), "Transistor", {0, 0, 20, 20}, fmt, kInk);
  fmt.clip = false;
  TextLayout::draw(free, sans(), "Transistor", {0, 0, 20, 20}, fmt, kInk);
  for (int y = 0; y < 20; ++y)
    for (int x = 20; x < 60; ++x) ASSERT_EQ(clipped.pixel(x, y), kPaper);
  EXPECT_FALSE(samePixels(clipped, free));
}

TEST(TextLayout, ExtremeRectanglesStayInsideTheBuffer) {
  constexpr int kW = 40, kGuard = 10;
  std::vector<std::uint32_t> buffer(kW * kW, 0xABCDEF);
  Canvas c(buffer.data() + kGuard * kW + kGuard, kW - 2 * kGuard, kW - 2 * kGuard, kW);
  const int extremes[] = {INT_MIN, -1000000, -7, 0, 5, 1000000, INT_MAX};
  for (TextFormat::Align align : {TextFormat::Align::Left, TextFormat::Align::Right, TextFormat::Align::Center})
    for (int a : extremes)
      for (int b : extremes) {
        TextFormat fmt;
        fmt.align = align;
        fmt.wordWrap = true;
        fmt.clip = (a & 1) != 0;
        TextLayout::draw(c, sans(), "&Junção\tbase emissor\ncoletor", {a, b, INT_MAX, INT_MAX}, fmt, kInk);
        TextLayout::draw(c, sans(), "&Junção base", {INT_MIN, INT_MIN, a, b}, fmt, kInk);
        (void)TextLayout::measure(sans(), "Junção base", {a, b, INT_MAX, b}, fmt);
      }
  for (int y = 0; y < kW; ++y)
    for (int x = 0; x < kW; ++x)
      if (x < kGuard || y < kGuard || x >= kW - kGuard || y >= kW - kGuard) {
        ASSERT_EQ(buffer[static_cast<std::size_t>(y * kW + x)], 0xABCDEFu) << x << "," << y;
      }
}

}  // namespace
}  // namespace apostila::ui
