// Text measuring for element code, through the same layout that draws.
#include "ui/text/ScreenTextMeasurer.h"

#include "ui/text/ScreenFont.h"
#include "ui/text/TextLayout.h"

namespace apostila::ui {

static_assert(FontDesc::kBold == fsBold && FontDesc::kItalic == fsItalic && FontDesc::kUnderline == fsUnderline &&
                  FontDesc::kStrikeOut == fsStrikeOut,
              "the drawing font's style bits are the stored style set");

FontDesc ScreenTextMeasurer::descOf(const Font& font) { return FontDesc{font.name(), font.height(), font.style()}; }

int ScreenTextMeasurer::textHeight(const Font& font) const { return ScreenFont(descOf(font)).height(); }

TextSize ScreenTextMeasurer::measure(const Font& font, std::string_view text, bool wordWrap, int width) const {
  TextFormat fmt;
  fmt.wordWrap = wordWrap;
  fmt.expandTabs = true;
  const Rect r = TextLayout::measure(ScreenFont(descOf(font)), text, {0, 0, width, 0}, fmt);
  return {r.width(), r.height()};
}

}  // namespace apostila::ui
