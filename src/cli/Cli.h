#pragma once

#include "cli/CliCommand.h"

#include <ostream>
#include <string>
#include <vector>

namespace cfq::cli {

// Runs the tool on its arguments (without the program name): picks the
// command from the command table, answers --help, checks the number of
// arguments and returns the exit code.
int runCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

} // namespace cfq::cli
