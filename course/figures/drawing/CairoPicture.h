// A picture drawn with cairo: an antialiased drawing surface of a fixed size on a white ground,
// turned into the 24-bit image the pages store. White is the transparent colour of every
// picture, so parts of a drawing that must stay opaque use a near-white instead.
#pragma once

#include <cairo.h>

#include "drawing/BmpWriter.h"

namespace apostila::figures {

class CairoPicture {
 public:
  CairoPicture(int width, int height);
  ~CairoPicture();
  CairoPicture(const CairoPicture&) = delete;
  CairoPicture& operator=(const CairoPicture&) = delete;

  cairo_t* cr() { return cr_; }

  // Colours as 0xRRGGBB.
  void setColor(std::uint32_t rgb);
  // Fills the current path with one colour and strokes it with another, clearing the path.
  void fillAndStroke(std::uint32_t fill, std::uint32_t stroke, double lineWidth);

  // The drawing so far, composited on white; with hardenEdges, nearly white edge pixels become
  // white so that no pale fringe shows once white is left out.
  RgbImage image(bool hardenEdges = true);

 private:
  static void harden(RgbImage& img);

  int width_, height_;
  cairo_surface_t* surface_;
  cairo_t* cr_;
};

}  // namespace apostila::figures
