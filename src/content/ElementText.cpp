// Element text with the disabled emboss.
#include "content/ElementText.h"

#include "ui/canvas/SystemColors.h"
#include "ui/text/ScreenTextMeasurer.h"
#include "ui/text/TextLayout.h"

namespace apostila::content {

ui::ScreenFont ElementText::screenFont(const ui::Font& font) {
  return ui::ScreenFont(ui::ScreenTextMeasurer::descOf(font));
}

void ElementText::draw(ui::Canvas& canvas, const ui::ScreenFont& font, std::string_view text, const ui::Rect& bounds,
                       const ui::TextFormat& format, std::uint32_t color, bool enabled) {
  if (text.empty()) return;
  const ui::TextLayout layout(font, text, bounds.width(), format);
  if (enabled) {
    layout.draw(canvas, bounds, color);
    return;
  }
  // The highlight copy lies under the shadow copy, so only its lower-right rim shows.
  layout.draw(canvas, bounds.offset(1, 1), ui::toRgb(ui::clBtnHighlight));
  layout.draw(canvas, bounds, ui::toRgb(ui::clBtnShadow));
}

}  // namespace apostila::content
