#include "outputs/EsiDescription.h"
#include "outputs/EsiWriter.h"
#include "outputs/ProjectFixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace cfq::outputs::test {
namespace {

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

// The lines from the first PDO of the kind to the end of its last one.
std::vector<std::string> pdoLines(const std::string& esi, const std::string& kind)
{
    const std::vector<std::string> lines = linesOf(esi);
    const auto first = std::find_if(lines.begin(), lines.end(), [&](const std::string& line) {
        return line.starts_with("        <" + kind + " ");
    });
    const auto last = std::find(lines.rbegin(), lines.rend(), "        </" + kind + ">");
    if (first == lines.end() || last == lines.rend())
        return {};
    return std::vector<std::string>(first, last.base());
}

std::string outputsSmLine(const std::string& esi)
{
    for (const std::string& line : linesOf(esi)) {
        if (line.find(">Outputs</Sm>") != std::string::npos)
            return line;
    }
    return {};
}

std::vector<std::string> pdoStart(const std::string& kind, const std::string& sm, const std::string& index,
                                  const std::string& name)
{
    return {"        <" + kind + R"( Mandatory="true" Fixed="true" Sm=")" + sm + "\">",
            "          <Index>#x" + index + "</Index>", "          <Name>" + name + "</Name>", ""};
}

std::vector<std::string> entry(const std::string& index, int bits, const std::string& name,
                               const std::string& type)
{
    return {"          <Entry>",
            "            <Index>#x" + index + "</Index>",
            "            <SubIndex>0</SubIndex>",
            "            <BitLen>" + std::to_string(bits) + "</BitLen>",
            "            <Name>" + name + "</Name>",
            "            <DataType>" + type + "</DataType>",
            "          </Entry>",
            ""};
}

std::vector<std::string> filler(int bits)
{
    return {"\t\t\t\t\t<Entry>",
            "\t\t\t\t\t\t<Index>#x0</Index>",
            "\t\t\t\t\t\t<SubIndex>0</SubIndex>",
            "\t\t\t\t\t\t<BitLen>" + std::to_string(bits) + "</BitLen>",
            "\t\t\t\t\t</Entry>",
            ""};
}

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(EsiPdo, BitRunIsCompletedByAFillerBeforeTheNextEntry)
{
    ProjectFolder project;
    project.writeVariables({{.type = "Bool", .name = "b0"},
                            {.type = "Bool", .name = "b1"},
                            {.type = "Bool", .name = "b2"},
                            {.type = "Int16", .name = "n"}});
    const std::string esi = project.esi();

    EXPECT_EQ(pdoLines(esi, "TxPdo"),
              pdoStart("TxPdo", "3", "1A00", "Inputs_000") + entry("6000", 1, "b0", "BIT") +
                  entry("6001", 1, "b1", "BIT") + entry("6002", 1, "b2", "BIT") + filler(5) +
                  entry("6003", 16, "n", "INT") + std::vector<std::string>{"        </TxPdo>"});
    EXPECT_EQ(
        outputsSmLine(esi),
        R"(        <Sm StartAddress="#x100C" ControlByte="#x64" DefaultSize="1" Enable="1">Outputs</Sm>)");
    EXPECT_TRUE(pdoLines(esi, "RxPdo").empty());
}

TEST(EsiPdo, EightBitsNeedNoFillerANinthStartsANewByte)
{
    ProjectFolder project;
    project.writeVariables({}, std::vector<Variable>(9, Variable{.type = "Bool", .name = "b"}));
    std::vector<std::string> expected = pdoStart("RxPdo", "2", "1600", "Outputs_000");
    for (int i = 0; i < 9; ++i)
        expected = expected + entry("700" + std::to_string(i), 1, "b", "BIT");
    expected = expected + filler(7) + std::vector<std::string>{"        </RxPdo>"};
    EXPECT_EQ(pdoLines(project.esi(), "RxPdo"), expected);
}

TEST(EsiPdo, SeventeenOutputsMakeTwoPdos)
{
    ProjectFolder project;
    std::vector<Variable> outputs;
    for (int i = 0; i < 17; ++i)
        outputs.push_back({.type = "UInt16", .name = "o" + std::to_string(i)});
    project.writeVariables({}, outputs);

    std::vector<std::string> expected = pdoStart("RxPdo", "2", "1600", "Outputs_000");
    const char* hex = "0123456789ABCDEF";
    for (int i = 0; i < 16; ++i)
        expected = expected + entry(std::string("700") + hex[i], 16, "o" + std::to_string(i), "UINT");
    expected = expected + std::vector<std::string>{"        </RxPdo>"} +
               pdoStart("RxPdo", "2", "1601", "Outputs_001") + entry("7010", 16, "o16", "UINT") +
               std::vector<std::string>{"        </RxPdo>"};
    const std::string esi = project.esi();
    EXPECT_EQ(pdoLines(esi, "RxPdo"), expected);
    EXPECT_EQ(
        outputsSmLine(esi),
        R"(        <Sm StartAddress="#x1000" ControlByte="#x64" DefaultSize="1" Enable="1">Outputs</Sm>)")
        << "outputs do not move the outputs sync manager";
}

TEST(EsiPdo, BitRunAcrossAPdoBoundaryIsFilledInTheLaterPdo)
{
    ProjectFolder project;
    std::vector<Variable> inputs(15, Variable{.type = "Int8", .name = "i"});
    inputs.insert(inputs.end(), 3, Variable{.type = "Bool", .name = "b"});
    project.writeVariables(inputs);

    const std::vector<std::string> lines = pdoLines(project.esi(), "TxPdo");
    const std::vector<std::string> tail = std::vector<std::string>{"        </TxPdo>"} +
                                          pdoStart("TxPdo", "3", "1A01", "Inputs_001") +
                                          entry("6010", 1, "b", "BIT") + entry("6011", 1, "b", "BIT") +
                                          filler(5) + std::vector<std::string>{"        </TxPdo>"};
    ASSERT_GT(lines.size(), tail.size());
    EXPECT_EQ(std::vector<std::string>(lines.end() - static_cast<std::ptrdiff_t>(tail.size()), lines.end()),
              tail);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "\t\t\t\t\t<Entry>"), 1);
}

