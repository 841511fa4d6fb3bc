// Page window properties, defined properties and scaling at load.
#include "ui/Form.h"

#include "ui/PropertyBuilders.h"
#include "ui/TextMeasurer.h"

namespace apostila::ui {

namespace {
const PropInfo kFormProps[] = {
    props::boolProp<&Form::setOldCreateOrder>("OldCreateOrder"),
    props::eventProp<&Form::setOnActivate>("OnActivate"),
    props::eventProp<&Form::setOnDeactivate>("OnDeactivate"),
    props::eventProp<&Form::setOnCreate>("OnCreate"),
    props::eventProp<&Form::setOnClose>("OnClose", EventSignature::Close),
    props::eventProp<&Form::setOnCloseQuery>("OnCloseQuery", EventSignature::CloseQuery),
};
constexpr DefinedProp kFormDefined[] = {
    {"PixelsPerInch", DefinedKind::Integer},
    {"TextHeight", DefinedKind::Integer},
    {"IgnoreFontProperty", DefinedKind::Boolean},
};
}  // namespace

const TypeInfo Form::kType{"TForm", &Container::kType, kFormProps, false, nullptr, kFormDefined};
const PageClassInfo Form::kPageClass{"TForm", nullptr, {}, {}};

Form::Form(Component* owner) : Container(owner) {
  setVisible(false);
  setBounds({0, 0, 648, 514});
}

bool Form::readDefined(std::string_view name, DefinedValue& value) {
  if (sameName(name, "TextHeight")) {
    textHeight_ = value.integer();
  } else if (sameName(name, "PixelsPerInch")) {
    pixelsPerInch_ = value.integer();
  } else if (sameName(name, "IgnoreFontProperty")) {
    ignoreFontProperty_ = value.boolean();
  } else {
    return false;
  }
  return true;
}

void Form::scaleToScreen() {
  const TextMeasurer* m = textMeasurer();
  if (!m || pixelsPerInch_ <= 0 || textHeight_ <= 0) return;
  int screen = m->pixelsPerInch();
  if (screen != pixelsPerInch_) {
    font().setHeight(static_cast<int>(static_cast<long long>(font().height()) * screen / pixelsPerInch_));
    font().setPixelsPerInch(screen);
  }
  int measured = m->textHeight(font());
  if (measured != textHeight_ && measured > 0)
    for (Control* c : controls()) c->scaleBy(measured, textHeight_);
}

}  // namespace apostila::ui
