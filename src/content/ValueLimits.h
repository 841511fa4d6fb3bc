// The ranges the reader accepts for lengths and font sizes. Layout adds, scales and measures
// these values in plain int arithmetic (a label's right edge, a font's points times the
// screen's density, the page's scaling by its text height), so a value far outside anything
// a page can show is refused where it is read rather than overflowing later.
#pragma once

#include <cstdint>

#include "ui/Persistent.h"
#include "ui/TypeInfo.h"

namespace apostila::content {

// The window system's coordinate range: positions and extents of elements and pages.
inline constexpr std::int64_t kMaxCoordinate = 32767;
// Font heights in pixels and sizes in points: far beyond readable text.
inline constexpr std::int64_t kMaxFontSize = 1000;

// Whether an integer value suits the property on that object.
bool withinLimits(const ui::Persistent& object, const ui::PropInfo& prop, std::int64_t value);

}  // namespace apostila::content
