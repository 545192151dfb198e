#include "cli/CommandTable.h"
#include "cli/ProjectArgument.h"
#include "cli/ProjectTables.h"

namespace cfq::cli {
namespace {

ExitCode runPlace(const std::vector<std::string>& arguments, CliIo& io)
{
    const auto state = openProjectArgument(arguments[0], io.texts);
    if (!state)
        return io.dataError(state.error());
    const AppState& project = state.value();
    ProjectTables tables;
    if (const Status loaded = loadProjectTables(project, tables); !loaded)
        return io.dataError(loaded.error());
    if (const Status saved = saveVariableTables(project, tables); !saved)
        return io.dataError(saved.error());
    io.out << project.EtherCAT_Slave_File.string() << '\n';
    return kSuccess;
}

} // namespace

const CliCommand& placeCommand()
{
    static const CliCommand command{
        "place", "PROJECT_DIR", "Recompute positions, start bits and groups and rewrite EtherCAT_Slave.xml.",
        "Loads EtherCAT_Slave.xml and EtherCAT_Slave_Group.xml of PROJECT_DIR as the variable editor does\n"
        "when it opens, recomputing every variable's position, start bit and group, then saves the\n"
        "variable document as the editor's OK does (rows after the first one without a Type are dropped,\n"
        "as there). Prints the path of the rewritten document.",
        runPlace};
    return command;
}

} // namespace cfq::cli
