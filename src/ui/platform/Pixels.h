// Views of pixel memory handed to a backend: a client-area frame the layer rendered, and a
// window icon. Neither owns its pixels; the backend copies what it needs before returning.
#pragma once

#include <cstdint>

namespace apostila::platform {

// 0x00RRGGBB pixels, row by row from the top; stride is in pixels (>= width).
struct PixelView {
  const std::uint32_t* pixels = nullptr;
  int width = 0;
  int height = 0;
  int stride = 0;
  std::uint32_t at(int x, int y) const { return pixels[static_cast<long>(y) * stride + x]; }
};

// A 32 x 32 icon in 0xAARRGGBB: alpha 0 is transparent, 255 opaque.
struct IconImage {
  static constexpr int kSide = 32;
  const std::uint32_t* pixels = nullptr;  // kSide * kSide values, row by row from the top
};

}  // namespace apostila::platform
