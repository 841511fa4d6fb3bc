// Presenting pixels on the simulated desktop: only the changed rectangles reach the window,
// clipped to its client area, a resize keeps what still fits, and a hidden window shows nothing.
#include <gmock/gmock.h>

#include "DesktopFixture.h"

namespace apostila::platform {
namespace {

using ::testing::ElementsAre;

class HeadlessPresent : public DesktopTest {
 protected:
  // A frame of the given size filled with one colour.
  std::vector<std::uint32_t> frame(Size s, std::uint32_t colour) {
    return std::vector<std::uint32_t>(static_cast<std::size_t>(s.width) * s.height, colour);
  }
  PixelView view(const std::vector<std::uint32_t>& px, Size s) { return {px.data(), s.width, s.height, s.width}; }
};

TEST_F(HeadlessPresent, OnlyTheChangedRectanglesReachTheWindow) {
  const WindowId w = shownPage({0, 0}, {20, 10});
  const auto red = frame({20, 10}, 0xFF0000), blue = frame({20, 10}, 0x0000FF);
  const Rect all(0, 0, 20, 10);
  desk.present(w, view(red, {20, 10}), std::span(&all, 1));

  const Rect changed[] = {{2, 3, 4, 2}, {15, 8, 10, 10}};  // the second runs off the client area
  desk.present(w, view(blue, {20, 10}), changed);
  EXPECT_EQ(desk.presentCount(w), 2);
  EXPECT_THAT(desk.lastPresented(w), ElementsAre(Rect(2, 3, 4, 2), Rect(15, 8, 5, 2)));
  EXPECT_EQ(desk.pixel(w, {2, 3}), 0x0000FFu);
  EXPECT_EQ(desk.pixel(w, {5, 4}), 0x0000FFu);
  EXPECT_EQ(desk.pixel(w, {6, 4}), 0xFF0000u);  // just outside: untouched
  EXPECT_EQ(desk.pixel(w, {2, 5}), 0xFF0000u);
  EXPECT_EQ(desk.pixel(w, {19, 9}), 0x0000FFu);
}

TEST_F(HeadlessPresent, AFrameSmallerThanTheClientAreaOrWithAStrideIsReadCorrectly) {
  const WindowId w = shownPage({0, 0}, {20, 10});
  // 8 x 4 pixels inside rows of 10: column index in the low byte, row in the next.
  std::vector<std::uint32_t> px(10 * 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 10; ++x) px[y * 10 + x] = static_cast<std::uint32_t>(y << 8 | x);
  const Rect all(0, 0, 20, 10);
  desk.present(w, {px.data(), 8, 4, 10}, std::span(&all, 1));
  EXPECT_THAT(desk.lastPresented(w), ElementsAre(Rect(0, 0, 8, 4)));
  EXPECT_EQ(desk.pixel(w, {7, 3}), 0x0307u);
  EXPECT_EQ(desk.pixel(w, {8, 3}), 0u);
}

TEST_F(HeadlessPresent, AResizeKeepsTheOverlapAndAsksForARepaint) {
  const WindowId w = shownPage({0, 0}, {20, 10});
  const auto green = frame({20, 10}, 0x00FF00);
  const Rect all(0, 0, 20, 10);
  desk.present(w, view(green, {20, 10}), std::span(&all, 1));
  drain();
  desk.setClientSize(w, {30, 5});
  EXPECT_EQ(desk.pixel(w, {19, 4}), 0x00FF00u);
  EXPECT_EQ(desk.pixel(w, {20, 4}), 0u);
  EXPECT_THAT(drain(), ElementsAre("Expose window 1"));
}

TEST_F(HeadlessPresent, AHiddenWindowShowsNothingUntilItIsDrawnAgain) {
  const WindowId a = shownPage({0, 0}, {20, 10}), b = page({30, 0}, {20, 10});
  const auto red = frame({20, 10}, 0xFF0000), green = frame({20, 10}, 0x00FF00);
  const Rect all(0, 0, 20, 10), corner(0, 0, 5, 5);
  desk.present(a, view(red, {20, 10}), std::span(&all, 1));
  desk.hide(a);
  EXPECT_EQ(desk.pixel(a, {3, 3}), 0u);
  // The next window drawn, before it is even shown, gets clean pixels where it was not drawn.
  desk.present(b, view(green, {20, 10}), std::span(&corner, 1));
  desk.show(b);
  EXPECT_EQ(desk.pixel(b, {3, 3}), 0x00FF00u);
  EXPECT_EQ(desk.pixel(b, {10, 8}), 0u);
  desk.show(a);
  EXPECT_EQ(desk.pixel(a, {3, 3}), 0u);
  desk.present(a, view(red, {20, 10}), std::span(&corner, 1));
  EXPECT_EQ(desk.pixel(a, {3, 3}), 0xFF0000u);
  EXPECT_EQ(desk.pixel(a, {10, 8}), 0u);
  EXPECT_EQ(desk.pixels(a).width, 20);
  // Minimised is not hidden: the pixels stay for the restore.
  desk.minimize(a);
  EXPECT_EQ(desk.pixel(a, {3, 3}), 0xFF0000u);
}

}  // namespace
}  // namespace apostila::platform
