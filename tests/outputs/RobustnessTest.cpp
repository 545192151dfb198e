#include "outputs/EsiFile.h"
#include "outputs/ProjectFixture.h"
#include "outputs/Unicode.h"
#include "platform/Xml.h"

#include <gtest/gtest.h>

#include <random>

namespace cfq::outputs::test {
namespace {

// Documents of the right shape with hostile values, then cut or damaged at
// random: the compiler and the generator must answer every one with images,
// a file or an error, and what they produce must stay within its bounds.
class DocumentFuzzer
{
public:
    explicit DocumentFuzzer(unsigned seed) : m_random(seed) {}

    std::string parameters()
    {
        std::string text = "<Par_Gen>";
        for (const char* name :
             {"EtherCAT_Slave_Name", "EtherCAT_Slave_Node_Address", "EtherCAT_Slave_Revision_Number",
              "EtherCAT_Slave_Eeprom_Config", "SERIAL_BAUDRATE", "SERIAL_STOPBITS", "Ethernet_IP1",
              "Eth_Conn_Device_Name", "Eth_Conn_Enable_DNS", "Ethernet_EN_GAT"}) {
            if (chance(4))
                text += std::string("<") + name + ">" + escaped(value()) + "</" + name + ">";
        }
        return damaged(text + "</Par_Gen><!--SW_VERSION = 1.001-->");
    }

    std::string variables()
    {
        std::string text = "<EtherCAT_Slave><EtherCAT_Slave_Variables>";
        for (const char* direction : {"EtherCAT_Slave_To_Master", "EtherCAT_Master_To_Slave"}) {
            text += std::string("<") + direction + ">";
            const int rows = pick(300);
            for (int i = 0; i < rows; ++i) {
                text += "<row";
                for (const char* name :
                     {"Enable", "Type", "Length", "Name", "InitValue", "Position", "BitStart"}) {
                    if (chance(5))
                        text += std::string(" ") + name + "=\"" +
                                escaped(std::string(name) == "Enable" && chance(3) ? "Y" : value()) + "\"";
                }
                text += "/>";
            }
            text += std::string("</") + direction + ">";
        }
        return damaged(text + "</EtherCAT_Slave_Variables></EtherCAT_Slave>");
    }

    std::string groups()
    {
        std::string text = "<G>";
        for (const char* direction : {"Slave_to_Master", "Master_to_Slave"}) {
            text += std::string("<") + direction + ">";
            for (int i = pick(20); i > 0; --i)
                text += "<row Group_Name=\"" + escaped(value()) + "\" Num_Variables=\"" + escaped(value()) +
                        "\"/>";
            text += std::string("</") + direction + ">";
        }
        return damaged(text + "</G>");
    }

private:
    int pick(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(m_random); }
    bool chance(int outOf) { return pick(outOf) != 0; }

    std::string value()
    {
        static const std::vector<std::string> pool = {"",
                                                      "Y",
                                                      "N",
                                                      "0",
                                                      "1",
                                                      "-1",
                                                      "7",
                                                      "255",
                                                      "256",
                                                      "2147483648",
                                                      "-2147483649",
                                                      "$FFFFFFFF",
                                                      "0x7FFFFFFFFFFFFFFF",
                                                      "99999999999999999999",
                                                      "1.5",
                                                      "1e40",
                                                      "-1e-50",
                                                      "abc",
                                                      "Bool",
                                                      "Int8",
                                                      "Int16",
                                                      "Int32",
                                                      "UInt8",
                                                      "UInt16",
                                                      "UInt32",
                                                      "Float32",
                                                      "String",
                                                      "Array",
                                                      "ARRAY",
                                                      "zz0A",
                                                      "0A0B0C",
                                                      "800F00CC8813ff00000000800000FFFF",
                                                      "&<>\"'",
                                                      "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80",
                                                      "\xFF\xFE",
                                                      std::string(1000, 'n'),
                                                      std::string(70, '9')};
        return pool[static_cast<std::size_t>(pick(static_cast<int>(pool.size())))];
    }

    static std::string escaped(const std::string& text)
    {
        std::string out;
        for (char c : text) {
            if (c == '&')
                out += "&amp;";
            else if (c == '<')
                out += "&lt;";
            else if (c == '"')
                out += "&quot;";
            else
                out += c;
        }
        return out;
    }

    // Most documents stay whole; the others are cut short or get stray bytes.
    std::string damaged(std::string text)
    {
        switch (pick(6)) {
        case 0:
            text.resize(static_cast<std::size_t>(pick(static_cast<int>(text.size()) + 1)));
            break;
        case 1:
            for (int flips = pick(8) + 1; flips > 0 && !text.empty(); --flips)
                text[static_cast<std::size_t>(pick(static_cast<int>(text.size())))] =
                    static_cast<char>(pick(256));
            break;
        default:
            break;
        }
        return text;
    }

    std::mt19937 m_random;
};

bool isCleanXmlText(const std::string& text)
{
    for (std::size_t i = 0; i < text.size();) {
        const Utf8Character c = decodeUtf8(text, i);
        if (!c.valid ||
            (c.codePoint < 0x20 && c.codePoint != '\t' && c.codePoint != '\n' && c.codePoint != '\r'))
            return false;
        i += c.length;
    }
    return true;
}

TEST(Robustness, RandomAndDamagedDocumentsNeverBreakTheOutputs)
{
    DocumentFuzzer fuzzer(20240611);
    int compiled = 0;
    int generated = 0;
    for (int round = 0; round < 150; ++round) {
        ProjectFolder project;
        project.writeDocument("ParGen.xml", fuzzer.parameters());
        project.writeDocument("EtherCAT_Slave.xml", fuzzer.variables());
        project.writeDocument("EtherCAT_Slave_Group.xml", fuzzer.groups());

        const auto images = project.compile();
        if (images.ok()) {
            ++compiled;
            EXPECT_EQ(images.value().bank1.size(), 2048u);
            EXPECT_GE(images.value().bank2.size(), 16557u);
            EXPECT_LE(images.value().bank2.size(), 131072u);
        } else {
            EXPECT_FALSE(images.error().empty());
        }

        const auto esi = esiFileText(project.documents());
        if (esi.ok()) {
            ++generated;
            const auto parsed = xml::parse(esi.value(), "ESI");
            EXPECT_TRUE(parsed.ok()) << round;
            EXPECT_TRUE(isCleanXmlText(esi.value())) << round;
        }
    }
    EXPECT_GT(compiled, 10) << "the fuzzer must also reach the image builder";
    EXPECT_GT(generated, 10) << "the fuzzer must also reach the ESI writer";
}

} // namespace
} // namespace cfq::outputs::test
