#include "ethercat/VarTypes.h"

#include "ethercat/MemoryVariableTable.h"

#include <gtest/gtest.h>

namespace cfq {
namespace {

TEST(VarTypes, ListsTheTenTypesInTheDropDownOrder)
{
    const char* names[] = {"Bool",   "Int8",   "Int16",   "Int32", "UInt8",
                           "UInt16", "UInt32", "Float32", "Array", "String"};
    ASSERT_EQ(kVarTypes.size(), std::size(names));
    for (std::size_t i = 0; i < kVarTypes.size(); ++i)
        EXPECT_EQ(kVarTypes[i].name, names[i]);
}

struct LengthCase
{
    const char* type;
    const char* length;
    bool editable;
};

class VarSetLengthCases : public testing::TestWithParam<LengthCase>
{
};

TEST_P(VarSetLengthCases, SetsTheLengthCellAndItsEditability)
{
    MemoryVariableTable table;
    table.setCell(3, VarField::Length, "77");
    table.setLengthEditable(3, !GetParam().editable);
    VarSetLength(table, 3, GetParam().type);
    EXPECT_EQ(table.cell(3, VarField::Length), GetParam().length);
    EXPECT_EQ(table.lengthEditable(3), GetParam().editable);
}

INSTANTIATE_TEST_SUITE_P(Types, VarSetLengthCases,
                         testing::Values(LengthCase{"Bool", "1", false}, LengthCase{"Int8", "1", false},
                                         LengthCase{"UInt8", "1", false}, LengthCase{"Int16", "2", false},
                                         LengthCase{"UInt16", "2", false}, LengthCase{"Int32", "4", false},
                                         LengthCase{"UInt32", "4", false}, LengthCase{"Float32", "4", false},
                                         LengthCase{"Array", "10", true}, LengthCase{"String", "10", true}));

TEST(VarSetLength, ChangesNothingForANameOutsideTheList)
{
    MemoryVariableTable table;
    table.setCell(0, VarField::Length, "3");
    table.setLengthEditable(0, false);
    for (const char* name : {"", "bool", "Word", " Int16"}) {
        VarSetLength(table, 0, name);
        EXPECT_EQ(table.cell(0, VarField::Length), "3") << name;
        EXPECT_FALSE(table.lengthEditable(0)) << name;
    }
}

TEST(VarSetLength, Int16ThenArrayMakesTheLengthEditableAgain)
{
    MemoryVariableTable table;
    VarSetLength(table, 0, "Int16");
    EXPECT_FALSE(table.lengthEditable(0));
    VarSetLength(table, 0, "Array");
    EXPECT_EQ(table.cell(0, VarField::Length), "10");
    EXPECT_TRUE(table.lengthEditable(0));
}

TEST(SetLengthEditability, KeepsAPastedLength)
{
    MemoryVariableTable table;
    table.setLengthEditable(0, false);
    table.setCell(0, VarField::Length, "20");
    setLengthEditability(table, 0, "Array");
    EXPECT_EQ(table.cell(0, VarField::Length), "20");
    EXPECT_TRUE(table.lengthEditable(0));
}

} // namespace
} // namespace cfq
