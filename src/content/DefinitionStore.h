// The page definitions carried by the program, found by page class name without regard to case.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "ui/EmbeddedBlob.h"
#include "ui/Form.h"

namespace apostila::content {

class DefinitionStore {
 public:
  explicit DefinitionStore(std::span<const EmbeddedBlob> blobs) : blobs_(blobs) {}

  // The definitions linked into this program (none in programs built without them).
  static const DefinitionStore& embedded();

  std::optional<std::span<const std::uint8_t>> find(std::string_view className) const;
  std::span<const EmbeddedBlob> all() const { return blobs_; }

  // Reads every definition along the page's class chain, base classes first, below the generic
  // page window. Throws "Resource <class> not found" when the chain has none.
  void loadPage(ui::Form& page) const;

 private:
  std::span<const EmbeddedBlob> blobs_;
};

}  // namespace apostila::content
