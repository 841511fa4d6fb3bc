// Picture element properties and painting; auto-size follows the picture whenever it changes.
#include "content/TImage.h"

#include <optional>

#include "content/BitmapImage.h"
#include "content/TwinSource.h"
#include "content/StretchedImage.h"
#include "ui/canvas/Canvas.h"
#include "ui/Form.h"
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
  int x = 0, y = 0;
  if (center_ && !stretch_) {
    x = (width() - b.width()) / 2;
    y = (height() - b.height()) / 2;
  }
  if (canvas.scale() > 1) {
    paintForDevice(canvas, image, key, x, y);
    return;
  }
  if (stretch_) {
    canvas.drawImage(0, 0, StretchedImage(image, width(), height()), key);
    return;
  }
  canvas.drawImage(x, y, image, key);
}

// Above scale 1 a picture is drawn from its twin where it has one, or else enlarged from its
// own pixels with a smooth filter: photographs and drawings, unlike glyphs, are not pixel art.
void TImage::paintForDevice(ui::Canvas& canvas, const ui::ImageSource& image, std::optional<std::uint32_t> key, int x,
                            int y) const {
  const ui::Rect dest = stretch_ ? ui::Rect::ofSize(0, 0, width(), height())
                                 : ui::Rect::ofSize(x, y, image.width(), image.height());
  const TwinSource* twins = twinSource();
  const ui::Form* page = form();
  if (twins && page && !stretch_) {
    const std::shared_ptr<const ui::ImageSource> twin = twins->twin(page->pageClass().className, name());
    if (twin && twin->width() == 2 * image.width() && twin->height() == 2 * image.height()) {
      std::optional<std::uint32_t> twinKey;
      if (key) {
        // The twin's own transparent colour: its bottom-left pixel, by the same rule.
        std::uint32_t corner = 0;
        twin->readRow(twin->height() - 1, 0, 1, &corner);
        twinKey = corner & 0xFFFFFFu;
      }
      canvas.drawImageSmooth(dest, *twin, twinKey);
      return;
    }
  }
  canvas.drawImageSmooth(dest, image, key);
}

void TImage::adjustSize() {
  // Unlike labels, this applies while loading too: the picture is read whole by then.
  const Bitmap& b = picture_.bitmap();
  if (autoSize() && !b.empty()) setBounds({left(), top(), b.width(), b.height()});
}

}  // namespace apostila::content
