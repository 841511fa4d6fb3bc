// The build-time copy of the tool: no extra commands.
#include "PageTool.h"

namespace apostila::tools {

std::string extraUsage() { return ""; }
int runExtraCommand(const std::string&, const std::vector<std::string>&) { return -1; }

}  // namespace apostila::tools
