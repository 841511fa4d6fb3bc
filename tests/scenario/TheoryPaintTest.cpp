// Every theory page as the learner reaches it: each chain walked forward and back on the
// headless desktop, and on each page that comes up, every picture checked pixel by pixel
// against its bitmap on the presented frame, the bitmap's white showing the panel's colour.
// A picture that paints at the wrong place, loses its transparency or is covered by another
// element shows here, whatever the page's own checks say.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "CourseFixture.h"
#include "content/TImage.h"
#include "pages/TheoryPage.h"

namespace apostila {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kPanel = 0xF0F0E1;  // the theory panel's (240, 240, 225)

struct Chain {
  int first, last;
};
constexpr Chain kChains[] = {{5, 6},   {7, 8},   {9, 12},  {13, 15}, {16, 18}, {19, 20}, {21, 22},
                             {23, 25}, {26, 34}, {35, 41}, {42, 50}, {51, 60}, {61, 64}};

std::string hex(std::uint32_t rgb) {
  char text[8];
  std::snprintf(text, sizeof text, "%06X", rgb);
  return text;
}

// An element's top-left corner in its page window's client area.
platform::Point clientOrigin(const ui::Control& c) {
  int x = c.left(), y = c.top();
  for (const ui::Container* p = c.parent(); p; p = p->parent()) {
    x += p->clientOffsetX(), y += p->clientOffsetY();
    if (dynamic_cast<const ui::Form*>(p)) break;
    x += p->left(), y += p->top();
  }
  return {x, y};
}

void visiblePictures(const ui::Container& parent, std::vector<const content::TImage*>& out) {
  for (const ui::Control* c : parent.controls()) {
    if (!c->visible()) continue;
    if (auto* image = dynamic_cast<const content::TImage*>(c)) out.push_back(image);
    if (auto* inner = dynamic_cast<const ui::Container*>(c)) visiblePictures(*inner, out);
  }
}

// The first pixel of `image` that the presented frame of `page` does not show as expected.
::testing::AssertionResult picturePainted(const testing::Course& course, const ui::Form& page,
                                          const content::TImage& image) {
  const content::Bitmap& bmp = image.picture().bitmap();
  if (bmp.empty()) return ::testing::AssertionFailure() << image.name() << " has no picture";
  if (bmp.bottomLeft() != kWhite)
    return ::testing::AssertionFailure() << image.name() << ": the bottom-left pixel, its transparent colour, is not white";
  const platform::PixelView frame = course.desktop.pixels(page.windowId());
  const platform::Point at = clientOrigin(image);
  if (at.x + bmp.width() > frame.width || at.y + bmp.height() > frame.height)
    return ::testing::AssertionFailure() << image.name() << " reaches past the window";
  for (int y = 0; y < bmp.height(); ++y)
    for (int x = 0; x < bmp.width(); ++x) {
      const std::uint32_t source = bmp.pixel(x, y);
      const std::uint32_t expected = source == kWhite ? kPanel : source;
      const std::uint32_t shown = frame.at(at.x + x, at.y + y);
      if (shown != expected)
        return ::testing::AssertionFailure() << image.name() << " at (" << x << ", " << y << "): shows " << hex(shown)
                                             << ", bitmap " << hex(source) << ", expected " << hex(expected);
    }
  return ::testing::AssertionSuccess();
}

struct TheoryPaint : ::testing::Test {
  testing::Course course;
  int checkedPictures = 0;

  void SetUp() override { course.start(); }
  void click(content::TSpeedButton* button) {
    button->click();
    course.app->processPending();
  }
  pages::TheoryPage* theory(int n) { return dynamic_cast<pages::TheoryPage*>(app::page(n)); }

  void checkShown(int n) {
    ui::Form* page = theory(n);
    ASSERT_TRUE(page->visible()) << page->name();
    std::vector<const content::TImage*> pictures;
    visiblePictures(*page, pictures);
    for (const content::TImage* image : pictures) {
      EXPECT_TRUE(picturePainted(course, *page, *image)) << page->name();
      ++checkedPictures;
    }
  }
};

TEST_F(TheoryPaint, EveryChainShowsEveryPictureAsItsBitmapForwardAndBack) {
  click(app::formintro->BtnConteudo);
  auto* menu = app::Form4;
  content::TSpeedButton* topics[] = {menu->SpeedButton3,  menu->SpeedButton4,  menu->SpeedButton5,
                                     menu->SpeedButton6,  menu->SpeedButton7,  menu->SpeedButton8,
                                     menu->SpeedButton9,  menu->SpeedButton10, menu->SpeedButton11,
                                     menu->SpeedButton12, menu->SpeedButton13, menu->SpeedButton14,
                                     menu->SpeedButton15};
  for (std::size_t i = 0; i < std::size(kChains); ++i) {
    const Chain chain = kChains[i];
    click(topics[i]);
    for (int n = chain.first; n < chain.last; ++n) {
      checkShown(n);
      click(theory(n)->SpeedButton3);
    }
    // Back again: a page shown a second time paints from the same definition.
    for (int n = chain.last; n > chain.first; --n) {
      checkShown(n);
      click(theory(n)->SpeedButton1);
    }
    checkShown(chain.first);
    click(theory(chain.first)->SpeedButton1);
    ASSERT_TRUE(menu->visible());
  }
  EXPECT_GT(checkedPictures, 0);
}

}  // namespace
}  // namespace apostila
