#include "params/ParGenDocument.h"

#include "support/TempDir.h"

#include <functional>
#include <gtest/gtest.h>

namespace cfq {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

// The document of a new project, byte for byte.
const std::string kDefaultDocument = "<Par_Gen>"
                                     "<Eth_Conn_Device_Name/>"
                                     "<Eth_Conn_DHCP_Cable>0</Eth_Conn_DHCP_Cable>"
                                     "<Eth_Conn_DHCP_WiFi>0</Eth_Conn_DHCP_WiFi>"
                                     "<Eth_Conn_Enable_DNS>0</Eth_Conn_Enable_DNS>"
                                     "<Eth_Conn_Primary_DNS1>8</Eth_Conn_Primary_DNS1>"
                                     "<Eth_Conn_Primary_DNS2>8</Eth_Conn_Primary_DNS2>"
                                     "<Eth_Conn_Primary_DNS3>8</Eth_Conn_Primary_DNS3>"
                                     "<Eth_Conn_Primary_DNS4>8</Eth_Conn_Primary_DNS4>"
                                     "<Eth_Conn_Secondary_DNS1>8</Eth_Conn_Secondary_DNS1>"
                                     "<Eth_Conn_Secondary_DNS2>8</Eth_Conn_Secondary_DNS2>"
                                     "<Eth_Conn_Secondary_DNS3>4</Eth_Conn_Secondary_DNS3>"
                                     "<Eth_Conn_Secondary_DNS4>4</Eth_Conn_Secondary_DNS4>"
                                     "<EtherCAT_Slave_Revision_Number>0</EtherCAT_Slave_Revision_Number>"
                                     "<EtherCAT_Slave_Name>devicename1</EtherCAT_Slave_Name>"
                                     "<EtherCAT_Slave_Node_Address>1</EtherCAT_Slave_Node_Address>"
                                     "<EtherCAT_Slave_Clear_Data>0</EtherCAT_Slave_Clear_Data>"
                                     "<SERIAL_SERIAL>0</SERIAL_SERIAL>"
                                     "<SERIAL_BAUDRATE>7</SERIAL_BAUDRATE>"
                                     "<SERIAL_PARITY>0</SERIAL_PARITY>"
                                     "<SERIAL_STOPBITS>0</SERIAL_STOPBITS>"
                                     "<Ethernet_IP1>192</Ethernet_IP1>"
                                     "<Ethernet_IP2>168</Ethernet_IP2>"
                                     "<Ethernet_IP3>0</Ethernet_IP3>"
                                     "<Ethernet_IP4>5</Ethernet_IP4>"
                                     "<Ethernet_SM1>255</Ethernet_SM1>"
                                     "<Ethernet_SM2>255</Ethernet_SM2>"
                                     "<Ethernet_SM3>255</Ethernet_SM3>"
                                     "<Ethernet_SM4>0</Ethernet_SM4>"
                                     "<Ethernet_GAT1>192</Ethernet_GAT1>"
                                     "<Ethernet_GAT2>168</Ethernet_GAT2>"
                                     "<Ethernet_GAT3>0</Ethernet_GAT3>"
                                     "<Ethernet_GAT4>1</Ethernet_GAT4>"
                                     "<Ethernet_EN_GAT>0</Ethernet_EN_GAT>"
                                     "</Par_Gen>"
                                     "<!--SW_VERSION = 1.001-->";

class ParGenDocument : public testing::Test
{
  protected:
    ParGenValues readBack() const
    {
        auto values = readParGen(m_file);
        EXPECT_TRUE(values.ok()) << values.error();
        return values.ok() ? values.value() : ParGenValues{};
    }

