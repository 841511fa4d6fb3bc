// Hooks that differ between the build-time copy of the tool and the full one: the page classes
// that compile checks handlers against, and commands that need the window layer (render).
#pragma once

#include <string>
#include <vector>

#include "Compiler.h"

namespace apostila::tools {

PageClassResolver pageClassResolver();
std::string extraUsage();
// Runs a command this build knows beyond the basic ones; -1 when it knows none of that name.
int runExtraCommand(const std::string& command, const std::vector<std::string>& args);

}  // namespace apostila::tools
