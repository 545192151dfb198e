#pragma once

#include "ethercat/Groups.h"
#include "ethercat/VariableTable.h"

#include <vector>

namespace cfq {

// Place: recomputes Position and Start Bit of every row of the table proper.
// Variables are packed byte after byte without alignment; each run of enabled
// Bool rows starts at bit 0 of a fresh byte, and disabled rows take no space
// and do not interrupt a run. Returns the rows whose cells changed.
ChangedRows Calc_Position_Bit(VariableTable& table);

// Assign groups: the groups, in order, claim the enabled rows of the table
// (all 256 rows, past the end of the table as well); each row's Group becomes
// its group's name, or empty for none. A group without a name, or with a
// number of variables below 1, claims nothing, as in the device image's group
// table. Returns the rows whose Group changed.
ChangedRows Show_Group(VariableTable& table, const std::vector<TGroup>& groups);

} // namespace cfq
