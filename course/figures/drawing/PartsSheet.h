// One picture with every drawing part, for checking the parts by eye after a change:
// `apostila-figures --parts FILE.bmp`.
#pragma once

#include <cstdint>
#include <vector>

namespace apostila::figures {

std::vector<std::uint8_t> partsSheet();

}  // namespace apostila::figures
