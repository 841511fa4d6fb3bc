// The font files carried inside the program and which one serves a stored font name. Internal to
// the text renderer: element code asks for a ScreenFont instead.
#pragma once

#include <span>
#include <string_view>

#include "ui/EmbeddedBlob.h"

namespace apostila::ui {

// A face: an embedded file, drawn as it is or made heavier (for a weight the file lacks).
struct FaceChoice {
  const EmbeddedBlob* file = nullptr;
  bool heavier = false;
};

class FontCatalog {
 public:
  // The face for a font name and style. Names are matched without regard to case; a name the
  // catalogue does not know gets the default face (the one standing in for "MS Sans Serif").
  static FaceChoice face(std::string_view name, bool bold, bool italic);
  // The face asked for characters the chosen face lacks: it covers far more of Unicode.
  static FaceChoice fallback(bool bold, bool italic);
  // Every embedded font file.
  static std::span<const EmbeddedBlob> files();
};

}  // namespace apostila::ui
