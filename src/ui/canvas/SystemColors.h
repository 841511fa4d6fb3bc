// The desktop colour scheme behind the system colour names, and the resolution of stored colours
// into the 0x00RRGGBB values the canvas draws with. The scheme is one fixed classic grey 3-D look,
// the same on every machine, so pages and screenshots never depend on the desktop they run on.
#pragma once

#include <cstdint>

#include "ui/Color.h"

namespace apostila::ui {

inline constexpr int kSystemColorCount = 31;  // indices 0..30

// The scheme's colour for system colour index (0..30), as 0x00RRGGBB. Index 25 has no name and
// any index outside 0..30 resolves to black, so a damaged value still draws something definite.
std::uint32_t systemColorRgb(int index);

// Resolves a stored colour to 0x00RRGGBB:
// - 0x00BBGGRR (top byte 0): the fixed colour, bytes reordered;
// - 0xFF0000nn: system colour nn from the scheme; other values with top byte 0xFF give black;
// - anything else, including clNone (0x1FFFFFFF) and clDefault (0x20000000), reads its low 24
//   bits as a fixed colour: clNone gives white and clDefault black. Callers that give those two a
//   meaning of their own ("paint nothing", "use the parent's colour") must test for them first.
std::uint32_t toRgb(TColor color);

}  // namespace apostila::ui
