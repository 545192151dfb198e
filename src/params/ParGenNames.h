#pragma once

#include <string>

// Element names of the parameter document ParGen.xml, shared by the Set
// Communication dialog's reader and writer and by the device outputs'
// readers. An address is four elements: its stem followed by 1 to 4.
namespace cfq::pargen_doc {

inline constexpr const char* kRoot = "Par_Gen";
inline constexpr const char* kDeviceName = "Eth_Conn_Device_Name";
inline constexpr const char* kDhcpCable = "Eth_Conn_DHCP_Cable";
inline constexpr const char* kDhcpWiFi = "Eth_Conn_DHCP_WiFi";
inline constexpr const char* kEnableDns = "Eth_Conn_Enable_DNS";
inline constexpr const char* kPrimaryDns = "Eth_Conn_Primary_DNS";
inline constexpr const char* kSecondaryDns = "Eth_Conn_Secondary_DNS";
inline constexpr const char* kRevisionNumber = "EtherCAT_Slave_Revision_Number";
inline constexpr const char* kSlaveName = "EtherCAT_Slave_Name";
inline constexpr const char* kNodeAddress = "EtherCAT_Slave_Node_Address";
inline constexpr const char* kClearData = "EtherCAT_Slave_Clear_Data";
// Not written by the dialog; a hand-edited document may set the EEPROM's
// configuration area.
inline constexpr const char* kEepromConfig = "EtherCAT_Slave_Eeprom_Config";
inline constexpr const char* kSerialInterface = "SERIAL_SERIAL";
inline constexpr const char* kBaudRate = "SERIAL_BAUDRATE";
inline constexpr const char* kParity = "SERIAL_PARITY";
inline constexpr const char* kStopBits = "SERIAL_STOPBITS";
inline constexpr const char* kIpAddress = "Ethernet_IP";
inline constexpr const char* kSubnetMask = "Ethernet_SM";
inline constexpr const char* kGateway = "Ethernet_GAT";
inline constexpr const char* kEnableGateway = "Ethernet_EN_GAT";

// The element of octet `number` (1 to 4) of an address.
inline std::string octetElement(const char* stem, std::size_t number)
{
    return stem + std::to_string(number);
}

} // namespace cfq::pargen_doc
