// Button glyphs and the program icon.
#include <cmath>

#include "Figures.h"

namespace apostila::figures {

namespace {

// The icon: an NPN transistor symbol in navy on a yellow disc, 32 x 32 in the 16 colours.
IndexedImage mainIcon() {
  enum { kBlack = 0, kNavy = 4, kGrey = 8, kYellow = 11, kWhite = 15, kTeal = 6 };
  IndexedImage img;
  img.width = 32;
  img.height = 32;
  img.palette = kStandardPalette;
  img.indices.assign(32 * 32, kTeal);
  auto set = [&](int x, int y, int c) {
    if (x >= 0 && x < 32 && y >= 0 && y < 32) img.indices[static_cast<std::size_t>(y * 32 + x)] = static_cast<std::uint8_t>(c);
  };
  auto line = [&](double x0, double y0, double x1, double y1, int c, double w) {
    int steps = static_cast<int>(std::hypot(x1 - x0, y1 - y0) * 4) + 1;
    for (int i = 0; i <= steps; ++i) {
      double t = static_cast<double>(i) / steps;
      double x = x0 + (x1 - x0) * t, y = y0 + (y1 - y0) * t;
      for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
          if (std::hypot(dx, dy) <= w) set(static_cast<int>(std::lround(x + dx)), static_cast<int>(std::lround(y + dy)), c);
    }
  };
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      double d = std::hypot(x - 15.5, y - 15.5);
      if (d <= 15.5) set(x, y, d >= 14.2 ? kBlack : kYellow);
    }
  line(4, 16, 12, 16, kNavy, 1.0);     // base lead
  line(12, 8, 12, 24, kNavy, 1.0);     // base bar
  line(12, 12, 21, 6, kNavy, 0.8);     // collector
  line(21, 6, 21, 1, kNavy, 0.8);
  line(12, 20, 21, 26, kNavy, 0.8);    // emitter
  line(21, 26, 21, 31, kNavy, 0.8);
  // The emitter's arrow, pointing out of the base.
  for (int i = 0; i < 4; ++i) line(21 - i, 26 - i * 0.2, 18 - i * 0.3, 22 + i * 0.4, kNavy, 0.6);
  return img;
}

}  // namespace

void addGlyphFigures(FigureList& list) {
  list.push_back({"mainicon.bmp", [] { return encodeBmp4(mainIcon()); }});
}

}  // namespace apostila::figures
