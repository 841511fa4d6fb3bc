// The device scale: chosen from the desktop's Xft.dpi, and the page-pixel view of a desktop at
// scale 2 or 3 (ScaledBackend) over the simulated one: windows s times their size at s times
// their place, the pointer and events divided back, frames presented whole.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "ui/platform/DeviceScale.h"
#include "ui/platform/ScaledBackend.h"
#include "ui/platform/headless/HeadlessBackend.h"

namespace apostila::platform {
namespace {

TEST(DeviceScale, StepsAt144And240Dpi) {
  const struct {
    double dpi;
    int scale;
  } cases[] = {{96, 1}, {120, 1}, {143.9, 1}, {144, 2}, {192, 2}, {239.99, 2}, {240, 3}, {288, 3}, {600, 3},
               {0, 1},  {-192, 1}, {std::numeric_limits<double>::quiet_NaN(), 1}};
  for (const auto& c : cases) EXPECT_EQ(deviceScaleForDpi(c.dpi), c.scale) << c.dpi;
}

TEST(DeviceScale, XftDpiReadFromTheResourceDatabase) {
  const struct {
    const char* resources;
    std::optional<double> dpi;
  } cases[] = {
      {"", std::nullopt},
      {"Xft.dpi:\t192\n", 192},
      {"Xcursor.size:\t48\nXft.antialias:\t1\nXft.dpi:\t144\nXft.hinting:\t1\n", 144},
      {"  Xft.dpi :  120.5  \r\n", 120.5},
      {"Xft.dpi:\t96\nXft.dpi:\t240\n", 240},  // the later line wins
      {"Xft.dpi:\t192", 192},                   // no final line break
      {"Xft.dpi:\tlarge\n", std::nullopt},
      {"Xft.dpi:\t192\nXft.dpi:\t0\n", std::nullopt},  // a later unusable value unsets it
      {"Xft.dpi:\t192dpi\n", std::nullopt},
      {"Xft.dpix:\t192\nMyXft.dpi:\t192\n! Xft.dpi: 192\n", std::nullopt},
      {"Xft.dpi\t192\n", std::nullopt},  // no colon: not a resource line
  };
  for (const auto& c : cases) EXPECT_EQ(xftDpiIn(c.resources), c.dpi) << '"' << c.resources << '"';
}

TEST(DeviceScale, TheIconIsEnlargedByRepeatingItsPixels) {
  std::vector<std::uint32_t> icon(IconImage::kSide * IconImage::kSide);
  for (std::size_t i = 0; i < icon.size(); ++i) icon[i] = 0xFF000000u | static_cast<std::uint32_t>(i);
  const std::vector<std::uint32_t> large = enlargedIcon(IconImage{icon.data()}, 3);
  ASSERT_EQ(large.size(), icon.size() * 9);
  for (int y = 0; y < 96; ++y)
    for (int x = 0; x < 96; ++x)
      ASSERT_EQ(large[static_cast<std::size_t>(y * 96 + x)], icon[static_cast<std::size_t>((y / 3) * 32 + x / 3)]) << x << "," << y;
}

class ScaledDesktop : public ::testing::TestWithParam<int> {
 protected:
  int s = GetParam();
  HeadlessBackend desk{{1024 * s, 768 * s}, s};
  ScaledBackend view{desk};
  // A frame as large again at each step, as desktops that enlarge everything draw it.
  void SetUp() override { desk.setSimulatedFrame({4 * s, 4 * s, 23 * s, 4 * s}); }
};

TEST_P(ScaledDesktop, APageIsItsSizeTimesTheScaleAtItsPlaceTimesTheScale) {
  const WindowId id = view.createWindow(windowDesc(WindowKind::Page, "Teoria 1", {90, 30}, {648, 514}));
  EXPECT_EQ(view.scale(), s);
  EXPECT_EQ(view.screenSize(), (Size{1024, 768}));
  const WindowGeometry page = view.geometry(id);
  EXPECT_EQ(page.outer, (Rect{90, 30, 648, 514}));
  EXPECT_EQ(page.client, (Rect{94, 53, 640, 487}));
  const WindowGeometry screen = desk.geometry(id);
  EXPECT_EQ(screen.outer, (Rect{90 * s, 30 * s, 648 * s, 514 * s}));
  EXPECT_EQ(screen.client, (Rect{94 * s, 53 * s, 640 * s, 487 * s}));

  view.setOuterPosition(id, {10, 20});
  EXPECT_EQ(desk.geometry(id).outer.origin(), (Point{10 * s, 20 * s}));
  EXPECT_EQ(view.geometry(id).outer.origin(), (Point{10, 20}));
  // A tool tip has no frame: sized by its client area.
  const WindowId tip = view.createWindow(windowDesc(WindowKind::Tooltip, "", {300, 200}, {50, 19}));
  EXPECT_EQ(desk.geometry(tip).outer, (Rect{300 * s, 200 * s, 50 * s, 19 * s}));
}

TEST_P(ScaledDesktop, PointerAndEventsInPagePixels) {
  const WindowId id = view.createWindow(windowDesc(WindowKind::Page, "p", {90, 30}, {648, 514}));
  view.show(id);
  while (view.pollEvent()) {
  }
  // Every screen pixel of a page pixel's block is that page pixel.
  for (int dx : {0, s - 1}) {
    desk.movePointer({(94 + 100) * s + dx, (53 + 50) * s + dx});
    EXPECT_EQ(view.pointerPosition(), (Point{194, 103}));
    std::optional<Event> move;
    while (auto e = view.pollEvent())
      if (e->type == EventType::MouseMove) move = e;
    ASSERT_TRUE(move);
    EXPECT_EQ(move->client, (Point{100, 50}));
    EXPECT_EQ(move->screen, (Point{194, 103}));
  }
  EXPECT_EQ(view.cursorDepthBelowHotSpot(CursorShape::Arrow), 20);

  // The learner drags the page and resizes it: reported in page pixels.
  ASSERT_TRUE(desk.moveByDesktop(id, {40 * s, 50 * s}));
  ASSERT_TRUE(desk.resizeByDesktop(id, {400 * s + 8 * s, 300 * s + 27 * s}));
  std::vector<Event> seen;
  while (auto e = view.pollEvent()) seen.push_back(*e);
  ASSERT_GE(seen.size(), 2u);
  EXPECT_EQ(seen[0].type, EventType::Moved);
  EXPECT_EQ(seen[0].outerPosition, (Point{40, 50}));
  EXPECT_EQ(seen[1].type, EventType::Resized);
  EXPECT_EQ(seen[1].clientSize, (Size{400, 300}));
  EXPECT_EQ(seen[1].outerSize, (Size{408, 327}));
  EXPECT_EQ(view.geometry(id).outer, (Rect{40, 50, 408, 327}));
  // One screen pixel more: the part page pixel counts, so that the frame drawn covers it.
  ASSERT_TRUE(desk.resizeByDesktop(id, {400 * s + 8 * s + 1, 300 * s + 27 * s}));
  while (auto e = view.pollEvent()) {
    if (e->type == EventType::Resized) {
      EXPECT_EQ(e->clientSize, (Size{401, 300}));
    }
  }
  EXPECT_EQ(view.geometry(id).client.width, 401);
}

TEST_P(ScaledDesktop, AFrameDrawnForTheScreenIsPresentedByPageRectangles) {
  const WindowId id = view.createWindow(windowDesc(WindowKind::Tooltip, "", {0, 0}, {3, 2}));
  view.show(id);
  // A 3 x 2 page-pixel client area: the frame is s times that; a change of page pixel (1, 0)
  // puts the s x s block under it on the screen, and nothing else.
  std::vector<std::uint32_t> frame(static_cast<std::size_t>(6 * s * s), 0);
  for (std::size_t i = 0; i < frame.size(); ++i) frame[i] = static_cast<std::uint32_t>(i + 1);
  const Rect changed{1, 0, 1, 1};
  view.present(id, PixelView{frame.data(), 3 * s, 2 * s, 3 * s}, {&changed, 1});
  for (int y = 0; y < 2 * s; ++y)
    for (int x = 0; x < 3 * s; ++x) {
      const bool inBlock = x >= s && x < 2 * s && y < s;
      EXPECT_EQ(desk.pixel(id, {x, y}), inBlock ? frame[static_cast<std::size_t>(y * 3 * s + x)] : 0u) << x << "," << y;
    }
}

TEST_P(ScaledDesktop, StoredExtremesSaturateInsteadOfWrappingAround) {
  const WindowId id =
      view.createWindow(windowDesc(WindowKind::Page, "p", {INT_MAX / 2 + 10, -(INT_MAX / 2) - 10}, {INT_MAX - 1, 514}));
  const Rect screen = desk.geometry(id).outer;
  EXPECT_GT(screen.x, 0);
  EXPECT_LT(screen.y, 0);
  EXPECT_GT(screen.width, 0);
}

INSTANTIATE_TEST_SUITE_P(Scales, ScaledDesktop, ::testing::Values(2, 3), [](const auto& test) {
  return "Scale" + std::to_string(test.param);
});

TEST(ScaledDesktopAtScale1, EverythingGoesStraightThrough) {
  HeadlessBackend desk;
  desk.setSimulatedFrame({3, 3, 20, 3});
  ScaledBackend view{desk};
  const WindowId id = view.createWindow(windowDesc(WindowKind::Page, "p", {90, 30}, {648, 514}));
  EXPECT_EQ(view.scale(), 1);
  EXPECT_EQ(view.geometry(id).outer, desk.geometry(id).outer);
  EXPECT_EQ(view.geometry(id).client, (Rect{93, 50, 642, 491}));
}

}  // namespace
}  // namespace apostila::platform
