#include "ethercat/Placement.h"

#include "TableRows.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace cfq {
namespace {

using test::placesOf;
using test::tableOf;
using testing::ElementsAre;
using testing::ElementsAreArray;

TEST(Calc_Position_Bit, PlacesTheWorkedExample)
{
    MemoryVariableTable table = tableOf({"Bool", "Bool", "Int16", "-Bool", "String:4", "Bool", "Bool", "Bool",
                                         "Bool", "Bool", "Bool", "Bool", "Bool", "Bool", "UInt8"});
    Calc_Position_Bit(table);
    EXPECT_THAT(placesOf(table, 15), ElementsAre("0/0", "0/1", "1/0", "0/0", "3/0", "8/0", "8/1", "8/2",
                                                 "8/3", "8/4", "8/5", "8/6", "8/7", "9/0", "10/0"));
}

struct PlacementCase
{
    const char* what;
    std::vector<std::string_view> rows;
    std::vector<std::string> places;
};

class Placement : public testing::TestWithParam<PlacementCase>
{
};

TEST_P(Placement, GivesEachRowItsByteAndBit)
{
    MemoryVariableTable table = tableOf(GetParam().rows);
    Calc_Position_Bit(table);
    const int count = static_cast<int>(GetParam().places.size());
    EXPECT_THAT(placesOf(table, count), ElementsAreArray(GetParam().places)) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Placement,
    testing::Values(
        PlacementCase{"nine Bools take two bytes",
                      {"Bool", "Bool", "Bool", "Bool", "Bool", "Bool", "Bool", "Bool", "Bool", "Int8"},
                      {"0/0", "0/1", "0/2", "0/3", "0/4", "0/5", "0/6", "0/7", "1/0", "2/0"}},
        PlacementCase{"a full byte of Bools is not counted twice",
                      {"Bool", "Bool", "Bool", "Bool", "Bool", "Bool", "Bool", "Bool", "Int8", "Int8"},
                      {"0/0", "0/1", "0/2", "0/3", "0/4", "0/5", "0/6", "0/7", "1/0", "2/0"}},
        PlacementCase{"a String takes its zero byte", {"String:10", "Int8"}, {"0/0", "11/0"}},
        PlacementCase{"an Array takes its Length", {"Array:10", "Int8"}, {"0/0", "10/0"}},
        PlacementCase{
            "a disabled row does not break a Bool run", {"Bool", "-Int32", "Bool"}, {"0/0", "0/0", "0/1"}},
        PlacementCase{"a Bool after a byte variable starts a fresh byte",
                      {"Int8", "Bool", "UInt16", "Bool", "Bool"},
                      {"0/0", "1/0", "2/0", "4/0", "4/1"}},
        PlacementCase{"sizes of the fixed types",
                      {"Int8", "UInt8", "Int16", "UInt16", "Int32", "UInt32", "Float32", "Int8"},
                      {"0/0", "1/0", "2/0", "4/0", "6/0", "10/0", "14/0", "18/0"}},
        PlacementCase{"a fixed type ignores its Length cell", {"Int16:99", "Int8"}, {"0/0", "2/0"}},
        PlacementCase{"a type outside the list is placed like an Array", {"Word:3", "Int8"}, {"0/0", "3/0"}},
        PlacementCase{"a Length that is no number counts as 0",
                      {"Array:abc", "String:x", "Int8"},
                      {"0/0", "0/0", "1/0"}},
        PlacementCase{
            "a negative Length takes no space", {"Word:-9", "String:-5", "Int8"}, {"0/0", "0/0", "1/0"}},
        PlacementCase{
            "a Length is a whole number", {"Array:007", "Array:$10", "Int8"}, {"0/0", "7/0", "23/0"}},
        PlacementCase{
            "disabled rows at the start take no space", {"-Int32", "-Bool", "Int8"}, {"0/0", "0/0", "0/0"}}));

TEST(Calc_Position_Bit, LeavesTheRowsAfterTheEndOfTheTableAlone)
{
    MemoryVariableTable table = tableOf({"Int32", " ", "Int8"});
    table.setCell(1, VarField::Position, "5");
    table.setCell(2, VarField::Position, "7");
    table.setCell(2, VarField::StartBit, "3");
    Calc_Position_Bit(table);
    EXPECT_THAT(placesOf(table, 3), ElementsAre("0/0", "5/", "7/3"));
}

TEST(Calc_Position_Bit, ReportsOnlyTheRowsWhoseCellsChanged)
{
    MemoryVariableTable table = tableOf({"Bool", "Bool", "Bool", "Int16", "Int8"});
    EXPECT_EQ(Calc_Position_Bit(table).count(), 5u);
    EXPECT_TRUE(Calc_Position_Bit(table).none());

    table.setEnabled(1, false);
    const ChangedRows changed = Calc_Position_Bit(table);
    EXPECT_THAT(placesOf(table, 5), ElementsAre("0/0", "0/0", "0/1", "1/0", "3/0"));
    EXPECT_EQ(changed.to_string().substr(kVariableRows - 5), "00110");
}

TEST(Calc_Position_Bit, HandlesAFullTableOfLongStrings)
{
    MemoryVariableTable table;
    for (int index = 0; index < kVariableRows; ++index) {
        table.setCell(index, VarField::Type, "String");
        table.setCell(index, VarField::Length, "255");
    }
    Calc_Position_Bit(table);
    EXPECT_EQ(table.cell(kVariableRows - 1, VarField::Position), std::to_string(255 * 256));
}

} // namespace
} // namespace cfq
