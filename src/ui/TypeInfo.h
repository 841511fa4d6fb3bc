// Run-time descriptions of the classes whose objects a page definition can build and set:
// their names, their published properties with types and accessors, and the registry of
// classes known by name. The definition reader and the authoring tool both work from these
// tables, so a property is described once.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace apostila::ui {

class Persistent;
class Component;

// ASCII case-insensitive comparison, as every lookup by name uses.
bool sameName(std::string_view a, std::string_view b);

// A hash of a name that ignores ASCII case, the same at compile time and at run time: property
// tables are sorted by it when the program is built, so that reading a definition finds each
// property by a binary search instead of comparing the name with every row.
constexpr std::uint32_t nameHash(std::string_view name) {
  std::uint32_t h = 2166136261u;
  for (char c : name) {
    h ^= static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    h *= 16777619u;
  }
  return h;
}

// A table from identifiers to integer values (colours, character sets, cursors).
struct IdentEntry {
  std::string_view name;
  std::int32_t value;
};
struct IdentTable {
  std::span<const IdentEntry> entries;
  const IdentEntry* findName(std::string_view name) const;  // case-insensitive
  const IdentEntry* findValue(std::int32_t value) const;
};

// An enumeration's member names in ordinal order; also the member type of a set.
struct EnumType {
  std::string_view name;
  std::span<const std::string_view> members;
  int find(std::string_view member) const;  // ordinal, or -1; case-insensitive
};

enum class PropKind { Integer, Char, Enum, Float, String, Set, Object, Reference, Event, Int64 };

// Which handler signature an event property takes.
enum class EventSignature { Notify, Close, CloseQuery };

enum class CloseAction { caNone = 0, caHide = 1, caFree = 2, caMinimize = 3 };

using NotifyHandler = void (*)(Component& page, Component* sender);
using CloseHandler = void (*)(Component& page, Component* sender, CloseAction& action);
using CloseQueryHandler = void (*)(Component& page, Component* sender, bool& canClose);
using HandlerFn = std::variant<NotifyHandler, CloseHandler, CloseQueryHandler>;

struct PropInfo {
  std::string_view name;
  PropKind kind;
  const IdentTable* idents = nullptr;  // Integer properties whose values have names
  const EnumType* enumType = nullptr;  // Enum (incl. booleans) and Set
  EventSignature signature = EventSignature::Notify;

  // Setters are null for read-only properties. Enum values are ordinals, sets bit masks.
  void (*setInteger)(Persistent&, std::int64_t) = nullptr;
  void (*setFloat)(Persistent&, double) = nullptr;
  void (*setString)(Persistent&, const std::string&) = nullptr;
  Persistent* (*object)(Persistent&) = nullptr;          // Object: the sub-object itself
  const struct TypeInfo* objectType = nullptr;            // Object: the sub-object's class
  bool (*setReference)(Persistent&, Component*) = nullptr;  // Reference: false if of the wrong kind
  void (*setEvent)(Persistent&, Component& page, const HandlerFn&) = nullptr;
  std::uint32_t hash = 0;  // nameHash(name), filled in by props::byName

  bool writable() const;
};

// Values an object stores for itself rather than as published properties; declared so that
// authoring tools can write them. The object's readDefined() reads them.
enum class DefinedKind { Integer, Boolean, Bitmap, Picture };
struct DefinedProp {
  std::string_view name;
  DefinedKind kind;
};

struct TypeInfo {
  std::string_view className;
  const TypeInfo* parent = nullptr;
  std::span<const PropInfo> props;  // made by props::byName: sorted by hash
  bool isComponent = false;
  // Creates a new element owned by owner (components only; null for abstract kinds).
  Component* (*create)(Component& owner) = nullptr;
  std::span<const DefinedProp> defined = {};

  const DefinedProp* findDefined(std::string_view name) const;  // walks the parents

  const PropInfo* findProperty(std::string_view name) const;  // walks the parents
  bool inheritsFrom(const TypeInfo& other) const;
};

// The global registry of classes known by name (element kinds and graphic classes).
void registerClass(const TypeInfo& type);
const TypeInfo* findRegisteredClass(std::string_view className);  // case-insensitive

// The standard enumerations and identifier tables.
extern const EnumType kBooleanType;
extern const IdentTable kColorIdents;
extern const IdentTable kCharsetIdents;
extern const IdentTable kCursorIdents;

}  // namespace apostila::ui
