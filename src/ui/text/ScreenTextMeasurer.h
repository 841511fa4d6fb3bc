// The text measurer element code uses (ui/TextMeasurer.h), answered by the embedded fonts: what
// the screen installs at start-up so that pages scale and labels size themselves exactly as
// the text will be drawn.
#pragma once

#include "ui/Font.h"
#include "ui/TextMeasurer.h"
#include "ui/text/FontDesc.h"

namespace apostila::ui {

class ScreenTextMeasurer : public TextMeasurer {
 public:
  // The drawing font for a stored font (name, height and style; colour and charset play no part).
  static FontDesc descOf(const Font& font);

  // The fonts are drawn at the density the pages were designed for.
  int pixelsPerInch() const override { return 96; }
  int textHeight(const Font& font) const override;
  // As a label lays out its caption: "&" prefixes and tabs handled, wrapped at width if asked.
  TextSize measure(const Font& font, std::string_view text, bool wordWrap, int width) const override;
};

}  // namespace apostila::ui
