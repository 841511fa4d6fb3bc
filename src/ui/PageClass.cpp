// Lookups in a page class's member and handler tables.
#include "ui/PageClass.h"

namespace apostila::ui {

const MemberInfo* PageClassInfo::findMember(std::string_view name) const {
  for (const PageClassInfo* c = this; c; c = c->parent)
    for (const auto& m : c->members)
      if (sameName(m.name, name)) return &m;
  return nullptr;
}

const HandlerInfo* PageClassInfo::findHandler(std::string_view name) const {
  for (const PageClassInfo* c = this; c; c = c->parent)
    for (const auto& h : c->handlers)
      if (sameName(h.name, name)) return &h;
  return nullptr;
}

const TypeInfo* PageClassInfo::findMemberKind(std::string_view kindName) const {
  for (const PageClassInfo* c = this; c; c = c->parent)
    for (const auto& m : c->members)
      if (m.kind && sameName(m.kind->className, kindName)) return m.kind;
  return nullptr;
}

const MemberInfo* PageClassInfo::firstMemberNotIn(std::span<const std::string> names) const {
  for (const PageClassInfo* c = this; c; c = c->parent)
    for (const auto& m : c->members) {
      bool present = false;
      for (const std::string& n : names) present = present || sameName(m.name, n);
      if (!present) return &m;
    }
  return nullptr;
}

}  // namespace apostila::ui
