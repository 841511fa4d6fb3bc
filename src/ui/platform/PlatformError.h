// The one error type of the backends. A failure of the native window system (no display, a
// window that cannot be created) and a misuse of the interface (an unknown window id) both
// arrive as a PlatformError whose message is one line fit for stderr.
#pragma once

#include <stdexcept>
#include <string>

namespace apostila::platform {

class PlatformError : public std::runtime_error {
 public:
  explicit PlatformError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace apostila::platform
