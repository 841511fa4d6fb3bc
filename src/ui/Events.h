// Event slots of pages and elements. A binding read from a definition calls a handler of the
// page class on the page object; code may also bind any callable.
#pragma once

#include <functional>

#include "ui/TypeInfo.h"

namespace apostila::ui {

using NotifyEvent = std::function<void(Component* sender)>;
using CloseEvent = std::function<void(Component* sender, CloseAction& action)>;
using CloseQueryEvent = std::function<void(Component* sender, bool& canClose)>;

}  // namespace apostila::ui
