#pragma once

#include "app/AppState.h"
#include "cli/CliCommand.h"
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

// The table of one direction: Slave To Master when slaveToMaster is true.
inline MemoryVariableTable& tableOf(ProjectTables& tables, bool slaveToMaster)
{
    return slaveToMaster ? tables.slaveToMaster : tables.masterToSlave;
}

// Fails naming the document and the parser's message when one is not
// well-formed.
Status loadProjectTables(const AppState& project, ProjectTables& tables);

// The project folder named on the command line, open, with its tables.
struct OpenedProject
{
    AppState state;
    ProjectTables tables;
};

// Opens the folder as openProjectArgument does and loads its tables; fails
// with the error of either.
Status openProjectTables(const std::string& folder, const TextTable& texts, OpenedProject& opened);

// Saves both variable tables to the project's variable document, as the
// variable editor's OK does, and prints the document's path.
ExitCode saveVariableTables(const OpenedProject& opened, CliIo& io);

} // namespace cfq::cli
