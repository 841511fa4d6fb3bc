// How a block of text is laid out in its rectangle.
#pragma once

namespace apostila::ui {

struct TextFormat {
  enum class Align { Left, Center, Right };

  Align align = Align::Left;
  // Break lines at spaces so that they fit the rectangle's width; a word longer than the whole
  // width starts a line of its own and is broken between characters.
  bool wordWrap = false;
  // One line whatever the text: line breaks neither break nor show.
  bool singleLine = false;
  // Tabs move on to the next tab stop, one every 8 average character widths from the line's
  // start. Without it a tab has no width.
  bool expandTabs = false;
  // "&" marks the next character as the accelerator: it is drawn underlined and the "&" is not
  // drawn; "&&" draws one "&"; a lone "&" at the very end is dropped. Off: "&" is an ordinary
  // character.
  bool prefix = true;
  // Draw nothing outside the rectangle.
  bool clip = true;
};

}  // namespace apostila::ui
