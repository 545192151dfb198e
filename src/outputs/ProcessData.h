#pragma once

#include "outputs/Bytes.h"
#include "outputs/ParameterImage.h"
#include "outputs/ProjectDocuments.h"

#include <pugixml.hpp>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The process-data image bank2.bin in memory: the slave header, one table
// entry per enabled variable of each direction, the group table, with every
// address already assigned.
namespace cfq::outputs {

inline constexpr std::uint32_t kNoGroup = 0xFFFFFFFF;

// One entry of a direction's table.
struct TEtherCAT_pd
{
    std::uint8_t Data_Type = 0;
    std::uint8_t length = 0;
    std::uint8_t access = 0;
    std::uint8_t bit_address = 0;
    std::uint32_t position = 0;
    std::uint32_t subindex = 0;
    std::uint32_t entry_index = 0;
    std::uint32_t group_index = kNoGroup;
    // Address of the initial value; 0 for none.
    std::uint32_t init_value_Add = 0;
    // The converted initial value, exactly `length` bytes when there is one.
    Bytes init_value;
    std::string name;
    std::uint32_t name_length = 0;
    std::uint32_t name_add = 0;
};

// The named groups of both directions with the addresses of their names.
struct TEtherCAT_Group
{
    std::vector<std::uint32_t> group_In_Add;
    std::vector<std::uint32_t> group_Out_Add;
    std::vector<std::string> group_In_Str;
    std::vector<std::string> group_Out_Str;
};

struct ProcessData
{
    SlaveHeader header;
    std::vector<TEtherCAT_pd> slaveToMaster;
    std::vector<TEtherCAT_pd> masterToSlave;
    TEtherCAT_Group groups;
};

// Builds the process-data image from the roots of the variable and group
// documents (empty nodes when a document is missing). Float32 initial values
// are read with the given decimal separator.
ProcessData buildProcessData(SlaveHeader header, pugi::xml_node variablesRoot, pugi::xml_node groupsRoot,
                             std::string_view decimalSeparator);

// What does not fit in the device's data model.
struct Overflow
{
    enum class Kind
    {
        Variables,
        Groups,
        SiiConfig,
        ImageSize
    };
    Kind kind;
    // The direction, for entries and groups.
    std::optional<Direction> direction;
    std::uint64_t count;
    std::uint64_t limit;
};

// The first excess over the data model: entries or groups of a direction,
// SII configuration bytes, then the length of the whole image.
std::optional<Overflow> findOverflow(const ProcessData& data);

// The length of the serialized image.
std::uint64_t processDataImageSize(const ProcessData& data);

// The bytes of bank2.bin. Only for data without overflow.
Bytes serializeProcessData(const ProcessData& data);

} // namespace cfq::outputs
