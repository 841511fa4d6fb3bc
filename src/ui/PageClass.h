// What a page class publishes about itself, in one table next to its declaration: its class
// name, its named elements (so the reader can attach them to the members) and its handlers.
// A table may have a parent table: pages of one kind share the rows they all have, and each
// page class adds only its own. The tables are constant data, declared constinit, so that no
// order of start-up can find one still empty.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "ui/TypeInfo.h"

namespace apostila::ui {

class Form;

struct MemberInfo {
  std::string_view name;
  const TypeInfo* kind;
  void (*bind)(Form& page, Component* element);  // element is of kind (or derived), or null
};

struct HandlerInfo {
  std::string_view name;
  HandlerFn fn;
};

struct PageClassInfo {
  std::string_view className;
  const PageClassInfo* parent = nullptr;
  std::span<const MemberInfo> members;
  std::span<const HandlerInfo> handlers;

  const MemberInfo* findMember(std::string_view name) const;      // walks the parents
  const HandlerInfo* findHandler(std::string_view name) const;    // walks the parents
  // The element kind a member of the class is declared with, found by its class name.
  const TypeInfo* findMemberKind(std::string_view kindName) const;
  // The first member, walking the parents, whose name is not among names; null if none is
  // missing. Handlers rely on every member being there.
  const MemberInfo* firstMemberNotIn(std::span<const std::string> names) const;
};

namespace page {

template <auto P>
struct MemberBinder;

template <class T, class E, E* T::*P>
struct MemberBinder<P> {
  using Kind = E;
  static void bind(Form& f, Component* c) { static_cast<T&>(f).*P = static_cast<E*>(c); }
};

// member<&TForm5::Label1>("Label1"): the page's member of that name, of the element's kind.
template <auto P>
constexpr MemberInfo member(std::string_view name) {
  using Binder = MemberBinder<P>;
  return MemberInfo{name, &Binder::Kind::kType, &Binder::bind};
}

template <auto M>
struct HandlerThunk;

template <class T, void (T::*M)(Component*)>
struct HandlerThunk<M> {
  static void call(Component& page, Component* s) { (static_cast<T&>(page).*M)(s); }
  static constexpr HandlerFn fn() { return NotifyHandler{&call}; }
};
template <class T, void (T::*M)(Component*, CloseAction&)>
struct HandlerThunk<M> {
  static void call(Component& page, Component* s, CloseAction& a) { (static_cast<T&>(page).*M)(s, a); }
  static constexpr HandlerFn fn() { return CloseHandler{&call}; }
};
template <class T, void (T::*M)(Component*, bool&)>
struct HandlerThunk<M> {
  static void call(Component& page, Component* s, bool& c) { (static_cast<T&>(page).*M)(s, c); }
  static constexpr HandlerFn fn() { return CloseQueryHandler{&call}; }
};

// handler<&TForm5::SpeedButton1Click>("SpeedButton1Click")
template <auto M>
constexpr HandlerInfo handler(std::string_view name) {
  return HandlerInfo{name, HandlerThunk<M>::fn()};
}

}  // namespace page
}  // namespace apostila::ui
