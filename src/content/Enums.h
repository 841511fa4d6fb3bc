// Enumerations of the element kinds' properties, with their member names as stored.
#pragma once

#include "ui/TypeInfo.h"

namespace apostila::content {

enum class Alignment { taLeftJustify, taRightJustify, taCenter };
enum class PanelBevel { bvNone, bvLowered, bvRaised, bvSpace };
enum class BorderStyle { bsNone, bsSingle };
enum class TextLayout { tlTop, tlCenter, tlBottom };
enum class ButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

extern const ui::EnumType kAlignmentType;
extern const ui::EnumType kPanelBevelType;
extern const ui::EnumType kBorderStyleType;
extern const ui::EnumType kTextLayoutType;
extern const ui::EnumType kButtonLayoutType;

}  // namespace apostila::content
