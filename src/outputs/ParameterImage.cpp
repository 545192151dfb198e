#include "outputs/ParameterImage.h"

#include "app/ModelIdentity.h"
#include "outputs/DeviceMemory.h"
#include "outputs/Unicode.h"
#include "params/ParGenNames.h"
#include "platform/WholeNumber.h"
#include "platform/Xml.h"

#include <array>
#include <optional>
#include <string>

namespace cfq::outputs {
namespace {

using namespace device::bank1;

constexpr std::array<std::uint32_t, 8> kBaudRates = {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};
constexpr std::uint32_t kFallbackBaudRate = 9600;
constexpr std::int32_t kDefaultBaudIndex = 7;

constexpr const char* kDefaultSiiConfig = "800F00CC8813ff00000000800000";

using Octets = std::array<std::int32_t, 4>;

class ParameterReader
{
public:
    explicit ParameterReader(pugi::xml_node root) : m_root(root) {}

    std::optional<std::string> text(const char* name) const { return xml::childText(m_root, name); }

    std::int32_t number(const char* name, std::int32_t fallback) const
    {
        const auto value = text(name);
        return value ? readInt32Or(*value, fallback) : fallback;
    }

    bool flag(const char* name, const char* set) const
    {
        return text(name) == std::optional<std::string>(set);
    }

    Octets octets(const char* stem, const Octets& fallbacks) const
    {
        Octets result{};
        for (std::size_t k = 0; k < result.size(); ++k)
            result[k] = number(pargen_doc::octetElement(stem, k + 1).c_str(), fallbacks[k]);
        return result;
    }

private:
    pugi::xml_node m_root;
};

void storeOctets(Bytes& image, std::size_t offset, const Octets& octets)
{
    for (std::size_t k = 0; k < octets.size(); ++k)
        image[offset + k] = static_cast<std::uint8_t>(octets[k]);
}

// The first `field - 1` characters, one byte each (the low 8 bits of the
// UTF-16 code); the rest of the field stays zero.
void storeName(Bytes& image, std::size_t offset, std::size_t field, const std::string& name)
{
    const std::u16string units = utf16Units(name);
    for (std::size_t k = 0; k < units.size() && k + 1 < field; ++k)
        image[offset + k] = static_cast<std::uint8_t>(units[k]);
}

Octets factoryAddress()
{
    Octets octets{};
    std::string_view text = model::kDefaultDeviceAddress;
    for (std::int32_t& octet : octets) {
        const std::size_t dot = text.find('.');
        octet = readInt32Or(text.substr(0, dot), 0);
        text = dot == std::string_view::npos ? std::string_view() : text.substr(dot + 1);
    }
    return octets;
}

Bytes resetImage()
{
    Bytes image(device::kParameterImageSize, 0);
    for (const FixedNumber& number : kFixedNumbers)
        storeLittleEndian(&image[number.offset], number.value, number.width);
    storeOctets(image, kIpAddress, factoryAddress());
    storeOctets(image, kSubnetMask, {255, 255, 255, 0});
    storeOctets(image, kGateway, {255, 255, 255, 255});
    return image;
}

std::uint32_t baudRateOf(std::int32_t index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= kBaudRates.size())
        return kFallbackBaudRate;
    return kBaudRates[static_cast<std::size_t>(index)];
}

void readParameters(Bytes& image, const ParameterReader& in)
{
    storeOctets(image, kIpAddress, in.octets(pargen_doc::kIpAddress, {192, 168, 0, 10}));
    storeOctets(image, kSubnetMask, in.octets(pargen_doc::kSubnetMask, {255, 255, 255, 0}));
    const Octets gateway = in.octets(pargen_doc::kGateway, {192, 168, 0, 1});
    storeOctets(image, kGateway, in.flag(pargen_doc::kEnableGateway, "1") ? gateway : Octets{255, 255, 255, 255});

    storeName(image, kSlaveName, kSlaveNameField, in.text(pargen_doc::kSlaveName).value_or("devicename1"));
    image[kSerialInterface] = in.flag(pargen_doc::kSerialInterface, "0") ? 1 : 0;
    storeLittleEndian(&image[kBaudRate], baudRateOf(in.number(pargen_doc::kBaudRate, kDefaultBaudIndex)), 4);
    image[kParity] = static_cast<std::uint8_t>(in.number(pargen_doc::kParity, 0));
    const std::int32_t stopBits = in.number(pargen_doc::kStopBits, 0);
    image[kStopBits] = static_cast<std::uint8_t>(stopBits == 1 ? 2 : stopBits);

    const unsigned dhcp = (in.flag(pargen_doc::kDhcpCable, "1") ? 1u : 0u) |
                          (in.flag(pargen_doc::kDhcpWiFi, "1") ? 2u : 0u);
    storeLittleEndian(&image[kDhcpFlags], dhcp, 2);
    storeName(image, kDeviceName, kDeviceNameField, in.text(pargen_doc::kDeviceName).value_or(""));
    if (in.flag(pargen_doc::kEnableDns, "1")) {
        storeOctets(image, kSecondaryDns, in.octets(pargen_doc::kSecondaryDns, {8, 8, 4, 4}));
        storeOctets(image, kPrimaryDns, in.octets(pargen_doc::kPrimaryDns, {8, 8, 8, 8}));
    }
    const std::string_view version = model::kSoftwareVersion;
    std::copy(version.begin(), version.end(), image.begin() + kConfigurationVersion);
}

// A pair of one or two hexadecimal digits; nothing for any other pair.
std::optional<std::uint8_t> hexPair(std::u16string_view pair)
{
    if (pair.empty())
        return std::nullopt;
    int value = 0;
    for (char16_t c : pair) {
        const int digit = hexDigitValue(c);
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + digit;
    }
    return static_cast<std::uint8_t>(value);
}

} // namespace

Bytes buildParameterImage(pugi::xml_node root, bool present)
{
    Bytes image = resetImage();
    if (present)
        readParameters(image, ParameterReader(root));
    storeLittleEndian(&image[kProcessDataAddress], device::kProcessDataBase, 4);
    storeLittleEndian(&image[kChecksum], parameterChecksum(image), 4);
    return image;
}

SlaveHeader readSlaveHeader(pugi::xml_node root, bool present)
{
    SlaveHeader header;
    if (!present)
        return header;
    const ParameterReader in(root);
    header.siiConfig = siiConfigBytes(in.text(pargen_doc::kEepromConfig).value_or(kDefaultSiiConfig));
    header.nodeAddress = static_cast<std::uint16_t>(in.number(pargen_doc::kNodeAddress, 1));
    header.clearData = in.flag(pargen_doc::kClearData, "1") ? 1 : 0;
    const auto revision = in.text(pargen_doc::kRevisionNumber);
    header.revision = static_cast<std::uint32_t>(revision ? readInt64Or(*revision, 0) : 0);
    return header;
}

Bytes siiConfigBytes(std::string_view text)
{
    const std::u16string units = utf16Units(text);
    std::u16string_view rest = units;
    Bytes bytes;
    do {
        const std::size_t take = rest.size() > 2 ? 2 : rest.size();
        if (const auto byte = hexPair(rest.substr(0, take)))
            bytes.push_back(*byte);
        rest.remove_prefix(take);
    } while (!rest.empty());
    return bytes;
}

std::uint32_t parameterChecksum(const Bytes& image)
{
    std::uint32_t sum = 0;
    for (std::size_t k = 0; k < kChecksum && k < image.size(); ++k)
        sum += image[k];
    return sum;
}

} // namespace cfq::outputs
