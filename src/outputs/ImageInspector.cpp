#include "outputs/ImageInspector.h"

#include "outputs/DeviceMemory.h"
#include "outputs/DeviceTypes.h"
#include "outputs/ParameterImage.h"
#include "outputs/ProcessData.h"

#include <array>
#include <bit>
#include <cstdio>
#include <sstream>

namespace cfq::outputs {
namespace {


std::string hex(std::uint64_t value, int digits)
{
    char text[24];
    std::snprintf(text, sizeof text, "0x%0*llX", digits, static_cast<unsigned long long>(value));
    return text;
}

std::string hexBytes(const std::uint8_t* bytes, std::size_t count)
{
    std::string text;
    char pair[4];
    for (std::size_t k = 0; k < count; ++k) {
        std::snprintf(pair, sizeof pair, k == 0 ? "%02X" : " %02X", bytes[k]);
        text += pair;
    }
    return text;
}

// Reads numbers and strings of one image, writes the listing and keeps the
// first fault.
class Inspector
{
public:
    explicit Inspector(const Bytes& image) : m_image(image) {}

    std::uint32_t number(std::size_t offset, std::size_t width) const
    {
        std::uint32_t value = 0;
        for (std::size_t k = 0; k < width; ++k)
            value |= static_cast<std::uint32_t>(m_image[offset + k]) << (8 * k);
        return value;
    }

    std::ostringstream& out() { return m_out; }

    void fault(const std::string& text)
    {
        if (!m_fault)
            m_fault = text;
    }

    // The offset of `length` bytes at a device address, when they lie inside
    // the image.
    std::optional<std::size_t> locate(std::uint32_t address, std::size_t length) const
    {
        if (address < device::kProcessDataBase)
            return std::nullopt;
        const std::size_t offset = address - device::kProcessDataBase;
        if (offset > m_image.size() || length > m_image.size() - offset)
            return std::nullopt;
        return offset;
    }

    // The terminated string at a device address; a fault names `what` when
    // the address lies outside the image or the string has no terminator.
    std::string stringAt(std::uint32_t address, const std::string& what)
    {
        const auto offset = locate(address, 1);
        if (!offset) {
            fault(what + ": address " + hex(address, 8) + " lies outside the image");
            return {};
        }
        std::string text;
        for (std::size_t k = *offset; k < m_image.size(); ++k) {
            if (m_image[k] == 0)
                return text;
            text += static_cast<char>(m_image[k]);
        }
        fault(what + ": the string at " + hex(address, 8) + " has no terminator");
        return text;
    }

    const std::uint8_t* bytesAt(std::size_t offset) const { return &m_image[offset]; }

