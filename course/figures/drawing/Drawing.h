// A figure's drawing surface: a white picture of a fixed size with the course's inks, pen and
// lettering, on which Schematic, Plot and Equation draw. Everything is in pixels, y downwards.
//
//   list.add("exemplo.bmp", [] {
//     Drawing d(240, 120);
//     d.line({10, 60}, {230, 60});
//     d.text().draw({120, 30}, "V_{CE} = 6,7 V", TextSetter::Align::Center);
//     d.arrow({20, 90}, {80, 90});
//     return d.bmp();
//   });
//
// Inks are black and dark blue on white; white is the transparent colour of every picture, so
// a filled area that must stay opaque uses kPaper, a near-white.
//
// A change of ink, pen or lettering weight for a few strokes is made in a Style, which puts
// all three back (and cairo's dash and line cap with them) when it goes out of scope:
//
//   { Drawing::Style blue(d, Drawing::kBlue); d.text().draw(at, "I_C = 2 mA"); }
//   { Drawing::Style s(d); s.pen(2.5).bold(); ... }
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string_view>
#include <vector>

#include "drawing/BmpWriter.h"
#include "drawing/CairoPicture.h"
#include "drawing/TextSetter.h"

namespace apostila::figures {

struct Pt {
  double x = 0, y = 0;
};

class Drawing {
 public:
  static constexpr std::uint32_t kBlack = 0x000000;
  static constexpr std::uint32_t kBlue = 0x0A2A8C;    // values, results, highlighted parts
  static constexpr std::uint32_t kGrey = 0x8C8C8C;    // grids and construction lines
  // Lettering drawn in kGrey comes out in this darker grey: the pictures lie on the pages'
  // light panels, and kGrey is too faint there to read as text (about 3:1), this one at least
  // 4,5:1 on every panel colour the course uses.
  static constexpr std::uint32_t kGreyLettering = 0x595959;
  static constexpr std::uint32_t kShade = 0xDCE6F5;   // shaded regions
  static constexpr std::uint32_t kPaper = 0xFEFEFE;   // opaque white
  static constexpr double kPen = 1.5;

  Drawing(int width, int height);
  Drawing(const Drawing&) = delete;
  Drawing& operator=(const Drawing&) = delete;

  int width() const { return width_; }
  int height() const { return height_; }
  cairo_t* cr() { return cr_; }
  TextSetter& text() { return text_; }

  // The ink of everything drawn next, lines and lettering alike.
  void ink(std::uint32_t rgb);
  std::uint32_t ink() const { return ink_; }
  void pen(double width) { cairo_set_line_width(cr_, width); }

  // Holds the drawing's ink, pen and lettering weight (and the rest of cairo's state) for a
  // scope; whatever is set through it or through the drawing is undone at its end.
  class Style {
   public:
    explicit Style(Drawing& d);
    Style(Drawing& d, std::uint32_t ink);
    ~Style();
    Style(const Style&) = delete;
    Style& operator=(const Style&) = delete;
    Style& ink(std::uint32_t rgb);
    Style& pen(double width);
    Style& bold(bool on = true);

   private:
    Drawing& d_;
    std::uint32_t ink_;
    bool bold_;
  };

  // Shapes filled in one colour with no outline, the ink left as it was.
  void fillPolygon(const std::vector<Pt>& points, std::uint32_t rgb);
  void fillRect(double left, double top, double right, double bottom, std::uint32_t rgb);
  // The current path filled with one colour and its outline stroked in another at a width,
  // the ink and pen left as they were.
  void fillAndStroke(std::uint32_t fill, std::uint32_t edge, double width);
  // Lettering in bold, or in an ink of its own, the weight and ink left as they were.
  void boldText(Pt at, std::string_view markup, TextSetter::Align align = TextSetter::Align::Left,
                double size = TextSetter::kMainSize);
  void inkText(std::uint32_t rgb, Pt at, std::string_view markup, TextSetter::Align align = TextSetter::Align::Left,
               double size = TextSetter::kMainSize);

  void line(Pt a, Pt b);
  void polyline(const std::vector<Pt>& points);
  void dashed(Pt a, Pt b);
  void circle(Pt centre, double radius, bool filled = false);
  // A line with a filled head at b.
  void arrow(Pt a, Pt b, double head = 7);
  // Only the head, its tip at tip and pointing along (dx, dy).
  void arrowHead(Pt tip, double dx, double dy, double head = 7);

  RgbImage image() { return picture_.image(false); }
  std::vector<std::uint8_t> bmp() { return encodeBmp24(image()); }

 private:
  int width_, height_;
  CairoPicture picture_;
  cairo_t* cr_;
  TextSetter text_;
  std::uint32_t ink_ = kBlack;
};

}  // namespace apostila::figures
