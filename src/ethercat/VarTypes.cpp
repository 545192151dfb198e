#include "ethercat/VarTypes.h"

#include <algorithm>

namespace cfq {

const VarType* findVarType(std::string_view name)
{
    for (const VarType& type : kVarTypes) {
        if (sameText(type.name, name))
            return &type;
    }
    return nullptr;
}

std::int64_t byteSize(const VarType* type, std::int64_t length)
{
    // A negative Length (only a hand-edited document holds one) takes no
    // space rather than moving the next variable back over earlier ones.
    const std::int64_t bytes = std::max<std::int64_t>(length, 0);
    if (!type)
        return bytes;
    switch (type->size) {
    case VarSize::Fixed:
        return type->bytes;
    case VarSize::LengthAndZero:
        return bytes + 1;
    case VarSize::Length:
        return bytes;
    case VarSize::Bit:
        break;
    }
    return 0;
}

void VarSetLength(VariableTable& table, int index, std::string_view typeName)
{
    if (const VarType* type = findVarType(typeName)) {
        table.setCell(index, VarField::Length, type->lengthText);
        table.setLengthEditable(index, type->lengthEditable);
    }
}

void setLengthEditability(VariableTable& table, int index, std::string_view typeName)
{
    if (const VarType* type = findVarType(typeName))
        table.setLengthEditable(index, type->lengthEditable);
}

} // namespace cfq
