// Member names of the element kinds' enumerations.
#include "content/Enums.h"

namespace apostila::content {

namespace {
constexpr std::string_view kAlignmentNames[] = {"taLeftJustify", "taRightJustify", "taCenter"};
constexpr std::string_view kBevelNames[] = {"bvNone", "bvLowered", "bvRaised", "bvSpace"};
constexpr std::string_view kBorderNames[] = {"bsNone", "bsSingle"};
constexpr std::string_view kLayoutNames[] = {"tlTop", "tlCenter", "tlBottom"};
constexpr std::string_view kButtonLayoutNames[] = {"blGlyphLeft", "blGlyphRight", "blGlyphTop",
                                                   "blGlyphBottom"};
}  // namespace

const ui::EnumType kAlignmentType{"TAlignment", kAlignmentNames};
const ui::EnumType kPanelBevelType{"TPanelBevel", kBevelNames};
const ui::EnumType kBorderStyleType{"TBorderStyle", kBorderNames};
const ui::EnumType kTextLayoutType{"TTextLayout", kLayoutNames};
const ui::EnumType kButtonLayoutType{"TButtonLayout", kButtonLayoutNames};

}  // namespace apostila::content
