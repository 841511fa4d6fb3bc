// The device scale: how many screen pixels stand for one page pixel in each direction. It is
// chosen once for the run from the screen's density as the desktop publishes it (the X
// resource Xft.dpi, which desktops set when they enlarge everything), in whole steps so that
// every page pixel covers the same number of screen pixels.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "ui/platform/Pixels.h"

namespace apostila::platform {

inline constexpr int kMaxDeviceScale = 3;
// What a desktop that publishes no density means.
inline constexpr double kDefaultDpi = 96;

// 1 below 144 dpi, 2 from 144, 3 from 240.
int deviceScaleForDpi(double dpi);

// The value of Xft.dpi in the text of an X resource database (lines "name: value"), if the
// database sets it to a positive number. A later line overrides an earlier one, as loading a
// database does.
std::optional<double> xftDpiIn(std::string_view resources);

// The icon at scale times its side, each pixel repeated (it is pixel art): row by row, in
// IconImage's 0xAARRGGBB.
std::vector<std::uint32_t> enlargedIcon(const IconImage& icon, int scale);

}  // namespace apostila::platform
