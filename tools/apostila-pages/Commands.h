// The tool's commands, apart from the program entry, so that tests run them as an author does
// and see the exit status, the messages and the files left behind.
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace apostila::tools {

// Commands a build adds (render in the full tool): their usage lines, and a runner that gives
// -1 for a command it does not know.
struct ExtraCommands {
  std::string usage;
  std::function<int(const std::string& command, const std::vector<std::string>& args)> run;
};

// Runs one command line (without the program name). Returns the exit status: 0 done, 1 failed
// with a message on err, 2 a usage error.
int runTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
            const ExtraCommands& extra = {});

}  // namespace apostila::tools
