// Button properties.
#include "content/TSpeedButton.h"

#include "ui/PropertyBuilders.h"

namespace apostila::content {

namespace {
using namespace ui::props;
const ui::PropInfo kButtonProps[] = {
    objectProp<static_cast<GraphicBitmap& (TSpeedButton::*)()>(&TSpeedButton::glyph)>("Glyph", GraphicBitmap::kType),
    intProp<&TSpeedButton::setNumGlyphs>("NumGlyphs"),
    enumProp<&TSpeedButton::setLayout>("Layout", kButtonLayoutType),
    intProp<&TSpeedButton::setMargin>("Margin"),
    intProp<&TSpeedButton::setSpacing>("Spacing"),
    boolProp<&TSpeedButton::setFlat>("Flat"),
    boolProp<&TSpeedButton::setTransparent>("Transparent"),
    intProp<&TSpeedButton::setGroupIndex>("GroupIndex"),
    boolProp<&TSpeedButton::setDown>("Down"),
    boolProp<&TSpeedButton::setAllowAllUp>("AllowAllUp"),
    eventProp<&TSpeedButton::setOnClick>("OnClick"),
};
}  // namespace

const ui::TypeInfo TSpeedButton::kType{
    "TSpeedButton", &ui::Control::kType, kButtonProps, true,
    [](ui::Component& owner) -> ui::Component* { return new TSpeedButton(&owner); }};

TSpeedButton::TSpeedButton(ui::Component* owner) : ui::Control(owner) {
  setBounds({0, 0, 23, 22});
  setColor(ui::clBtnFace);
  glyph_.onChange = [this] {
    ++glyphGeneration_;
    invalidate();
  };
}

void TSpeedButton::setNumGlyphs(int n) {
  // The strip holds one to four images; anything else means one.
  if (n < 1 || n > 4) n = 1;
  if (n == numGlyphs_) return;
  numGlyphs_ = n;
  ++glyphGeneration_;
  invalidate();
}

}  // namespace apostila::content
