#include "outputs/DeviceMemory.h"
#include "outputs/ProcessData.h"

#include <cassert>

namespace cfq::outputs {
namespace {

constexpr std::uint32_t kBase = device::kProcessDataBase;

std::uint64_t storedNamesSize(const std::vector<TEtherCAT_pd>& entries)
{
    std::uint64_t size = 0;
    for (const TEtherCAT_pd& entry : entries)
        size += entry.name.empty() ? 0 : entry.name.size() + 1;
    return size;
}

std::uint64_t storedNamesSize(const std::vector<std::string>& names)
{
    std::uint64_t size = 0;
    for (const std::string& name : names)
        size += name.size() + 1;
    return size;
}

std::uint64_t initialValuesSize(const std::vector<TEtherCAT_pd>& entries)
{
    std::uint64_t size = 0;
    for (const TEtherCAT_pd& entry : entries)
        size += entry.init_value_Add != 0 ? entry.length : 0;
    return size;
}

void appendHeader(Bytes& out, const ProcessData& data)
{
    const SlaveHeader& header = data.header;
    for (std::size_t k = 0; k < device::kSiiConfigBytes; ++k)
        out.push_back(k < header.siiConfig.size() ? header.siiConfig[k] : 0);
    appendLittleEndian(out, header.nodeAddress, 2);
    appendLittleEndian(out, header.clearData, 1);
    appendLittleEndian(out, 0, 3);
    appendLittleEndian(out, kBase + device::kGroupTableOffset, 4);
    appendLittleEndian(out, header.revision, 4);
    appendLittleEndian(out, data.slaveToMaster.size(), 2);
    appendLittleEndian(out, data.masterToSlave.size(), 2);
    appendLittleEndian(out, kBase + device::kSlaveToMasterTableOffset, 4);
    appendLittleEndian(out, kBase + device::kMasterToSlaveTableOffset, 4);
}

void appendEntry(Bytes& out, const TEtherCAT_pd& entry)
{
    appendLittleEndian(out, entry.Data_Type, 1);
    appendLittleEndian(out, entry.length, 1);
    appendLittleEndian(out, entry.access, 1);
    appendLittleEndian(out, entry.bit_address, 1);
    appendLittleEndian(out, entry.position, 4);
    appendLittleEndian(out, entry.subindex, 4);
    appendLittleEndian(out, entry.entry_index, 4);
    appendLittleEndian(out, entry.group_index, 4);
    appendLittleEndian(out, entry.init_value_Add, 4);
    appendLittleEndian(out, entry.name_length, 4);
    appendLittleEndian(out, entry.name_add, 4);
}

// All 256 entries of a table: those in use, then empty ones.
void appendTable(Bytes& out, const std::vector<TEtherCAT_pd>& entries)
{
    for (const TEtherCAT_pd& entry : entries)
        appendEntry(out, entry);
    const TEtherCAT_pd unused;
    for (std::size_t k = entries.size(); k < device::kEntriesPerDirection; ++k)
        appendEntry(out, unused);
}

void appendAddressSlots(Bytes& out, const std::vector<std::uint32_t>& addresses)
{
    for (std::size_t k = 0; k < device::kGroupsPerDirection; ++k)
        appendLittleEndian(out, k < addresses.size() ? addresses[k] : 0, 4);
}

void appendGroupTable(Bytes& out, const TEtherCAT_Group& groups)
{
    appendAddressSlots(out, groups.group_In_Add);
    appendAddressSlots(out, groups.group_Out_Add);
    appendLittleEndian(out, groups.group_In_Str.size(), 1);
    appendLittleEndian(out, groups.group_Out_Str.size(), 1);
    appendLittleEndian(out, 0, 2);
    out.push_back(0); // the empty string
}

void appendString(Bytes& out, const std::string& text)
{
    out.insert(out.end(), text.begin(), text.end());
    out.push_back(0);
}

void appendEntryNames(Bytes& out, const std::vector<TEtherCAT_pd>& entries)
{
    for (const TEtherCAT_pd& entry : entries) {
        if (!entry.name.empty())
            appendString(out, entry.name);
    }
}

} // namespace

std::uint64_t processDataImageSize(const ProcessData& data)
{
    return device::kFixedProcessDataSize + storedNamesSize(data.slaveToMaster) +
           storedNamesSize(data.masterToSlave) + storedNamesSize(data.groups.group_In_Str) +
           storedNamesSize(data.groups.group_Out_Str) + initialValuesSize(data.slaveToMaster);
}

std::optional<Overflow> findOverflow(const ProcessData& data)
{
    const std::array<const std::vector<TEtherCAT_pd>*, 2> tables = {&data.slaveToMaster, &data.masterToSlave};
    const std::array<const std::vector<std::string>*, 2> groups = {&data.groups.group_In_Str,
                                                                   &data.groups.group_Out_Str};
    for (std::size_t d = 0; d < kDirections.size(); ++d) {
        if (tables[d]->size() > device::kEntriesPerDirection)
            return Overflow{Overflow::Kind::Variables, kDirections[d], tables[d]->size(),
                            device::kEntriesPerDirection};
    }
    for (std::size_t d = 0; d < kDirections.size(); ++d) {
        if (groups[d]->size() > device::kGroupsPerDirection)
            return Overflow{Overflow::Kind::Groups, kDirections[d], groups[d]->size(),
                            device::kGroupsPerDirection};
    }
    if (data.header.siiConfig.size() > device::kSiiConfigBytes)
        return Overflow{Overflow::Kind::SiiConfig, std::nullopt, data.header.siiConfig.size(),
                        device::kSiiConfigBytes};
    const std::uint64_t size = processDataImageSize(data);
    if (size > device::kProcessDataImageCapacity)
        return Overflow{Overflow::Kind::ImageSize, std::nullopt, size, device::kProcessDataImageCapacity};
    return std::nullopt;
}

Bytes serializeProcessData(const ProcessData& data)
{
    assert(!findOverflow(data));
    Bytes out;
    out.reserve(static_cast<std::size_t>(processDataImageSize(data)));
    appendHeader(out, data);
    appendTable(out, data.slaveToMaster);
    appendTable(out, data.masterToSlave);
    appendGroupTable(out, data.groups);
    appendEntryNames(out, data.slaveToMaster);
    appendEntryNames(out, data.masterToSlave);
    for (const std::string& name : data.groups.group_In_Str)
        appendString(out, name);
    for (const std::string& name : data.groups.group_Out_Str)
        appendString(out, name);
    for (const TEtherCAT_pd& entry : data.slaveToMaster) {
        if (entry.init_value_Add != 0)
            out.insert(out.end(), entry.init_value.begin(), entry.init_value.end());
    }
    return out;
}

} // namespace cfq::outputs
