// The pixels a headless window shows: the rectangles the layer presented, kept so tests can
// read what a learner would see. A hidden window shows nothing, so its pixels can be given up
// and its storage handed to the next window that needs some.
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
  // `spare` is storage to draw on if this buffer holds none at the moment; it is taken only then.
  Rect copyFrom(const PixelView& source, const Rect& area, std::vector<std::uint32_t>* spare = nullptr);
  // Gives the storage up: every pixel reads black again until something is copied here.
  std::vector<std::uint32_t> release();

 private:
  // Storage for every pixel, reusing `spare` if it is large enough; black unless the caller is
  // about to write every pixel anyway.
  void materialize(std::vector<std::uint32_t>* spare, bool overwritten = false) const;
  std::size_t count() const { return static_cast<std::size_t>(size_.width) * static_cast<std::size_t>(size_.height); }

  Size size_;
  // Empty while released; filled in on the first copy or read of the whole view.
  mutable std::vector<std::uint32_t> pixels_;
  mutable bool held_ = false;
};

}  // namespace apostila::platform
