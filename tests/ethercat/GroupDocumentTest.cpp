#include "ethercat/GroupDocument.h"

#include "support/TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace cfq {
namespace {

using testing::ElementsAre;
using testing::HasSubstr;

class GroupDocument : public testing::Test
{
protected:
    GroupLists loaded(const std::string& text)
    {
        test::writeFile(file, text);
        auto lists = loadGroupLists(file);
        EXPECT_TRUE(lists) << (lists ? "" : lists.error());
        return lists ? lists.value() : GroupLists{};
    }

    test::TempDir dir;
    std::filesystem::path file = dir / "EtherCAT_Slave_Group.xml";
};

TEST_F(GroupDocument, WritesTheRowsAsTypedUpToTheFirstEmptyName)
{
    const GroupLists lists{{{"Inputs", "007", " m "}, {" B ", "3", ""}, {"  ", "9", "x"}, {"After", "1", ""}},
                           {}};
    ASSERT_TRUE(saveGroupLists(file, lists));
    EXPECT_EQ(test::readFile(file),
              "<PROFINET_Master_to_Modbus_TCP_Master><Slave_to_Master>"
              "<row Group_Name=\"Inputs\" Num_Variables=\"007\" Mnemonic=\" m \"/>"
              "<row Group_Name=\" B \" Num_Variables=\"3\" Mnemonic=\"\"/>"
              "</Slave_to_Master><Master_to_Slave/></PROFINET_Master_to_Modbus_TCP_Master>"
              "<!--SW_VERSION = 1.001-->");
}

TEST_F(GroupDocument, WritesAtMostSixteenGroupsAndKeepsEveryTextOnTheWayBack)
{
    GroupLists lists;
    for (int i = 0; i < 20; ++i)
        lists.masterToSlave.push_back(
            {"G&<\"" + std::to_string(i) + "\"\xC2\xB0", std::to_string(i), "m" + std::to_string(i)});
    lists.slaveToMaster = {{"", "5", "lost"}, {"Later", "1", ""}};
    ASSERT_TRUE(saveGroupLists(file, lists));

    auto read = loadGroupLists(file);
    ASSERT_TRUE(read);
    EXPECT_TRUE(read.value().slaveToMaster.empty());
    ASSERT_EQ(read.value().masterToSlave.size(), 16u);
    lists.masterToSlave.resize(16);
    EXPECT_EQ(read.value().masterToSlave, lists.masterToSlave);
}

TEST_F(GroupDocument, ReadsEveryChildOfADirectionWhateverTheNames)
{
    const GroupLists lists =
        loaded("<!--made by hand--><Other><Master_to_Slave><g Group_Name=\"M\"/></Master_to_Slave>"
               "<Slave_to_Master><row Group_Name=\"A\" Num_Variables=\"2\" Mnemonic=\"x\"/>"
               "<group Num_Variables=\"abc\"/></Slave_to_Master></Other>");
    EXPECT_TRUE(lists.slaveToMaster.empty()) << "the comment is the first top-level node, so it is the root";

    const GroupLists named =
        loaded("<Other><Master_to_Slave><g Group_Name=\"M\"/></Master_to_Slave>"
               "<Slave_to_Master><row Group_Name=\"A\" Num_Variables=\"2\" Mnemonic=\"x\"/>"
               "<group Num_Variables=\"abc\"/></Slave_to_Master></Other><!--SW_VERSION = 1.001-->");
    EXPECT_THAT(named.slaveToMaster, ElementsAre(GroupRow{"A", "2", "x"}, GroupRow{"", "abc", ""}));
    EXPECT_THAT(named.masterToSlave, ElementsAre(GroupRow{"M", "", ""}));
}

TEST_F(GroupDocument, AMissingDirectionIsEmpty)
{
    const GroupLists lists = loaded("<PROFINET_Master_to_Modbus_TCP_Master><Slave_to_Master>"
                                    "<row Group_Name=\"A\" Num_Variables=\"2\"/></Slave_to_Master>"
                                    "</PROFINET_Master_to_Modbus_TCP_Master>");
    EXPECT_EQ(lists.slaveToMaster.size(), 1u);
    EXPECT_TRUE(lists.masterToSlave.empty());
}

TEST_F(GroupDocument, NoFileGivesNoGroups)
{
    auto lists = loadGroupLists(file);
    ASSERT_TRUE(lists);
    EXPECT_TRUE(lists.value().slaveToMaster.empty());
    EXPECT_TRUE(lists.value().masterToSlave.empty());
}

TEST_F(GroupDocument, ADocumentThatIsNotWellFormedIsAnError)
{
    test::writeFile(file, "<PROFINET_Master_to_Modbus_TCP_Master><Slave_to_Master>");
    auto lists = loadGroupLists(file);
    ASSERT_FALSE(lists);
    EXPECT_THAT(lists.error(), HasSubstr("EtherCAT_Slave_Group.xml"));
    EXPECT_THAT(lists.error(), HasSubstr("offset"));
}

TEST(GroupSnapshotOf, ReadsTheNumberOfVariablesAsAWholeNumber)
{
    const GroupLists lists{{{"A", "007", ""}, {"B", "abc", ""}, {"", "$10", ""}},
                           {{"M", " 3", ""}, {"N", "", ""}}};
    const GroupSnapshot snapshot = toGroupSnapshot(lists);
    EXPECT_THAT(snapshot.Group_StoM, ElementsAre(TGroup{"A", 7}, TGroup{"B", 0}, TGroup{"", 16}));
    EXPECT_THAT(snapshot.Group_MtoS, ElementsAre(TGroup{"M", 3}, TGroup{"N", 0}));
}

} // namespace
} // namespace cfq
