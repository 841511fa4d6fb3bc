// A button's glyph images, prepared per state and kept until the glyph or the number of images
// in its strip changes. The strip is divided into images of equal width: image 0 for the up
// face, 1 for disabled, 2 for down and 3 for latched, where the strip has them. Up and down
// images are drawn straight from the strip; the disabled image is made once, either by
// recolouring image 1 or, from a single image, by etching its shape.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "content/Bitmap.h"
#include "content/BitmapImage.h"
#include "content/CanvasImage.h"
#include "ui/canvas/Rect.h"

namespace apostila::content {

class GlyphImages {
 public:
  enum class State { Up = 0, Disabled = 1, Down = 2, Latched = 3 };

  struct Image {
    const ui::ImageSource* source = nullptr;  // null: the button has no glyph
    ui::Rect part;                            // where the image lies in source
    std::uint32_t transparent = 0;            // pixels of this colour are left out
    bool empty() const { return source == nullptr || part.empty(); }
    int width() const { return part.width(); }
    int height() const { return part.height(); }
  };

  // The image a face shows. generation identifies the glyph and image count: when it differs
  // from the last call's, every prepared image is dropped. The strip must stay in place for as
  // long as the images are used.
  const Image& image(State state, const Bitmap& strip, int numGlyphs, unsigned generation);

  // Which image of the strip a state draws: down falls back on the up image when the strip has
  // fewer than three, and any state beyond the strip uses image 0.
  static int imageIndex(State state, int numGlyphs);

 private:
  Image build(State state, const Bitmap& strip, int numGlyphs);
  Image own(State state, ui::Canvas canvas, std::uint32_t transparent);

  std::optional<unsigned> generation_;
  const Bitmap* strip_ = nullptr;
  std::optional<BitmapImage> stripImage_;
  std::array<std::optional<Image>, 4> prepared_;
  std::array<std::unique_ptr<CanvasImage>, 4> made_;  // pixels of images made for a state
};

}  // namespace apostila::content
