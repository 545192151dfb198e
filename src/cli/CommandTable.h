#pragma once

#include "cli/CliCommand.h"

#include <span>

namespace cfq::cli {

// Every command of the tool, in the order the help lists them.
std::span<const CliCommand> commandTable();

// The commands, each defined in its own file.
const CliCommand& compileCommand();
const CliCommand& esiCommand();
const CliCommand& placeCommand();
const CliCommand& checkCommand();
const CliCommand& dumpCommand();
const CliCommand& exportCsvCommand();
const CliCommand& importCsvCommand();

} // namespace cfq::cli
