// The tool's hooks: the page classes that compile checks sources against (the program's own, in
// both copies of the tool), and commands that only the full tool knows, because they need the
// window layer and the embedded definitions (render).
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
