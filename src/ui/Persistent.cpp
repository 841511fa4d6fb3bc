// Default for objects without defined properties.
#include "ui/Persistent.h"

namespace apostila::ui {

bool Persistent::readDefined(std::string_view, DefinedValue&) { return false; }

}  // namespace apostila::ui
