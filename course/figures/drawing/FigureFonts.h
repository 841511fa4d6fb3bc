// The figures' typefaces, loaded from their files by path through FreeType, with the
// rendering options written out: no hinting, metrics unhinted, grey antialiasing. Nothing
// comes from the machine's font configuration, so every Debian 12 machine with the packages
// scripts/setup installs draws the same bytes, and the glyphs at twice the size are those of
// 1x scaled (hinting would snap the two sizes differently).
//
//   cairo_set_font_face(cr, FigureFonts::face(false));   // DejaVu Sans; true for the bold
//   cairo_set_font_options(cr, FigureFonts::options());
#pragma once

#include <cairo.h>

namespace apostila::figures {

class FigureFonts {
 public:
  // The face of the regular or the bold weight; throws std::runtime_error for a file that
  // cannot be read. The faces live as long as the program.
  static cairo_font_face_t* face(bool bold);
  static const cairo_font_options_t* options();
};

}  // namespace apostila::figures
