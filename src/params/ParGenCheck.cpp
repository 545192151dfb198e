#include "params/ParGen.h"
#include "platform/TextTrim.h"
#include "platform/WholeNumber.h"

#include <cstdint>

namespace cfq {
namespace {

constexpr int kPrimaryDnsTexts = 1563;
constexpr int kSecondaryDnsTexts = 1567;
constexpr int kRevisionText = 412;
constexpr int kSlaveNameText = 411;
constexpr int kNodeAddressText = 989;
constexpr int kStopBitsText = 458;
constexpr int kIpAddressTexts = 720;
constexpr int kSubnetMaskTexts = 724;
constexpr int kGatewayTexts = 728;

constexpr std::int64_t kRevisionMax = 4294967295LL;
constexpr std::int32_t kNodeAddressMin = 1;
constexpr std::int32_t kNodeAddressMax = 192;

bool validOctet(const std::string& text)
{
    const std::int32_t value = readInt32Or(text, -1);
    return value >= 0 && value <= 255;
}

// The text of the first invalid byte, counted from firstText; 0 when all four
// are valid.
int firstInvalidOctet(const OctetTexts& octets, int firstText)
{
    for (int i = 0; i < 4; ++i) {
        if (!validOctet(octets[static_cast<std::size_t>(i)]))
            return firstText + i;
    }
    return 0;
}

} // namespace

ParGenCheck Controllo_Dati(const ParGenValues& values)
{
    if (values.Eth_Conn_Enable_DNS) {
        if (const int text = firstInvalidOctet(values.Eth_Conn_Primary_DNS, kPrimaryDnsTexts))
            return {text};
        if (const int text = firstInvalidOctet(values.Eth_Conn_Secondary_DNS, kSecondaryDnsTexts))
            return {text};
    }

    const std::int64_t revision = readInt64Or(values.EtherCAT_Slave_Revision_Number, -1);
    if (revision < 0 || revision > kRevisionMax)
        return {kRevisionText};

    if (trimControl(values.EtherCAT_Slave_Name).empty())
        return {kSlaveNameText};

    const std::int32_t node = readInt32Or(values.EtherCAT_Slave_Node_Address, -1);
    if (node < kNodeAddressMin || node > kNodeAddressMax)
        return {kNodeAddressText};

    if (values.SERIAL_STOPBITS > 0 && values.SERIAL_PARITY > 0)
        return {kStopBitsText};

    if (const int text = firstInvalidOctet(values.Ethernet_IP, kIpAddressTexts))
        return {text};
    if (const int text = firstInvalidOctet(values.Ethernet_SM, kSubnetMaskTexts))
        return {text};

    if (values.Ethernet_EN_GAT) {
        if (const int text = firstInvalidOctet(values.Ethernet_GAT, kGatewayTexts))
            return {text};
    }
    return {};
}

} // namespace cfq
