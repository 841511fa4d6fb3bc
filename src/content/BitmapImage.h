// A decoded bitmap seen as something the canvas can draw. The rows are converted from the
// bitmap's own bytes as the canvas asks for them, so drawing a picture copies no pixels first.
#pragma once

#include "content/Bitmap.h"
#include "ui/canvas/ImageSource.h"

namespace apostila::content {

class BitmapImage final : public ui::ImageSource {
 public:
  // The bitmap must outlive the view.
  explicit BitmapImage(const Bitmap& bitmap) : bitmap_(&bitmap) {}

  int width() const override { return bitmap_->width(); }
  int height() const override { return bitmap_->height(); }
  void readRow(int y, int x, int count, std::uint32_t* out) const override { bitmap_->readRow(y, x, count, out); }

  const Bitmap& bitmap() const { return *bitmap_; }

 private:
  const Bitmap* bitmap_;
};

}  // namespace apostila::content
