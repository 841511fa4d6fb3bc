// Reads a compiled definition with the program's own reader, as the program will at start-up,
// so that compile refuses what the program would refuse. The page's class, when the source
// names one, gives the members and handlers; its members are checked but not bound, since no
// page object of that class exists in the tool.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "PageSource.h"
#include "ui/PageClass.h"

namespace apostila::tools {

struct ReadBackFailure {
  std::string message;  // the reader's own message
  std::size_t offset;   // where the record or property it refused begins
};

// Without a page class, every handler the source binds is taken as present with the signature
// its event needs (the page class check is then the build's, against the program's classes).
std::optional<ReadBackFailure> readBack(std::span<const std::uint8_t> definition, const SourceElement& root,
                                        const ui::PageClassInfo* pageClass);

}  // namespace apostila::tools
