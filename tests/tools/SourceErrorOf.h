// The message of the source error a call throws, or "" when it throws none: the tests compare
// an author's whole message, file and line included.
#pragma once

#include <functional>
#include <string>

#include "PageSource.h"

namespace apostila::tools {

inline std::string sourceErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const SourceError& e) {
    return e.what();
  }
  return "";
}

}  // namespace apostila::tools
