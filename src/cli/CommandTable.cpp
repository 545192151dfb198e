#include "cli/CommandTable.h"

#include <array>

namespace cfq::cli {

std::span<const CliCommand> commandTable()
{
    static const std::array<CliCommand, 4> commands = {compileCommand(), esiCommand(), placeCommand(),
                                                       checkCommand()};
    return commands;
}

} // namespace cfq::cli
