// What the 86 definitions hold, counted over the pages as the program builds them: elements by
// kind and where they nest, the glyphs by format and how few distinct pictures they are, the
// theory pages' labels and pictures, and the size of it all. A page written or edited by hand
// that drifts from the course's shape (a label too many, a picture stored twice, a glyph in a
// new format) changes a count here.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "CourseFixture.h"
#include "content/TImage.h"
#include "content/TLabel.h"
#include "content/TPanel.h"
#include "content/TSpeedButton.h"

namespace apostila {
namespace {

struct Totals {
  int panels = 0, panelsOnPage = 0, panelsInPanel = 0;
  int labels = 0, labelsInPanel = 0;
  int pictures = 0, picturesInPanel = 0;
  int buttons = 0, buttonsInPanel = 0;
  int glyphs16 = 0, glyphs32 = 0, otherGlyphs = 0;
  std::set<std::vector<std::uint32_t>> distinctGlyphs;
  int theoryLabels = 0, theoryHiddenLabels = 0, theoryPictures = 0;
  int deepest = 0;  // levels below the page
};

// A glyph's identity: its size, depth and every pixel.
std::vector<std::uint32_t> fingerprint(const content::Bitmap& b) {
  std::vector<std::uint32_t> v{static_cast<std::uint32_t>(b.width()), static_cast<std::uint32_t>(b.height()),
                               static_cast<std::uint32_t>(b.header().bitCount)};
  for (int y = 0; y < b.height(); ++y)
    for (int x = 0; x < b.width(); ++x) v.push_back(b.pixel(x, y));
  return v;
}

void count(const ui::Container& parent, int depth, bool inPanel, bool theory, Totals& t) {
  for (const ui::Control* c : parent.controls()) {
    t.deepest = std::max(t.deepest, depth);
    if (auto* panel = dynamic_cast<const content::TPanel*>(c)) {
      ++t.panels;
      ++(inPanel ? t.panelsInPanel : t.panelsOnPage);
      count(*panel, depth + 1, true, theory, t);
    } else if (auto* label = dynamic_cast<const content::TLabel*>(c)) {
      ++t.labels;
      t.labelsInPanel += inPanel;
      if (theory) ++t.theoryLabels, t.theoryHiddenLabels += !label->visible();
    } else if (dynamic_cast<const content::TImage*>(c)) {
      ++t.pictures;
      t.picturesInPanel += inPanel;
      t.theoryPictures += theory;
    } else if (auto* button = dynamic_cast<const content::TSpeedButton*>(c)) {
      ++t.buttons;
      t.buttonsInPanel += inPanel;
      const content::Bitmap& g = button->glyph().bitmap();
      if (g.empty()) continue;
      if (g.width() == 32 && g.height() == 16 && g.header().bitCount == 4) ++t.glyphs16;
      else if (g.width() == 32 && g.height() == 32 && g.header().bitCount == 24) ++t.glyphs32;
      else ++t.otherGlyphs;
      t.distinctGlyphs.insert(fingerprint(g));
    }
  }
}

TEST(CourseTotals, ElementsGlyphsAndTheoryContentOverAllPages) {
  testing::Course course;
  Totals t;
  int pages = 0;
  for (int n = 0; n <= 85; ++n) {
    ++pages;
    count(*app::page(n), 1, false, n >= 5 && n <= 64, t);
  }
  EXPECT_EQ(pages, 86);
  EXPECT_EQ(t.panels, 138);
  EXPECT_EQ(t.panelsOnPage, 91);
  EXPECT_EQ(t.panelsInPanel, 47);
  EXPECT_EQ(t.labels, 484);
  EXPECT_EQ(t.labelsInPanel, 280);
  EXPECT_EQ(t.pictures, 139);
  EXPECT_EQ(t.picturesInPanel, 119);
  EXPECT_EQ(t.buttons, 370);
  EXPECT_EQ(t.buttonsInPanel, 270);
  EXPECT_LE(t.deepest, 3) << "page, panel, panel, element at most";

  EXPECT_EQ(t.glyphs16, 179);
  EXPECT_EQ(t.glyphs32, 89);
  EXPECT_EQ(t.otherGlyphs, 0);
  EXPECT_EQ(t.distinctGlyphs.size(), 7u);

  EXPECT_EQ(t.theoryLabels, 192);
  EXPECT_EQ(t.theoryHiddenLabels, 9);
  EXPECT_EQ(t.theoryPictures, 115);
}

// About 25 MB in all, nearly all of it pictures; within a fifth either way.
TEST(CourseTotals, TheDefinitionsHoldAboutTwentyFiveMegabytes) {
  namespace fs = std::filesystem;
  std::uintmax_t bytes = 0;
  int files = 0;
  for (const auto& entry : fs::directory_iterator(fs::path(APOSTILA_BINARY_DIR) / "course" / "definitions"))
    if (entry.is_regular_file() && entry.path().filename().string().starts_with("TFORM"))
      bytes += entry.file_size(), ++files;
  EXPECT_EQ(files, 86);
  EXPECT_GE(bytes, 20'000'000u);
  EXPECT_LE(bytes, 30'000'000u);
}

}  // namespace
}  // namespace apostila
