// The program's icon: the NPN transistor symbol in navy on a yellow disc. One drawing serves
// the 32 x 32 window icon in the 16 colours and the desktop's icons in every size.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Figures.h"
#include "drawing/BmpWriter.h"

namespace apostila::figures {

// The window icon: 32 x 32, drawn on the pixel grid without antialiasing on a teal ground, so
// that every pixel is one of the 16 colours exactly.
IndexedImage windowIcon();

// The desktop's icons: PNG files "apostila-N.png", N x N pixels with a transparent ground and
// smooth edges, for the sizes a desktop's icon theme asks for.
std::vector<Figure> desktopIcons();
inline constexpr int kDesktopIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

}  // namespace apostila::figures
