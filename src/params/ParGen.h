#pragma once

#include <array>
#include <span>
#include <string>

// The communication parameters of one project, as the parameter document
// ParGen.xml holds them: the Ethernet connection options, the identity of the
// EtherCAT slave, the serial line and the device's own IP settings.
namespace cfq {

// A fixed selector list; the document stores the index of the chosen entry.
// The entries are shown as they stand, in every language.
using FixedList = std::span<const char* const>;

// The selector lists of the serial line.
namespace serial {
inline constexpr std::array<const char*, 2> kInterfaces{"RS232", "RS485"};
inline constexpr std::array<const char*, 8> kBaudRates{"1200",  "2400",  "4800",  "9600",
                                                       "19200", "38400", "57600", "115200"};
inline constexpr std::array<const char*, 3> kParities{"NONE", "ODD", "EVEN"};
inline constexpr std::array<const char*, 2> kStopBits{"1 Stop Bits", "2 Stop Bits"};
} // namespace serial

// Four parts of a dotted IPv4 address, first byte first, each kept as typed.
using OctetTexts = std::array<std::string, 4>;

// The 33 values of the parameter document. Numbers stay texts exactly as
// typed ("010" stays "010"); the initial values are the defaults a project
// starts with and a reader falls back to.
struct ParGenValues
{
    std::string Eth_Conn_Device_Name;
    bool Eth_Conn_DHCP_Cable = false;
    // This model has no Wi-Fi: always clear.
    bool Eth_Conn_DHCP_WiFi = false;
    bool Eth_Conn_Enable_DNS = false;
    OctetTexts Eth_Conn_Primary_DNS{"8", "8", "8", "8"};
    OctetTexts Eth_Conn_Secondary_DNS{"8", "8", "4", "4"};

    std::string EtherCAT_Slave_Revision_Number = "0";
    std::string EtherCAT_Slave_Name = "devicename1";
    std::string EtherCAT_Slave_Node_Address = "1";
    bool EtherCAT_Slave_Clear_Data = false;

    // Indexes into the lists serial::kInterfaces, kBaudRates, kParities and
    // kStopBits.
    int SERIAL_SERIAL = 0;
    int SERIAL_BAUDRATE = 7;
    int SERIAL_PARITY = 0;
    int SERIAL_STOPBITS = 0;

    OctetTexts Ethernet_IP{"192", "168", "0", "5"};
    OctetTexts Ethernet_SM{"255", "255", "255", "0"};
    OctetTexts Ethernet_GAT{"192", "168", "0", "1"};
    bool Ethernet_EN_GAT = false;

    bool operator==(const ParGenValues&) const = default;
};

// The outcome of checking the values before they are stored: 0 when every
// rule holds, else the text index of the first rule that fails.
struct ParGenCheck
{
    int errorText = 0;
    bool ok() const { return errorText == 0; }
};

// Tests the rules in their fixed order and reports the first failure:
// enabled DNS bytes (1563-1570), revision number 0..4294967295 (412), slave
// name not blank (411), node address 1..192 (989), two stop bits only without
// parity (458), IP address and subnet mask bytes (720-727), enabled gateway
// bytes (728-731).
ParGenCheck Controllo_Dati(const ParGenValues& values);

} // namespace cfq
