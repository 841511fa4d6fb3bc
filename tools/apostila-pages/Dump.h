// Views of a stored definition: back to page source (which compiles to the same bytes), and
// the element tree as JSON with pictures summarised by their header fields.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "PageSource.h"

namespace apostila::tools {

// The element tree of a definition, each value in the readable form that encodes back to it.
SourceElement definitionSource(std::span<const std::uint8_t> definition);
std::string dumpSource(std::span<const std::uint8_t> definition);
std::string dumpJson(std::span<const std::uint8_t> definition);

}  // namespace apostila::tools
