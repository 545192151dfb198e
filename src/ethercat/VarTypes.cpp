#include "ethercat/VarTypes.h"

namespace cfq {

const VarType* findVarType(std::string_view name)
{
    for (const VarType& type : kVarTypes) {
        if (type.name == name)
            return &type;
    }
    return nullptr;
}

std::int64_t byteSize(const VarType* type, std::int64_t length)
{
    if (!type)
        return length;
    switch (type->size) {
    case VarSize::Fixed:
        return type->bytes;
    case VarSize::LengthAndZero:
        return length + 1;
    case VarSize::Length:
        return length;
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
