#include "outputs/EsiIcon.h"
#include "outputs/ProjectFixture.h"

#include <gtest/gtest.h>

namespace cfq::outputs::test {
namespace {

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "the last line ends with CR LF too";
    return lines;
}

std::string join(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

// The lines of the file before the PDOs and after them, for a device with the
// given Type line, outputs address and alias.
std::vector<std::string> headLines(const std::string& typeLine, const std::string& name,
                                   const std::string& outputs)
{
    const std::string& icon = esiIconHex();
    return {
        R"(<?xml version="1.0"?>)",
        R"(<EtherCATInfo xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance" xsi:noNamespaceSchemaLocation="EtherCATInfo.xsd" Version="1.6">)",
        "  <Vendor>",
        "    <Id>#x00000A3C</Id>",
        "    <Name>VarnicCo</Name>",
        "    <ImageData16x14>" + icon + "</ImageData16x14>",
        "  </Vendor>",
        "  <Descriptions>",
        "    <Groups>",
        R"(      <Group SortOrder="0">)",
        "        <Type>VarnicCo Slaves</Type>",
        R"(        <Name LcId="1031">VarnicCo Slaves</Name>)",
        R"(        <Name LcId="1033">VarnicCo Slaves</Name>)",
        "        <ImageData16x14>" + icon + "</ImageData16x14>",
        "      </Group>",
        "    </Groups>",
        "    <Devices>",
        R"(      <Device Physics="YY">)",
        "        " + typeLine,
        R"(        <Name LcId="1033">)" + name + "</Name>",
        R"(        <Name LcId="1031">)" + name + "</Name>",
        "        <Info>",
        "          <StateMachine>",
        "            <Timeout>",
        "              <PreopTimeout>2000</PreopTimeout>",
        "              <SafeopOpTimeout>9000</SafeopOpTimeout>",
        "              <BackToInitTimeout>5000</BackToInitTimeout>",
        "              <BackToSafeopTimeout>200</BackToSafeopTimeout>",
        "            </Timeout>",
        "          </StateMachine>",
        "          <Mailbox>",
        "            <Timeout>",
        "              <RequestTimeout>100</RequestTimeout>",
        "              <ResponseTimeout>2000</ResponseTimeout>",
        "            </Timeout>",
        "          </Mailbox>",
        "          <IdentificationReg134>true</IdentificationReg134>",
        "        </Info>",
        "        <GroupType>VarnicCo Slaves</GroupType>",
        "        <Fmmu>Outputs</Fmmu>",
        "        <Fmmu>Inputs</Fmmu>",
        R"(        <Sm MinSize="0" MaxSize="0" DefaultSize="0" StartAddress="#x1FFF" ControlByte="#x26" Enable="0">MBoxOut</Sm>)",
        R"(        <Sm MinSize="0" MaxSize="0" DefaultSize="0" StartAddress="#x1FFF" ControlByte="#x22" Enable="0">MBoxIn</Sm>)",
        R"(        <Sm StartAddress="#x)" + outputs +
            R"(" ControlByte="#x64" DefaultSize="1" Enable="1">Outputs</Sm>)",
        R"(        <Sm StartAddress="#x1000" ControlByte="#x20" DefaultSize="1" Enable="1">Inputs</Sm>)",
    };
}

std::vector<std::string> tailLines(const std::string& alias)
{
    return {
        R"(        <Mailbox DataLinkLayer="true">)",
        "          <EoE />",
        R"(          <CoE SdoInfo="true" SegmentedSdo="true" CompleteAccess="true" />)",
        "          <FoE />",
        "        </Mailbox>",
        "        <Dc>",
        "          <OpMode>",
        "            <Name>Synchron</Name>",
        "            <Desc>SM-Synchron</Desc>",
        "            <AssignActivate>#x0</AssignActivate>",
        R"(            <CycleTimeSync0 Factor="1">0</CycleTimeSync0>)",
        "            <ShiftTimeSync0>0</ShiftTimeSync0>",
        R"(            <CycleTimeSync1 Factor="1">0</CycleTimeSync1>)",
        "          </OpMode>",
        "          <OpMode>",
        "            <Name>DC</Name>",
        "            <Desc>DC-Synchron</Desc>",
        "            <AssignActivate>#x300</AssignActivate>",
        R"(            <CycleTimeSync0 Factor="1">0</CycleTimeSync0>)",
        "            <ShiftTimeSync0>0</ShiftTimeSync0>",
        R"(            <CycleTimeSync1 Factor="1">0</CycleTimeSync1>)",
        "          </OpMode>",
        "        </Dc>",
        "        <Eeprom>",
        "          <ByteSize>2048</ByteSize>",
        "          <ConfigData>800F00CC8813ff00" + alias + "00800000</ConfigData>",
        "        </Eeprom>",
        "        <ImageData16x14>" + esiIconHex() + "</ImageData16x14>",
        "      </Device>",
        "    </Devices>",
        "  </Descriptions>",
        "</EtherCATInfo>",
    };
}

