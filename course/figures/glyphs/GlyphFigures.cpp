// Button glyphs and the program icon (drawn in ProgramIcon.cpp).
//
// Two kinds of glyph: 32 x 16 strips in the 16 colours holding a 16 x 16 image and its disabled
// look (the hands of "Voltar" and "Seguir", the contents menu's topic marker), drawn pixel by
// pixel; and 32 x 32 pictures in 24 bits on white (the exit picture and the start page's three
// pictures), drawn with cairo on the pixel grid so that they stay sharp at their size.
#include <cmath>

#include "Figures.h"
#include "Topics.h"
#include "drawing/CairoPicture.h"
#include "drawing/GlyphStrip.h"
#include "glyphs/ProgramIcon.h"

namespace apostila::figures {

namespace {

constexpr double kPi = 3.14159265358979323846;

// A hand pointing right, seen from the back: the index finger stretched out, the thumb on top,
// the other three fingers curled under, a shirt cuff at the wrist.
const GlyphStrip::Art kHandRight = {
    "................",
    "................",
    ".....KKKKKKKKKK.",
    "....KWWWWWWWWWWK",
    "KKKKYYYYYYYYYYYK",
    "KCCKYYYYYKKKKKK.",
    "KCCKYYYYKWWWK...",
    "KCCKYYYYKYYYYK..",
    "KCCKYYYYYKKKK...",
    "KCCKYYYYKWWK....",
    "KCCKYYYYKYYYK...",
    "KCCKYYYYYKKK....",
    "KCCKYYYYKWK.....",
    "KKKKYYYYKYYK....",
    "....KKKKKKK.....",
    "................",
};

// The topic marker: a dart pointing right, lit from above.
const GlyphStrip::Art kDart = {
    "................",
    "................",
    ".KK.............",
    ".KBKK...........",
    "..KBBKK.........",
    "..KBBBBKK.......",
    "...KBBBBBKK.....",
    "...KBBBBBBBKK...",
    "...KNNNNNNNNNK..",
    "...KNNNNNNNKK...",
    "..KNNNNNNKK.....",
    "..KNNNNKK.......",
    ".KNNNKK.........",
    ".KNKK...........",
    ".KK.............",
    "................",
};

std::vector<std::uint8_t> handRight() { return encodeBmp4(GlyphStrip(kHandRight).strip()); }
std::vector<std::uint8_t> handLeft() { return encodeBmp4(GlyphStrip(kHandRight).mirrored().strip()); }
std::vector<std::uint8_t> topicMarker() { return encodeBmp4(GlyphStrip(kDart).strip()); }

// A five-pointed star centred at (cx, cy), one point up.
void starPath(cairo_t* cr, double cx, double cy, double outer, double inner) {
  for (int i = 0; i < 10; ++i) {
    const double r = i % 2 == 0 ? outer : inner;
    const double a = -kPi / 2 + i * kPi / 5;
    if (i == 0)
      cairo_move_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    else
      cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
  }
  cairo_close_path(cr);
}

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
  cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
  cairo_arc(cr, x + r, y + r, r, kPi, 3 * kPi / 2);
  cairo_close_path(cr);
}

// The exit picture: a monitor showing a yellow star.
std::vector<std::uint8_t> exitPicture() {
  CairoPicture p(32, 32);
  cairo_t* cr = p.cr();
  // Stand: foot and neck.
  cairo_rectangle(cr, 7.5, 26.5, 17, 3);
  p.fillAndStroke(0xA0A0A0, 0x303030, 1);
  cairo_rectangle(cr, 13.5, 22.5, 5, 4);
  p.fillAndStroke(0x909090, 0x303030, 1);
  // Case and screen.
  roundedRect(cr, 1.5, 2.5, 29, 21, 2);
  p.fillAndStroke(0xC8C8C0, 0x202020, 1);
  cairo_rectangle(cr, 4.5, 5.5, 23, 15);
  p.fillAndStroke(0x000080, 0x505050, 1);
  starPath(cr, 16, 13.2, 7.0, 2.9);
  p.fillAndStroke(0xFFFF00, 0xC08000, 0.8);
  // The power light.
  cairo_rectangle(cr, 26, 21, 2, 1);
  p.setColor(0x00C000);
  cairo_fill(cr);
  return encodeBmp24(p.image());
}

// Three books, two standing and one leaning on them.
std::vector<std::uint8_t> threeBooks() {
  CairoPicture p(32, 32);
  cairo_t* cr = p.cr();
  // A book of w x h pixels (outline included) whose bottom-left pixel is at (x, bottom), leaning
  // to the right by angle; upright books stay on the pixel grid.
  auto book = [&](int x, int bottom, int w, int h, std::uint32_t cover, double angle) {
    cairo_save(cr);
    cairo_translate(cr, x, bottom + 1);
    cairo_rotate(cr, angle);
    cairo_rectangle(cr, 0.5, 0.5 - h, w - 1, h - 1);
    p.fillAndStroke(cover, 0x202020, 1);
    // Gilt bands across the spine and a title label between them.
    p.setColor(0xF0D040);
    cairo_rectangle(cr, 1, 3 - h, w - 2, 2);
    cairo_rectangle(cr, 1, -5, w - 2, 2);
    cairo_fill(cr);
    p.setColor(0xFFFFF0);
    cairo_rectangle(cr, 2, -h / 2 - 3, w - 4, 5);
    cairo_fill(cr);
    cairo_restore(cr);
  };
  book(3, 27, 8, 23, 0xC00000, 0);
  book(11, 27, 7, 20, 0x008000, 0);
  book(19, 27, 7, 19, 0x0030C0, 0.38);
  // The shelf.
  cairo_rectangle(cr, 1.5, 28.5, 29, 2);
  p.fillAndStroke(0xA06020, 0x503010, 1);
  return encodeBmp24(p.image());
}

// A sheet of written paper with a pencil across it.
std::vector<std::uint8_t> paperAndPencil() {
  CairoPicture p(32, 32);
  cairo_t* cr = p.cr();
  // The sheet, with its top-right corner folded down.
  cairo_move_to(cr, 4.5, 1.5);
  cairo_line_to(cr, 19.5, 1.5);
  cairo_line_to(cr, 25.5, 7.5);
  cairo_line_to(cr, 25.5, 29.5);
  cairo_line_to(cr, 4.5, 29.5);
  cairo_close_path(cr);
  p.fillAndStroke(0xFFFFF4, 0x202020, 1);
  cairo_move_to(cr, 19.5, 1.5);
  cairo_line_to(cr, 19.5, 7.5);
  cairo_line_to(cr, 25.5, 7.5);
  p.fillAndStroke(0xD0D0D0, 0x202020, 1);
  // Lines of writing.
  p.setColor(0x5070C0);
  const int lengths[] = {9, 14, 12, 15, 10, 13, 7};
  for (int i = 0; i < 7; ++i) cairo_rectangle(cr, 7, 5 + 3 * i + (i > 1 ? 2 : 0), lengths[i], 1);
  cairo_fill(cr);
  // The pencil, point down to the left.
  cairo_save(cr);
  cairo_translate(cr, 12.5, 27.5);
  cairo_rotate(cr, -kPi / 4);
  cairo_move_to(cr, 0, 0);  // the point
  cairo_line_to(cr, 6, -2.5);
  cairo_line_to(cr, 6, 2.5);
  cairo_close_path(cr);
  p.fillAndStroke(0xE8C090, 0x303030, 1);
  cairo_move_to(cr, 0, 0);
  cairo_line_to(cr, 2.2, -0.9);
  cairo_line_to(cr, 2.2, 0.9);
  cairo_close_path(cr);
  p.setColor(0x202020);
  cairo_fill(cr);
  cairo_rectangle(cr, 6, -2.5, 14, 5);
  p.fillAndStroke(0xFFC000, 0x303030, 1);
  p.setColor(0xE08000);
  cairo_rectangle(cr, 6, 0.6, 14, 1.2);
  cairo_fill(cr);
  cairo_rectangle(cr, 20, -2.5, 2.5, 5);
  p.fillAndStroke(0xB0B0B0, 0x303030, 1);
  cairo_rectangle(cr, 22.5, -2.5, 3, 5);
  p.fillAndStroke(0xF08080, 0x303030, 1);
  cairo_restore(cr);
  return encodeBmp24(p.image());
}

// A speech balloon holding a question mark.
std::vector<std::uint8_t> questionBalloon() {
  CairoPicture p(32, 32);
  cairo_t* cr = p.cr();
  cairo_save(cr);
  cairo_translate(cr, 16.5, 12.5);
  cairo_scale(cr, 14, 10.5);
  cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
  cairo_restore(cr);
  // The tail, joined to the balloon's outline.
  cairo_move_to(cr, 8.5, 19.5);
  cairo_line_to(cr, 4.5, 28.5);
  cairo_line_to(cr, 14.5, 22.5);
  p.setColor(0xFFFFE0);
  cairo_fill_preserve(cr);
  cairo_new_path(cr);
  cairo_save(cr);
  cairo_translate(cr, 16.5, 12.5);
  cairo_scale(cr, 14, 10.5);
  cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
  cairo_restore(cr);
  p.setColor(0xFFFFE0);
  cairo_fill_preserve(cr);
  p.setColor(0x202020);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  cairo_move_to(cr, 9.2, 20.3);
  cairo_line_to(cr, 4.5, 28.5);
  cairo_line_to(cr, 14.2, 22.6);
  cairo_stroke(cr);
  // The question mark.
  p.setColor(0xC00000);
  cairo_set_line_width(cr, 2.6);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  cairo_arc(cr, 16.5, 8.5, 3.6, kPi, 2.2 * kPi);
  cairo_curve_to(cr, 19.5, 11.5, 16.5, 11.5, 16.5, 14.5);
  cairo_line_to(cr, 16.5, 15.5);
  cairo_stroke(cr);
  cairo_rectangle(cr, 15.2, 17.2, 2.6, 2.6);
  cairo_fill(cr);
  return encodeBmp24(p.image());
}

}  // namespace

void addGlyphFigures(FigureList& list) {
  list.add("mainicon.bmp", [] { return encodeBmp4(windowIcon()); });
  list.add("mao-direita.bmp", handRight);
  list.add("mao-esquerda.bmp", handLeft);
  list.add("topico.bmp", topicMarker);
  list.add("sair.bmp", exitPicture);
  list.add("livros.bmp", threeBooks);
  list.add("papel-lapis.bmp", paperAndPencil);
  list.add("balao.bmp", questionBalloon);
}

}  // namespace apostila::figures
