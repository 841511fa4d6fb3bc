// One file carried inside the program image (page definitions, fonts), as laid out by the
// generated assembler name tables. The bytes live as long as the program.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace apostila {

struct EmbeddedBlob {
  const char* name;
  const std::uint8_t* data;
  std::size_t size;

  std::span<const std::uint8_t> bytes() const { return {data, size}; }
  std::string_view id() const { return name; }
};

}  // namespace apostila
