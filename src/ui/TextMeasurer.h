// How element code measures text without knowing the font engine: the screen installs one
// measurer at start-up. Without one, nothing is scaled and auto-sized labels keep their size.
#pragma once

#include <string_view>

#include "ui/Font.h"

namespace apostila::ui {

struct TextSize {
  int width = 0;
  int height = 0;
};

class TextMeasurer {
 public:
  virtual ~TextMeasurer() = default;
  virtual int pixelsPerInch() const = 0;
  // The height of one line of text in the font, as the page's design-time text height counts it.
  virtual int textHeight(const Font& font) const = 0;
  // The rectangle the text needs: single line, or wrapped at width when wordWrap is set.
  virtual TextSize measure(const Font& font, std::string_view text, bool wordWrap, int width) const = 0;
};

const TextMeasurer* textMeasurer();
void setTextMeasurer(const TextMeasurer* measurer);

}  // namespace apostila::ui