    ImageReport report() const { return {m_out.str(), m_fault}; }

private:
    const Bytes& m_image;
    std::ostringstream m_out;
    std::optional<std::string> m_fault;
};

// ---- bank1.bin ----

std::string octets(const Inspector& in, std::size_t offset)
{
    std::string text;
    for (std::size_t k = 0; k < 4; ++k)
        text += (k == 0 ? "" : ".") + std::to_string(in.number(offset + k, 1));
    return text;
}

std::string fieldText(const Inspector& in, std::size_t offset, std::size_t field)
{
    std::string text;
    for (std::size_t k = 0; k < field && in.number(offset + k, 1) != 0; ++k)
        text += static_cast<char>(in.number(offset + k, 1));
    return "\"" + text + "\"";
}

void listParameterFields(Inspector& in, std::ostream& out)
{
    using namespace device::bank1;
    const auto field = [&](std::size_t offset, const char* name, const std::string& value) {
        out << "  " << hex(offset, 3) << "  " << name << ": " << value << '\n';
    };
    for (const FixedNumber& fixed : kFixedNumbers)
        field(fixed.offset, "fixed number", std::to_string(in.number(fixed.offset, fixed.width)));
    field(kIpAddress, "IP address", octets(in, kIpAddress));
    field(kSubnetMask, "subnet mask", octets(in, kSubnetMask));
    field(kGateway, "gateway", octets(in, kGateway));
    field(kSlaveName, "EtherCAT slave name", fieldText(in, kSlaveName, kSlaveNameField));
    field(kSerialInterface, "serial interface (1 RS232, 0 RS485)",
          std::to_string(in.number(kSerialInterface, 1)));
    field(kBaudRate, "baud rate", std::to_string(in.number(kBaudRate, 4)));
    field(kParity, "parity", std::to_string(in.number(kParity, 1)));
    field(kStopBits, "stop bits", std::to_string(in.number(kStopBits, 1)));
    field(kDhcpFlags, "DHCP (1 cable, 2 WiFi)", std::to_string(in.number(kDhcpFlags, 2)));
    field(kDeviceName, "device name", fieldText(in, kDeviceName, kDeviceNameField));
    field(kSecondaryDns, "secondary DNS", octets(in, kSecondaryDns));
    field(kPrimaryDns, "primary DNS", octets(in, kPrimaryDns));
    field(kConfigurationVersion, "configuration version", fieldText(in, kConfigurationVersion, 16));
    field(kProcessDataAddress, "process-data image address", hex(in.number(kProcessDataAddress, 4), 8));
    field(kChecksum, "checksum", hex(in.number(kChecksum, 4), 8));
}

// ---- bank2.bin ----

std::string typeName(std::uint32_t code)
{
    const std::string_view name = typeNameOf(static_cast<DataType>(code));
    return name.empty() ? "type " + std::to_string(code) : std::string(name);
}

std::string valueText(DataType type, const std::uint8_t* bytes, std::size_t length, const Inspector& in,
                      std::size_t offset)
{
    switch (type) {
    case DataType::Bool:
    case DataType::UInt8:
    case DataType::UInt16:
    case DataType::UInt32:
        return std::to_string(in.number(offset, length));
    case DataType::Int8:
        return std::to_string(static_cast<std::int8_t>(in.number(offset, 1)));
    case DataType::Int16:
        return std::to_string(static_cast<std::int16_t>(in.number(offset, 2)));
    case DataType::Int32:
        return std::to_string(static_cast<std::int32_t>(in.number(offset, 4)));
    case DataType::Float32: {
        std::ostringstream text;
        text << std::bit_cast<float>(in.number(offset, 4));
        return text.str();
    }
    case DataType::String: {
        const std::string text(reinterpret_cast<const char*>(bytes), length);
        return "\"" + text.substr(0, text.find('\0')) + "\"";
    }
    default:
        return hexBytes(bytes, length);
    }
}

void listHeader(Inspector& in, std::ostream& out)
{
    using namespace device;
    out << "header\n"
        << "  SII configuration: " << hexBytes(in.bytesAt(0), kSiiConfigBytes) << '\n'
        << "  node address: " << in.number(kHeaderNodeAddress, 2) << '\n'
        << "  clear data: " << in.number(kHeaderClearData, 1) << '\n'
        << "  group table address: " << hex(in.number(kHeaderGroupTableAddress, 4), 8) << '\n'
        << "  revision: " << in.number(kHeaderRevision, 4) << '\n'
        << "  slave-to-master entries: " << in.number(kHeaderSlaveToMasterCount, 2) << '\n'
        << "  master-to-slave entries: " << in.number(kHeaderMasterToSlaveCount, 2) << '\n'
        << "  slave-to-master table address: " << hex(in.number(kHeaderSlaveToMasterTable, 4), 8) << '\n'
        << "  master-to-slave table address: " << hex(in.number(kHeaderMasterToSlaveTable, 4), 8) << '\n';
    const std::array<std::pair<std::uint32_t, std::uint32_t>, 3> addresses = {
        {{kHeaderGroupTableAddress, kGroupTableOffset},
         {kHeaderSlaveToMasterTable, kSlaveToMasterTableOffset},
         {kHeaderMasterToSlaveTable, kMasterToSlaveTableOffset}}};
    for (const auto& [field, offset] : addresses) {
        if (in.number(field, 4) != kProcessDataBase + offset)
            in.fault("header: the address at offset " + std::to_string(field) + " is " +
                     hex(in.number(field, 4), 8) + ", not " + hex(kProcessDataBase + offset, 8));
    }
}

bool isUnusedEntry(const Inspector& in, std::size_t offset)
{
    for (std::uint32_t k = 0; k < device::kEntrySize; ++k) {
        const bool groupByte = k >= device::kEntryGroupIndex && k < device::kEntryGroupIndex + 4;
        if (in.number(offset + k, 1) != (groupByte ? 0xFFu : 0u))
            return false;
    }
    return true;
}

void listEntry(Inspector& in, std::ostream& out, std::size_t offset, const std::string& where,
               std::uint32_t groupCount)
{
    using namespace device;
    const std::uint32_t code = in.number(offset + kEntryDataType, 1);
    const std::uint32_t length = in.number(offset + kEntryLength, 1);
    const std::uint32_t group = in.number(offset + kEntryGroupIndex, 4);
    const std::string name = in.stringAt(in.number(offset + kEntryNameAddress, 4), where + " name");
    if (name.size() != in.number(offset + kEntryNameLength, 4))
        in.fault(where + ": name length " + std::to_string(in.number(offset + kEntryNameLength, 4)) +
                 " but the name has " + std::to_string(name.size()) + " bytes");
    if (group != kNoGroup && group >= groupCount)
        in.fault(where + ": group " + std::to_string(group) + " of " + std::to_string(groupCount) + " groups");
    out << "  " << where << " \"" << name << "\" " << typeName(code) << " length " << length << " access "
        << in.number(offset + kEntryAccess, 1) << " position " << in.number(offset + kEntryPosition, 4)
        << " bit " << in.number(offset + kEntryBitAddress, 1) << " subindex "
        << in.number(offset + kEntrySubindex, 4) << " group "
        << (group == kNoGroup ? std::string("none") : std::to_string(group));
    const std::uint8_t fixedSize = fixedSizeOf(static_cast<DataType>(code));
    if (fixedSize != 0 && length != fixedSize) {
        in.fault(where + ": length " + std::to_string(length) + " for " + typeName(code));
        out << '\n';
        return;
    }
    const std::uint32_t valueAddress = in.number(offset + kEntryInitValueAddress, 4);
    if (valueAddress != 0) {
        if (const auto at = in.locate(valueAddress, length))
            out << " init " << valueText(static_cast<DataType>(code), in.bytesAt(*at), length, in, *at);
        else
            in.fault(where + ": initial value at " + hex(valueAddress, 8) + " (" + std::to_string(length) +
                     " bytes) lies outside the image");
    }
    out << '\n';
}

void listTable(Inspector& in, std::ostream& out, const char* direction, std::uint32_t tableOffset,
               std::uint32_t countField, std::uint32_t groupCount)
{
    using namespace device;
    const std::uint32_t count = in.number(countField, 2);
    out << direction << " entries (" << count << ")\n";
    if (count > kEntriesPerDirection)
        in.fault(std::string(direction) + ": " + std::to_string(count) + " entries, at most " +
                 std::to_string(kEntriesPerDirection));
    for (std::uint32_t k = 0; k < kEntriesPerDirection; ++k) {
        const std::size_t offset = tableOffset + k * kEntrySize;
        const std::string where = std::string(direction) + " entry " + std::to_string(k);
        if (k < count)
            listEntry(in, out, offset, where, groupCount);
        else if (!isUnusedEntry(in, offset))
            in.fault(where + " is in use beyond the count of " + std::to_string(count));
    }
}

void listGroups(Inspector& in, std::ostream& out, const char* direction, std::uint32_t slots,
                std::uint32_t count)
{
    using namespace device;
    out << direction << " groups (" << count << ")\n";
    if (count > kGroupsPerDirection)
        in.fault(std::string(direction) + ": " + std::to_string(count) + " groups, at most " +
                 std::to_string(kGroupsPerDirection));
    for (std::uint32_t k = 0; k < kGroupsPerDirection; ++k) {
        const std::uint32_t address = in.number(slots + 4 * k, 4);
        const std::string where = std::string(direction) + " group " + std::to_string(k);
        if (k < count)
            out << "  " << k << " \"" << in.stringAt(address, where) << "\"\n";
        else if (address != 0)
            in.fault(where + " has an address beyond the count of " + std::to_string(count));
    }
}

} // namespace

ImageReport inspectParameterImage(const Bytes& image)
{
    Inspector in(image);
    if (image.size() != device::kParameterImageSize) {
        in.fault("a parameter image has " + std::to_string(device::kParameterImageSize) + " bytes, not " +
                 std::to_string(image.size()));
        return in.report();
    }
    in.out() << device::kParameterImageFile << " (" << image.size() << " bytes)\n";
    listParameterFields(in, in.out());
    const std::uint32_t stored = in.number(device::bank1::kChecksum, 4);
    if (stored != parameterChecksum(image))
        in.fault("checksum " + hex(stored, 8) + " does not match the sum " + hex(parameterChecksum(image), 8));
    return in.report();
}

ImageReport inspectProcessDataImage(const Bytes& image)
{
    using namespace device;
    Inspector in(image);
    if (image.size() < kFixedProcessDataSize) {
        in.fault("a process-data image has at least " + std::to_string(kFixedProcessDataSize) +
                 " bytes, not " + std::to_string(image.size()));
        return in.report();
    }
    std::ostream& out = in.out();
    out << kProcessDataImageFile << " (" << image.size() << " bytes)\n";
    listHeader(in, out);
    const std::uint32_t inGroups = in.number(kGroupCountsOffset, 1);
    const std::uint32_t outGroups = in.number(kGroupCountsOffset + 1, 1);
    listTable(in, out, "slave-to-master", kSlaveToMasterTableOffset, kHeaderSlaveToMasterCount, inGroups);
    listTable(in, out, "master-to-slave", kMasterToSlaveTableOffset, kHeaderMasterToSlaveCount, outGroups);
    listGroups(in, out, "slave-to-master", kGroupTableOffset, inGroups);
    listGroups(in, out, "master-to-slave", kGroupTableOffset + kGroupsPerDirection * 4, outGroups);
    if (image[kEmptyStringOffset] != 0)
        in.fault("the empty string at " + hex(kProcessDataBase + kEmptyStringOffset, 8) + " is not empty");
    return in.report();
}

ImageReport inspectImage(const Bytes& image)
{
    if (image.size() == device::kParameterImageSize)
        return inspectParameterImage(image);
    // A process-data image names its own group table in its header.
    if (image.size() >= device::kFixedProcessDataSize &&
        Inspector(image).number(device::kHeaderGroupTableAddress, 4) ==
            device::kProcessDataBase + device::kGroupTableOffset)
        return inspectProcessDataImage(image);
    return {{}, "not a device image: " + std::to_string(image.size()) + " bytes"};
}

} // namespace cfq::outputs
