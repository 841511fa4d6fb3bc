// Base of every object a page definition can set properties on: elements, fonts, graphics.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "ui/TypeInfo.h"

namespace apostila::ui {

// What a defined (unpublished, self-stored) property may ask of the stream for its value.
class DefinedValue {
 public:
  virtual ~DefinedValue() = default;
  virtual std::int32_t integer() = 0;               // an integer code
  virtual bool boolean() = 0;                       // codes 8 or 9
  virtual std::span<const std::uint8_t> binary() = 0;  // code 10; the bytes stay valid for the run
};

class Persistent {
 public:
  virtual ~Persistent() = default;
  virtual const TypeInfo& typeInfo() const = 0;

  // A defined property the object stores for itself. Returns false when it has none of that
  // name (case-insensitive); otherwise consumes the value and returns true.
  virtual bool readDefined(std::string_view name, DefinedValue& value);
};

}  // namespace apostila::ui
