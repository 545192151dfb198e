#include "TableRows.h"
#include "ethercat/Placement.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace cfq {
namespace {

using test::groupsOf;
using test::tableOf;
using testing::ElementsAre;
using testing::ElementsAreArray;

struct GroupCase
{
    const char* what;
    std::vector<std::string_view> rows;
    std::vector<TGroup> groups;
    std::vector<std::string> expected;
};

class Show_GroupCases : public testing::TestWithParam<GroupCase>
{
};

TEST_P(Show_GroupCases, AssignsTheEnabledRowsToTheGroupsInOrder)
{
    MemoryVariableTable table = tableOf(GetParam().rows);
    Show_Group(table, GetParam().groups);
    const int count = static_cast<int>(GetParam().expected.size());
    EXPECT_THAT(groupsOf(table, count), ElementsAreArray(GetParam().expected)) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Show_GroupCases,
    testing::Values(GroupCase{"disabled rows are skipped and belong to no group",
                              {"Int8", "-Int8", "Int8", "Int8", "Int8", "Int8", "Int8"},
                              {{"A", 2}, {"B", 3}},
                              {"A", "", "A", "B", "B", "B", ""}},
                    GroupCase{"a group without a name claims nothing",
                              {"Int8", "Int8", "Int8", "Int8"},
                              {{"", 2}, {"B", 2}},
                              {"B", "B", "", ""}},
                    GroupCase{"groups of no or a negative number of variables claim nothing",
                              {"Int8", "Int8", "Int8"},
                              {{"A", 0}, {"B", -4}, {"C", 1}},
                              {"C", "", ""}},
                    GroupCase{"the walk looks only at the ticks, past the end of the table",
                              {"Int8", "", "-", ""},
                              {{"A", 3}},
                              {"A", "A", "", "A", ""}},
                    GroupCase{"a blank name is a name", {"Int8"}, {{" ", 1}}, {" ", ""}},
                    GroupCase{"no groups empty every Group", {"Int8", "Int8"}, {}, {"", ""}}));

TEST(Show_Group, GroupsLargerThanTheTableStopWhenTheRowsRunOut)
{
    MemoryVariableTable table;
    Show_Group(table, {{"A", 200}, {"B", 100}, {"C", 5}});
    EXPECT_EQ(table.cell(199, VarField::Group), "A");
    EXPECT_EQ(table.cell(200, VarField::Group), "B");
    EXPECT_EQ(table.cell(kVariableRows - 1, VarField::Group), "B");
}

TEST(Show_Group, UntickingAMemberShiftsTheGroupAndReportsTheChangedRows)
{
    MemoryVariableTable table = tableOf({"Bool", "Bool", "Bool", "Bool"});
    table.setCell(5, VarField::Group, "stale");
    const std::vector<TGroup> groups{{"A", 2}, {"B", 1}};
    EXPECT_EQ(Show_Group(table, groups).count(), 4u);
    EXPECT_THAT(groupsOf(table, 6), ElementsAre("A", "A", "B", "", "", ""));

    table.setEnabled(1, false);
    const ChangedRows changed = Show_Group(table, groups);
    EXPECT_THAT(groupsOf(table, 4), ElementsAre("A", "", "A", "B"));
    EXPECT_EQ(changed.to_string().substr(kVariableRows - 4), "1110");
}

} // namespace
} // namespace cfq
