// Reads one page definition into a page object: the page's own properties, its element tree,
// event bindings to the page class's handlers, then references, scaling, docking and the
// loaded notifications. All or nothing: on failure the elements it created are destroyed.
#pragma once

#include <cstdint>
#include <span>

#include "ui/Form.h"

namespace apostila::content {

// The definition's bytes must stay valid as long as the page: pictures are drawn from them.
void readDefinition(std::span<const std::uint8_t> definition, ui::Form& page);

// Registers the element kinds and graphic classes with the class registry (idempotent).
void registerContentClasses();

}  // namespace apostila::content
