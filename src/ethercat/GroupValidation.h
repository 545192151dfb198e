#pragma once

#include "ethercat/GroupDocument.h"
#include "ethercat/ValidationFailure.h"

#include <optional>

namespace cfq {

// The group editor's validation of both grids, Slave To Master first. In each
// grid the rows before the first one whose name, trimmed, is empty (at most
// 16) must have a Num Variables of 1 to 256, and their sum must not pass 256.
// Returns the first failure, nothing when both grids pass.
std::optional<ValidationFailure> Controllo_dati(const GroupLists& lists);

} // namespace cfq
