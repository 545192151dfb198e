#include "params/ParGenDocument.h"

#include "app/ModelIdentity.h"
#include "params/ParGenNames.h"
#include "platform/WholeNumber.h"
#include "platform/Xml.h"

#include <string>

namespace cfq {
namespace {

using namespace pargen_doc;

template <typename OctetArray, typename Visit>
void visitOctets(const char* stem, OctetArray& octets, Visit& visit)
{
    for (std::size_t i = 0; i < octets.size(); ++i)
        visit(octetElement(stem, i + 1), octets[i]);
}

// Hands every element name with its field to visit, in the order of the
// document. Values is ParGenValues or const ParGenValues.
template <typename Values, typename Visit> void forEachElement(Values& values, Visit&& visit)
{
    visit(kDeviceName, values.Eth_Conn_Device_Name);
    visit(kDhcpCable, values.Eth_Conn_DHCP_Cable);
    visit(kDhcpWiFi, values.Eth_Conn_DHCP_WiFi);
    visit(kEnableDns, values.Eth_Conn_Enable_DNS);
    visitOctets(kPrimaryDns, values.Eth_Conn_Primary_DNS, visit);
    visitOctets(kSecondaryDns, values.Eth_Conn_Secondary_DNS, visit);
    visit(kRevisionNumber, values.EtherCAT_Slave_Revision_Number);
    visit(kSlaveName, values.EtherCAT_Slave_Name);
    visit(kNodeAddress, values.EtherCAT_Slave_Node_Address);
    visit(kClearData, values.EtherCAT_Slave_Clear_Data);
    visit(kSerialInterface, values.SERIAL_SERIAL, FixedList(serial::kInterfaces));
    visit(kBaudRate, values.SERIAL_BAUDRATE, FixedList(serial::kBaudRates));
    visit(kParity, values.SERIAL_PARITY, FixedList(serial::kParities));
    visit(kStopBits, values.SERIAL_STOPBITS, FixedList(serial::kStopBits));
    visitOctets(kIpAddress, values.Ethernet_IP, visit);
    visitOctets(kSubnetMask, values.Ethernet_SM, visit);
    visitOctets(kGateway, values.Ethernet_GAT, visit);
    visit(kEnableGateway, values.Ethernet_EN_GAT);
}

// Overwrites a field only when its element is present and holds plain text;
// the field's value before is the element's default.
struct ElementReader
{
    pugi::xml_node root;

    void operator()(const std::string& name, std::string& field) const
    {
        if (auto text = xml::childText(root, name.c_str()))
            field = std::move(*text);
    }

    void operator()(const std::string& name, bool& flag) const
    {
        // This model has no Wi-Fi: whatever the file holds, the flag stays clear.
        if (name == kDhcpWiFi)
            return;
        if (const auto text = xml::childText(root, name.c_str()))
            flag = *text == "1";
    }

    void operator()(const std::string& name, int& index, FixedList list) const
    {
        const auto text = xml::childText(root, name.c_str());
        if (!text)
            return;
        const std::int32_t stored = readInt32Or(*text, index);
        // An index outside the list would leave the selector without an entry.
        if (stored >= 0 && static_cast<std::size_t>(stored) < list.size())
            index = stored;
    }
};

struct ElementWriter
{
    pugi::xml_node root;

    void operator()(const std::string& name, const std::string& text) const
    {
        xml::appendTextElement(root, name.c_str(), text);
    }

    void operator()(const std::string& name, bool flag) const
    {
        xml::appendTextElement(root, name.c_str(), flag ? "1" : "0");
    }

    void operator()(const std::string& name, int index, FixedList) const
    {
        xml::appendTextElement(root, name.c_str(), std::to_string(index));
    }
};

} // namespace

Result<ParGenValues> readParGen(const std::filesystem::path& file)
{
    ParGenValues values;
    std::error_code ignored;
    if (!std::filesystem::exists(file, ignored))
        return values;
    auto document = xml::load(file);
    if (!document)
        return Result<ParGenValues>::failure(document.error());
    forEachElement(values, ElementReader{xml::firstTopLevelNode(*document.value())});
    return values;
}

Status writeParGen(const ParGenValues& values, const std::filesystem::path& file)
{
    pugi::xml_document document;
    pugi::xml_node root = document.append_child(kRoot);
    document.append_child(pugi::node_comment).set_value(model::kVersionComment);
    forEachElement(values, ElementWriter{root});
    return xml::save(document, file);
}

} // namespace cfq
