// Text as the element kinds draw it: without a background, and, for a disabled element, twice
// in the 3-D colours (a highlight copy one pixel down and to the right, the shadow copy in
// place) so that it looks embossed into the face.
#pragma once

#include <cstdint>
#include <string_view>

#include "ui/Font.h"
#include "ui/canvas/Canvas.h"
#include "ui/text/ScreenFont.h"
#include "ui/text/TextFormat.h"

namespace apostila::content {

class ElementText {
 public:
  // The drawing font of a stored font.
  static ui::ScreenFont screenFont(const ui::Font& font);
  // Draws text in bounds; enabled text in the font's colour, disabled text embossed.
  static void draw(ui::Canvas& canvas, const ui::ScreenFont& font, std::string_view text, const ui::Rect& bounds,
                   const ui::TextFormat& format, std::uint32_t color, bool enabled);
};

}  // namespace apostila::content
