#include "ethercat/VariableTable.h"

namespace cfq {

int tableLength(const VariableTable& table)
{
    for (int index = 0; index < kVariableRows; ++index) {
        if (endsTable(table.cell(index, VarField::Type)))
            return index;
    }
    return kVariableRows;
}

} // namespace cfq
