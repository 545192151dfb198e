#include "cli/ProjectTables.h"

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

Status saveVariableTables(const AppState& project, const ProjectTables& tables)
{
    return Save_Variables(project.EtherCAT_Slave_File, tables.slaveToMaster, tables.masterToSlave);
}

} // namespace cfq::cli
