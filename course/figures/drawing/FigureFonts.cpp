// The two faces from their files, loaded once.
#include "drawing/FigureFonts.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <stdexcept>
#include <string>

namespace apostila::figures {

namespace {

// The files come from fonts-dejavu-core; the build passes their paths.
constexpr const char* kRegularFile = APOSTILA_FIGURE_FONT_REGULAR;
constexpr const char* kBoldFile = APOSTILA_FIGURE_FONT_BOLD;

class Faces {
 public:
  Faces() {
    if (FT_Init_FreeType(&library_) != 0) throw std::runtime_error("figure fonts: FreeType would not start");
    regular_ = load(kRegularFile);
    bold_ = load(kBoldFile);
    options_ = cairo_font_options_create();
    cairo_font_options_set_hint_style(options_, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options_, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_antialias(options_, CAIRO_ANTIALIAS_GRAY);
  }
  ~Faces() {
    cairo_font_options_destroy(options_);
    // Each cairo face gives its FreeType face back when its last reference goes (below).
    cairo_font_face_destroy(regular_);
    cairo_font_face_destroy(bold_);
    FT_Done_FreeType(library_);
  }
  Faces(const Faces&) = delete;
  Faces& operator=(const Faces&) = delete;

  cairo_font_face_t* face(bool bold) const { return bold ? bold_ : regular_; }
  const cairo_font_options_t* options() const { return options_; }

 private:
  cairo_font_face_t* load(const char* path) {
    FT_Face ft = nullptr;
    if (FT_New_Face(library_, path, 0, &ft) != 0)
      throw std::runtime_error(std::string("figure fonts: cannot read ") + path + " (run scripts/setup)");
    cairo_font_face_t* face = cairo_ft_font_face_create_for_ft_face(ft, 0);
    static const cairo_user_data_key_t key{};
    const cairo_status_t status = cairo_font_face_set_user_data(
        face, &key, ft, [](void* f) { FT_Done_Face(static_cast<FT_Face>(f)); });
    if (status != CAIRO_STATUS_SUCCESS) {
      cairo_font_face_destroy(face);
      FT_Done_Face(ft);
      throw std::runtime_error("figure fonts: cairo refused the face of " + std::string(path));
    }
    return face;
  }

  FT_Library library_ = nullptr;
  cairo_font_face_t* regular_ = nullptr;
  cairo_font_face_t* bold_ = nullptr;
  cairo_font_options_t* options_ = nullptr;
};

const Faces& faces() {
  static const Faces f;
  return f;
}

}  // namespace

cairo_font_face_t* FigureFonts::face(bool bold) { return faces().face(bold); }

const cairo_font_options_t* FigureFonts::options() { return faces().options(); }

}  // namespace apostila::figures
