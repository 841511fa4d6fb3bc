// How a push button looks in each face: the flat one-pixel edge or the standard raised frame,
// the glyph and caption placed by the button's layout, margin and spacing, the content moved
// one pixel down and right while pressed, and the disabled glyph and embossed caption.
#pragma once

#include "content/ButtonState.h"
#include "content/Enums.h"
#include "content/GlyphImages.h"
#include "ui/canvas/Canvas.h"

namespace apostila::content {

class TSpeedButton;

class ButtonPainter {
 public:
  // Where glyph and caption go inside the content rectangle (content coordinates).
  struct Placement {
    ui::Rect glyph;
    ui::Rect caption;
  };
  struct Arrangement {
    ButtonLayout layout = ButtonLayout::blGlyphLeft;
    int margin = -1;   // -1: the items are centred
    int spacing = 4;   // between glyph and caption; -1: spread evenly
  };
  // Places a glyph of glyphWidth x glyphHeight and a caption of captionWidth x captionHeight
  // (zero sizes: none) in a content area of width x height. The items are centred across the
  // layout's direction; along it, the glyph comes first (or last, for glyph right and bottom),
  // margin from its edge.
  static Placement place(const Arrangement& arrangement, int width, int height, int glyphWidth, int glyphHeight,
                         int captionWidth, int captionHeight);

  // The glyph image a face shows.
  static GlyphImages::State glyphState(ButtonState::Face face);

  static void paint(ui::Canvas& canvas, const TSpeedButton& button, ButtonState::Face face, GlyphImages& images);
};

}  // namespace apostila::content
