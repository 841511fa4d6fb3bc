// Pixels made at run time (a button's prepared glyph) held in a canvas of their own and drawn
// like any other image.
#pragma once

#include <algorithm>
#include <cstdint>

#include "ui/canvas/Canvas.h"
#include "ui/canvas/ImageSource.h"

namespace apostila::content {

class CanvasImage final : public ui::ImageSource {
 public:
  explicit CanvasImage(ui::Canvas canvas) : canvas_(std::move(canvas)) {}

  int width() const override { return canvas_.width(); }
  int height() const override { return canvas_.height(); }
  void readRow(int y, int x, int count, std::uint32_t* out) const override {
    const std::uint32_t* row = canvas_.pixels() + static_cast<std::ptrdiff_t>(y) * canvas_.stride();
    std::copy(row + x, row + x + count, out);
  }

  ui::Canvas& canvas() { return canvas_; }

 private:
  ui::Canvas canvas_;
};

}  // namespace apostila::content
