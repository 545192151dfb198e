#include "ethercat/ProcessDataMap.h"

#include "TableRows.h"
#include "ethercat/Placement.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace cfq {
namespace {

using test::tableOf;
using testing::ElementsAre;
using testing::ElementsAreArray;

// The map as text, one line per byte, bit 0 first: the letter of the row
// holding each bit ('a' for row index 0), '.' for an unused bit.
std::vector<std::string> picture(const ProcessDataMap& map)
{
    std::vector<std::string> lines;
    for (std::int64_t byte = 0; byte < map.byteCount(); ++byte) {
        std::string line;
        for (int bit = 0; bit < 8; ++bit) {
            const MappedVariable* variable = map.at(byte, bit);
            line += variable ? static_cast<char>('a' + variable->index) : '.';
        }
        lines.push_back(line);
    }
    return lines;
}

ProcessDataMap placedMap(const std::vector<std::string_view>& rows)
{
    MemoryVariableTable table = tableOf(rows);
    Calc_Position_Bit(table);
    return mapProcessData(table, {});
}

struct MapCase
{
    const char* what;
    std::vector<std::string_view> rows;
    std::vector<std::string> picture;
};

class Map : public testing::TestWithParam<MapCase>
{
};

TEST_P(Map, GivesEveryBitToTheVariablePlacedThere)
{
    const ProcessDataMap map = placedMap(GetParam().rows);
    EXPECT_THAT(picture(map), ElementsAreArray(GetParam().picture)) << GetParam().what;
    EXPECT_EQ(map.at(map.byteCount(), 0), nullptr);
    EXPECT_EQ(map.at(-1, 0), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Map,
    testing::Values(
        MapCase{"a Bool run takes bits 0 up of one byte", {"Bool", "Bool", "Bool", "Int8"}, {"abc.....", "dddddddd"}},
        MapCase{"a ninth Bool goes on in the next byte",
                {"Bool", "Bool", "Bool", "Bool", "Bool", "Bool", "Bool", "Bool", "Bool", "UInt16"},
                {"abcdefgh", "i.......", "jjjjjjjj", "jjjjjjjj"}},
        MapCase{"a String of Length 4 takes five bytes",
                {"Int8", "String:4", "Bool"},
                {"aaaaaaaa", "bbbbbbbb", "bbbbbbbb", "bbbbbbbb", "bbbbbbbb", "bbbbbbbb", "c......."}},
        MapCase{"disabled rows are absent and do not break a run",
                {"Bool", "-Int32", "Bool", "-String:4", "Int16"},
                {"ac......", "eeeeeeee", "eeeeeeee"}},
        MapCase{"a type outside the list takes its Length", {"Word:2", "Bool"}, {"aaaaaaaa", "aaaaaaaa", "b......."}},
        MapCase{"an Array of Length 0 takes nothing", {"Array:0", "Int8"}, {"bbbbbbbb"}},
        MapCase{"rows after the end of the table are absent", {"Int8", "", "Int32"}, {"aaaaaaaa"}},
        MapCase{"an empty table takes no byte", {}, {}}));

TEST(ProcessDataMap, CarriesEachVariablesRowNameTypeGroupAndPlace)
{
    MemoryVariableTable table = tableOf({"Bool", "-Bool", "Bool", "String:2", "Float32"});
    const char* names[] = {"ready", "off", "alarm", "serial", "weight"};
    for (int index = 0; index < 5; ++index)
        table.setCell(index, VarField::Name, names[index]);
    const std::vector<TGroup> groups = {{"Unused", 0}, {"Bits", 2}, {"Data", 1}};
    Show_Group(table, groups);
    Calc_Position_Bit(table);
    // A group name that the list does not hold, as a hand-edited table might.
    table.setCell(4, VarField::Group, "Other");

    const ProcessDataMap map = mapProcessData(table, groups);
    const auto row = [](const MappedVariable& v) {
        return std::to_string(v.index) + " " + v.name + " " + v.type + " " + v.group + "#" +
               std::to_string(v.groupOrder) + " " + std::to_string(v.position) + "/" + std::to_string(v.startBit) +
               (v.bit ? " bit" : " bytes " + std::to_string(v.bytes));
    };
    std::vector<std::string> rows;
    for (const MappedVariable& variable : map.variables())
        rows.push_back(row(variable));
    EXPECT_THAT(rows, ElementsAre("0 ready Bool Bits#1 0/0 bit", "2 alarm Bool Bits#1 0/1 bit",
                                  "3 serial String Data#2 1/0 bytes 3", "4 weight Float32 Other#3 4/0 bytes 4"));
    EXPECT_EQ(map.byteCount(), 8);
}

TEST(ProcessDataMap, ReadsThePlacesTheCellsHoldInAnyOrder)
{
    // The map shows what the Position and Start Bit cells say, even when
    // they are not in table order.
    MemoryVariableTable table = tableOf({"Int16", "Bool", "Int8"});
    const char* places[][2] = {{"3", "0"}, {"$2", "5"}, {"0", "0"}};
    for (int index = 0; index < 3; ++index) {
        table.setCell(index, VarField::Position, places[index][0]);
        table.setCell(index, VarField::StartBit, places[index][1]);
    }
    EXPECT_THAT(picture(mapProcessData(table, {})), ElementsAre("cccccccc", "........", ".....b..", "aaaaaaaa", "aaaaaaaa"));
}

} // namespace
} // namespace cfq
