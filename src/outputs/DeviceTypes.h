#pragma once

#include "ethercat/VarTypes.h"

#include <cstdint>
#include <string_view>

// The variable type list as the device image sees it: type codes and sizes.
namespace cfq::outputs {

// Type codes of the process-data image (Data_Type of a table entry).
using DataType = TypeCode;

// The type code of a variable's Type text, compared exactly (case included);
// Unknown for any other text.
DataType dataTypeOf(std::string_view typeName);

// The Type text of a type code; empty for Unknown.
std::string_view typeNameOf(DataType type);

// Size in bytes of a fixed-size type; 0 for String, Array and Unknown, whose
// size is the variable's Length.
std::uint8_t fixedSizeOf(DataType type);

} // namespace cfq::outputs
