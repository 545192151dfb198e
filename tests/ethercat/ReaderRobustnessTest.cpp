#include "ethercat/GroupDocument.h"
#include "ethercat/GroupValidation.h"
#include "ethercat/MemoryVariableTable.h"
#include "ethercat/Placement.h"
#include "ethercat/VariableDocument.h"
#include "ethercat/VariableValidation.h"
#include "platform/Xml.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <random>

namespace cfq {
namespace {

constexpr const char* kVariableDocument =
    "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master>"
    "<row Enable=\"Y\" Type=\"Bool\" Length=\"1\" Name=\"a\" InitValue=\"1\" Position=\"0\" BitStart=\"0\"/>"
    "<row Enable=\"N\" Type=\"Array\" Length=\"4\" Name=\"b&amp;\" InitValue=\"0a1b\"/>"
    "<row Enable=\"Y\" Type=\"String\" Length=\"255\" Name=\"Temp\xC2\xB0"
    "C\" InitValue=\"abc\"/>"
    "</EtherCAT_Slave_To_Master><EtherCAT_Master_To_Slave>"
    "<row Enable=\"Y\" Type=\"Float32\" Length=\"4\" Name=\"c\"/><row Enable=\"Y\" Type=\"Word\" "
    "Length=\"-9\"/>"
    "</EtherCAT_Master_To_Slave></EtherCAT_Slave_Variables></EtherCAT_Slave><!--SW_VERSION = 1.001-->";

constexpr const char* kGroupDocument =
    "<PROFINET_Master_to_Modbus_TCP_Master><Slave_to_Master>"
    "<row Group_Name=\"A\" Num_Variables=\"2\" Mnemonic=\"x\"/><row Group_Name=\"B\" "
    "Num_Variables=\"$7FFFFFFF\"/>"
    "</Slave_to_Master><Master_to_Slave><row Group_Name=\"\" Num_Variables=\"-3\"/></Master_to_Slave>"
    "</PROFINET_Master_to_Modbus_TCP_Master><!--SW_VERSION = 1.001-->";

// Variants of a document: cut short, with bytes replaced, inserted or
// removed (mostly from the characters that make up markup), or plain noise.
class Mutator
{
public:
    std::string operator()(const std::string& seed)
    {
        std::string text = seed;
        switch (pick(4)) {
        case 0:
            return text.substr(0, pick(text.size() + 1));
        case 1:
            return noise(pick(400));
        default:
            for (std::size_t edits = 1 + pick(8); edits > 0 && !text.empty(); --edits) {
                const std::size_t at = pick(text.size());
                switch (pick(3)) {
                case 0:
                    text[at] = character();
                    break;
                case 1:
                    text.insert(at, std::string(1 + pick(3), character()));
                    break;
                default:
                    text.erase(at, 1 + pick(4));
                }
            }
            return text;
        }
    }

private:
    std::size_t pick(std::size_t bound) { return bound == 0 ? 0 : m_random() % bound; }
    char character()
    {
        static const std::string markup = "<>/=\"'&;!-?[] \txrow0aN\xC2\xB0";
        return pick(4) == 0 ? static_cast<char>(pick(256)) : markup[pick(markup.size())];
    }
    std::string noise(std::size_t length)
    {
        std::string text;
        while (text.size() < length)
            text += character();
        return text;
    }

    std::mt19937 m_random{20240611};
};

TEST(ReaderRobustness, DamagedVariableDocumentsNeverBreakTheTables)
{
    Mutator mutate;
    MemoryVariableTable stm;
    MemoryVariableTable mts;
    const GroupSnapshot groups{{{"A", 3}, {"B", 2147483647}}, {{"", 5}, {"C", -1}}};
    for (int round = 0; round < 3000; ++round) {
        const std::string text = mutate(kVariableDocument);
        auto document = xml::parse(text, "fuzz");
        if (!document) {
            EXPECT_FALSE(document.error().empty());
            continue;
        }
        resetTable(stm);
        resetTable(mts);
        readVariableDocument(*document.value(), {stm, mts});
        Show_Group(stm, groups.Group_StoM);
        Calc_Position_Bit(stm);
        Show_Group(mts, groups.Group_MtoS);
        Calc_Position_Bit(mts);
        (void)Controllo_dati(stm, mts);
        pugi::xml_document saved;
        buildVariableDocument(saved, stm, mts);
        EXPECT_TRUE(xml::parse(xml::toText(saved), "saved")) << text;
    }
}

TEST(ReaderRobustness, DamagedGroupDocumentsNeverBreakTheLists)
{
    Mutator mutate;
    for (int round = 0; round < 3000; ++round) {
        const std::string text = mutate(kGroupDocument);
        auto document = xml::parse(text, "fuzz");
        if (!document)
            continue;
        const GroupLists lists = readGroupLists(*document.value());
        (void)Controllo_dati(lists);
        MemoryVariableTable table;
        Show_Group(table, toGroupSnapshot(lists).Group_StoM);
        pugi::xml_document saved;
        buildGroupDocument(saved, lists);
        EXPECT_TRUE(xml::parse(xml::toText(saved), "saved")) << text;
    }
}

TEST(ReaderRobustness, EveryTruncationReadsOrFailsCleanly)
{
    MemoryVariableTable stm;
    MemoryVariableTable mts;
    const std::string variables = kVariableDocument;
    for (std::size_t length = 0; length <= variables.size(); ++length) {
        if (auto document = xml::parse(variables.substr(0, length), "cut"))
            readVariableDocument(*document.value(), {stm, mts});
    }
    const std::string groups = kGroupDocument;
    for (std::size_t length = 0; length <= groups.size(); ++length) {
        if (auto document = xml::parse(groups.substr(0, length), "cut"))
            (void)readGroupLists(*document.value());
    }
}

TEST(ReaderRobustness, TruncatedFilesLoadOrGiveAnErrorNamingTheFile)
{
    test::TempDir dir;
    MemoryVariableTable stm;
    MemoryVariableTable mts;
    const std::string variables = kVariableDocument;
    const std::string groups = kGroupDocument;
    // A cut every few dozen bytes; the parser's own cases are covered above.
    for (std::size_t length = 1; length < groups.size(); length += 37) {
        test::writeFile(dir / "EtherCAT_Slave.xml", variables.substr(0, length));
        const Status status = Load_Variables(dir / "EtherCAT_Slave.xml", {stm, mts}, {});
        EXPECT_TRUE(status || status.error().find("EtherCAT_Slave.xml") != std::string::npos) << length;
        test::writeFile(dir / "EtherCAT_Slave_Group.xml", groups.substr(0, length));
        auto lists = loadGroupLists(dir / "EtherCAT_Slave_Group.xml");
        EXPECT_TRUE(lists || lists.error().find("EtherCAT_Slave_Group.xml") != std::string::npos) << length;
    }
}

} // namespace
} // namespace cfq
