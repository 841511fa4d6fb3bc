// Choosing the device scale from the desktop's density.
#include "ui/platform/DeviceScale.h"

#include <charconv>
#include <cmath>
#include <string>

namespace apostila::platform {

int deviceScaleForDpi(double dpi) {
  if (!(dpi >= 144)) return 1;  // NaN included
  return dpi >= 240 ? 3 : 2;
}

namespace {
std::string_view trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}
}  // namespace

std::optional<double> xftDpiIn(std::string_view resources) {
  std::optional<double> found;
  while (!resources.empty()) {
    const std::size_t end = resources.find('\n');
    const std::string_view line = resources.substr(0, end);
    resources = end == std::string_view::npos ? std::string_view{} : resources.substr(end + 1);
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos || trimmed(line.substr(0, colon)) != "Xft.dpi") continue;
    const std::string_view value = trimmed(line.substr(colon + 1));
    double dpi = 0;
    const auto [ptr, ec] = std::from_chars(value.data(), value.data() + value.size(), dpi);
    // A value that is not a number, or not all of one, sets nothing.
    if (ec != std::errc() || ptr != value.data() + value.size() || !std::isfinite(dpi) || dpi <= 0) {
      found.reset();
      continue;
    }
    found = dpi;
  }
  return found;
}

std::vector<std::uint32_t> enlargedIcon(const IconImage& icon, int scale) {
  const int side = IconImage::kSide * scale;
  std::vector<std::uint32_t> out(static_cast<std::size_t>(side) * static_cast<std::size_t>(side));
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x)
      out[static_cast<std::size_t>(y * side + x)] = icon.pixels[(y / scale) * IconImage::kSide + x / scale];
  return out;
}

}  // namespace apostila::platform
