// Thrown out of HeadlessBackend::waitEvent when the program would wait for ever: no event is
// queued, no deadline is given and the test scripted nothing more. A test then ends with a
// clear failure instead of hanging.
//
// Deliberately not a std::exception: the layer catches errors escaping handlers and shows
// them in its error box, and this must not be mistaken for such an error.
#pragma once

#include <string>

namespace apostila::platform {

struct HeadlessStall {
  std::string what;
};

}  // namespace apostila::platform
