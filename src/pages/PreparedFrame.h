// The start page's first frame as the build draws it, carried in the program so that start-up
// can present it instead of drawing it: two little-endian 32-bit words, width and height, then
// width × height pixels (0x00RRGGBB), row by row from the top.
#pragma once

#include <cstdint>
#include <cstring>
#include <span>

#include "ui/platform/Pixels.h"

namespace apostila::app {

// The frame in `bytes`, or an empty view when they do not hold one whole frame.
inline platform::PixelView preparedFrameOf(std::span<const std::uint8_t> bytes) {
  std::uint32_t size[2] = {0, 0};
  if (bytes.size() < sizeof size) return {};
  std::memcpy(size, bytes.data(), sizeof size);
  const std::uint64_t pixels = static_cast<std::uint64_t>(size[0]) * size[1];
  if (size[0] == 0 || size[0] > 1u << 14 || size[1] > 1u << 14 || bytes.size() != sizeof size + pixels * 4 ||
      reinterpret_cast<std::uintptr_t>(bytes.data()) % alignof(std::uint32_t) != 0)
    return {};
  const auto* px = reinterpret_cast<const std::uint32_t*>(bytes.data() + sizeof size);
  return {px, static_cast<int>(size[0]), static_cast<int>(size[1]), static_cast<int>(size[0])};
}

// The frame the build embedded in this program, or an empty view in a program without one.
platform::PixelView embeddedStartFrame();

}  // namespace apostila::app
