#include "cli/CommandTable.h"
#include "cli/ProjectArgument.h"
#include "outputs/EsiFile.h"

namespace cfq::cli {
namespace {

ExitCode runEsi(const std::vector<std::string>& arguments, CliIo& io)
{
    const auto state = openProjectArgument(arguments[0], io.texts);
    if (!state)
        return io.dataError(state.error());
    if (const Status written = outputs::Generate_ESI(outputs::projectDocuments(state.value()), arguments[1]);
        !written)
        return io.dataError(written.error());
    io.out << arguments[1] << '\n';
    return kSuccess;
}

} // namespace

const CliCommand& esiCommand()
{
    static const CliCommand command{
        "esi", "PROJECT_DIR OUT.xml", "Write the EtherCAT ESI file of a project.",
        "Generates the EtherCAT slave description (EtherCATInfo) from ParGen.xml and EtherCAT_Slave.xml\n"
        "of PROJECT_DIR, exactly as step 4 of the configurator does, and writes it to OUT.xml. An\n"
        "existing OUT.xml is overwritten without asking. Nothing is written when a document is not\n"
        "well-formed. Prints the path of the file.",
        runEsi};
    return command;
}

} // namespace cfq::cli
