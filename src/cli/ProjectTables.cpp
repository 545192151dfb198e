#include "cli/ProjectTables.h"

#include "cli/ProjectArgument.h"
#include "ethercat/VariableDocument.h"

namespace cfq::cli {

Status loadProjectTables(const AppState& project, ProjectTables& tables)
{
    auto groups = loadGroupLists(project.EtherCAT_Slave_Group_File);
    if (!groups)
        return Status::failure(groups.error());
    tables.groups = std::move(groups).value();
    return Load_Variables(project.EtherCAT_Slave_File, {tables.slaveToMaster, tables.masterToSlave},
                          toGroupSnapshot(tables.groups));
}

Status openProjectTables(const std::string& folder, const TextTable& texts, OpenedProject& opened)
{
    auto state = openProjectArgument(folder, texts);
    if (!state)
        return Status::failure(state.error());
    opened.state = std::move(state).value();
    return loadProjectTables(opened.state, opened.tables);
}

ExitCode saveVariableTables(const OpenedProject& opened, CliIo& io)
{
    const ProjectTables& tables = opened.tables;
    const std::filesystem::path& document = opened.state.EtherCAT_Slave_File;
    if (const Status saved = Save_Variables(document, tables.slaveToMaster, tables.masterToSlave); !saved)
        return io.dataError(saved.error());
    io.out << document.string() << '\n';
    return kSuccess;
}

} // namespace cfq::cli
