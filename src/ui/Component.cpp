// Ownership and names.
#include "ui/Component.h"

#include <algorithm>

namespace apostila::ui {

const TypeInfo Component::kType{"TComponent", nullptr, {}, false, nullptr};

Component::Component(Component* owner) : owner_(owner) {
  if (owner_) owner_->components_.push_back(this);
}

Component::~Component() {
  while (!components_.empty()) {
    Component* last = components_.back();
    components_.pop_back();
    last->owner_ = nullptr;
    delete last;
  }
  if (owner_) {
    auto& siblings = owner_->components_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
}

const TypeInfo& Component::typeInfo() const { return kType; }

Component* Component::findComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (Component* c : components_)
    if (sameName(c->name(), name)) return c;
  return nullptr;
}

}  // namespace apostila::ui
