// The yardstick for building the pages: copying the bytes of every embedded definition, the
// least any reading of them could cost.
#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

#include "content/DefinitionStore.h"

namespace apostila::bench {

class DefinitionCopy {
 public:
  DefinitionCopy() {
    std::size_t total = 0;
    for (const EmbeddedBlob& b : content::DefinitionStore::embedded().all()) total += b.size;
    target_.assign(total, 1);  // touched once, so the copy pays for no page faults of its own
  }
  // Copies every definition into the buffer; returns a byte of it, so the copy is not elided.
  std::uint8_t run() {
    std::uint8_t* to = target_.data();
    for (const EmbeddedBlob& b : content::DefinitionStore::embedded().all()) {
      std::memcpy(to, b.data, b.size);
      to += b.size;
    }
    return target_[target_.size() / 2];
  }

 private:
  std::vector<std::uint8_t> target_;
};

}  // namespace apostila::bench
