// Where a picture drawn on a high-density screen finds its twin: the same picture drawn at
// twice its size, made for such screens and carried beside the page definitions, not in them.
// A picture is known by its page class and its element name ("TForm23", "Image1"). The program
// installs one source of twins; until one is installed, or when it has no twin for a picture,
// the picture is enlarged from its own pixels with a smooth filter (TImage).
#pragma once

#include <memory>
#include <string_view>

#include "ui/canvas/ImageSource.h"

namespace apostila::content {

class PictureTwins {
 public:
  virtual ~PictureTwins() = default;
  // The twin of one picture, or null. The caller holds it while it draws and lets it go after:
  // how long a decoded twin is kept is the source's choice.
  virtual std::shared_ptr<const ui::ImageSource> twin(std::string_view pageClass, std::string_view element) const = 0;
};

// The installed source, or null. Asked only when a picture is drawn above scale 1.
const PictureTwins* pictureTwins();
void setPictureTwins(const PictureTwins* twins);

}  // namespace apostila::content
