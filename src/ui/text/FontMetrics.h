// Vertical and average horizontal measures of a font at one size, in whole pixels.
#pragma once

namespace apostila::ui {

struct FontMetrics {
  int ascent = 0;            // cell top to baseline
  int descent = 0;           // baseline to cell bottom
  int height = 0;            // ascent + descent: the line height and the height of any text
  int internalLeading = 0;   // height - character height (room for accents above capitals)
  int averageCharWidth = 0;  // width of "A".."Z" "a".."z" divided by 52, rounded down
};

}  // namespace apostila::ui
