// Picture element properties and painting; auto-size follows the picture whenever it changes.
#include "content/TImage.h"

#include <optional>

#include "content/BitmapImage.h"
#include "content/StretchedImage.h"
#include "ui/canvas/Canvas.h"
#include "ui/PropertyBuilders.h"

namespace apostila::content {

namespace {
using namespace ui::props;
constexpr auto kImageProps = ui::props::byName({
    objectProp<static_cast<Picture& (TImage::*)()>(&TImage::picture)>("Picture", Picture::kType),
    boolProp<&TImage::setTransparent>("Transparent"),
    boolProp<&TImage::setStretch>("Stretch"),
    boolProp<&TImage::setCenter>("Center"),
});
}  // namespace

const ui::TypeInfo TImage::kType{"TImage", &ui::Control::kType, kImageProps, true,
                                 [](ui::Component& owner) -> ui::Component* { return new TImage(&owner); }};

TImage::TImage(ui::Component* owner) : ui::Control(owner) {
  setBounds({0, 0, 105, 105});
  picture_.onChange = [this] {
    adjustSize();
    invalidate();
  };
}

std::uint32_t TImage::transparentColor() const {
  const Bitmap& b = picture_.bitmap();
  return b.header().bitCount == 1 ? 0xFFFFFFu : b.bottomLeft();
}

void TImage::paint(ui::Canvas& canvas) {
  const Bitmap& b = picture_.bitmap();
  if (b.empty()) return;
  // Read straight from the definition's bytes: a page's pictures are never copied.
  const BitmapImage image(b);
  const std::optional<std::uint32_t> key = transparent_ ? std::optional(transparentColor()) : std::nullopt;
  if (stretch_) {
    canvas.drawImage(0, 0, StretchedImage(image, width(), height()), key);
    return;
  }
  int x = 0, y = 0;
  if (center_) {
    x = (width() - b.width()) / 2;
    y = (height() - b.height()) / 2;
  }
  canvas.drawImage(x, y, image, key);
}

void TImage::adjustSize() {
  // Unlike labels, this applies while loading too: the picture is read whole by then.
  const Bitmap& b = picture_.bitmap();
  if (autoSize() && !b.empty()) setBounds({left(), top(), b.width(), b.height()});
}

}  // namespace apostila::content
