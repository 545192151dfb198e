#include "cli/CommandTable.h"

#include <array>

namespace cfq::cli {

std::span<const CliCommand> commandTable()
{
    static const std::array<CliCommand, 2> commands = {compileCommand(), esiCommand()};
    return commands;
}

} // namespace cfq::cli
