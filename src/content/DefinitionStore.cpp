// Lookup of embedded definitions.
#include "content/DefinitionStore.h"

#include <string>
#include <vector>

#include "content/DefinitionReader.h"
#include "content/ReadError.h"

extern "C" {
// Provided by the generated name table when the program embeds definitions.
extern const apostila::EmbeddedBlob apostila_definitions[] __attribute__((weak));
extern const std::size_t apostila_definitions_count __attribute__((weak));
}

namespace apostila::content {

const DefinitionStore& DefinitionStore::embedded() {
  static const DefinitionStore store(
      &apostila_definitions_count ? std::span<const EmbeddedBlob>(apostila_definitions, apostila_definitions_count)
                                  : std::span<const EmbeddedBlob>());
  return store;
}

std::optional<std::span<const std::uint8_t>> DefinitionStore::find(std::string_view className) const {
  for (const EmbeddedBlob& b : blobs_)
    if (ui::sameName(b.id(), className)) return b.bytes();
  return std::nullopt;
}

void DefinitionStore::loadPage(ui::Form& page) const {
  std::vector<const ui::PageClassInfo*> chain;
  for (const ui::PageClassInfo* c = &page.pageClass(); c && c != &ui::Form::kPageClass; c = c->parent)
    chain.push_back(c);
  bool any = false;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    if (auto data = find((*it)->className)) {
      readDefinition(*data, page);
      any = true;
    }
  }
  if (!any) throw ReadError(msg::resourceNotFound(std::string(page.pageClass().className)));
}

}  // namespace apostila::content
