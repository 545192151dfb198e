#include "ethercat/VariableTable.h"

#include <algorithm>

namespace cfq {

bool endsTable(std::string_view type)
{
    return std::all_of(type.begin(), type.end(),
                       [](char c) { return static_cast<unsigned char>(c) <= 0x20; });
}

int tableLength(const VariableTable& table)
{
    for (int index = 0; index < kVariableRows; ++index) {
        if (endsTable(table.cell(index, VarField::Type)))
            return index;
    }
    return kVariableRows;
}

} // namespace cfq