    TempDir m_dir;
    std::filesystem::path m_file = m_dir / "ParGen.xml";
};

TEST_F(ParGenDocument, MissingFileGivesEveryDefault)
{
    EXPECT_EQ(readBack(), ParGenValues{});
}

TEST_F(ParGenDocument, NewProjectWritesTheDefaultsInOrderWithTheCommentAfterTheRoot)
{
    ASSERT_TRUE(writeParGen(ParGenValues{}, m_file));
    EXPECT_EQ(readFile(m_file), kDefaultDocument);
    EXPECT_EQ(readBack(), ParGenValues{});
}

TEST_F(ParGenDocument, EveryValueRoundTripsIncludingMarkupCharacters)
{
    ParGenValues values;
    values.Eth_Conn_Device_Name = "host&<name>";
    values.Eth_Conn_DHCP_Cable = true;
    values.Eth_Conn_Enable_DNS = true;
    values.Eth_Conn_Primary_DNS = {"1", "2", "3", "4"};
    values.Eth_Conn_Secondary_DNS = {"5", "6", "7", "abc"};
    values.EtherCAT_Slave_Revision_Number = "010";
    values.EtherCAT_Slave_Name = "a < b & c";
    values.EtherCAT_Slave_Node_Address = " 7";
    values.EtherCAT_Slave_Clear_Data = true;
    values.SERIAL_SERIAL = 1;
    values.SERIAL_BAUDRATE = 3;
    values.SERIAL_PARITY = 2;
    values.SERIAL_STOPBITS = 1;
    values.Ethernet_IP = {"10", "0", "0", "300"};
    values.Ethernet_SM = {"255", "255", "0", "0"};
    values.Ethernet_GAT = {"10", "0", "0", ""};
    values.Ethernet_EN_GAT = true;

    ASSERT_TRUE(writeParGen(values, m_file));
    const std::string text = readFile(m_file);
    EXPECT_NE(text.find("<Eth_Conn_Device_Name>host&amp;&lt;name&gt;</Eth_Conn_Device_Name>"),
              std::string::npos);
    EXPECT_NE(text.find("<SERIAL_BAUDRATE>3</SERIAL_BAUDRATE>"), std::string::npos);
    EXPECT_EQ(readBack(), values);
}

// One stored element and how the values read differ from the defaults.
struct StoredCase
{
    const char* elements;
    std::function<void(ParGenValues&)> expect;
};

class OddStoredValues : public ParGenDocument, public testing::WithParamInterface<StoredCase>
{
};

TEST_P(OddStoredValues, ReadAsTheDialogShowsThem)
{
    writeFile(m_file, std::string("<Par_Gen>") + GetParam().elements + "</Par_Gen><!--SW_VERSION = 1.001-->");
    ParGenValues expected;
    GetParam().expect(expected);
    EXPECT_EQ(readBack(), expected) << GetParam().elements;
}

INSTANTIATE_TEST_SUITE_P(
    Table, OddStoredValues,
    testing::Values(
        StoredCase{"<SERIAL_BAUDRATE>abc</SERIAL_BAUDRATE>", [](ParGenValues&) {}},
        StoredCase{"<SERIAL_BAUDRATE>3</SERIAL_BAUDRATE>", [](ParGenValues& v) { v.SERIAL_BAUDRATE = 3; }},
        StoredCase{"<SERIAL_BAUDRATE>$2</SERIAL_BAUDRATE>", [](ParGenValues& v) { v.SERIAL_BAUDRATE = 2; }},
        StoredCase{"<SERIAL_BAUDRATE>9</SERIAL_BAUDRATE>", [](ParGenValues&) {}},
        StoredCase{"<SERIAL_BAUDRATE>-1</SERIAL_BAUDRATE>", [](ParGenValues&) {}},
        StoredCase{"<SERIAL_PARITY>3</SERIAL_PARITY><SERIAL_STOPBITS>1</SERIAL_STOPBITS>",
                   [](ParGenValues& v) { v.SERIAL_STOPBITS = 1; }},
        StoredCase{"<SERIAL_SERIAL>2</SERIAL_SERIAL>", [](ParGenValues&) {}},
        StoredCase{"<serial_baudrate>3</serial_baudrate>", [](ParGenValues&) {}},
        StoredCase{"<EtherCAT_Slave_Clear_Data>true</EtherCAT_Slave_Clear_Data>", [](ParGenValues&) {}},
        StoredCase{"<EtherCAT_Slave_Clear_Data> 1</EtherCAT_Slave_Clear_Data>", [](ParGenValues&) {}},
        StoredCase{"<EtherCAT_Slave_Clear_Data>1</EtherCAT_Slave_Clear_Data>",
                   [](ParGenValues& v) { v.EtherCAT_Slave_Clear_Data = true; }},
        StoredCase{"<Eth_Conn_DHCP_WiFi>1</Eth_Conn_DHCP_WiFi>", [](ParGenValues&) {}},
        StoredCase{"<EtherCAT_Slave_Revision_Number>010</EtherCAT_Slave_Revision_Number>"
                   "<EtherCAT_Slave_Node_Address> 7</EtherCAT_Slave_Node_Address>",
                   [](ParGenValues& v) {
                       v.EtherCAT_Slave_Revision_Number = "010";
                       v.EtherCAT_Slave_Node_Address = " 7";
                   }},
        StoredCase{"<EtherCAT_Slave_Name></EtherCAT_Slave_Name><Eth_Conn_Device_Name/>",
                   [](ParGenValues& v) { v.EtherCAT_Slave_Name.clear(); }},
        StoredCase{"<EtherCAT_Slave_Name>   </EtherCAT_Slave_Name>",
                   [](ParGenValues& v) { v.EtherCAT_Slave_Name = "   "; }},
        StoredCase{"<EtherCAT_Slave_Name>x<b/></EtherCAT_Slave_Name>", [](ParGenValues&) {}},
        StoredCase{"<Ethernet_GAT1>10</Ethernet_GAT1><Ethernet_GAT2>20</Ethernet_GAT2>"
                   "<Ethernet_GAT3>30</Ethernet_GAT3>",
                   [](ParGenValues& v) {
                       v.Ethernet_GAT = {"10", "20", "30", "1"};
                   }},
        StoredCase{"<Ethernet_IP1>1</Ethernet_IP1><Ethernet_IP1>2</Ethernet_IP1>",
                   [](ParGenValues& v) { v.Ethernet_IP[0] = "1"; }}));

TEST_F(ParGenDocument, RootIsTheFirstTopLevelNodeWhateverItIs)
{
    writeFile(m_file, "<Other><SERIAL_BAUDRATE>3</SERIAL_BAUDRATE></Other>");
    EXPECT_EQ(readBack().SERIAL_BAUDRATE, 3);

    writeFile(m_file, "<!--SW_VERSION = 1.001--><Par_Gen><SERIAL_BAUDRATE>3</SERIAL_BAUDRATE>"
                      "<EtherCAT_Slave_Name>x</EtherCAT_Slave_Name></Par_Gen>");
    EXPECT_EQ(readBack(), ParGenValues{});
}

TEST_F(ParGenDocument, ForeignContentIsGoneAfterTheNextWrite)
{
    writeFile(m_file, "<Par_Gen><EtherCAT_Slave_Eeprom_Config>0123456789ABCDEF0123456789AB"
                      "</EtherCAT_Slave_Eeprom_Config><Extra a=\"1\"/></Par_Gen>"
                      "<!--SW_VERSION = 1.001--><!--another-->");
    ASSERT_TRUE(writeParGen(readBack(), m_file));
    EXPECT_EQ(readFile(m_file), kDefaultDocument);
}

TEST_F(ParGenDocument, DocumentThatIsNotWellFormedIsAnErrorNamingTheFile)
{
    writeFile(m_file, "<Par_Gen><SERIAL_BAUDRATE>3</Par_Gen>");
    const auto values = readParGen(m_file);
    ASSERT_FALSE(values.ok());
    EXPECT_NE(values.error().find(m_file.string()), std::string::npos) << values.error();
    EXPECT_NE(values.error().find("mismatch"), std::string::npos) << values.error();

    writeFile(m_file, "");
    EXPECT_FALSE(readParGen(m_file).ok());
}

TEST_F(ParGenDocument, FailedWriteIsAnErrorAndLeavesNoFile)
{
    const std::filesystem::path missingFolder = m_dir / "gone" / "ParGen.xml";
    const Status written = writeParGen(ParGenValues{}, missingFolder);
    ASSERT_FALSE(written.ok());
    EXPECT_NE(written.error().find(missingFolder.string()), std::string::npos) << written.error();
    EXPECT_FALSE(std::filesystem::exists(missingFolder));
}

} // namespace
} // namespace cfq
