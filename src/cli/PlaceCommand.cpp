#include "cli/CommandTable.h"
#include "cli/ProjectTables.h"

namespace cfq::cli {
namespace {

ExitCode runPlace(const std::vector<std::string>& arguments, CliIo& io)
{
    OpenedProject opened;
    if (const Status loaded = openProjectTables(arguments[0], io.texts, opened); !loaded)
        return io.dataError(loaded.error());
    return saveVariableTables(opened, io);
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
