// Expansion of run-length bitmap data (8 and 4 bits per pixel) into one colour-table index per
// pixel. Kept apart from the header decoding because it is the one part that writes a buffer.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace apostila::content {

// Expands the run-length stream in data into width x height indices, bottom row first as the
// stream runs. Pixels the stream never sets (skipped by a delta or an early end of line, or
// left when the data runs out) keep index 0. A run that goes past the right edge carries on in
// the row above; the stream ends once its cursor has passed the last pixel. Never reads or
// writes outside its buffers; the caller has checked width x height against its limit.
std::vector<std::uint8_t> expandRle(std::span<const std::uint8_t> data, int width, int height, bool fourBit);

}  // namespace apostila::content
