#include "ethercat/VariableValidation.h"

#include "TableRows.h"
#include "i18n/TextTable.h"

#include <gtest/gtest.h>

namespace cfq {
namespace {

using test::tableOf;

struct VariableValidationCase
{
    const char* what;
    std::vector<std::string_view> slaveToMaster;
    std::vector<std::string_view> initValues; // of the Slave To Master rows
    std::vector<std::string_view> masterToSlave;
    std::optional<ValidationFailure> expected;
};

class VariableValidation : public testing::TestWithParam<VariableValidationCase>
{
};

TEST_P(VariableValidation, ReportsTheFirstBrokenRule)
{
    MemoryVariableTable slaveToMaster = tableOf(GetParam().slaveToMaster);
    for (std::size_t i = 0; i < GetParam().initValues.size(); ++i)
        slaveToMaster.setCell(static_cast<int>(i), VarField::InitValue, GetParam().initValues[i]);
    const MemoryVariableTable masterToSlave = tableOf(GetParam().masterToSlave);
    EXPECT_EQ(Controllo_dati(slaveToMaster, masterToSlave), GetParam().expected) << GetParam().what;
}

ValidationFailure row(int number, int text)
{
    return {1051, number, text};
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VariableValidation,
    testing::Values(
        VariableValidationCase{"empty tables pass", {}, {}, {}, std::nullopt},
        VariableValidationCase{
            "an odd number of hex digits", {"Int8", "Array:10"}, {"", "0A1"}, {}, row(2, 1053)},
        VariableValidationCase{"more bytes than Length", {"Array:1"}, {"0a1b"}, {}, row(1, 1054)},
        VariableValidationCase{"a character that is no hex digit", {"Array:1"}, {"0G"}, {}, row(1, 1055)},
        VariableValidationCase{"lower-case digits that fit pass", {"Array:2"}, {"0a1b"}, {}, std::nullopt},
        VariableValidationCase{"an Array without Init Value passes", {"Array:255"}, {""}, {}, std::nullopt},
        VariableValidationCase{
            "a non-ASCII character is no hex digit", {"Array:2"}, {"0\xC3\xA9"}, {}, row(1, 1055)},
        VariableValidationCase{"Array Length 0", {"Array:0"}, {""}, {}, row(1, 1052)},
        VariableValidationCase{"Array Length 256", {"Array:256"}, {"00"}, {}, row(1, 1052)},
        VariableValidationCase{"Array Length that is no number", {"Array:abc"}, {}, {}, row(1, 1052)},
        VariableValidationCase{"String Length 0", {"String:0"}, {}, {}, row(1, 1056)},
        VariableValidationCase{"a String longer than Length", {"String:5"}, {"abcdef"}, {}, row(1, 1057)},
        VariableValidationCase{"String characters are counted, not bytes",
                               {"String:6"},
                               {"Temp\xC2\xB0"
                                "C"},
                               {},
                               std::nullopt},
        VariableValidationCase{
            "a disabled Array of Length 0 passes", {"-Array:0", "-String:300"}, {}, {}, std::nullopt},
        VariableValidationCase{"other types are not tested",
                               {"Int16:abc", "Bool:0", "Word:0"},
                               {"x", "y", "z"},
                               {},
                               std::nullopt},
        VariableValidationCase{
            "Master To Slave String Length 300", {}, {}, {"Int8", "String:300"}, row(2, 1058)},
        VariableValidationCase{"Master To Slave Array Length 0", {}, {}, {"Array:0"}, row(1, 1058)},
        VariableValidationCase{"Slave To Master first", {"String:0"}, {}, {"Array:0"}, row(1, 1056)},
        VariableValidationCase{
            "a row without Type before a typed row", {"Int8", "", "Int8"}, {}, {}, row(2, 1063)},
        VariableValidationCase{"a blank Type is no Type", {"Int8", " ", "", "Int8"}, {}, {}, row(2, 1063)},
        VariableValidationCase{
            "the gap is found before the other rules", {"Array:0", "", "Int8"}, {}, {}, row(2, 1063)},
        VariableValidationCase{"the gap in Master To Slave", {"Int8"}, {}, {"", "Bool"}, row(1, 1064)},
        VariableValidationCase{"Slave To Master rules before the Master To Slave gap",
                               {"Array:0"},
                               {},
                               {"", "Bool"},
                               row(1, 1052)},
        VariableValidationCase{
            "untyped rows at the end pass", {"Int8", "", "-"}, {}, {"", "-"}, std::nullopt}));

TEST(VariableValidation, AGapAnywhereInThe256RowsIsFound)
{
    MemoryVariableTable slaveToMaster;
    slaveToMaster.setCell(kVariableRows - 1, VarField::Type, "Int8");
    const MemoryVariableTable masterToSlave;
    EXPECT_EQ(Controllo_dati(slaveToMaster, masterToSlave), row(1, 1063));
}

TEST(VariableValidation, AFullTableIsCheckedToItsLastRow)
{
    MemoryVariableTable slaveToMaster;
    for (int index = 0; index < kVariableRows; ++index)
        slaveToMaster.setCell(index, VarField::Type, "Int8");
    slaveToMaster.setCell(kVariableRows - 1, VarField::Type, "String");
    const MemoryVariableTable masterToSlave;
    EXPECT_EQ(Controllo_dati(slaveToMaster, masterToSlave), row(kVariableRows, 1056));
}

TEST(VariableValidation, ComposesTheMessagesFromTheTextTable)
{
    TextTable texts;
    texts.Init_Text_Table();
    EXPECT_EQ(row(3, 1053).message(texts),
              "Error row 3!! [Slave to Master] Init Value the number of characters must be even");
    EXPECT_EQ(row(7, 1064).message(texts),
              "Error row 7!! [Master to Slave] Select the Type of this row or delete it");
}

TEST(Utf16Length, CountsWhatTheDeviceCountsAsCharacters)
{
    EXPECT_EQ(utf16Length(""), 0u);
    EXPECT_EQ(utf16Length("Temp\xC2\xB0"
                          "C"),
              6u);
    EXPECT_EQ(utf16Length("\xE2\x82\xAC"), 1u);
    EXPECT_EQ(utf16Length("\xF0\x9F\x98\x80"), 2u);
    EXPECT_EQ(utf16Length("\xFF\xC3"), 2u);
}

} // namespace
} // namespace cfq
