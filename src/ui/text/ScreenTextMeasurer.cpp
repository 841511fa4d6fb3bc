// Text measuring for element code, through the same layout that draws.
#include "ui/text/ScreenTextMeasurer.h"

#include "ui/text/ScreenFont.h"
#include "ui/text/TextLayout.h"

namespace apostila::ui {

static_assert(FontSpec::kBold == fsBold && FontSpec::kItalic == fsItalic && FontSpec::kUnderline == fsUnderline &&
                  FontSpec::kStrikeOut == fsStrikeOut,
              "the drawing font's style bits are the stored style set");

FontSpec ScreenTextMeasurer::specOf(const Font& font) { return FontSpec{font.name(), font.height(), font.style()}; }

int ScreenTextMeasurer::textHeight(const Font& font) const { return ScreenFont(specOf(font)).height(); }

TextSize ScreenTextMeasurer::measure(const Font& font, std::string_view text, bool wordWrap, int width) const {
  TextFormat fmt;
  fmt.wordWrap = wordWrap;
  fmt.expandTabs = true;
  const Rect r = TextLayout::measure(ScreenFont(specOf(font)), text, {0, 0, width, 0}, fmt);
  return {r.width(), r.height()};
}

}  // namespace apostila::ui
