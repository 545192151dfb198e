#include "outputs/DeviceTypes.h"

#include <array>
#include <utility>

namespace cfq::outputs {
namespace {

struct TypeRow
{
    std::string_view name;
    DataType type;
    std::uint8_t size;
};

constexpr std::array<TypeRow, 10> kTypes = {{{"Bool", DataType::Bool, 1},
                                             {"Int8", DataType::Int8, 1},
                                             {"Int16", DataType::Int16, 2},
                                             {"Int32", DataType::Int32, 4},
                                             {"UInt8", DataType::UInt8, 1},
                                             {"UInt16", DataType::UInt16, 2},
                                             {"UInt32", DataType::UInt32, 4},
                                             {"Float32", DataType::Float32, 4},
                                             {"String", DataType::String, 0},
                                             {"Array", DataType::Array, 0}}};

} // namespace

DataType dataTypeOf(std::string_view typeName)
{
    for (const TypeRow& row : kTypes) {
        if (row.name == typeName)
            return row.type;
    }
    return DataType::Unknown;
}

std::string_view typeNameOf(DataType type)
{
    for (const TypeRow& row : kTypes) {
        if (row.type == type)
            return row.name;
    }
    return {};
}

std::uint8_t fixedSizeOf(DataType type)
{
    for (const TypeRow& row : kTypes) {
        if (row.type == type)
            return row.size;
    }
    return 0;
}

} // namespace cfq::outputs
