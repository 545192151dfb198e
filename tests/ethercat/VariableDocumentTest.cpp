#include "ethercat/VariableDocument.h"

#include "TableRows.h"
#include "ethercat/Placement.h"
#include "platform/Xml.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace cfq {
namespace {

using test::groupsOf;
using test::placesOf;
using test::tableOf;
using testing::ElementsAre;
using testing::HasSubstr;

std::string documentText(const VariableTable& slaveToMaster, const VariableTable& masterToSlave)
{
    pugi::xml_document document;
    buildVariableDocument(document, slaveToMaster, masterToSlave);
    return xml::toText(document);
}

class VariableDocument : public testing::Test
{
protected:
    // Writes the document text and loads it into stm and mts.
    Status load(const std::string& text, const GroupSnapshot& groups = {})
    {
        test::writeFile(file, text);
        return Load_Variables(file, {stm, mts}, groups);
    }
    std::string wrap(const std::string& slaveToMaster, const std::string& masterToSlave = "")
    {
        return "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master>" + slaveToMaster +
               "</EtherCAT_Slave_To_Master><EtherCAT_Master_To_Slave>" + masterToSlave +
               "</EtherCAT_Master_To_Slave></EtherCAT_Slave_Variables></EtherCAT_Slave>";
    }

    test::TempDir dir;
    std::filesystem::path file = dir / "EtherCAT_Slave.xml";
    MemoryVariableTable stm;
    MemoryVariableTable mts;
};

TEST_F(VariableDocument, SavesTheAttributesInOrderWithoutInitValueForMasterToSlave)
{
    MemoryVariableTable slaveToMaster = tableOf({"Int16", "-Bool"});
    slaveToMaster.setCell(0, VarField::Name, "Temp");
    slaveToMaster.setCell(0, VarField::InitValue, "5");
    slaveToMaster.setCell(0, VarField::Position, "0");
    slaveToMaster.setCell(0, VarField::StartBit, "0");
    slaveToMaster.setCell(0, VarField::Group, "G1");
    slaveToMaster.setCell(0, VarField::Mnemonic, "Room");
    MemoryVariableTable masterToSlave = tableOf({"String:4"});
    masterToSlave.setCell(0, VarField::InitValue, "never written");

    ASSERT_TRUE(Save_Variables(file, slaveToMaster, masterToSlave));
    EXPECT_EQ(
        test::readFile(file),
        "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master>"
        "<row Enable=\"Y\" Type=\"Int16\" Length=\"2\" Name=\"Temp\" InitValue=\"5\" Position=\"0\" "
        "BitStart=\"0\" Group=\"G1\" Mnemonic=\"Room\"/>"
        "<row Enable=\"N\" Type=\"Bool\" Length=\"1\" Name=\"\" InitValue=\"\" Position=\"\" BitStart=\"\" "
        "Group=\"\" Mnemonic=\"\"/>"
        "</EtherCAT_Slave_To_Master><EtherCAT_Master_To_Slave>"
        "<row Enable=\"Y\" Type=\"String\" Length=\"4\" Name=\"\" Position=\"\" BitStart=\"\" Group=\"\" "
        "Mnemonic=\"\"/>"
        "</EtherCAT_Master_To_Slave></EtherCAT_Slave_Variables></EtherCAT_Slave><!--SW_VERSION = 1.001-->");
}

TEST_F(VariableDocument, EmptyTablesWriteBothDirectionElements)
{
    EXPECT_EQ(documentText(stm, mts),
              "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master/>"
              "<EtherCAT_Master_To_Slave/></EtherCAT_Slave_Variables></EtherCAT_Slave>"
              "<!--SW_VERSION = 1.001-->");
}

TEST_F(VariableDocument, AnEmptyTypeEndsTheSavedTable)
{
    MemoryVariableTable slaveToMaster = tableOf({"Int8", "Int8", " ", "Int8", "Int8"});
    const std::string text = documentText(slaveToMaster, mts);
    auto parsed = xml::parse(text, "saved");
    ASSERT_TRUE(parsed);
    const pugi::xml_node rows = parsed.value()->first_child().first_child().first_child();
    EXPECT_EQ(std::distance(rows.begin(), rows.end()), 2);
}

TEST_F(VariableDocument, RoundTripKeepsEveryTextAsTyped)
{
    const std::string name = " A&B <\"x\"> 'y' Temp\xC2\xB0"
                             "C ";
    MemoryVariableTable slaveToMaster = tableOf({"Array:3", "-Float32", "Word:2"});
    slaveToMaster.setCell(0, VarField::Name, name);
    slaveToMaster.setCell(0, VarField::InitValue, "0a1b2c");
    slaveToMaster.setCell(1, VarField::Mnemonic, "m\tn\nl\x01");
    MemoryVariableTable masterToSlave = tableOf({"String:7", "Bool"});
    masterToSlave.setCell(1, VarField::Name, name);
    Calc_Position_Bit(slaveToMaster);
    Calc_Position_Bit(masterToSlave);
    ASSERT_TRUE(Save_Variables(file, slaveToMaster, masterToSlave));

    ASSERT_TRUE(Load_Variables(file, {stm, mts}, {}));
    EXPECT_EQ(stm.cell(0, VarField::Name), name);
    EXPECT_EQ(stm.cell(0, VarField::InitValue), "0a1b2c");
    EXPECT_EQ(stm.cell(0, VarField::Length), "3");
    EXPECT_FALSE(stm.enabled(1));
    EXPECT_EQ(stm.cell(1, VarField::Mnemonic), "m\tn\nl\x01");
    EXPECT_EQ(stm.cell(2, VarField::Type), "Word");
    EXPECT_EQ(mts.cell(0, VarField::Length), "7");
    EXPECT_EQ(mts.cell(1, VarField::Name), name);
    EXPECT_EQ(documentText(stm, mts), test::readFile(file));
}

TEST_F(VariableDocument, LoadReadsEnableTypeAndLengthByTheirRules)
{
    ASSERT_TRUE(load(wrap("<row Enable=\"y\" Type=\"Int16\" Length=\"5\"/>"
                          "<row Enable=\"N\" Type=\"Array\"/>"
                          "<row Enable=\"\" Type=\"Word\" Length=\"3\"/>"
                          "<row Type=\"Bool\" Length=\"1\"/>",
                          "<row Enable=\"n\" Type=\"String\" Length=\"8\" InitValue=\"ignored\"/>")));
    EXPECT_TRUE(stm.enabled(0));
    EXPECT_EQ(stm.cell(0, VarField::Length), "5");
    EXPECT_FALSE(stm.lengthEditable(0));
    EXPECT_FALSE(stm.enabled(1));
    EXPECT_EQ(stm.cell(1, VarField::Length), "");
    EXPECT_TRUE(stm.lengthEditable(1));
    EXPECT_TRUE(stm.enabled(2));
    EXPECT_TRUE(stm.enabled(3));
    EXPECT_TRUE(mts.enabled(0));
    EXPECT_TRUE(mts.lengthEditable(0));
    EXPECT_EQ(mts.cell(0, VarField::InitValue), "");
}

TEST_F(VariableDocument, LoadRecomputesPositionsAndGroupsInsteadOfReadingThem)
{
    ASSERT_TRUE(
        load(wrap("<row Enable=\"Y\" Type=\"Bool\" Length=\"1\" Position=\"9\" BitStart=\"4\" Group=\"X\"/>"
                  "<row Enable=\"Y\" Type=\"Int8\" Length=\"1\" Position=\"9\" BitStart=\"4\" Group=\"X\"/>",
                  "<row Enable=\"Y\" Type=\"Int32\" Length=\"4\" Group=\"X\"/><row Type=\"UInt8\"/>"),
             GroupSnapshot{{{"S", 1}}, {{"", 1}, {"M", 5}}}));
    EXPECT_THAT(placesOf(stm, 2), ElementsAre("0/0", "1/0"));
    EXPECT_THAT(groupsOf(stm, 3), ElementsAre("S", "", ""));
    EXPECT_THAT(placesOf(mts, 2), ElementsAre("0/0", "4/0"));
    EXPECT_THAT(groupsOf(mts, 2), ElementsAre("M", "M"));
}

TEST_F(VariableDocument, LoadResetsTheTablesFirst)
{
    stm.setEnabled(7, false);
    stm.setCell(7, VarField::Name, "old");
    mts.setCell(0, VarField::Type, "Int8");
    ASSERT_TRUE(load(wrap("<row Enable=\"Y\" Type=\"Int8\"/>")));
    EXPECT_TRUE(stm.enabled(7));
    EXPECT_EQ(stm.cell(7, VarField::Name), "");
    EXPECT_EQ(mts.cell(0, VarField::Type), "");
}

TEST_F(VariableDocument, LoadTakesAtMost256RowsAndEveryChildNode)
{
    std::string rows = "<other Type=\"Int8\"/>";
    for (int i = 1; i < 300; ++i)
        rows += "<row Type=\"UInt8\" Name=\"v" + std::to_string(i) + "\"/>";
    ASSERT_TRUE(load(wrap(rows)));
    EXPECT_EQ(stm.cell(0, VarField::Type), "Int8");
    EXPECT_EQ(stm.cell(kVariableRows - 1, VarField::Name), "v255");
    EXPECT_EQ(stm.cell(kVariableRows - 1, VarField::Position), "255");
    EXPECT_EQ(tableLength(stm), kVariableRows);
}

TEST_F(VariableDocument, MissingElementsLeaveTheirDirectionsEmpty)
{
    const std::string row = "<row Type=\"Int8\"/>";
    ASSERT_TRUE(load("<Other><EtherCAT_Slave_Variables><EtherCAT_Master_To_Slave>" + row +
                     "</EtherCAT_Master_To_Slave></EtherCAT_Slave_Variables></Other>"));
    EXPECT_EQ(tableLength(stm), 0);
    EXPECT_EQ(tableLength(mts), 1);

    ASSERT_TRUE(load("<EtherCAT_Slave><EtherCAT_Slave_To_Master>" + row +
                     "</EtherCAT_Slave_To_Master></EtherCAT_Slave>"));
    EXPECT_EQ(tableLength(stm), 0);
    EXPECT_EQ(tableLength(mts), 0);

    ASSERT_TRUE(load("<!--first--><EtherCAT_Slave/>"));
    EXPECT_EQ(tableLength(stm), 0);
}

TEST_F(VariableDocument, NoFileGivesEmptyTables)
{
    stm.setCell(0, VarField::Type, "Int8");
    EXPECT_TRUE(Load_Variables(file, {stm, mts}, {}));
    EXPECT_EQ(tableLength(stm), 0);
    EXPECT_TRUE(stm.enabled(0));
}

TEST_F(VariableDocument, ADocumentThatIsNotWellFormedIsAnError)
{
    stm.setCell(0, VarField::Type, "Int8");
    const Status status = load("<EtherCAT_Slave><EtherCAT_Slave_Variables>");
    ASSERT_FALSE(status);
    EXPECT_THAT(status.error(), HasSubstr("EtherCAT_Slave.xml"));
    EXPECT_THAT(status.error(), HasSubstr("offset"));
    EXPECT_EQ(tableLength(stm), 0);
}

TEST_F(VariableDocument, SaveIntoAMissingFolderFailsWithoutWriting)
{
    const Status status = Save_Variables(dir / "missing" / "EtherCAT_Slave.xml", stm, mts);
    EXPECT_FALSE(status);
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
}

} // namespace
} // namespace cfq
