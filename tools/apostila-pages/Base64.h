// Base64 for binaries written inline into page sources.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace apostila::tools {

std::string base64Encode(const std::vector<std::uint8_t>& bytes);
std::optional<std::vector<std::uint8_t>> base64Decode(std::string_view text);  // nullopt if malformed

}  // namespace apostila::tools
