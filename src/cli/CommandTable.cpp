#include "cli/CommandTable.h"

#include <array>

namespace cfq::cli {

std::span<const CliCommand> commandTable()
{
    static const std::array<CliCommand, 7> commands = {compileCommand(),   esiCommand(),       placeCommand(),
                                                       checkCommand(),     dumpCommand(),      exportCsvCommand(),
                                                       importCsvCommand()};
    return commands;
}

} // namespace cfq::cli
