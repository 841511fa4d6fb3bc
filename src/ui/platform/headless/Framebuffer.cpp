// Headless window pixels: clipped rectangle copies and resizing that keeps the overlap.
#include "ui/platform/headless/Framebuffer.h"

#include <algorithm>

#include "ui/platform/PlatformError.h"

namespace apostila::platform {

void Framebuffer::resize(Size size) {
  size.width = std::max(size.width, 0);
  size.height = std::max(size.height, 0);
  std::vector<std::uint32_t> next(static_cast<std::size_t>(size.width) * size.height, 0u);
  const int w = std::min(size.width, size_.width), h = std::min(size.height, size_.height);
  for (int y = 0; y < h; ++y)
    std::copy_n(pixels_.begin() + static_cast<long>(y) * size_.width, w, next.begin() + static_cast<long>(y) * size.width);
  pixels_ = std::move(next);
  size_ = size;
}

std::uint32_t Framebuffer::at(Point p) const {
  if (!Rect({0, 0}, size_).contains(p))
    throw PlatformError("pixel " + std::to_string(p.x) + "," + std::to_string(p.y) + " is outside the client area");
  return pixels_[static_cast<std::size_t>(p.y) * size_.width + p.x];
}

PixelView Framebuffer::view() const { return {pixels_.data(), size_.width, size_.height, size_.width}; }

Rect Framebuffer::copyFrom(const PixelView& source, const Rect& area) {
  const Rect r = area.intersect(Rect(0, 0, size_.width, size_.height))
                     .intersect(Rect(0, 0, source.width, source.height));
  for (int y = r.y; y < r.bottom(); ++y) {
    const std::uint32_t* from = source.pixels + static_cast<long>(y) * source.stride + r.x;
    std::copy_n(from, r.width, pixels_.begin() + static_cast<long>(y) * size_.width + r.x);
  }
  return r;
}

}  // namespace apostila::platform
