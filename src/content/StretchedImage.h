// Another image shown at a different size, each pixel taken from the nearest source pixel.
// Rows are read from the source on demand, like every image source.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "ui/canvas/ImageSource.h"

namespace apostila::content {

class StretchedImage final : public ui::ImageSource {
 public:
  // The source must outlive the view. Sizes below 1 give an empty image.
  StretchedImage(const ui::ImageSource& source, int width, int height)
      : source_(source), width_(std::max(width, 0)), height_(std::max(height, 0)) {
    if (source_.width() <= 0 || source_.height() <= 0) width_ = height_ = 0;
  }

  int width() const override { return width_; }
  int height() const override { return height_; }
  void readRow(int y, int x, int count, std::uint32_t* out) const override {
    // 64-bit products: a large element over a large picture must not overflow.
    const int sy = static_cast<int>(static_cast<long long>(y) * source_.height() / height_);
    row_.resize(static_cast<std::size_t>(source_.width()));
    source_.readRow(sy, 0, source_.width(), row_.data());
    for (int i = 0; i < count; ++i) {
      const long long sx = static_cast<long long>(x + i) * source_.width() / width_;
      out[i] = row_[static_cast<std::size_t>(sx)];
    }
  }

 private:
  const ui::ImageSource& source_;
  int width_, height_;
  mutable std::vector<std::uint32_t> row_;
};

}  // namespace apostila::content
