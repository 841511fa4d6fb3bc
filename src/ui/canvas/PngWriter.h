// Writes a canvas as a PNG file (8-bit RGB), for tests, documentation and the page render tool.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "ui/canvas/Canvas.h"

namespace apostila::ui {

class PngWriter {
 public:
  // The complete PNG file of the whole buffer (origin and clip play no part). A PNG cannot be
  // empty: an empty canvas throws std::invalid_argument.
  static std::vector<std::uint8_t> encode(const Canvas& canvas);
  // Writes encode(canvas) to path. Throws std::runtime_error when the file cannot be written.
  static void write(const Canvas& canvas, const std::filesystem::path& path);
};

}  // namespace apostila::ui
