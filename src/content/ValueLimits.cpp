// Which integer properties are lengths or font sizes.
#include "content/ValueLimits.h"

#include <initializer_list>
#include <string_view>

#include "ui/Control.h"
#include "ui/Font.h"

namespace apostila::content {

namespace {

bool isOneOf(std::string_view name, std::initializer_list<std::string_view> names) {
  for (std::string_view n : names)
    if (ui::sameName(n, name)) return true;
  return false;
}

}  // namespace

bool withinLimits(const ui::Persistent& object, const ui::PropInfo& prop, std::int64_t value) {
  const ui::TypeInfo& type = object.typeInfo();
  std::int64_t limit;
  if (type.inheritsFrom(ui::Font::kType) && isOneOf(prop.name, {"Height", "Size"}))
    limit = kMaxFontSize;
  else if (type.inheritsFrom(ui::Control::kType) &&
           isOneOf(prop.name, {"Left", "Top", "Width", "Height", "BevelWidth", "BorderWidth", "Margin", "Spacing"}))
    limit = kMaxCoordinate;
  else
    return true;  // any 32-bit value: colours, tags, cursors
  return value >= -limit && value <= limit;
}

}  // namespace apostila::content
