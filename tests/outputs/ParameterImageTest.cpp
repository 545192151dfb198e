#include "outputs/ParameterImage.h"
#include "outputs/ProjectFixture.h"

#include <gtest/gtest.h>

namespace cfq::outputs::test {
namespace {

void put(Bytes& image, std::size_t offset, const Bytes& bytes)
{
    std::copy(bytes.begin(), bytes.end(), image.begin() + static_cast<std::ptrdiff_t>(offset));
}

// The reset image written out field by field from the device's block layout.
Bytes resetImage()
{
    Bytes image(2048, 0);
    put(image, 0x000, {0x90, 0xD0, 0x03, 0x00});             // 250000
    put(image, 0x004, {0x90, 0xD0, 0x03, 0x00});             // 250000
    put(image, 0x00C, {0x80, 0x25, 0x00, 0x00});             // 9600
    put(image, 0x028, {192, 168, 2, 205});                   // device IP
    put(image, 0x02C, {255, 255, 255, 0});                   // mask
    put(image, 0x030, {255, 255, 255, 255});                 // gateway
    put(image, 0x034, {0x10, 0x27, 0x11, 0x27, 0x11, 0x27}); // 10000, 10001, 10001
    put(image, 0x1B4, {8, 8, 8, 8, 8, 8, 8, 8});
    put(image, 0x6F0, {0x00, 0x00, 0x08, 0x00}); // load address of bank2.bin
    return image;
}

TEST(ParameterImage, WithoutParameterDocumentHoldsTheResetValuesAndChecksum3466)
{
    ProjectFolder project;
    const auto images = project.compile();
    ASSERT_TRUE(images.ok()) << images.error();

    Bytes expected = resetImage();
    put(expected, 0x7FC, {0x8A, 0x0D, 0x00, 0x00});
    EXPECT_EQ(images.value().bank1, expected);

    const Bytes& bank2 = images.value().bank2;
    EXPECT_EQ(slice(bank2, 0, 14), Bytes(14, 0)) << "no SII configuration bytes";
    EXPECT_EQ(le16(bank2, 14), 0) << "node address";
}

TEST(ParameterImage, EmptyRootTakesTheReadingDefaultsAndChecksum4794)
{
    ProjectFolder project;
    project.writeParameters({});
    const auto images = project.compile();
    ASSERT_TRUE(images.ok()) << images.error();

    Bytes expected = resetImage();
    put(expected, 0x028, {192, 168, 0, 10});
    put(expected, 0x050, {'d', 'e', 'v', 'i', 'c', 'e', 'n', 'a', 'm', 'e', '1'});
    put(expected, 0x190, {0x00, 0xC2, 0x01, 0x00}); // 115200
    put(expected, 0x66C, {'1', '.', '0', '0', '1'});
    put(expected, 0x7FC, {0xBA, 0x12, 0x00, 0x00});
    EXPECT_EQ(images.value().bank1, expected);

    const Bytes& bank2 = images.value().bank2;
    EXPECT_EQ(slice(bank2, 0, 14),
              (Bytes{0x80, 0x0F, 0x00, 0xCC, 0x88, 0x13, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x80, 0x00, 0x00}));
    EXPECT_EQ(le16(bank2, 14), 1) << "node address";
    EXPECT_EQ(bank2[16], 0) << "clear data";
    EXPECT_EQ(le32(bank2, 24), 0u) << "revision";
}

struct FieldCase
{
    const char* what;
    Elements elements;
    std::size_t offset;
    Bytes expected;
};

class ParameterField : public testing::TestWithParam<FieldCase>
{
};

TEST_P(ParameterField, IsStoredAsTheDeviceReadsIt)
{
    ProjectFolder project;
    project.writeParameters(GetParam().elements);
    const auto images = project.compile();
    ASSERT_TRUE(images.ok()) << images.error();
    const Bytes& bank1 = images.value().bank1;
    EXPECT_EQ(slice(bank1, GetParam().offset, GetParam().expected.size()), GetParam().expected);
    EXPECT_EQ(le32(bank1, 0x7FC), parameterChecksum(bank1));
}

const Elements kGateway = {
    {"Ethernet_GAT1", "10"}, {"Ethernet_GAT2", "0"}, {"Ethernet_GAT3", "0"}, {"Ethernet_GAT4", "1"}};
const Elements kDns = {{"Eth_Conn_Primary_DNS1", "1"},   {"Eth_Conn_Primary_DNS2", "2"},
                       {"Eth_Conn_Primary_DNS3", "3"},   {"Eth_Conn_Primary_DNS4", "4"},
                       {"Eth_Conn_Secondary_DNS1", "5"}, {"Eth_Conn_Secondary_DNS2", "6"},
                       {"Eth_Conn_Secondary_DNS3", "7"}, {"Eth_Conn_Secondary_DNS4", "8"}};

// The text's bytes, then zeros up to the field's size.
Bytes textField(const std::string& text, std::size_t field)
{
    Bytes bytes(text.begin(), text.end());
    bytes.resize(field, 0);
    return bytes;
}

Elements with(Elements elements, const Elements& more)
{
    elements.insert(elements.end(), more.begin(), more.end());
    return elements;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ParameterField,
    testing::Values(
        FieldCase{"gateway unused", with({{"Ethernet_EN_GAT", "0"}}, kGateway), 0x030, {255, 255, 255, 255}},
        FieldCase{"gateway used", with({{"Ethernet_EN_GAT", "1"}}, kGateway), 0x030, {10, 0, 0, 1}},
        FieldCase{"gateway defaults", {{"Ethernet_EN_GAT", "1"}}, 0x030, {192, 168, 0, 1}},
        FieldCase{"gateway flag not exactly 1",
                  with({{"Ethernet_EN_GAT", " 1"}}, kGateway),
                  0x030,
                  {255, 255, 255, 255}},
        FieldCase{"octet keeps its low 8 bits",
                  {{"Ethernet_IP1", "300"}, {"Ethernet_IP4", "$0B"}},
                  0x028,
                  {44, 168, 0, 11}},
        FieldCase{"octet that is no number", {{"Ethernet_SM3", "25 5"}}, 0x02C, {255, 255, 255, 0}},
        FieldCase{"baud index 3", {{"SERIAL_BAUDRATE", "3"}}, 0x190, {0x80, 0x25, 0, 0}},
        FieldCase{"baud index 0", {{"SERIAL_BAUDRATE", "0"}}, 0x190, {0xB0, 0x04, 0, 0}},
        FieldCase{"baud index 9", {{"SERIAL_BAUDRATE", "9"}}, 0x190, {0x80, 0x25, 0, 0}},
        FieldCase{"baud index -1", {{"SERIAL_BAUDRATE", "-1"}}, 0x190, {0x80, 0x25, 0, 0}},
        FieldCase{"baud index no number", {{"SERIAL_BAUDRATE", "abc"}}, 0x190, {0x00, 0xC2, 0x01, 0}},
        FieldCase{"stop bits 1 stored as 2", {{"SERIAL_STOPBITS", "1"}}, 0x1AE, {2}},
        FieldCase{"stop bits 0", {{"SERIAL_STOPBITS", "0"}}, 0x1AE, {0}},
        FieldCase{"parity as stored", {{"SERIAL_PARITY", "2"}}, 0x1A8, {2}},
        FieldCase{"RS232", {{"SERIAL_SERIAL", "0"}}, 0x061, {1}},
        FieldCase{"RS485", {{"SERIAL_SERIAL", "1"}}, 0x061, {0}},
        FieldCase{"DHCP cable and Wi-Fi",
                  {{"Eth_Conn_DHCP_Cable", "1"}, {"Eth_Conn_DHCP_WiFi", "1"}},
                  0x4E8,
                  {3, 0}},
        FieldCase{"DHCP flag read exactly", {{"Eth_Conn_DHCP_Cable", "true"}}, 0x4E8, {0, 0}},
        FieldCase{"DNS unused: secondary", with({{"Eth_Conn_Enable_DNS", "0"}}, kDns), 0x53C, {0, 0, 0, 0}},
        FieldCase{"DNS unused: primary", with({{"Eth_Conn_Enable_DNS", "0"}}, kDns), 0x58C, {0, 0, 0, 0}},
        FieldCase{"DNS used: secondary", with({{"Eth_Conn_Enable_DNS", "1"}}, kDns), 0x53C, {5, 6, 7, 8}},
        FieldCase{"DNS used: primary", with({{"Eth_Conn_Enable_DNS", "1"}}, kDns), 0x58C, {1, 2, 3, 4}},
        FieldCase{"DNS defaults", {{"Eth_Conn_Enable_DNS", "1"}}, 0x53C, {8, 8, 4, 4}},
        FieldCase{"slave name cut to 15 characters",
                  {{"EtherCAT_Slave_Name", "ABCDEFGHIJKLMNOPQRST"}},
                  0x050,
                  textField("ABCDEFGHIJKLMNO", 16)},
        FieldCase{"empty slave name", {{"EtherCAT_Slave_Name", ""}}, 0x050, Bytes(16, 0)},
        FieldCase{"slave name: one byte per UTF-16 character",
                  {{"EtherCAT_Slave_Name", "\xC3\x84\xE2\x82\xAC"}},
                  0x050,
                  {0xC4, 0xAC, 0}},
        FieldCase{"device name cut to 31 characters",
                  {{"Eth_Conn_Device_Name", std::string(40, 'x')}},
                  0x514,
                  textField(std::string(31, 'x'), 32)}));

struct HeaderCase
{
    const char* what;
    Elements elements;
    std::size_t offset;
    Bytes expected;
};

class SlaveHeaderField : public testing::TestWithParam<HeaderCase>
{
};

TEST_P(SlaveHeaderField, OpensTheProcessDataImage)
{
    ProjectFolder project;
    project.writeParameters(GetParam().elements);
    const auto images = project.compile();
    ASSERT_TRUE(images.ok()) << images.error();
    EXPECT_EQ(slice(images.value().bank2, GetParam().offset, GetParam().expected.size()),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SlaveHeaderField,
    testing::Values(
        HeaderCase{"SII text given",
                   {{"EtherCAT_Slave_Eeprom_Config", "0102030405060708090A0B0C0D0E"}},
                   0,
                   {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}},
        HeaderCase{
            "SII text short", {{"EtherCAT_Slave_Eeprom_Config", "800F0"}}, 0, {0x80, 0x0F, 0x00, 0x00}},
        HeaderCase{"SII pair no number skipped",
                   {{"EtherCAT_Slave_Eeprom_Config", "80zz0F"}},
                   0,
                   {0x80, 0x0F, 0x00}},
        HeaderCase{"SII text empty", {{"EtherCAT_Slave_Eeprom_Config", ""}}, 0, Bytes(14, 0)},
        HeaderCase{"node address", {{"EtherCAT_Slave_Node_Address", "258"}}, 14, {0x02, 0x01}},
        HeaderCase{
            "node address keeps 16 bits", {{"EtherCAT_Slave_Node_Address", "70000"}}, 14, {0x70, 0x11}},
        HeaderCase{"node address no number", {{"EtherCAT_Slave_Node_Address", "x"}}, 14, {0x01, 0x00}},
        HeaderCase{"clear data", {{"EtherCAT_Slave_Clear_Data", "1"}}, 16, {1, 0, 0, 0}},
        HeaderCase{"clear data read exactly", {{"EtherCAT_Slave_Clear_Data", "true"}}, 16, {0}},
        HeaderCase{"revision", {{"EtherCAT_Slave_Revision_Number", "26"}}, 24, {0x1A, 0, 0, 0}},
        HeaderCase{"revision above the signed range",
                   {{"EtherCAT_Slave_Revision_Number", "4294967295"}},
                   24,
                   {0xFF, 0xFF, 0xFF, 0xFF}},
        HeaderCase{"revision 2^31", {{"EtherCAT_Slave_Revision_Number", "2147483648"}}, 24, {0, 0, 0, 0x80}},
        HeaderCase{"revision no number", {{"EtherCAT_Slave_Revision_Number", "1.0"}}, 24, {0, 0, 0, 0}},
        HeaderCase{"fixed addresses", {}, 20, {0x28, 0x40, 0x08, 0x00}}));

TEST(SiiConfigText, IsCutIntoPairsFromTheLeft)
{
    EXPECT_EQ(siiConfigBytes("800F00CC8813ff00000000800000"),
              (Bytes{0x80, 0x0F, 0x00, 0xCC, 0x88, 0x13, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x80, 0x00, 0x00}));
    EXPECT_EQ(siiConfigBytes("ABC"), (Bytes{0xAB, 0x0C}));
    EXPECT_EQ(siiConfigBytes("A"), (Bytes{0x0A}));
    EXPECT_EQ(siiConfigBytes(""), Bytes{});
    EXPECT_EQ(siiConfigBytes("-1FF"), (Bytes{0xFF}));
    EXPECT_EQ(siiConfigBytes("\xC3\xA9"
                             "1F"),
              (Bytes{0x0F}))
        << "pairs are cut by characters, not bytes";
}

} // namespace
} // namespace cfq::outputs::test
