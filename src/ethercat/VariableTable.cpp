#include "ethercat/VariableTable.h"

#include <algorithm>

namespace cfq {
namespace {

// Empty once blanks and control characters are trimmed.
bool isBlank(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) <= 0x20; });
}

} // namespace

int tableLength(const VariableTable& table)
{
    for (int index = 0; index < kVariableRows; ++index) {
        if (isBlank(table.cell(index, VarField::Type)))
            return index;
    }
    return kVariableRows;
}

bool updateCell(VariableTable& table, int index, VarField field, std::string_view text)
{
    if (table.cell(index, field) == text)
        return false;
    table.setCell(index, field, text);
    return true;
}

} // namespace cfq
