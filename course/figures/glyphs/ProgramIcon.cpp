// The icon's geometry, laid out on a 32-unit square and scaled to the size asked for.
#include "glyphs/ProgramIcon.h"

#include <cairo.h>

#include <cmath>
#include <stdexcept>

#include "drawing/CairoPicture.h"

namespace apostila::figures {

namespace {

constexpr double kPi = 3.14159265358979323846;

void setColor(cairo_t* cr, std::uint32_t rgb) {
  cairo_set_source_rgb(cr, ((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0);
}

// Disc, base, collector and emitter on a 32-unit square; the emitter's arrow is left to the
// caller, since it is drawn pixel by pixel at 32 and as a triangle when smooth.
void drawSymbol(cairo_t* cr) {
  cairo_arc(cr, 16, 16, 15, 0, 2 * kPi);
  setColor(cr, 0xFFFF00);
  cairo_fill_preserve(cr);
  setColor(cr, 0x000000);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  setColor(cr, 0x000080);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  cairo_move_to(cr, 3, 16);  // base lead
  cairo_line_to(cr, 12, 16);
  cairo_stroke(cr);
  cairo_rectangle(cr, 11, 8, 3, 16);  // base bar
  cairo_fill(cr);
  cairo_move_to(cr, 14, 12);  // collector, out of the top
  cairo_line_to(cr, 21, 7);
  cairo_line_to(cr, 21, 1);
  cairo_move_to(cr, 14, 20);  // emitter, out of the bottom
  cairo_line_to(cr, 21, 25);
  cairo_line_to(cr, 21, 31);
  cairo_stroke(cr);
}

cairo_status_t appendBytes(void* closure, const unsigned char* data, unsigned int length) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(closure);
  out->insert(out->end(), data, data + length);
  return CAIRO_STATUS_SUCCESS;
}

std::vector<std::uint8_t> smoothIcon(int size) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
  cairo_t* cr = cairo_create(surface);
  cairo_scale(cr, size / 32.0, size / 32.0);
  drawSymbol(cr);
  // The emitter's arrow pointing away from the base, its tip where the lead bends.
  cairo_move_to(cr, 21, 25);
  cairo_line_to(cr, 15.2, 24.2);
  cairo_line_to(cr, 19.6, 19.4);
  cairo_close_path(cr);
  cairo_fill(cr);
  cairo_destroy(cr);
  std::vector<std::uint8_t> png;
  const cairo_status_t status = cairo_surface_write_to_png_stream(surface, appendBytes, &png);
  cairo_surface_destroy(surface);
  if (status != CAIRO_STATUS_SUCCESS) throw std::runtime_error("cannot encode the desktop icon");
  return png;
}

}  // namespace

IndexedImage windowIcon() {
  CairoPicture p(32, 32);
  cairo_t* cr = p.cr();
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  p.setColor(0x008080);  // teal ground
  cairo_paint(cr);
  drawSymbol(cr);
  // The emitter's arrow: a right-angled head whose corner is the tip, which reads better at
  // this size than a slanted triangle.
  for (int y = 20; y <= 24; ++y) cairo_rectangle(cr, 40 - y, y, y - 19, 1);
  cairo_fill(cr);
  const RgbImage rgb = p.image();
  IndexedImage img;
  img.width = 32;
  img.height = 32;
  img.palette = kStandardPalette;
  for (std::uint32_t c : rgb.pixels) {
    int best = 0;
    long bestDistance = -1;
    for (int i = 0; i < 16; ++i) {
      const std::uint32_t q = kStandardPalette[static_cast<std::size_t>(i)];
      const long dr = long((c >> 16) & 0xFF) - long((q >> 16) & 0xFF), dg = long((c >> 8) & 0xFF) - long((q >> 8) & 0xFF),
                 db = long(c & 0xFF) - long(q & 0xFF);
      const long d = dr * dr + dg * dg + db * db;
      if (bestDistance < 0 || d < bestDistance) best = i, bestDistance = d;
    }
    img.indices.push_back(static_cast<std::uint8_t>(best));
  }
  return img;
}

std::vector<Figure> desktopIcons() {
  std::vector<Figure> icons;
  for (int size : kDesktopIconSizes)
    icons.push_back({"apostila-" + std::to_string(size) + ".png", [size] { return smoothIcon(size); }, {}});
  return icons;
}

}  // namespace apostila::figures
