// Builds property descriptions from member functions, so that each class lists its published
// properties as one table of one-liners: intProp<&Control::setLeft>("Left").
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <type_traits>

#include "ui/Events.h"
#include "ui/Persistent.h"
#include "ui/TypeInfo.h"

namespace apostila::ui::props {

template <auto M>
struct Setter;

template <class T, class V, void (T::*M)(V)>
struct Setter<M> {
  using Value = std::remove_cvref_t<V>;
  static T& self(Persistent& p) { return static_cast<T&>(p); }

  static void integer(Persistent& p, std::int64_t v) { (self(p).*M)(static_cast<Value>(v)); }
  static void floating(Persistent& p, double v) { (self(p).*M)(static_cast<Value>(v)); }
  static void string(Persistent& p, const std::string& v) { (self(p).*M)(v); }
  static bool reference(Persistent& p, Component* c) {
    auto* v = dynamic_cast<Value>(c);
    if (c && !v) return false;
    (self(p).*M)(v);
    return true;
  }
  static void event(Persistent& p, Component& page, const HandlerFn& fn) {
    Component* pg = &page;
    if constexpr (std::is_same_v<Value, NotifyEvent>) {
      auto f = std::get<NotifyHandler>(fn);
      (self(p).*M)([pg, f](Component* s) { f(*pg, s); });
    } else if constexpr (std::is_same_v<Value, CloseEvent>) {
      auto f = std::get<CloseHandler>(fn);
      (self(p).*M)([pg, f](Component* s, CloseAction& a) { f(*pg, s, a); });
    } else {
      static_assert(std::is_same_v<Value, CloseQueryEvent>);
      auto f = std::get<CloseQueryHandler>(fn);
      (self(p).*M)([pg, f](Component* s, bool& c) { f(*pg, s, c); });
    }
  }
};

template <auto G>
struct Getter;

template <class T, class R, R& (T::*G)()>
struct Getter<G> {
  static Persistent* object(Persistent& p) { return &(static_cast<T&>(p).*G)(); }
};

// A class's property table as the build sorts it: by the hash of each name, so that
// TypeInfo::findProperty can search it by halves. Every table a TypeInfo lists goes through here.
template <std::size_t N>
consteval std::array<PropInfo, N> byName(const PropInfo (&rows)[N]) {
  std::array<PropInfo, N> table{};
  for (std::size_t i = 0; i < N; ++i) {
    table[i] = rows[i];
    table[i].hash = nameHash(rows[i].name);
  }
  std::sort(table.begin(), table.end(), [](const PropInfo& a, const PropInfo& b) { return a.hash < b.hash; });
  return table;
}

template <auto M>
constexpr PropInfo intProp(std::string_view name, const IdentTable* idents = nullptr) {
  PropInfo p{name, PropKind::Integer};
  p.idents = idents;
  p.setInteger = &Setter<M>::integer;
  return p;
}

// A read-only integer: listed so that a definition setting it gets a clear refusal.
constexpr PropInfo readOnlyIntProp(std::string_view name) { return PropInfo{name, PropKind::Integer}; }

template <auto M>
constexpr PropInfo enumProp(std::string_view name, const EnumType& type) {
  PropInfo p{name, PropKind::Enum};
  p.enumType = &type;
  p.setInteger = &Setter<M>::integer;
  return p;
}

template <auto M>
constexpr PropInfo boolProp(std::string_view name) {
  return enumProp<M>(name, kBooleanType);
}

template <auto M>
constexpr PropInfo setProp(std::string_view name, const EnumType& members) {
  PropInfo p{name, PropKind::Set};
  p.enumType = &members;
  p.setInteger = &Setter<M>::integer;
  return p;
}

template <auto M>
constexpr PropInfo stringProp(std::string_view name) {
  PropInfo p{name, PropKind::String};
  p.setString = &Setter<M>::string;
  return p;
}

template <auto G>
constexpr PropInfo objectProp(std::string_view name, const TypeInfo& type) {
  PropInfo p{name, PropKind::Object};
  p.object = &Getter<G>::object;
  p.objectType = &type;
  return p;
}

template <auto M>
constexpr PropInfo referenceProp(std::string_view name) {
  PropInfo p{name, PropKind::Reference};
  p.setReference = &Setter<M>::reference;
  return p;
}

template <auto M>
constexpr PropInfo eventProp(std::string_view name, EventSignature sig = EventSignature::Notify) {
  PropInfo p{name, PropKind::Event};
  p.signature = sig;
  p.setEvent = &Setter<M>::event;
  return p;
}

}  // namespace apostila::ui::props
