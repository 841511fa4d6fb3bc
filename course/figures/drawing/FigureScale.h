// The scale the figures are drawn at: 1 for the pictures the pages carry, 2 for their twins,
// which a screen of twice the density shows. A figure is always drawn in the page's pixels; at
// scale 2 its surface has twice the pixels each way and every line and glyph is drawn for them,
// not doubled afterwards.
//
//   { FigureScale twice(2); twin = figure.encode(); }   // the same figure, 2w × 2h pixels
#pragma once

namespace apostila::figures {

int figureScale();

// Sets the scale for its lifetime and puts the earlier one back after.
class FigureScale {
 public:
  explicit FigureScale(int scale);
  ~FigureScale();
  FigureScale(const FigureScale&) = delete;
  FigureScale& operator=(const FigureScale&) = delete;

 private:
  int before_;
};

}  // namespace apostila::figures
