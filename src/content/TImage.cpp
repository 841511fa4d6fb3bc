// Picture element properties; auto-size follows the picture whenever it changes.
#include "content/TImage.h"

#include "ui/PropertyBuilders.h"

namespace apostila::content {

namespace {
using namespace ui::props;
const ui::PropInfo kImageProps[] = {
    objectProp<static_cast<Picture& (TImage::*)()>(&TImage::picture)>("Picture", Picture::kType),
    boolProp<&TImage::setTransparent>("Transparent"),
    boolProp<&TImage::setStretch>("Stretch"),
    boolProp<&TImage::setCenter>("Center"),
};
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

void TImage::adjustSize() {
  // Unlike labels, this applies while loading too: the picture is read whole by then.
  const Bitmap& b = picture_.bitmap();
  if (autoSize() && !b.empty()) setBounds({left(), top(), b.width(), b.height()});
}

}  // namespace apostila::content
