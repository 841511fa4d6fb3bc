// The program's icon: the embedded "MAINICON" picture as 32 x 32 pixels.
#pragma once

#include <array>
#include <cstdint>

namespace apostila::app {

// Empty (all zero) when the program carries no icon.
const std::array<std::uint32_t, 32 * 32>& mainIcon();

}  // namespace apostila::app
