// The figure program's pictures and parts: one file name per figure, every picture at exactly
// the size of the page element that shows it, on a white ground, with lettering tall enough
// to read at 1:1; and the named values behind their numbers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "CourseFixture.h"
#include "ValuesFile.h"
#include "Figures.h"
#include "Topics.h"
#include "Spoken.h"
#include "ValueTable.h"
#include "apostila/PageRegistry.h"
#include "content/Bitmap.h"
#include "content/PictureTwins.h"
#include "content/TImage.h"
#include "content/TSpeedButton.h"
#include "drawing/BmpWriter.h"
#include "drawing/Drawing.h"
#include "drawing/Plot.h"
#include "drawing/Schematic.h"

namespace apostila {
namespace {

using figures::Drawing;
using figures::FigureList;
using figures::Op;
using figures::TextSetter;
using figures::ValueTable;

// A picture's pixels as one key, to find where the pages show it.
std::string pixelKey(const content::Bitmap& b) {
  std::string key = std::to_string(b.width()) + "x" + std::to_string(b.height()) + ":";
  for (int y = 0; y < b.height(); ++y)
    for (int x = 0; x < b.width(); ++x) {
      const std::uint32_t p = b.pixel(x, y);
      key.append(reinterpret_cast<const char*>(&p), 3);
    }
  return key;
}

TEST(Figures, TheListRefusesASecondFigureOfOneName) {
  FigureList list;
  auto blank = [] { return std::vector<std::uint8_t>{}; };
  list.add("a.bmp", blank);
  list.add("b.bmp", blank);
  EXPECT_THROW(list.add("a.bmp", blank), std::invalid_argument);
  EXPECT_EQ(list.size(), 2u);
  // The course's own list is built through the same check.
  EXPECT_NO_THROW(figures::allFigures());
}

// Every 24-bit figure is shown by the pages, by a picture element of exactly its size (or a
// button's glyph), and its bottom-left pixel (the transparent colour) is white.
TEST(Figures, EachPictureHasTheSizeOfTheElementThatShowsIt) {
  // Elements that the stored layout makes larger than their picture, drawn from the top-left.
  const std::map<std::string, std::pair<int, int>> largerElement = {{"sorriso.bmp", {33, 33}}};
  testing::Course course;
  std::map<std::string, std::vector<const ui::Control*>> shownBy;
  auto walk = [&](auto& self, const ui::Container& parent) -> void {
    for (const ui::Control* c : parent.controls()) {
      if (auto* image = dynamic_cast<const content::TImage*>(c); image && !image->picture().bitmap().empty())
        shownBy[pixelKey(image->picture().bitmap())].push_back(image);
      if (auto* button = dynamic_cast<const content::TSpeedButton*>(c); button && !button->glyph().bitmap().empty())
        shownBy[pixelKey(button->glyph().bitmap())].push_back(button);
      if (auto* inner = dynamic_cast<const ui::Container*>(c)) self(self, *inner);
    }
  };
  for (int order = 0; order <= 85; ++order) walk(walk, *app::page(order));

  for (const figures::Figure& f : figures::allFigures()) {
    SCOPED_TRACE(f.file);
    const std::vector<std::uint8_t> bytes = f.encode();
    const content::Bitmap b = content::Bitmap::decode(bytes);
    if (b.header().bitCount != 24) continue;  // button glyph strips, the icon
    EXPECT_EQ(b.pixel(0, b.height() - 1), 0xFFFFFFu);
    const auto it = shownBy.find(pixelKey(b));
    if (it == shownBy.end()) {
      ADD_FAILURE() << "no picture element shows " << f.file << " as drawn";
      continue;
    }
    const auto larger = largerElement.find(f.file);
    const auto [w, h] = larger == largerElement.end() ? std::pair{b.width(), b.height()} : larger->second;
    for (const ui::Control* element : it->second) {
      if (!dynamic_cast<const content::TImage*>(element)) continue;
      EXPECT_TRUE(element->width() == w && element->height() == h)
          << element->name() << " is " << element->width() << " x " << element->height() << ", the figure " << b.width()
          << " x " << b.height();
    }
  }
}

// Every picture a page shows has its twin in the set the program carries, drawn for a screen of
// twice the density: twice its pixels each way, and, shrunk back by averaging each 2 × 2 block,
// the picture itself up to the antialiasing of edges: a mean difference of at most 2 per channel,
// and at most 1 % of the pixels off by more than 32 in a channel.
TEST(Figures, EveryPicturesTwinIsCarriedAndShrinksToIt) {
  std::ifstream in(std::filesystem::path(APOSTILA_BINARY_DIR) / "course" / "twins.bin", std::ios::binary);
  ASSERT_TRUE(in) << "twins.bin was not packed";
  const std::vector<std::uint8_t> packed((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const content::PictureTwins twins(packed);
  testing::Course course;
  int pictures = 0;
  auto check = [&](const ui::Form& page, const content::TImage& image) {
    SCOPED_TRACE(std::string(page.pageClass().className) + "." + image.name());
    ++pictures;
    const content::Bitmap& one = image.picture().bitmap();
    const auto bytes = twins.find(std::string(page.pageClass().className), image.name());
    ASSERT_TRUE(bytes) << "no twin";
    const content::Bitmap two = content::Bitmap::decode(*bytes);
    ASSERT_EQ(two.width(), 2 * one.width());
    ASSERT_EQ(two.height(), 2 * one.height());
    double total = 0;
    long off = 0;
    for (int y = 0; y < one.height(); ++y)
      for (int x = 0; x < one.width(); ++x) {
        int worst = 0;
        for (int shift : {0, 8, 16}) {
          int sum = 0;
          for (int dy = 0; dy < 2; ++dy)
            for (int dx = 0; dx < 2; ++dx) sum += static_cast<int>((two.pixel(2 * x + dx, 2 * y + dy) >> shift) & 0xFF);
          const int d = std::abs((sum + 2) / 4 - static_cast<int>((one.pixel(x, y) >> shift) & 0xFF));
          total += d;
          worst = std::max(worst, d);
        }
        if (worst > 32) ++off;
      }
    const double pixels = static_cast<double>(one.width()) * one.height();
    EXPECT_LE(total / (3 * pixels), 2.0);
    EXPECT_LE(off, 0.01 * pixels);
  };
  for (int order = 0; order < app::kPageCount; ++order) {
    const ui::Form& page = *app::page(order);
    auto walk = [&](auto& self, const ui::Container& parent) -> void {
      for (const ui::Control* c : parent.controls()) {
        if (auto* image = dynamic_cast<const content::TImage*>(c); image && !image->picture().bitmap().empty())
          check(page, *image);
        if (auto* inner = dynamic_cast<const ui::Container*>(c)) self(self, *inner);
      }
    };
    walk(walk, page);
  }
  EXPECT_EQ(static_cast<std::size_t>(pictures), twins.size()) << "the set names a picture no page shows";
}

// The numbers a description states, each with the unit after it ("IC = 2,4 mA" gives "2,4 mA"),
// read the way the caption scan reads a page. A type number or a package's name ("2N2222A",
// "TO-92", "RB1") is a name, not a number. A graph's frame, its axes' ranges ("Eixo vertical: IC,
// de 0 a 30 mA.") and the parameters of its family of curves ("Curvas para IB = 20 µA e 40 µA."),
// is set by the drawing, not by a value, and is left out.
std::vector<std::string> numbersSaid(std::string text) {
  for (const char* axis : {"Eixo horizontal: ", "Eixo vertical: ", "Curvas para "})
    for (std::size_t at = text.find(axis); at != std::string::npos; at = text.find(axis, at)) {
      const std::size_t end = text.find(". ", at);
      text.erase(at, (end == std::string::npos ? text.size() : end) - at);
    }
  return testing::numbersIn(text, true);
}

TEST(Figures, TheDescriptionScanKeepsNumbersAndSkipsNamesAndAxes) {
  const std::pair<std::string, std::vector<std::string>> cases[] = {
      {"IC = 2,4 mA e VCE = 6,7 V; β = 100.", {"2,4 mA", "6,7 V", "100"}},
      {"RB1 = 10 kΩ, o 2N2222A e o TO-92, BC547B.", {"10 kΩ"}},
      {"Gráfico. Eixo horizontal: VCE, de 0 a 30 V. Eixo vertical: IC, de 0 a 6 mA. Q em 5,6 V.", {"5,6 V"}},
      {"Curvas para IB = 20 µA e 40 µA, em preto. Q em IB = 13,8 µA.", {"13,8 µA"}},
      {"a 25 °C, 10 %", {"25", "10"}},
  };
  for (const auto& [text, numbers] : cases) EXPECT_EQ(numbersSaid(text), numbers) << text;
}

// A description reads a picture's lettering back as the pages write it: subscripts run on, a
// fraction becomes a quotient with its sums in parentheses, lettering spaced apart on one line
// reads as two statements.
TEST(Figures, LetteringIsSpokenAsThePagesWriteIt) {
  const std::pair<std::string, std::string> cases[] = {
      {"V_{CE(sat)} e h_{FE}", "VCE(sat) e hFE"},
      {"I_B = \\frac{V_{CC} − V_{BE}}{R_B + (β + 1) · R_E}", "IB = (VCC − VBE) / (RB + (β + 1) · RE)"},
      {"= \\frac{12 V}{2,2 kΩ} = 5,45 mA", "= 12 V / 2,2 kΩ = 5,45 mA"},
      {"2^{(T − 25)/10}", "2 elevado a (T − 25)/10"},
      {"V_{TH} = a        R_{TH} = b", "VTH = a; RTH = b"},
      {"\\ _H, I_C  e I_E", "H, IC e IE"},
  };
  for (const auto& [markup, text] : cases) EXPECT_EQ(figures::spoken(markup), text) << markup;
}

// Every picture a page shows has a description in the carried set, for a screen reader, and the
// description states no number of its own: each is the text of one of the course's named values
// (or of a step worked from them, or the number alone where a table names the unit in its
// head), a number its page states, a zero, or one of the few fixed texts a picture letters that
// no value names (a type number's digits, a table's phase). A description that types a number
// the values do not give fails here; one that says a different value than its picture draws
// does not, as long as that value is the course's too.
TEST(Figures, EveryPictureIsDescribedFromTheCoursesValues) {
  std::ifstream in(std::filesystem::path(APOSTILA_BINARY_DIR) / "course" / "twins.bin", std::ios::binary);
  ASSERT_TRUE(in) << "twins.bin was not packed";
  const std::vector<std::uint8_t> packed((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const content::PictureTwins twins(packed);
  const std::map<std::string, std::set<std::string>> lettered = {
      {"TForm18.Image2", {"180"}},           // the comparison table's phases
      {"TForm32.Image1", {"85", "95"}},      // the temperatures of ICBO's last two marks
      {"TForm63.Image2", {"2222", "547"}},  // the serial numbers of two type numbers
  };
  std::set<std::string> valued{"0"};
  for (const auto& [name, text] : testing::valuesFile())
    for (const std::string& n : numbersSaid(text)) {
      valued.insert(n);
      valued.insert(n.substr(0, n.find(' ')));
    }
  testing::Course course;
  int described = 0;
  for (int order = 0; order < app::kPageCount; ++order) {
    const ui::Form& page = *app::page(order);
    std::set<std::string> stated;
    std::vector<const content::TImage*> images;
    auto walk = [&](auto& self, const ui::Container& parent) -> void {
      for (const ui::Control* c : parent.controls()) {
        for (const std::string& n : numbersSaid(c->caption())) stated.insert(n);
        if (auto* image = dynamic_cast<const content::TImage*>(c); image && !image->picture().bitmap().empty())
          images.push_back(image);
        if (auto* inner = dynamic_cast<const ui::Container*>(c)) self(self, *inner);
      }
    };
    walk(walk, page);
    for (const content::TImage* image : images) {
      const std::string where = std::string(page.pageClass().className) + "." + image->name();
      const std::string words = twins.description(std::string(page.pageClass().className), image->name());
      EXPECT_FALSE(words.empty()) << where << " has no description";
      if (!words.empty()) ++described;
      const auto fixed = lettered.find(where);
      for (const std::string& n : numbersSaid(words))
        EXPECT_TRUE(valued.count(n) || stated.count(n) || (fixed != lettered.end() && fixed->second.count(n)))
            << where << " says " << n << ", which is neither a named value nor on its page: \"" << words << "\"";
    }
  }
  EXPECT_EQ(static_cast<std::size_t>(described), twins.size());
}

// Capitals of the main lettering reach at least 11 px from top to baseline, subscripts 8 px.
TEST(Figures, LetteringIsTallEnoughAtOneToOne) {
  auto inkRows = [](const std::string& markup) {
    Drawing d(120, 60);
    d.text().draw({10, 40}, markup);
    const figures::RgbImage img = d.image();
    int top = img.height, bottom = -1;
    for (int y = 0; y < img.height; ++y)
      for (int x = 0; x < img.width; ++x)
        if ((img.pixels[static_cast<std::size_t>(y * img.width + x)] & 0xFF) < 128) {
          top = std::min(top, y);
          bottom = std::max(bottom, y);
        }
    return std::pair{top, bottom};
  };
  const auto [capTop, baseline] = inkRows("H");
  EXPECT_GE(baseline - capTop + 1, 11);
  // "_H" alone is a subscript H: dropped below the baseline, smaller, but 8 px at least.
  const auto [subTop, subBottom] = inkRows("\\ _H");
  EXPECT_GE(subBottom - subTop + 1, 8);
  EXPECT_LT(subBottom - subTop, baseline - capTop);
  EXPECT_GT(subBottom, baseline);
}

TEST(Figures, LetteringMarkupErrorsAreRefused) {
  Drawing d(40, 20);
  for (const char* bad : {"V_{CE", "\\frac{a}", "x_", "x_{}", "a}b", "{a}"})
    EXPECT_THROW(d.text().measure(bad), std::invalid_argument) << bad;
  // A fraction stands taller than a line and a subscript does not widen it.
  EXPECT_GT(d.text().measure("\\frac{a}{b}").ascent, d.text().measure("a").ascent);
  EXPECT_EQ(d.text().measure("V_{CE}").width, d.text().measure("V_CE").width);
}

// Wires are drawn between named terminals, so the terminals must be where the leads end: the
// NPN's collector up and emitter down, the PNP's the other way round.
// A Style puts back the ink, the pen and the lettering weight it found, nested or not, and the
// drawing's record of its ink stays that of cairo: a stroke after the scope is in the old ink.
TEST(Figures, AStyleRestoresInkPenAndWeightAtItsEnd) {
  Drawing d(40, 20);
  {
    Drawing::Style outer(d, Drawing::kBlue);
    outer.pen(4).bold();
    {
      Drawing::Style inner(d, Drawing::kGrey);
      inner.pen(1).bold(false);
      EXPECT_EQ(d.ink(), Drawing::kGrey);
      EXPECT_FALSE(d.text().bold());
    }
    EXPECT_EQ(d.ink(), Drawing::kBlue);
    EXPECT_DOUBLE_EQ(cairo_get_line_width(d.cr()), 4);
    EXPECT_TRUE(d.text().bold());
  }
  EXPECT_EQ(d.ink(), Drawing::kBlack);
  EXPECT_DOUBLE_EQ(cairo_get_line_width(d.cr()), Drawing::kPen);
  EXPECT_FALSE(d.text().bold());
  d.fillRect(0, 0, 10, 20, Drawing::kBlue);  // a fill leaves the ink alone
  d.line({20, 10}, {39, 10});
  const figures::RgbImage img = d.image();
  EXPECT_EQ(img.pixels[10 * 40 + 5], Drawing::kBlue);
  EXPECT_EQ(img.pixels[10 * 40 + 30], Drawing::kBlack);
}

// Grey is the ink of grids and construction lines; lettering drawn in it comes out darker, so
// that it reads at 4,5:1 or better on the panels the pictures lie on (the theory pages', the
// questions' and the money-green reveal panels), while the lines keep their pale grey.
TEST(Figures, GreyLetteringReadsOnThePanelsAndGreyLinesStayPale) {
  auto luminance = [](std::uint32_t rgb) {
    auto channel = [](double c) { c /= 255; return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel((rgb >> 16) & 0xFF) + 0.7152 * channel((rgb >> 8) & 0xFF) + 0.0722 * channel(rgb & 0xFF);
  };
  for (const std::uint32_t panel : {0xF0F0E1u, 0xE6E6CCu, 0xC0DCC0u, 0xFFFFFFu})
    EXPECT_GE((luminance(panel) + 0.05) / (luminance(Drawing::kGreyLettering) + 0.05), 4.5) << std::hex << panel;
  Drawing d(80, 30);
  {
    Drawing::Style grey(d, Drawing::kGrey);
    d.text().draw({4, 22}, "HH");
    d.line({70.5, 2}, {70.5, 28});
  }
  const figures::RgbImage img = d.image();
  std::uint32_t darkestLetter = 0xFF;
  for (int y = 0; y < img.height; ++y)
    for (int x = 0; x < 60; ++x) darkestLetter = std::min(darkestLetter, img.pixels[static_cast<std::size_t>(y * img.width + x)] & 0xFF);
  EXPECT_LE(darkestLetter, (Drawing::kGreyLettering & 0xFF) + 8);
  EXPECT_EQ(img.pixels[15 * 80 + 70], Drawing::kGrey);
}

TEST(Figures, SchematicTerminalsAreWhereTheLeadsEnd) {
  Drawing d(200, 120);
  figures::Schematic s(d);
  s.npn("N", {20, 60});
  s.pnp("P", {100, 60});
  s.resistor("R", {180, 20}, {180, 100});
  const struct {
    const char* pin;
    double x, y;
  } cases[] = {{"N.b", 20, 60}, {"N.c", 60, 40}, {"N.e", 60, 80}, {"P.b", 100, 60},
               {"P.e", 140, 40}, {"P.c", 140, 80}, {"R.a", 180, 20}, {"R.b", 180, 100}};
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(s.pin(c.pin).x, c.x) << c.pin;
    EXPECT_DOUBLE_EQ(s.pin(c.pin).y, c.y) << c.pin;
  }
  EXPECT_THROW(s.pin("N.x"), std::invalid_argument);
  // Something was drawn at each lead's end.
  const figures::RgbImage img = d.image();
  for (const auto& c : cases)
    EXPECT_NE(img.pixels[static_cast<std::size_t>(c.y) * 200 + static_cast<std::size_t>(c.x)], 0xFFFFFFu) << c.pin;
}

// A battery's + is set beside its long plate on the side away from its lettering, whichever
// way the battery runs: the side is a direction on the picture, not one relative to a and b.
// A chain places each part at the end of the last: by a length, up to a coordinate, or on to a
// point, and its pins are where the parts ended.
TEST(Figures, AChainPlacesEachPartAtTheEndOfTheLast) {
  Drawing d(200, 200);
  figures::Schematic s(d);
  using S = figures::Schematic;
  const auto end = s.from({20, 10})
                       .resistor("R1", S::down(50))
                       .wire(S::right(30), "I")
                       .resistor("R2", S::toX(150))
                       .led("D", S::toY(120))
                       .wire(figures::Pt{150, 180})
                       .here();
  const struct {
    const char* pin;
    double x, y;
  } cases[] = {{"R1.a", 20, 10}, {"R1.b", 20, 60}, {"R2.a", 50, 60}, {"R2.b", 150, 60}, {"D.a", 150, 60},
               {"D.b", 150, 120}};
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(s.pin(c.pin).x, c.x) << c.pin;
    EXPECT_DOUBLE_EQ(s.pin(c.pin).y, c.y) << c.pin;
  }
  EXPECT_DOUBLE_EQ(end.x, 150);
  EXPECT_DOUBLE_EQ(end.y, 180);
}

TEST(Figures, ABatterysPlusSignStaysClearOfItsLettering) {
  using Side = figures::Schematic::Side;
  struct Case {
    figures::Pt a, b;
    Side side;
    int plusX, plusY;  // the direction, from the battery's axis, where the + must be
  };
  const Case cases[] = {
      {{30, 50}, {70, 50}, Side::Below, 0, -1}, {{70, 50}, {30, 50}, Side::Below, 0, -1},
      {{30, 50}, {70, 50}, Side::Above, 0, 1},  {{70, 50}, {30, 50}, Side::Auto, 0, 1},
      {{50, 30}, {50, 70}, Side::Auto, -1, 0},  {{50, 70}, {50, 30}, Side::Auto, -1, 0},
      {{50, 70}, {50, 30}, Side::Left, 1, 0},
  };
  for (const Case& c : cases) {
    Drawing d(100, 100);
    figures::Schematic s(d);
    s.battery("B", c.a, c.b, "", "", c.side);
    // Beyond 13 px from the axis only the + is drawn (the plates reach 12 px).
    const figures::RgbImage img = d.image();
    int wanted = 0, other = 0;
    for (int y = 0; y < 100; ++y)
      for (int x = 0; x < 100; ++x) {
        if ((img.pixels[static_cast<std::size_t>(y * 100 + x)] & 0xFF) > 128) continue;
        const int off = c.plusX != 0 ? x - 50 : y - 50, dir = c.plusX != 0 ? c.plusX : c.plusY;
        if (off * dir >= 13) ++wanted;
        if (off * dir <= -13) ++other;
      }
    EXPECT_GT(wanted, 0) << "case " << (&c - cases);
    EXPECT_EQ(other, 0) << "case " << (&c - cases);
  }
}

// On a logarithmic axis every decade takes the same width, and a curve is sampled evenly along
// the logarithm from one end of the range to the other, its label placed at the range's end.
TEST(Figures, ALogarithmicAxisSpacesDecadesEvenly) {
  Drawing d(240, 120);
  figures::Plot p(d, {.left = 20, .top = 10, .right = 200, .bottom = 80});
  p.yAxis(0, 1, 1, "y", "", 1, false);
  p.xAxisLog(1e-3, 1, "x", "A");
  const struct {
    double x, px;
  } cases[] = {{1e-3, 20}, {1e-2, 80}, {1e-1, 140}, {1, 200}, {std::sqrt(10.0) * 1e-2, 110}};
  for (const auto& c : cases) EXPECT_NEAR(p.px(c.x), c.px, 1e-9) << c.x;
  std::vector<double> asked;
  p.curve([&](double x) { asked.push_back(x); return x; }, "y = x");
  ASSERT_GT(asked.size(), 3u);
  EXPECT_NEAR(asked.front(), 1e-3, 1e-12);
  EXPECT_NEAR(asked[(asked.size() - 2) / 2], std::pow(10.0, -1.5), 1e-6);
  EXPECT_NEAR(asked.back(), 1, 1e-9) << "the label is set where the curve ends";
}

// Significant figures counted in the shown unit; zero has no leading digit to count from.
TEST(NamedValues, DecimalsForSignificantFigures) {
  const struct {
    double value;
    const char* unit;
    int significant, decimals;
  } cases[] = {
      {2.404e-3, "mA", 3, 2}, {24.04e-6, "\u00B5A", 3, 1}, {0.0577, "V", 3, 4}, {478e3, "k\u03A9", 3, 0},
      {1234, "V", 3, 0},      {-0.7, "V", 2, 2},           {0.0, "V", 3, 2},     {0.0, "mA", 2, 1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ValueTable::decimalsFor(c.value, c.unit, c.significant), c.decimals) << c.value << " " << c.unit;
}

TEST(NamedValues, TextsHaveTheCoursesPrecisionAndUnits) {
  ValueTable t;
  struct Case {
    const char* name;
    double value;
    const char* unit;
    int decimals;
    const char* text;
  };
  const Case cases[] = {
      {"a", 2.404e-3, "mA", 1, "2,4 mA"},
      {"b", 24.04e-6, "\u00B5A", 0, "24 \u00B5A"},
      {"c", 470e3, "k\u03A9", ValueTable::kExact, "470 k\u03A9"},
      {"d", 2.2e3, "k\u03A9", ValueTable::kExact, "2,2 k\u03A9"},
      {"e", 100, "", ValueTable::kExact, "100"},
      {"f", -0.7, "V", 1, "\u22120,7 V"},
      {"g", -1.8e-3, "mV/\u00B0C", 1, "\u22121,8 mV/\u00B0C"},
      {"h", 4.988e-3, "mA", 1, "5,0 mA"},
      {"i", 0.0, "V", 0, "0 V"},
  };
  for (const Case& c : cases) {
    t.add(c.name, c.value, c.unit, c.decimals);
    EXPECT_EQ(t.text(c.name), c.text) << c.name;
  }
  EXPECT_THROW(t.add("a", 1, "V"), std::invalid_argument);
  EXPECT_THROW(t.add("x y", 1, "V"), std::invalid_argument);
  EXPECT_THROW(t.add("z", 1, "furlong"), std::invalid_argument);
  EXPECT_THROW(t["nada"], std::out_of_range);
  EXPECT_EQ(t.file().substr(0, 9), "a\t2,4 mA\n");
}

// A step is worked from its operands as printed, so that its result follows from the page's
// numbers and not from the exact values behind them; an earlier part's value may be an operand.
TEST(NamedValues, StepsAreWorkedFromTheOperandsAsPrinted) {
  ValueTable earlier;
  earlier.add("vbe", 0.7, "V", 1);
  ValueTable t(&earlier);
  t.add("vcc", 12, "V");
  t.add("ib", 24.04e-6, "\u00B5A", 1);  // printed 24,0 µA
  t.work("vrb", "vcc", Op::Difference, "vbe", "V", 1);
  t.work("ic", "100", Op::Product, "ib", "mA", 2);  // 100 · 24,0 µA, not 100 · 24,04 µA
  t.work("rise", "ib", Op::Change, "25,2 \u00B5A", "", 1);
  t.work("half", "vcc", Op::Quotient, "2", "V");
  EXPECT_EQ(t.text("vrb"), "11,3 V");
  EXPECT_EQ(t.text("ic"), "2,40 mA");
  EXPECT_EQ(t.text("rise"), "5,0");
  t.work("rest", Op::Difference, {"vcc", "vrb", "0,5 V"}, "V", 1);  // a chain, left to right
  EXPECT_EQ(t.stepText("rest"), "12 V \u2212 11,3 V \u2212 0,5 V = 0,2 V");
  EXPECT_THROW(t.work("q", Op::Quotient, {"vcc", "vrb", "2"}, "V"), std::invalid_argument);
  EXPECT_THROW(t.work("one", Op::Sum, {"vcc"}, "V"), std::invalid_argument);
  EXPECT_EQ(t.stepText("vrb"), "12 V \u2212 0,7 V = 11,3 V");
  EXPECT_EQ(t.workedText("ic"), "100 \u00B7 24,0 \u00B5A");
  EXPECT_NE(t.file().find("=ic\t100 \u00B7 24,0 \u00B5A = 2,40 mA\n"), std::string::npos) << t.file();
  EXPECT_EQ(t.file().find("=rise"), std::string::npos) << "a change is printed in parts, never whole";
  EXPECT_THROW(t.work("ic", "vcc", Op::Sum, "vbe", "V"), std::invalid_argument);   // worked twice
  EXPECT_THROW(t.work("x", "vce", Op::Sum, "vbe", "V"), std::out_of_range);        // no such value
  EXPECT_THROW(t.work("y", "1,2,3", Op::Sum, "vbe", "V"), std::out_of_range);      // no number
  EXPECT_THROW(t.work("z", "vcc", Op::Sum, "2 furlongs", "V"), std::invalid_argument);
  EXPECT_THROW(t.step("vcc"), std::out_of_range);
  // Merged into the course's table, the steps come along.
  ValueTable course;
  course.merge(earlier);
  course.merge(t);
  EXPECT_EQ(course.steps().size(), t.steps().size());
  EXPECT_EQ(course.stepText("half"), "12 V / 2 = 6 V");
}

}  // namespace
}  // namespace apostila
