// Anything the canvas can draw as a picture: a decoded bitmap, a prepared button glyph, another
// canvas. Pixels are handed over a row at a time so a source can decode in place.
#pragma once

#include <cstdint>

namespace apostila::ui {

class ImageSource {
 public:
  virtual ~ImageSource() = default;

  virtual int width() const = 0;
  virtual int height() const = 0;
  // Writes count pixels of row y (0 = top row), starting at column x, as 0x00RRGGBB.
  // Callers only ask for ranges inside the image.
  virtual void readRow(int y, int x, int count, std::uint32_t* out) const = 0;
};

}  // namespace apostila::ui
