// Scaling a page at load: the page font follows the screen's density, and the elements follow
// the ratio of the measured text height to the design one.
#include <gtest/gtest.h>

#include "StreamBuilder.h"
#include "TestPage.h"
#include "content/DefinitionReader.h"
#include "ui/TextMeasurer.h"
#include "ui/text/ScreenTextMeasurer.h"

namespace apostila::testing {
namespace {

class FakeScreen : public ui::TextMeasurer {
 public:
  FakeScreen(int dpi, int textHeight) : dpi_(dpi), textHeight_(textHeight) {}
  int pixelsPerInch() const override { return dpi_; }
  int textHeight(const ui::Font&) const override { return textHeight_; }
  ui::TextSize measure(const ui::Font&, std::string_view, bool, int width) const override { return {width, 13}; }

 private:
  int dpi_, textHeight_;
};

std::vector<std::uint8_t> scaledPage() {
  StreamBuilder s;
  s.signature().record("TTestPage", "Form5").prop("Font.Height").int8(-11);
  s.prop("PixelsPerInch").int8(96).prop("TextHeight").int8(13).end();
  s.record("TPanel", "Panel1").prop("Left").int8(10).prop("Top").int8(20).prop("Width").int8(100).prop("Height").int8(30);
  s.prop("Font.Height").int8(-13).prop("ParentFont").boolean(false).end();
  s.record("TLabel", "Label1").prop("Left").int8(5).prop("Top").int8(5).prop("Width").int8(50).prop("Height").int8(13);
  s.prop("AutoSize").boolean(false).end().end();
  s.end().end();
  return s.build();
}

struct ScreenGuard {
  explicit ScreenGuard(const ui::TextMeasurer* m) { ui::setTextMeasurer(m); }
  ~ScreenGuard() { ui::setTextMeasurer(nullptr); }
};

TEST(Scaling, ElementsFollowTheMeasuredTextHeight) {
  FakeScreen screen(96, 16);
  ScreenGuard guard(&screen);
  auto data = scaledPage();
  TTestPage page;
  content::readDefinition(data, page);
  // Edges multiplied by 16/13 and rounded: 10 -> 12, 20 -> 25, 110 -> 135, 50 -> 62.
  EXPECT_EQ(page.Panel1->bounds(), (ui::Bounds{12, 25, 123, 37}));
  // Inside the panel too: 5 -> 6, 55 -> 68, 18 -> 22.
  EXPECT_EQ(page.Label1->bounds(), (ui::Bounds{6, 6, 62, 16}));
  // A font of the element's own is scaled in points: 10 pt -> 12 pt = 16 px.
  EXPECT_EQ(page.Panel1->font().height(), -16);
  EXPECT_EQ(page.font().height(), -11);  // the page's own font follows only the density
}

TEST(Scaling, TheDensityScalesThePageFont) {
  FakeScreen screen(120, 13);
  ScreenGuard guard(&screen);
  auto data = scaledPage();
  TTestPage page;
  content::readDefinition(data, page);
  EXPECT_EQ(page.font().height(), -13);  // -11 * 120 / 96, multiplied then divided
  EXPECT_EQ(page.Panel1->bounds(), (ui::Bounds{10, 20, 100, 30}));
}

TEST(Scaling, OnTheDesignScreenNothingChanges) {
  FakeScreen screen(96, 13);
  ScreenGuard guard(&screen);
  auto data = scaledPage();
  TTestPage page;
  content::readDefinition(data, page);
  EXPECT_EQ(page.Panel1->bounds(), (ui::Bounds{10, 20, 100, 30}));
  EXPECT_EQ(page.Panel1->font().height(), -13);
}


// The largest lengths and font sizes the reader takes, on the real text measurer, with the
// design density and text height at their least: scaling, auto-size with right alignment and
// font sizes in points all stay within int (the sanitized build ends the test on any overflow).
TEST(Scaling, TheLargestValuesTheReaderTakesScaleWithoutOverflow) {
  ui::ScreenTextMeasurer screen;
  ScreenGuard guard(&screen);
  StreamBuilder s;
  s.signature().record("TTestPage", "Form5").prop("Font.Height").int16(-1000);
  s.prop("Left").int16(-32767).prop("Width").int16(32767);
  s.prop("PixelsPerInch").int8(1).prop("TextHeight").int8(1).end();
  s.record("TPanel", "Panel1").prop("Left").int16(32767).prop("Top").int16(-32767).prop("Width").int16(32767);
  s.prop("Height").int16(32767).prop("BorderWidth").int16(32767).prop("BevelWidth").int16(32767);
  s.prop("Font.Size").int16(1000).prop("ParentFont").boolean(false).end();
  s.record("TLabel", "Label1").prop("Left").int16(32767).prop("Width").int16(32767).prop("Caption").str("Teoria 1");
  s.prop("Alignment").ident("taRightJustify").prop("Font.Size").int16(-1000).prop("ParentFont").boolean(false);
  s.end().end();
  s.end().end();
  auto data = s.build();
  TTestPage page;
  content::readDefinition(data, page);
  ASSERT_NE(page.Label1, nullptr);
  const ui::Bounds b = page.Label1->bounds();
  EXPECT_GT(b.width, 0);
  EXPECT_LT(static_cast<long long>(b.left) + b.width, 1LL << 31);
}

}  // namespace
}  // namespace apostila::testing
