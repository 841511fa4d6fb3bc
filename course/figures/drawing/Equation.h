// Worked solutions set as lines aligned on their equals signs: data, equation, substitution and
// result, each row in the lettering markup of TextSetter (fractions included).
//
//   Equation eq(drawing);
//   eq.row("I_B = \\frac{V_{CC} − V_{BE}}{R_B}");
//   eq.row("= \\frac{12 V − 0,7 V}{470 kΩ}");      // a row that starts with "=" continues
//   eq.row("= " + values.text("q17.ib"), Drawing::kBlue);
//   eq.draw({12, 8});                                // top-left corner of the block
//
// A row without "=" is set flush left, as a heading or a line of data.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "drawing/Drawing.h"

namespace apostila::figures {

class Equation {
 public:
  explicit Equation(Drawing& d, double rowGap = 6) : d_(d), gap_(rowGap) {}

  Equation& row(std::string markup, std::uint32_t ink = Drawing::kBlack);
  // Width and height of the block as draw would set it.
  double width();
  double height();
  // Sets the block with its top-left corner at topLeft; returns the y just below it.
  double draw(Pt topLeft);

 private:
  struct Row {
    std::string left, right;  // right starts with the "="; left is empty for a continuation
    bool aligned;
    std::uint32_t ink;
  };
  double column();  // width of the widest left side

  Drawing& d_;
  double gap_;
  std::vector<Row> rows_;
};

}  // namespace apostila::figures
