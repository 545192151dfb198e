#pragma once

#include "app/AppState.h"
#include "ethercat/GroupDocument.h"
#include "ethercat/MemoryVariableTable.h"
#include "platform/Result.h"

namespace cfq::cli {

// The group lists and both variable tables of a project, read as the
// variable editor reads them when it opens: groups first, then the variable
// document, then group assignment and placement.
struct ProjectTables
{
    GroupLists groups;
    MemoryVariableTable slaveToMaster;
    MemoryVariableTable masterToSlave;
};

// Fails naming the document and the parser's message when one is not
// well-formed.
Status loadProjectTables(const AppState& project, ProjectTables& tables);

// Saves both variable tables to the project's variable document, as the
// variable editor's OK does.
Status saveVariableTables(const AppState& project, const ProjectTables& tables);

} // namespace cfq::cli
