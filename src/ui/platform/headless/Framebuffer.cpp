// Headless window pixels: clipped rectangle copies, resizing that keeps the overlap, and storage
// given up while the window is hidden.
#include "ui/platform/headless/Framebuffer.h"

#include <algorithm>

#include "ui/platform/PlatformError.h"

namespace apostila::platform {

void Framebuffer::resize(Size size) {
  size.width = std::max(size.width, 0);
  size.height = std::max(size.height, 0);
  if (!held_) {
    size_ = size;
    return;
  }
  std::vector<std::uint32_t> next(static_cast<std::size_t>(size.width) * size.height, 0u);
  const int w = std::min(size.width, size_.width), h = std::min(size.height, size_.height);
  for (int y = 0; y < h; ++y)
    std::copy_n(pixels_.begin() + static_cast<long>(y) * size_.width, w, next.begin() + static_cast<long>(y) * size.width);
  pixels_ = std::move(next);
  size_ = size;
}

void Framebuffer::materialize(std::vector<std::uint32_t>* spare, bool overwritten) const {
  if (held_) return;
  if (spare && spare->capacity() >= count() && spare->capacity() > pixels_.capacity()) std::swap(pixels_, *spare);
  if (overwritten)
    pixels_.resize(count());  // what a reused storage held is written over at once
  else
    pixels_.assign(count(), 0u);
  held_ = true;
}

std::uint32_t Framebuffer::at(Point p) const {
  if (!Rect({0, 0}, size_).contains(p))
    throw PlatformError("pixel " + std::to_string(p.x) + "," + std::to_string(p.y) + " is outside the client area");
  return held_ ? pixels_[static_cast<std::size_t>(p.y) * size_.width + p.x] : 0u;
}

PixelView Framebuffer::view() const {
  materialize(nullptr);
  return {pixels_.data(), size_.width, size_.height, size_.width};
}

Rect Framebuffer::copyFrom(const PixelView& source, const Rect& area, std::vector<std::uint32_t>* spare) {
  const Rect r = area.intersect(Rect(0, 0, size_.width, size_.height))
                     .intersect(Rect(0, 0, source.width, source.height));
  if (r.empty()) return r;
  materialize(spare, r == Rect(0, 0, size_.width, size_.height));
  for (int y = r.y; y < r.bottom(); ++y) {
    const std::uint32_t* from = source.pixels + static_cast<long>(y) * source.stride + r.x;
    std::copy_n(from, r.width, pixels_.begin() + static_cast<long>(y) * size_.width + r.x);
  }
  return r;
}

std::vector<std::uint32_t> Framebuffer::release() {
  held_ = false;
  std::vector<std::uint32_t> storage;
  std::swap(storage, pixels_);
  return storage;
}

}  // namespace apostila::platform
