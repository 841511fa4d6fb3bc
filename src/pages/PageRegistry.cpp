// The registry's entries and the creation of the pages, in the course's fixed order.
#include "pages/PageRegistry.h"

#include <array>

#include "ui/Application.h"

namespace apostila::app {

#define APOSTILA_REGISTRY_ENTRY(id) pages::T##id* id = nullptr;
APOSTILA_PAGE_LIST(APOSTILA_REGISTRY_ENTRY)
#undef APOSTILA_REGISTRY_ENTRY

namespace {

// What the registry does with one entry, whatever the page's class.
struct Slot {
  const ui::PageClassInfo* pageClass;
  ui::Form* (*get)();
  void (*create)(ui::Application& application);
  void (*clear)();
};

template <class T, T** Entry>
constexpr Slot slot() {
  return Slot{&T::kClass, []() -> ui::Form* { return *Entry; },
              [](ui::Application& application) { application.createForm(*Entry); }, [] { *Entry = nullptr; }};
}

#define APOSTILA_REGISTRY_SLOT(id) slot<pages::T##id, &id>(),
constinit const std::array<Slot, kPageCount> kSlots = {APOSTILA_PAGE_LIST(APOSTILA_REGISTRY_SLOT)};
#undef APOSTILA_REGISTRY_SLOT

}  // namespace

ui::Form* page(int order) {
  if (order < 0 || order >= kPageCount) return nullptr;
  return kSlots[static_cast<std::size_t>(order)].get();
}

void createPages(ui::Application& application) {
  for (const Slot& s : kSlots) s.create(application);
}

bool startPages(ui::Application& application, const std::function<void(int order)>& between) {
  application.beginStartup();
  kSlots[0].create(application);
  application.showMainForm();
  for (int order = 1; order <= kPageCount; ++order) {
    if (between) between(order);
    application.handleStartupEvents();
    if (application.terminating()) break;
    if (order < kPageCount) kSlots[static_cast<std::size_t>(order)].create(application);
  }
  application.endStartup();
  return !application.terminating();
}

void clearRegistry() {
  for (const Slot& s : kSlots) s.clear();
}

const ui::PageClassInfo* pageClassNamed(std::string_view className) {
  for (const Slot& s : kSlots)
    if (ui::sameName(s.pageClass->className, className)) return s.pageClass;
  return nullptr;
}

}  // namespace apostila::app
