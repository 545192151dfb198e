#pragma once

#include "ethercat/MemoryVariableTable.h"

#include <string>
#include <string_view>
#include <vector>

namespace cfq::test {

// Builds a table from short row notes: "Type" or "Type:Length", with a
// leading "-" for a disabled row. A note without a Length takes the type's
// own Length cell.
MemoryVariableTable tableOf(const std::vector<std::string_view>& rows);

// "Position/StartBit" of the first count rows.
std::vector<std::string> placesOf(const VariableTable& table, int count);

// The Group cells of the first count rows.
std::vector<std::string> groupsOf(const VariableTable& table, int count);

} // namespace cfq::test
