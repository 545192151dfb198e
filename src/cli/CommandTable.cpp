#include "cli/CommandTable.h"

#include <array>

namespace cfq::cli {

std::span<const CliCommand> commandTable()
{
    static const std::array<CliCommand, 5> commands = {compileCommand(), esiCommand(), placeCommand(),
                                                       checkCommand(), dumpCommand()};
    return commands;
}

} // namespace cfq::cli
