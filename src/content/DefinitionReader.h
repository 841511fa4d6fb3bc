// Reads one page definition into a page object: the page's own properties, its element tree,
// event bindings to the page class's handlers, then references, scaling, docking and the
// loaded notifications. All or nothing: on failure the elements it created are destroyed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "ui/Form.h"

namespace apostila::content {

// Elements nest at most this many levels below the page; deeper records are refused.
inline constexpr int kMaxNesting = 32;

// The definition's bytes must stay valid as long as the page: pictures are drawn from them.
// On failure, failedAt (when given) receives the offset where the refused record or property
// begins, so a tool can tell its author which line of the source it came from.
void readDefinition(std::span<const std::uint8_t> definition, ui::Form& page, std::size_t* failedAt = nullptr);

// Registers the element kinds and graphic classes with the class registry (idempotent).
void registerContentClasses();

}  // namespace apostila::content
