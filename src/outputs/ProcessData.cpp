#include "outputs/ProcessData.h"

#include "ethercat/DocumentNames.h"
#include "outputs/DeviceMemory.h"
#include "outputs/InitialValues.h"
#include "platform/WholeNumber.h"

#include <algorithm>

namespace cfq::outputs {
namespace {

// The named groups of one direction in document order. A group node without
// a name takes no slot of the group table, so it takes no number and claims
// no variable either; group k claims the enabled variables j with
// limits[k - 1] <= j < limits[k].
struct GroupList
{
    std::vector<std::string> names;
    std::vector<std::int64_t> limits;
};

GroupList namedGroups(pugi::xml_node direction)
{
    GroupList groups;
    std::int64_t total = 0;
    for (pugi::xml_node node : direction.children()) {
        std::string name = xml::attributeText(node, group_doc::kName);
        if (name.empty())
            continue;
        total += std::max(0, readInt32Or(xml::attributeText(node, group_doc::kNumVariables), 0));
        groups.names.push_back(std::move(name));
        groups.limits.push_back(total);
    }
    return groups;
}

std::uint32_t groupIndexOf(const GroupList& groups, std::size_t entry)
{
    for (std::size_t k = 0; k < groups.limits.size(); ++k) {
        if (static_cast<std::int64_t>(entry) < groups.limits[k])
            return static_cast<std::uint32_t>(k);
    }
    return kNoGroup;
}

std::vector<pugi::xml_node> enabledRows(pugi::xml_node direction)
{
    std::vector<pugi::xml_node> rows;
    for (pugi::xml_node row : direction.children()) {
        if (isEnabledRow(row))
            rows.push_back(row);
    }
    return rows;
}

// Bytes a name takes in the string area; an empty name points at the shared
// empty string and takes none.
std::uint64_t storedSize(const std::string& name)
{
    return name.empty() ? 0 : name.size() + 1;
}

struct Cursors
{
    std::uint64_t string = device::kProcessDataBase + device::kStringAreaOffset;
    std::uint64_t initialValue = 0;
};

struct DirectionInput
{
    Direction direction;
    std::vector<pugi::xml_node> rows;
    GroupList groups;
};

TEtherCAT_pd entryOf(pugi::xml_node row, const DirectionInput& input, std::size_t number, Cursors& cursors,
                     std::string_view decimalSeparator)
{
    TEtherCAT_pd entry;
    const bool slaveToMaster = input.direction == Direction::SlaveToMaster;
    entry.access = slaveToMaster ? 1 : 0;
    const DataType type = dataTypeOf(xml::attributeText(row, variable_doc::kType));
    entry.Data_Type = static_cast<std::uint8_t>(type);
    const std::uint8_t fixedSize = fixedSizeOf(type);
    entry.length = fixedSize != 0
                       ? fixedSize
                       : static_cast<std::uint8_t>(readInt32Or(xml::attributeText(row, variable_doc::kLength), 1));
    entry.position = static_cast<std::uint32_t>(readInt32Or(xml::attributeText(row, variable_doc::kPosition), 0));
    entry.bit_address = static_cast<std::uint8_t>(readInt32Or(xml::attributeText(row, variable_doc::kBitStart), 0));
    entry.subindex = static_cast<std::uint32_t>(number);
    entry.group_index = groupIndexOf(input.groups, number);

    if (slaveToMaster) {
        if (auto value = initialValueBytes(type, entry.length, xml::attributeText(row, variable_doc::kInitValue),
                                           decimalSeparator)) {
            entry.init_value = std::move(*value);
            entry.init_value_Add = static_cast<std::uint32_t>(cursors.initialValue);
            cursors.initialValue += entry.length;
        }
    }

    entry.name = xml::attributeText(row, variable_doc::kName);
    entry.name_length = static_cast<std::uint32_t>(entry.name.size());
    if (entry.name.empty()) {
        entry.name_add = device::kProcessDataBase + device::kEmptyStringOffset;
    } else {
        entry.name_add = static_cast<std::uint32_t>(cursors.string);
        cursors.string += storedSize(entry.name);
    }
    return entry;
}

void placeGroupNames(const std::vector<std::string>& names, std::vector<std::uint32_t>& addresses,
                     Cursors& cursors)
{
    for (const std::string& name : names) {
        addresses.push_back(static_cast<std::uint32_t>(cursors.string));
        cursors.string += storedSize(name);
    }
}

} // namespace

ProcessData buildProcessData(SlaveHeader header, pugi::xml_node variablesRoot, pugi::xml_node groupsRoot,
                             std::string_view decimalSeparator)
{
    std::array<DirectionInput, 2> inputs;
    for (std::size_t d = 0; d < kDirections.size(); ++d) {
        inputs[d].direction = kDirections[d];
        inputs[d].rows = enabledRows(variableRows(variablesRoot, kDirections[d]));
        inputs[d].groups = namedGroups(groupRows(groupsRoot, kDirections[d]));
    }

    // The initial values follow the string area: the names of the entries,
    // then the group names.
    Cursors cursors;
    std::uint64_t stringArea = 0;
    for (const DirectionInput& input : inputs) {
        for (pugi::xml_node row : input.rows)
            stringArea += storedSize(xml::attributeText(row, variable_doc::kName));
        for (const std::string& name : input.groups.names)
            stringArea += storedSize(name);
    }
    cursors.initialValue = cursors.string + stringArea;

    ProcessData data;
    data.header = std::move(header);
    std::array<std::vector<TEtherCAT_pd>*, 2> tables = {&data.slaveToMaster, &data.masterToSlave};
    for (std::size_t d = 0; d < inputs.size(); ++d) {
        for (std::size_t j = 0; j < inputs[d].rows.size(); ++j)
            tables[d]->push_back(entryOf(inputs[d].rows[j], inputs[d], j, cursors, decimalSeparator));
    }
    data.groups.group_In_Str = inputs[0].groups.names;
    data.groups.group_Out_Str = inputs[1].groups.names;
    placeGroupNames(data.groups.group_In_Str, data.groups.group_In_Add, cursors);
    placeGroupNames(data.groups.group_Out_Str, data.groups.group_Out_Add, cursors);
    return data;
}

} // namespace cfq::outputs
