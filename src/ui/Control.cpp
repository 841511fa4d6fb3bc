// Common element state and the parent-following rules.
#include "ui/Control.h"

#include "ui/Container.h"
#include "ui/Form.h"
#include "ui/PropertyBuilders.h"
#include "ui/access/Hooks.h"

namespace apostila::ui {

namespace {
constexpr std::string_view kAlignNames[] = {"alNone", "alTop", "alBottom", "alLeft",
                                            "alRight", "alClient", "alCustom"};
constexpr std::string_view kBiDiNames[] = {"bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign",
                                           "bdRightToLeftReadingOnly"};
constexpr auto kControlProps = props::byName({
    props::intProp<&Control::setLeft>("Left"),
    props::intProp<&Control::setTop>("Top"),
    props::intProp<&Control::setWidth>("Width"),
    props::intProp<&Control::setHeight>("Height"),
    props::stringProp<&Control::setCaption>("Caption"),
    props::boolProp<&Control::setVisible>("Visible"),
    props::boolProp<&Control::setEnabled>("Enabled"),
    props::intProp<&Control::setColor>("Color", &kColorIdents),
    props::boolProp<&Control::setParentColor>("ParentColor"),
    props::objectProp<static_cast<Font& (Control::*)()>(&Control::font)>("Font", Font::kType),
    props::boolProp<&Control::setParentFont>("ParentFont"),
    props::stringProp<&Control::setHint>("Hint"),
    props::boolProp<&Control::setShowHint>("ShowHint"),
    props::boolProp<&Control::setParentShowHint>("ParentShowHint"),
    props::intProp<&Control::setCursor>("Cursor", &kCursorIdents),
    props::intProp<&Control::setTag>("Tag"),
    props::enumProp<&Control::setAlign>("Align", kAlignType),
    props::boolProp<&Control::setAutoSize>("AutoSize"),
    props::enumProp<&Control::setBiDiMode>("BiDiMode", kBiDiModeType),
    props::boolProp<&Control::setParentBiDiMode>("ParentBiDiMode"),
});

int scaled(int v, int num, int den) {
  long long p = static_cast<long long>(v) * num;
  long long half = den / 2;
  return static_cast<int>(p >= 0 ? (p + half) / den : -((-p + half) / den));
}
}  // namespace

const EnumType kAlignType{"TAlign", kAlignNames};
const EnumType kBiDiModeType{"TBiDiMode", kBiDiNames};
const TypeInfo Control::kType{"TControl", &Component::kType, kControlProps, false, nullptr};

Control::Control(Component* owner) : Component(owner) {
  font_.onChange = [this] { fontChanged(); };
}

Control::~Control() {
  if (parent_) parent_->removeControl(this);
}

void Control::setParent(Container* parent) {
  if (parent == parent_) return;
  if (parent_) parent_->removeControl(this);
  parent_ = parent;
  if (parent_) {
    parent_->insertControl(this);
    if (parentColor_) parentColorChanged();
    if (parentFont_) parentFontChanged();
    if (parentShowHint_) parentShowHintChanged();
  }
}

void Control::setBounds(const Bounds& b) {
  if (b == bounds_) return;
  invalidate();
  bounds_ = b;
  invalidate();
  if (parent_ && align_ != Align::alNone) parent_->requestArrange();
}

void Control::setCaption(const std::string& text) {
  if (text == caption_) return;
  caption_ = text;
  captionChanged();
  adjustSize();
  invalidate();
  if (AccessHooks* a = accessHooks()) a->captionChanged(*this);
}

void Control::setVisible(bool v) {
  if (v == visible_) return;
  // Invalidate while visible, so that both showing and hiding repaint the area.
  if (!v) invalidate();
  visible_ = v;
  if (v) invalidate();
  stateChanged();
  if (parent_ && align_ != Align::alNone) parent_->requestArrange();
  if (AccessHooks* a = accessHooks()) a->visibilityChanged(*this);
}

void Control::setEnabled(bool v) {
  if (v == enabled_) return;
  enabled_ = v;
  invalidate();
  stateChanged();
  if (AccessHooks* a = accessHooks()) a->enabledChanged(*this);
}

void Control::setColor(TColor c) {
  parentColor_ = false;
  if (c == color_) return;
  color_ = c;
  colorChanged();
}

void Control::setParentColor(bool v) {
  parentColor_ = v;
  if (v && parent_) parentColorChanged();
}

void Control::parentColorChanged() {
  if (!parentColor_ || !parent_) return;
  TColor c = parent_->color();
  if (c != color_) {
    color_ = c;
    colorChanged();
  }
}

void Control::setParentFont(bool v) {
  parentFont_ = v;
  if (v && parent_) parentFontChanged();
}

void Control::parentFontChanged() {
  if (!parentFont_ || !parent_) return;
  syncingFont_ = true;
  font_.assign(parent_->font());
  syncingFont_ = false;
}

void Control::fontChanged() {
  // A font set on the element itself stops it following its parent's font.
  if (!syncingFont_) parentFont_ = false;
  adjustSize();
  invalidate();
}

void Control::setShowHint(bool v) {
  showHint_ = v;
  parentShowHint_ = false;
  showHintChanged();
}

void Control::setParentShowHint(bool v) {
  parentShowHint_ = v;
  if (v) parentShowHintChanged();
}

void Control::parentShowHintChanged() {
  if (!parentShowHint_ || !parent_) return;
  showHint_ = parent_->showHint();
  showHintChanged();
}

void Control::setAlign(Align a) {
  if (a == align_) return;
  align_ = a;
  if (parent_) parent_->requestArrange();
}

void Control::setAutoSize(bool v) {
  if (v == autoSize_) return;
  autoSize_ = v;
  if (v) adjustSize();
}

void Control::scaleBy(int num, int den) {
  int l = scaled(bounds_.left, num, den), t = scaled(bounds_.top, num, den);
  int r = scaled(bounds_.right(), num, den), b = scaled(bounds_.bottom(), num, den);
  bounds_ = {l, t, r - l, b - t};
  if (!parentFont_) {
    syncingFont_ = true;
    font_.setSize(scaled(font_.size(), num, den));
    syncingFont_ = false;
  }
}

Form* Control::form() const {
  Control* c = const_cast<Control*>(this);
  while (c->parent_) c = c->parent_;
  return dynamic_cast<Form*>(c);
}

void Control::invalidate() {
  if (parent_ && visible_) parent_->invalidateArea(boundsRect());
}

}  // namespace apostila::ui
