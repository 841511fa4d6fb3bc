// Cairo surface to 24-bit image.
#include "drawing/CairoPicture.h"

#include <stdexcept>

#include "drawing/FigureScale.h"

namespace apostila::figures {

namespace {
int gScale = 1;
}  // namespace

int figureScale() { return gScale; }

FigureScale::FigureScale(int scale) : before_(gScale) {
  if (scale < 1) throw std::invalid_argument("figure scale below 1");
  gScale = scale;
}

FigureScale::~FigureScale() { gScale = before_; }

// The surface has the scale's pixels; cairo's user space stays in the page's pixels, so the
// figure code draws the same coordinates at every scale.
CairoPicture::CairoPicture(int width, int height)
    : width_(width * gScale),
      height_(height * gScale),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width_, height_)) {
  if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS) throw std::runtime_error("cairo surface");
  cr_ = cairo_create(surface_);
  cairo_scale(cr_, gScale, gScale);
  cairo_set_source_rgb(cr_, 1, 1, 1);
  cairo_paint(cr_);
}

CairoPicture::~CairoPicture() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

void CairoPicture::setColor(std::uint32_t rgb) {
  cairo_set_source_rgb(cr_, ((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0);
}

void CairoPicture::fillAndStroke(std::uint32_t fill, std::uint32_t stroke, double lineWidth) {
  setColor(fill);
  cairo_fill_preserve(cr_);
  setColor(stroke);
  cairo_set_line_width(cr_, lineWidth);
  cairo_stroke(cr_);
}

RgbImage CairoPicture::image(bool hardenEdges) {
  cairo_surface_flush(surface_);
  RgbImage img(width_, height_);
  const unsigned char* data = cairo_image_surface_get_data(surface_);
  const int stride = cairo_image_surface_get_stride(surface_);
  for (int y = 0; y < height_; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
    for (int x = 0; x < width_; ++x) img.at(x, y) = row[x] & 0xFFFFFF;
  }
  if (hardenEdges) harden(img);
  return img;
}

// Antialiasing blends the outer edge of a drawing with the white ground. Once white is left out
// those blends would show as a pale fringe on the darker colours behind a button, so an edge
// pixel that is nearly white becomes ground; the darker blends stay and soften the outline.
void CairoPicture::harden(RgbImage& img) {
  const RgbImage before = img;
  auto white = [&](int x, int y) {
    return x < 0 || y < 0 || x >= img.width || y >= img.height ||
           before.pixels[static_cast<std::size_t>(y * img.width + x)] == 0xFFFFFF;
  };
  for (int y = 0; y < img.height; ++y)
    for (int x = 0; x < img.width; ++x) {
      const std::uint32_t c = before.pixels[static_cast<std::size_t>(y * img.width + x)];
      if (c == 0xFFFFFF || !(white(x - 1, y) || white(x + 1, y) || white(x, y - 1) || white(x, y + 1))) continue;
      const int luma = (((c >> 16) & 0xFF) * 30 + ((c >> 8) & 0xFF) * 59 + (c & 0xFF) * 11) / 100;
      if (luma >= 170) img.at(x, y) = 0xFFFFFF;
    }
}

}  // namespace apostila::figures
