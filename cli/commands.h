#pragma once
// The command-line tool over the engine; main() only converts the arguments.

#include <iosfwd>
#include <string>
#include <vector>

namespace cli {

enum ExitCode { kSuccess = 0, kNoIcons = 1, kUsage = 2 };

// Runs one command line (the program name excluded), printing to out and err.
int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace cli
