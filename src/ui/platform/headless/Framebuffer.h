// The pixels a headless window shows: the rectangles the layer presented, kept so tests can
// read what a learner would see.
#pragma once

#include <cstdint>
#include <vector>

#include "ui/platform/Geometry.h"
#include "ui/platform/Pixels.h"

namespace apostila::platform {

class Framebuffer {
 public:
  // New pixels are black; the overlap with the old size keeps its content.
  void resize(Size size);
  Size size() const { return size_; }
  std::uint32_t at(Point p) const;
  PixelView view() const;
  // Copies `area` of `source` to the same place here, clipped to both; returns what was copied.
  Rect copyFrom(const PixelView& source, const Rect& area);

 private:
  Size size_;
  std::vector<std::uint32_t> pixels_;
};

}  // namespace apostila::platform