struct SizedCase
{
    Variable variable;
    std::vector<std::string> entryLines;
    const char* outputsAddress;
};

class SizedEntry : public testing::TestWithParam<SizedCase>
{
};

TEST_P(SizedEntry, GivesItsDataTypeBitLenAndInputSize)
{
    ProjectFolder project;
    project.writeVariables({{.type = "Int8", .name = "off", .enable = "N"}, GetParam().variable});
    const std::string esi = project.esi();
    EXPECT_EQ(pdoLines(esi, "TxPdo"), pdoStart("TxPdo", "3", "1A00", "Inputs_000") + GetParam().entryLines +
                                          std::vector<std::string>{"        </TxPdo>"});
    EXPECT_EQ(outputsSmLine(esi), std::string(R"(        <Sm StartAddress="#x)") + GetParam().outputsAddress +
                                      R"(" ControlByte="#x64" DefaultSize="1" Enable="1">Outputs</Sm>)");
}

INSTANTIATE_TEST_SUITE_P(
    Table, SizedEntry,
    testing::Values(
        // A String takes n + 1 bytes in the inputs: 11 bytes, three buffers, next multiple of 4.
        SizedCase{
            {.type = "String", .name = "s", .length = "10"}, entry("6000", 88, "s", "STRING(10)"), "1024"},
        SizedCase{{.type = "Array", .name = "a", .length = "4"},
                  entry("6000", 32, "a", "ARRAY [0..3] OF BYTE"),
                  "100C"},
        SizedCase{{.type = "Array", .name = "a", .length = "255"},
                  entry("6000", 2040, "a", "ARRAY [0..254] OF BYTE"),
                  "1300"},
        SizedCase{{.type = "Float32", .name = "f"}, entry("6000", 32, "f", "REAL"), "100C"},
        SizedCase{{.type = "Int32", .name = "d"}, entry("6000", 32, "d", "DINT"), "100C"},
        SizedCase{{.type = "UInt32", .name = "u"}, entry("6000", 32, "u", "UDINT"), "100C"},
        SizedCase{{.type = "Int8", .name = "c"}, entry("6000", 8, "c", "SINT"), "1004"},
        SizedCase{{.type = "UInt8", .name = "c"}, entry("6000", 8, "c", "USINT"), "1004"},
        SizedCase{{.type = " int16 ", .name = "t"}, entry("6000", 16, "t", "INT"), "1008"},
        SizedCase{{.type = "Word", .name = "w"}, entry("6000", 1, "w", "BIT") + filler(7), "1004"}));

TEST(EsiPdo, NamesAreEscapedAndTheFileParsesBack)
{
    ProjectFolder project;
    project.writeParameters({{"EtherCAT_Slave_Name", "A&B <\"x\">"}});
    project.writeVariables({{.type = "Int8", .name = "p&q<r"}}, {{.type = "Int8",
                                                                  .name = "Temp\xC2\xB0"
                                                                          "C"}});
    const std::string esi = project.esi();

    pugi::xml_document document;
    ASSERT_TRUE(document.load_buffer(esi.data(), esi.size()));
    const pugi::xml_node device =
        document.child("EtherCATInfo").child("Descriptions").child("Devices").child("Device");
    EXPECT_STREQ(device.child_value("Type"), "A&B <\"x\">");
    EXPECT_STREQ(device.child("TxPdo").child("Entry").child_value("Name"), "p&q<r");
    EXPECT_STREQ(device.child("RxPdo").child("Entry").child_value("Name"), "Temp\xC2\xB0"
                                                                           "C");
}

TEST(EsiText, ReplacesWhatXmlCannotHold)
{
    EXPECT_EQ(xmlText("a&b<c>d\"e'f"), "a&amp;b&lt;c&gt;d&quot;e'f");
    EXPECT_EQ(xmlText("tab\tok"), "tab\tok");
    EXPECT_EQ(xmlText(std::string("bell\x07", 5)), "bell\xEF\xBF\xBD");
    EXPECT_EQ(xmlText("bad\xFF"
                      "byte"),
              "bad\xEF\xBF\xBD"
              "byte");
    EXPECT_EQ(xmlText("\xE2\x82\xAC"), "\xE2\x82\xAC");
}

TEST(EsiDescription, InputSizeCountsBitRunsAsWholeBytes)
{
    const std::vector<TEtherCAT_Rule> rules = {ruleOf("Bool", 0, ""), ruleOf("Bool", 0, ""),
                                               ruleOf("Int16", 2, ""), ruleOf("Bool", 0, ""),
                                               ruleOf("String", 5, "")};
    EXPECT_EQ(processDataSize(rules), 1 + 2 + 1 + 6);
    EXPECT_EQ(outputsAddress(0), 0x1000);
    EXPECT_EQ(outputsAddress(3), 0x100C);
    EXPECT_EQ(outputsAddress(5), 0x1010);
    EXPECT_EQ(aliasText(1), "0100");
    EXPECT_EQ(aliasText(258), "0201");
}

} // namespace
} // namespace cfq::outputs::test
