#include "i18n/TextTable.h"
#include "params/ParGen.h"
#include "params/ParGenDocument.h"
#include "support/TempDir.h"

#include <functional>
#include <gtest/gtest.h>

namespace cfq {
namespace {

// Values changed from the defaults, the text index the check must report
// (0 and no message: every rule holds) and the English message of that index.
struct CheckCase
{
    const char* name;
    std::function<void(ParGenValues&)> change;
    int expectedText;
    const char* expectedMessage;
};

class ControlloDati : public testing::TestWithParam<CheckCase>
{
};

TEST_P(ControlloDati, ReportsTheFirstFailingRule)
{
    ParGenValues values;
    GetParam().change(values);
    const ParGenCheck check = Controllo_Dati(values);
    EXPECT_EQ(check.errorText, GetParam().expectedText);
    if (GetParam().expectedMessage) {
        EXPECT_EQ(builtinText(check.errorText), GetParam().expectedMessage);
    }
}

std::string caseName(const testing::TestParamInfo<CheckCase>& info)
{
    return info.param.name;
}

ParGenValues& dnsEnabled(ParGenValues& v)
{
    v.Eth_Conn_Enable_DNS = true;
    return v;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ControlloDati,
    testing::Values(
        CheckCase{"Defaults", [](ParGenValues&) {}, 0, nullptr},
        CheckCase{"PrimaryDns1", [](ParGenValues& v) { dnsEnabled(v).Eth_Conn_Primary_DNS[0] = "256"; }, 1563,
                  "Error Primary DNS!! DNS 1 must be between 0 and 255"},
        CheckCase{"PrimaryDns2", [](ParGenValues& v) { dnsEnabled(v).Eth_Conn_Primary_DNS[1] = "-1"; }, 1564,
                  "Error Primary DNS!! DNS 2 must be between 0 and 255"},
        CheckCase{"PrimaryDns3", [](ParGenValues& v) { dnsEnabled(v).Eth_Conn_Primary_DNS[2] = ""; }, 1565,
                  "Error Primary DNS!! DNS 3 must be between 0 and 255"},
        CheckCase{"PrimaryDns4", [](ParGenValues& v) { dnsEnabled(v).Eth_Conn_Primary_DNS[3] = "4 "; }, 1566,
                  "Error Primary DNS!! DNS 4 must be between 0 and 255"},
        CheckCase{"SecondaryDns1", [](ParGenValues& v) { dnsEnabled(v).Eth_Conn_Secondary_DNS[0] = "abc"; },
                  1567, "Error Secondary DNS!! DNS 1 must be between 0 and 255"},
        CheckCase{"SecondaryDns2", [](ParGenValues& v) { dnsEnabled(v).Eth_Conn_Secondary_DNS[1] = "1000"; },
                  1568, "Error Secondary DNS!! DNS 2 must be between 0 and 255"},
        CheckCase{"SecondaryDns3", [](ParGenValues& v) { dnsEnabled(v).Eth_Conn_Secondary_DNS[2] = "1.5"; },
                  1569, "Error Secondary DNS!! DNS 3 must be between 0 and 255"},
        CheckCase{"SecondaryDns4", [](ParGenValues& v) { dnsEnabled(v).Eth_Conn_Secondary_DNS[3] = "$100"; },
                  1570, "Error Secondary DNS!! DNS 4 must be between 0 and 255"},
        CheckCase{"DnsBoundsAndForms",
                  [](ParGenValues& v) {
                      dnsEnabled(v).Eth_Conn_Primary_DNS = {"0", "255", " 7", "$FF"};
                      v.Eth_Conn_Secondary_DNS = {"010", "+1", "0x10", "x0"};
                  },
                  0, nullptr},
        CheckCase{"DnsDisabledIgnoresItsBytes",
                  [](ParGenValues& v) {
                      v.Eth_Conn_Primary_DNS[0] = "abc";
                      v.Eth_Conn_Secondary_DNS[3] = "300";
                  },
                  0, nullptr},
        CheckCase{"RevisionEmpty", [](ParGenValues& v) { v.EtherCAT_Slave_Revision_Number = ""; }, 412,
                  "Error EtherCAT Slave!! Revision Number must be between 0x00000000 and 0xFFFFFFFF"},
        CheckCase{"RevisionMaximum", [](ParGenValues& v) { v.EtherCAT_Slave_Revision_Number = "4294967295"; },
                  0, nullptr},
        CheckCase{"RevisionAboveMaximum",
                  [](ParGenValues& v) { v.EtherCAT_Slave_Revision_Number = "4294967296"; }, 412,
                  "Error EtherCAT Slave!! Revision Number must be between 0x00000000 and 0xFFFFFFFF"},
        CheckCase{"RevisionNegative", [](ParGenValues& v) { v.EtherCAT_Slave_Revision_Number = "-1"; }, 412,
                  "Error EtherCAT Slave!! Revision Number must be between 0x00000000 and 0xFFFFFFFF"},
        CheckCase{"SlaveNameEmpty", [](ParGenValues& v) { v.EtherCAT_Slave_Name = ""; }, 411,
                  "Error EtherCAT Slave!! Slave Name cannot be empty"},
        CheckCase{"SlaveNameBlanks", [](ParGenValues& v) { v.EtherCAT_Slave_Name = "   "; }, 411,
                  "Error EtherCAT Slave!! Slave Name cannot be empty"},
        CheckCase{"SlaveNameWithBlanksAround", [](ParGenValues& v) { v.EtherCAT_Slave_Name = " a "; }, 0,
                  nullptr},
        CheckCase{"NodeZero", [](ParGenValues& v) { v.EtherCAT_Slave_Node_Address = "0"; }, 989,
                  "Error EtherCAT Slave!! Node Address must be between 1 and 192"},
        CheckCase{"NodeOne", [](ParGenValues& v) { v.EtherCAT_Slave_Node_Address = "1"; }, 0, nullptr},
        CheckCase{"Node192", [](ParGenValues& v) { v.EtherCAT_Slave_Node_Address = "192"; }, 0, nullptr},
        CheckCase{"Node193", [](ParGenValues& v) { v.EtherCAT_Slave_Node_Address = "193"; }, 989,
                  "Error EtherCAT Slave!! Node Address must be between 1 and 192"},
        CheckCase{"NodeNoNumber", [](ParGenValues& v) { v.EtherCAT_Slave_Node_Address = "abc"; }, 989,
                  "Error EtherCAT Slave!! Node Address must be between 1 and 192"},
        CheckCase{"TwoStopBitsOdd",
                  [](ParGenValues& v) {
                      v.SERIAL_STOPBITS = 1;
                      v.SERIAL_PARITY = 1;
                  },
                  458, "Error Serial!! Two Stop Bits can be selected only with None Parity"},
        CheckCase{"TwoStopBitsNone", [](ParGenValues& v) { v.SERIAL_STOPBITS = 1; }, 0, nullptr},
        CheckCase{"OneStopBitEven", [](ParGenValues& v) { v.SERIAL_PARITY = 2; }, 0, nullptr},
        CheckCase{"IpAddress1", [](ParGenValues& v) { v.Ethernet_IP[0] = "256"; }, 720,
                  "Error Ethernet!! IP Address 1 must be between 0 and 255"},
        CheckCase{"IpAddress4WhileDhcp",
                  [](ParGenValues& v) {
                      v.Eth_Conn_DHCP_Cable = true;
                      v.Ethernet_IP[3] = "";
                  },
                  723, "Error Ethernet!! IP Address 4 must be between 0 and 255"},
        CheckCase{"SubnetMask1", [](ParGenValues& v) { v.Ethernet_SM[0] = "x"; }, 724,
                  "Error Ethernet!! SubNet Mask 1 must be between 0 and 255"},
        CheckCase{"SubnetMask4", [](ParGenValues& v) { v.Ethernet_SM[3] = "-5"; }, 727,
                  "Error Ethernet!! SubNet Mask 4 must be between 0 and 255"},
        CheckCase{"Gateway1",
                  [](ParGenValues& v) {
                      v.Ethernet_EN_GAT = true;
                      v.Ethernet_GAT[0] = "300";
                  },
                  728, "Error Ethernet!! GATEWAY IP 1 must be between 0 and 255"},
        CheckCase{"Gateway4",
                  [](ParGenValues& v) {
                      v.Ethernet_EN_GAT = true;
                      v.Ethernet_GAT[3] = "abc";
                  },
                  731, "Error Ethernet!! GATEWAY IP 4 must be between 0 and 255"},
        CheckCase{"GatewayUntickedIgnoresItsBytes", [](ParGenValues& v) { v.Ethernet_GAT[0] = "300"; }, 0,
                  nullptr},
        CheckCase{"RevisionBeforeIpWhenDnsDisabled",
                  [](ParGenValues& v) {
                      v.Eth_Conn_Primary_DNS[0] = "abc";
                      v.EtherCAT_Slave_Revision_Number = "x";
                      v.Ethernet_IP[0] = "999";
                  },
                  412, "Error EtherCAT Slave!! Revision Number must be between 0x00000000 and 0xFFFFFFFF"},
        CheckCase{"EveryRuleFailingReportsDnsFirst",
                  [](ParGenValues& v) {
                      v = ParGenValues{};
                      dnsEnabled(v).Eth_Conn_Secondary_DNS[0] = "x";
                      v.EtherCAT_Slave_Revision_Number = "x";
                      v.EtherCAT_Slave_Name = "";
                      v.EtherCAT_Slave_Node_Address = "0";
                      v.SERIAL_STOPBITS = 1;
                      v.SERIAL_PARITY = 1;
                      v.Ethernet_SM[0] = "x";
                      v.Ethernet_EN_GAT = true;
                      v.Ethernet_GAT[0] = "x";
                  },
                  1567, "Error Secondary DNS!! DNS 1 must be between 0 and 255"},
        CheckCase{"NameBeforeNodeBeforeSerialBeforeAddress",
                  [](ParGenValues& v) {
                      v.EtherCAT_Slave_Name = "";
                      v.EtherCAT_Slave_Node_Address = "0";
                      v.SERIAL_STOPBITS = 1;
                      v.SERIAL_PARITY = 1;
                      v.Ethernet_IP[0] = "x";
                  },
                  411, "Error EtherCAT Slave!! Slave Name cannot be empty"}),
    caseName);

TEST(ControlloDatiThenWrite, DisabledDnsTextIsStoredUnchanged)
{
    test::TempDir dir;
    ParGenValues values;
    values.Eth_Conn_Primary_DNS[0] = "abc";
    ASSERT_TRUE(Controllo_Dati(values).ok());
    ASSERT_TRUE(writeParGen(values, dir / "ParGen.xml"));
    EXPECT_NE(test::readFile(dir / "ParGen.xml").find("<Eth_Conn_Primary_DNS1>abc</Eth_Conn_Primary_DNS1>"),
              std::string::npos);
}

} // namespace
} // namespace cfq
