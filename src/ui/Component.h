// A named object owned by another. The owner destroys what it owns, last created first, and a
// component destroyed on its own leaves its owner's list.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/Persistent.h"

namespace apostila::ui {

class Component : public Persistent {
 public:
  explicit Component(Component* owner = nullptr);
  ~Component() override;
  Component(const Component&) = delete;
  Component& operator=(const Component&) = delete;

  const TypeInfo& typeInfo() const override;
  static const TypeInfo kType;

  const std::string& name() const { return name_; }
  void setName(std::string name) { name_ = std::move(name); }
  Component* owner() const { return owner_; }
  const std::vector<Component*>& components() const { return components_; }
  Component* findComponent(std::string_view name) const;  // case-insensitive

  // True while a definition is being read into this object (or into its owner).
  bool loading() const { return loading_; }
  void setLoading(bool on) { loading_ = on; }
  // Told once the whole definition has been read, references resolved and the page scaled.
  virtual void loaded() { loading_ = false; }

 private:
  std::string name_;
  Component* owner_ = nullptr;
  std::vector<Component*> components_;
  bool loading_ = false;
};

}  // namespace apostila::ui
