#pragma once

#include "ethercat/VariableTable.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace cfq {

// How much of the direction's process-data image a variable of a type takes.
enum class VarSize
{
    Bit,           // one bit of a byte shared by a run of Bool variables
    Fixed,         // VarType::bytes
    Length,        // the Length cell, in bytes
    LengthAndZero, // the Length cell plus the terminating zero byte
};

// The code of a type in the device image's variable table (its Data_Type).
enum class TypeCode : std::uint8_t
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

// One entry of the variable type list, the items of the Type drop-down.
struct VarType
{
    std::string_view name;
    std::string_view lengthText; // the Length cell set when the type is chosen
    bool lengthEditable;
    VarSize size;
    // The size a fixed-size type records in the device image (1 for a Bool);
    // 0 for the types whose Length gives it.
    int bytes;
    TypeCode code;
};

inline constexpr std::string_view kArrayType = "Array";
inline constexpr std::string_view kStringType = "String";

// The type list in the order the editor offers it.
inline constexpr std::array<VarType, 10> kVarTypes = {{
    {"Bool", "1", false, VarSize::Bit, 1, TypeCode::Bool},
    {"Int8", "1", false, VarSize::Fixed, 1, TypeCode::Int8},
    {"Int16", "2", false, VarSize::Fixed, 2, TypeCode::Int16},
    {"Int32", "4", false, VarSize::Fixed, 4, TypeCode::Int32},
    {"UInt8", "1", false, VarSize::Fixed, 1, TypeCode::UInt8},
    {"UInt16", "2", false, VarSize::Fixed, 2, TypeCode::UInt16},
    {"UInt32", "4", false, VarSize::Fixed, 4, TypeCode::UInt32},
    {"Float32", "4", false, VarSize::Fixed, 4, TypeCode::Float32},
    {kArrayType, "10", true, VarSize::Length, 0, TypeCode::Array},
    {kStringType, "10", true, VarSize::LengthAndZero, 0, TypeCode::String},
}};

// Longest Array or String, in bytes of content.
inline constexpr int kMaxVarLength = 255;

// The entry whose name is exactly this text; nullptr for any other text.
const VarType* findVarType(std::string_view name);

// Whole bytes of the image taken by a variable (0 for a Bool, which takes a
// bit). A type outside the list takes Length bytes, as an Array does. length
// is the Length cell read as a whole number (0 when it is no number); a
// negative one counts as 0.
std::int64_t byteSize(const VarType* type, std::int64_t length);

// Sets the row's Length cell and its editability from the type name; a name
// outside the type list changes nothing.
void VarSetLength(VariableTable& table, int index, std::string_view typeName);

// Sets only the editability of the Length cell from the type name (a pasted
// row keeps its Length); a name outside the type list changes nothing.
void setLengthEditability(VariableTable& table, int index, std::string_view typeName);

} // namespace cfq
