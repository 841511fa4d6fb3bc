// One-bit masks.
#include "ui/canvas/Mask.h"

#include <algorithm>

namespace apostila::ui {

Mask::Mask(int width, int height) {
  if (width <= 0 || height <= 0) return;
  width_ = width;
  height_ = height;
  bits_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
}

Mask Mask::fromImage(const ImageSource& image, const Rect& part,
                     const std::function<bool(std::uint32_t rgb)>& isSet) {
  const Rect r = part.intersect({0, 0, image.width(), image.height()});
  Mask m(r.width(), r.height());
  std::vector<std::uint32_t> row(static_cast<std::size_t>(std::max(r.width(), 0)));
  for (int y = 0; y < m.height_; ++y) {
    image.readRow(r.top + y, r.left, r.width(), row.data());
    for (int x = 0; x < m.width_; ++x) m.set(x, y, isSet(row[static_cast<std::size_t>(x)]));
  }
  return m;
}

bool Mask::test(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return false;
  return bits_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)] != 0;
}

void Mask::set(int x, int y, bool on) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  bits_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)] = on ? 1 : 0;
}

}  // namespace apostila::ui
