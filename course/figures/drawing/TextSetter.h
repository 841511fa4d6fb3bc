// Lettering for the figures: one font family at two sizes, with subscripts, superscripts and
// fractions written in a small markup, and Greek letters and units typed as they are (UTF-8).
//
//   V_CE             V with the subscript "CE" (a run of letters and digits)
//   I_{C(sat)}       braces for a subscript with other characters
//   10^{-14}         a superscript (a "-" becomes the minus sign)
//   \frac{V_{CC} − V_{BE}}{R_B}    a fraction, numerator over denominator
//   \_ \^ \\ \{ \}   the characters themselves
//
//   TextSetter& t = drawing.text();
//   t.draw({10, 40}, "β = \\frac{I_C}{I_B} = 200");           // baseline at y = 40
//   double w = t.measure("R_{B1} = 10 kΩ").width;
//
// The main size sets capitals 11 px tall from top to baseline, subscripts 8 px: legible at
// 1:1 on the pages. Text takes the drawing's current ink, or the lettering ink set beside it.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace apostila::figures {

struct Pt;

class TextSetter {
 public:
  enum class Align { Left, Center, Right };
  struct Extent {
    double width = 0, ascent = 0, descent = 0;  // ascent above, descent below the baseline
  };

  // The family is DejaVu Sans, regular and bold, from its files (FigureFonts.h).
  static constexpr double kMainSize = 15.5;
  static constexpr double kSubSize = 11.5;

  explicit TextSetter(cairo_t* cr) : cr_(cr) {}

  Extent measure(std::string_view markup, double size = kMainSize);
  // Draws with the baseline at y; align places the run's width around x.
  Extent draw(Pt at, std::string_view markup, Align align = Align::Left, double size = kMainSize);
  // Lettering in an ink of its own instead of the drawing's (a darker one where the drawing's
  // is too pale to read as text); nullopt takes the drawing's again.
  void ink(std::optional<std::uint32_t> rgb) { ink_ = rgb; }
  void bold(bool on) { bold_ = on; }
  bool bold() const { return bold_; }

 private:
  // Lays out (and, with paint, draws) the markup from x on baseline y.
  Extent run(std::string_view markup, double size, double x, double y, bool paint);
  double glyphs(const std::string& utf8, double size, double x, double y, bool paint, Extent& e);
  void font(double size);

  cairo_t* cr_;
  bool bold_ = false;
  std::optional<std::uint32_t> ink_;
};

}  // namespace apostila::figures
