#include "outputs/DeviceTypes.h"

namespace cfq::outputs {
namespace {

const VarType* typeWithCode(DataType code)
{
    for (const VarType& type : kVarTypes) {
        if (type.code == code)
            return &type;
    }
    return nullptr;
}

} // namespace

DataType dataTypeOf(std::string_view typeName)
{
    const VarType* type = findVarType(typeName);
    return type ? type->code : DataType::Unknown;
}

std::string_view typeNameOf(DataType code)
{
    const VarType* type = typeWithCode(code);
    return type ? type->name : std::string_view();
}

std::uint8_t fixedSizeOf(DataType code)
{
    const VarType* type = typeWithCode(code);
    return type ? static_cast<std::uint8_t>(type->bytes) : 0;
}

} // namespace cfq::outputs
