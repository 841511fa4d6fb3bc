// A one-bit mask: which pixels of a picture a stamp paints. Used for etched (embossed) glyphs,
// where the shape of an image is stamped twice in two colours.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "ui/canvas/ImageSource.h"
#include "ui/canvas/Rect.h"

namespace apostila::ui {

class Mask {
 public:
  Mask() = default;
  Mask(int width, int height);  // all bits clear; negative sizes give an empty mask

  // One bit per pixel of part (clamped to the image): set where isSet(pixel colour) holds.
  static Mask fromImage(const ImageSource& image, const Rect& part,
                        const std::function<bool(std::uint32_t rgb)>& isSet);

  int width() const { return width_; }
  int height() const { return height_; }
  bool test(int x, int y) const;         // false outside the mask
  void set(int x, int y, bool on = true);  // ignored outside the mask

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint8_t> bits_;  // a byte per pixel: simple, and masks are glyph-sized
};

}  // namespace apostila::ui
