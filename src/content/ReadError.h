// The one error type of the definition and bitmap readers. Its message is exactly the text
// that the reader reports, so callers and tests compare what() directly.
#pragma once

#include <stdexcept>
#include <string>

namespace apostila::content {

class ReadError : public std::runtime_error {
 public:
  explicit ReadError(const std::string& message) : std::runtime_error(message) {}
};

// The messages the readers give. Placeholders are filled by the helpers below.
namespace msg {
inline constexpr const char* kStreamRead = "Stream read error";
inline constexpr const char* kInvalidStreamFormat = "Invalid stream format";
inline constexpr const char* kInvalidPropertyPath = "Invalid property path";
inline constexpr const char* kInvalidPropertyValue = "Invalid property value";
inline constexpr const char* kReadOnly = "Property is read-only";
inline constexpr const char* kInvalidBitmap = "Bitmap image is not valid";

inline std::string resourceNotFound(const std::string& name) { return "Resource " + name + " not found"; }
inline std::string classNotFound(const std::string& name) { return "Class " + name + " not found"; }
inline std::string ancestorNotFound(const std::string& name) {
  return "Ancestor for '" + name + "' not found";
}
inline std::string propertyMissing(const std::string& name) { return "Property " + name + " does not exist"; }
// Refusals a definition could otherwise turn into a dangling or mistyped page member.
inline std::string duplicateName(const std::string& name) {
  return "A component named " + name + " already exists";
}
inline std::string wrongKind(const std::string& name, const std::string& kind) {
  return "Element " + name + " is not a " + kind;
}
inline std::string notAContainer(const std::string& name) { return "Element " + name + " cannot hold elements"; }
inline std::string errorReading(const std::string& element, const std::string& path, const std::string& inner) {
  return "Error reading " + element + "." + path + ": " + inner;
}
}  // namespace msg

}  // namespace apostila::content
