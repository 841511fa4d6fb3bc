// Font attributes and their published properties.
#include "ui/Font.h"

#include "ui/PropertyBuilders.h"

namespace apostila::ui {

namespace {
constexpr std::string_view kStyles[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
constexpr auto kFontProps = props::byName({
    props::intProp<&Font::setCharset>("Charset", &kCharsetIdents),
    props::intProp<&Font::setColor>("Color", &kColorIdents),
    props::intProp<&Font::setHeight>("Height"),
    props::stringProp<&Font::setName>("Name"),
    props::intProp<&Font::setSize>("Size"),
    props::setProp<&Font::setStyle>("Style", kFontStyleType),
});
}  // namespace

const EnumType kFontStyleType{"TFontStyle", kStyles};
const TypeInfo Font::kType{"TFont", nullptr, kFontProps, false, nullptr};

int Font::size() const {
  // Points = pixels * 72 / density, rounded as a multiply-then-divide with rounding.
  int px = height_ < 0 ? -height_ : height_;
  int pts = (px * 72 + pixelsPerInch_ / 2) / pixelsPerInch_;
  return height_ < 0 ? pts : -pts;
}

void Font::setName(const std::string& v) {
  if (v == name_) return;
  name_ = v;
  changed();
}
void Font::setHeight(int v) {
  if (v == height_) return;
  height_ = v;
  changed();
}
void Font::setSize(int points) { setHeight(-((points * pixelsPerInch_ + 36) / 72)); }
void Font::setStyle(std::uint32_t v) {
  v &= 0xF;
  if (v == style_) return;
  style_ = v;
  changed();
}
void Font::setColor(TColor v) {
  if (v == color_) return;
  color_ = v;
  changed();
}
void Font::setCharset(int v) {
  if (v == charset_) return;
  charset_ = v;
  changed();
}

void Font::assign(const Font& other) {
  if (*this == other) return;
  name_ = other.name_;
  height_ = other.height_;
  style_ = other.style_;
  color_ = other.color_;
  charset_ = other.charset_;
  changed();
}

}  // namespace apostila::ui