std::vector<std::string> concat(std::vector<std::string> a, const std::vector<std::string>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(EsiFile, WithoutDocumentsDescribesTheDefaultDeviceWithoutPdos)
{
    ProjectFolder project;
    const std::string expected =
        join(concat(headLines(R"(<Type ProductCode="#x00000E00" RevisionNo="#x00">EtherCAT Slave</Type>)",
                              "EtherCAT Slave", "1000"),
                    tailLines("0100")));
    EXPECT_EQ(project.esi(), expected);
}

TEST(EsiFile, IdentityComesFromTheParameterDocument)
{
    ProjectFolder project;
    project.writeParameters({{"EtherCAT_Slave_Revision_Number", "26"},
                             {"EtherCAT_Slave_Name", "Conv"},
                             {"EtherCAT_Slave_Node_Address", "258"}});
    const std::string expected = join(
        concat(headLines(R"(<Type ProductCode="#x00000E00" RevisionNo="#x1A">Conv</Type>)", "Conv", "1000"),
               tailLines("0201")));
    EXPECT_EQ(project.esi(), expected);
}

struct IdentityCase
{
    Elements elements;
    const char* expectedLine;
};

class EsiIdentity : public testing::TestWithParam<IdentityCase>
{
};

TEST_P(EsiIdentity, ReadsTheParameterDocumentWithItsFallbacks)
{
    ProjectFolder project;
    project.writeParameters(GetParam().elements);
    const std::vector<std::string> lines = linesOf(project.esi());
    EXPECT_NE(std::find(lines.begin(), lines.end(), GetParam().expectedLine), lines.end())
        << GetParam().expectedLine;
}

INSTANTIATE_TEST_SUITE_P(
    Table, EsiIdentity,
    testing::Values(
        IdentityCase{
            {{"EtherCAT_Slave_Revision_Number", "4294967295"}},
            R"(        <Type ProductCode="#x00000E00" RevisionNo="#xFFFFFFFF">EtherCAT Slave</Type>)"},
        IdentityCase{
            {{"EtherCAT_Slave_Revision_Number", "2147483648"}},
            R"(        <Type ProductCode="#x00000E00" RevisionNo="#x80000000">EtherCAT Slave</Type>)"},
        IdentityCase{{{"EtherCAT_Slave_Revision_Number", "abc"}},
                     R"(        <Type ProductCode="#x00000E00" RevisionNo="#x00">EtherCAT Slave</Type>)"},
        IdentityCase{{{"EtherCAT_Slave_Name", ""}},
                     R"(        <Type ProductCode="#x00000E00" RevisionNo="#x00"></Type>)"},
        IdentityCase{{{"EtherCAT_Slave_Node_Address", "65537"}},
                     "          <ConfigData>800F00CC8813ff00010000800000</ConfigData>"},
        IdentityCase{{{"EtherCAT_Slave_Node_Address", "none"}},
                     "          <ConfigData>800F00CC8813ff00010000800000</ConfigData>"},
        IdentityCase{{{"EtherCAT_Slave_Node_Address", "192"}},
                     "          <ConfigData>800F00CC8813ff00C00000800000</ConfigData>"}));

TEST(EsiIcon, IsA16By14BitmapInEveryImageElement)
{
    const Bytes bmp = esiIconBitmap();
    ASSERT_EQ(bmp.size(), 14u + 40u + 16u * 14u * 3u);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(le32(bmp, 2), bmp.size());
    EXPECT_EQ(le32(bmp, 10), 54u) << "pixels follow the headers";
    EXPECT_EQ(le32(bmp, 18), 16u);
    EXPECT_EQ(le32(bmp, 22), 14u);
    EXPECT_EQ(le16(bmp, 28), 24) << "bits per pixel";
    EXPECT_EQ(esiIconHex().size(), 2 * bmp.size());
    EXPECT_EQ(esiIconHex().find_first_not_of("0123456789abcdef"), std::string::npos);

    ProjectFolder project;
    const std::string text = project.esi();
    std::size_t count = 0;
    for (std::size_t at = 0;
         (at = text.find("<ImageData16x14>" + esiIconHex() + "</ImageData16x14>", at)) != std::string::npos;
         ++at)
        ++count;
    EXPECT_EQ(count, 3u);
}

} // namespace
} // namespace cfq::outputs::test
