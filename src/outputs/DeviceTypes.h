#pragma once

#include <cstdint>
#include <string_view>

namespace cfq::outputs {

// Type codes of the process-data image (Data_Type of a table entry).
enum class DataType : std::uint8_t
{
    Unknown = 0,
    Bool = 1,
    Int8 = 2,
    Int16 = 3,
    Int32 = 4,
    UInt8 = 5,
    UInt16 = 6,
    UInt32 = 7,
    Float32 = 8,
    String = 9,
    Array = 10
};

// The type code of a variable's Type text, compared exactly (case included);
// Unknown for any other text.
DataType dataTypeOf(std::string_view typeName);

// The Type text of a type code; empty for Unknown.
std::string_view typeNameOf(DataType type);

// Size in bytes of a fixed-size type; 0 for String, Array and Unknown, whose
// size is the variable's Length.
std::uint8_t fixedSizeOf(DataType type);

} // namespace cfq::outputs
