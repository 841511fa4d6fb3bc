// Compile-time check of a picture file: decoded with the program's own decoder, so that a
// page never carries a picture the program would refuse or draw from missing pixels, and
// refused with the reason an author can act on.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace apostila::tools {

// Throws std::invalid_argument "'NAME' is not a usable BMP file: WHY" (NAME the file as the
// source gives it, or "the picture" for inline data).
void checkPicture(const std::vector<std::uint8_t>& bmp, const std::string& name);

}  // namespace apostila::tools
