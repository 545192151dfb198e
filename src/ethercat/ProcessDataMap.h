#pragma once

#include "ethercat/Groups.h"
#include "ethercat/VariableTable.h"

#include <cstdint>
#include <string>
#include <vector>

namespace cfq {

// One enabled variable of a direction and the part of the process-data image
// it takes, as its Position and Start Bit cells tell.
struct MappedVariable
{
    int index; // table row index; grid row index + 1
    std::string name;
    std::string type;
    std::string group; // empty: no group
    int groupOrder;    // place of the group among the direction's groups; -1 for none
    std::int64_t position;
    int startBit;
    bool bit;           // a Bool: takes bit startBit of byte position
    std::int64_t bytes; // whole bytes from position on; 0 for a Bool
};

// The process-data image of one direction: which variable holds each bit.
class ProcessDataMap
{
public:
    ProcessDataMap() = default;
    // variables in any order; they are kept sorted by position.
    explicit ProcessDataMap(std::vector<MappedVariable> variables);

    // Sorted by position, table order among equal positions.
    const std::vector<MappedVariable>& variables() const { return m_variables; }
    // Bytes from 0 to the last byte any variable takes.
    std::int64_t byteCount() const { return m_byteCount; }
    // The variable holding bit `bit` (0 to 7) of the byte, or nullptr when
    // the bit is unused.
    const MappedVariable* at(std::int64_t byte, int bit) const;

private:
    std::vector<MappedVariable> m_variables;
    std::int64_t m_byteCount = 0;
};

// The map of the table proper: every enabled row with its Position and Start
// Bit cells, sized as placement sizes it (a Bool one bit, a String its Length
// plus the zero byte, a type outside the list its Length). groupOrder follows
// the order of `groups`, then the order in which other group names occur.
ProcessDataMap mapProcessData(const VariableTable& table, const std::vector<TGroup>& groups);

} // namespace cfq
