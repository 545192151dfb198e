#include "ethercat/VariableCsv.h"

#include "TableRows.h"
#include "ethercat/Placement.h"
#include "i18n/TextTable.h"

#include <algorithm>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace cfq {
namespace {

using test::tableOf;

// Every cell and tick of all 256 rows, for comparing whole tables.
std::vector<std::string> contentOf(const VariableTable& table)
{
    std::vector<std::string> content;
    for (int index = 0; index < kVariableRows; ++index) {
        content.emplace_back(table.enabled(index) ? "Y" : "N");
        for (int field = 0; field < kVarFieldCount; ++field)
            content.push_back(table.cell(index, static_cast<VarField>(field)));
    }
    return content;
}

MemoryVariableTable sampleTable(bool slaveToMaster)
{
    MemoryVariableTable table = tableOf({"Bool", "-Bool", "Int16", "String:4", "Array:255", "UInt32", "Float32",
                                         "Int8", "UInt8", "Int32", "UInt16"});
    const char* names[] = {"Run", "Spare", "Weight; net", "Serial \"A\"", "Block\r\nof bytes", "Count",
                           "Gain",  "Delta", "Code",        "Total",       "Word"};
    for (int index = 0; index < 11; ++index) {
        table.setCell(index, VarField::Name, names[index]);
        table.setCell(index, VarField::Mnemonic, "M" + std::to_string(index));
        if (slaveToMaster)
            table.setCell(index, VarField::InitValue, std::to_string(index * 3));
    }
    table.setCell(2, VarField::Group, "Scale");
    Calc_Position_Bit(table);
    return table;
}

CsvImport importText(const std::string& text, bool slaveToMaster = true)
{
    return readVariableCsv(text, slaveToMaster);
}

TEST(VariableCsv, ExportThenImportGivesTheSameTableInBothDirections)
{
    for (bool slaveToMaster : {true, false}) {
        SCOPED_TRACE(slaveToMaster ? "Slave To Master" : "Master To Slave");
        MemoryVariableTable original = sampleTable(slaveToMaster);
        original.setCell(2, VarField::Group, {});

        const CsvImport imported = importText(writeVariableCsv(original, slaveToMaster), slaveToMaster);
        ASSERT_FALSE(imported.failure) << imported.failure->reasonText;
        MemoryVariableTable copy = tableOf({"Int8", "Int8", "Int8", "Int8", "Int8", "Int8", "Int8", "Int8", "Int8",
                                            "Int8", "Int8", "Int8", "Int8", "Int8"});
        applyImportedVariables(copy, imported.variables);
        Calc_Position_Bit(copy);

        EXPECT_EQ(contentOf(copy), contentOf(original));
    }
}

TEST(VariableCsv, ExportWritesHeaderRowsAndComputedColumnsAsSpreadsheetsReadThem)
{
    const MemoryVariableTable table = sampleTable(true);
    const std::string text = writeVariableCsv(table, true);
    const std::string expectedStart = "\xEF\xBB\xBF"
                                      "Enable;Type;Length;Name;InitValue;Mnemonic;Position;StartBit;Group\r\n"
                                      "Y;Bool;1;Run;0;M0;0;0;\r\n"
                                      "N;Bool;1;Spare;3;M1;0;0;\r\n"
                                      "Y;Int16;2;\"Weight; net\";6;M2;1;0;Scale\r\n"
                                      "Y;String;4;\"Serial \"\"A\"\"\";9;M3;3;0;\r\n"
                                      "Y;Array;255;\"Block\r\nof bytes\";12;M4;8;0;\r\n";
    EXPECT_EQ(text.substr(0, expectedStart.size()), expectedStart);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1 + 11 + 1);

    const std::string masterToSlave = writeVariableCsv(sampleTable(false), false);
    EXPECT_EQ(masterToSlave.substr(3, masterToSlave.find('\r') - 3),
              "Enable;Type;Length;Name;Mnemonic;Position;StartBit;Group");
    EXPECT_EQ(writeVariableCsv(MemoryVariableTable(), false),
              "\xEF\xBB\xBF"
              "Enable;Type;Length;Name;Mnemonic;Position;StartBit;Group\r\n");
}

TEST(VariableCsv, ImportsASpreadsheetFile)
{
    // Comma separated, byte-order mark, CR LF, quoted names holding the
    // separator and quotes, columns in another order, computed columns with
    // stale values, other spellings of Enable and types, a trailing blank
    // record and a Windows-1252 letter in a file without byte-order mark.
    const std::string text = "\xEF\xBB\xBF"
                             "name,TYPE,length,enable,InitValue,Mnemonic,Position,StartBit,Group\r\n"
                             "\"Weight, net\",float32,4,true,1.5,W,99,7,Stale\r\n"
                             "\"Status \"\"ok\"\"\",bool,,1,,S,,,\r\n"
                             "Alarm,BOOL,1,false,0,,,,\r\n"
                             "Serial,String, 12 ,Y,ABC,SN,,,\r\n"
                             ",,,,,,,,\r\n";
    const CsvImport imported = importText(text);
    ASSERT_FALSE(imported.failure);
    EXPECT_THAT(imported.variables,
                testing::ElementsAre(ImportedVariable{true, "Float32", "4", "Weight, net", "1.5", "W"},
                                     ImportedVariable{true, "Bool", "1", "Status \"ok\"", "", "S"},
                                     ImportedVariable{false, "Bool", "1", "Alarm", "0", ""},
                                     ImportedVariable{true, "String", "12", "Serial", "ABC", "SN"}));

    const CsvImport named = importText("sep=|\r\nType|Name|Length\r\nArray|\"A|B\"|3\r\n");
    ASSERT_FALSE(named.failure);
    EXPECT_THAT(named.variables, testing::ElementsAre(ImportedVariable{true, "Array", "3", "A|B", "", ""}));

    const CsvImport latin = importText("Type;Name;Enable;InitValue\nInt8;Temp\xE9rature;N;7\n", false);
    ASSERT_FALSE(latin.failure);
    EXPECT_THAT(latin.variables,
                testing::ElementsAre(ImportedVariable{false, "Int8", "1", "Temp\xC3\xA9rature", "", ""}));
}

TEST(VariableCsv, ImportingReplacesEveryRowAndKeepsLengthsEditableOnlyForArrayAndString)
{
    MemoryVariableTable table = sampleTable(true);
    applyImportedVariables(table, {{true, "String", "6", "Id", "", ""}, {false, "UInt16", "2", "W", "5", "X"}});
    Calc_Position_Bit(table);

    EXPECT_EQ(tableLength(table), 2);
    EXPECT_TRUE(table.lengthEditable(0));
    EXPECT_FALSE(table.lengthEditable(1));
    EXPECT_FALSE(table.enabled(1));
    EXPECT_THAT(test::placesOf(table, 2), testing::ElementsAre("0/0", "0/0"));
    EXPECT_EQ(table.cell(2, VarField::Name), "");
}

struct MalformedCase
{
    const char* what;
    std::string text;
    CsvImportFailure failure;
};

class MalformedCsv : public testing::TestWithParam<MalformedCase>
{
};

const std::string kHeader = "Enable;Type;Length;Name;InitValue;Mnemonic\n";

std::string rowsOf(int count)
{
    std::string rows;
    for (int row = 0; row < count; ++row)
        rows += "Y;Int8;1;V" + std::to_string(row) + ";;\n";
    return rows;
}

TEST_P(MalformedCsv, NamesTheLineAndTheReasonAndImportsNothing)
{
    const CsvImport imported = importText(GetParam().text);
    ASSERT_TRUE(imported.failure);
    EXPECT_EQ(*imported.failure, GetParam().failure);
    EXPECT_TRUE(imported.variables.empty());
}

INSTANTIATE_TEST_SUITE_P(
    VariableCsv, MalformedCsv,
    testing::Values(
        MalformedCase{"unknown type", kHeader + "Y;Int8;1;A;;\nY;Int64;8;B;;\n", {3, 1071, "\"Int64\""}},
        MalformedCase{"empty type", kHeader + "Y;;1;A;;\n", {2, 1071, "\"\""}},
        MalformedCase{"String of length 0", kHeader + "Y;String;0;A;;\n", {2, 1072, "\"0\""}},
        MalformedCase{"Array of length 256", kHeader + "Y;Array;256;A;;\n", {2, 1072, "\"256\""}},
        MalformedCase{"String without a length", kHeader + "Y;string;;A;;\n", {2, 1072, "\"\""}},
        MalformedCase{"Array of length ten", kHeader + "Y;Array;ten;A;;\n", {2, 1072, "\"ten\""}},
        MalformedCase{"257 rows", kHeader + rowsOf(257), {258, 1073, ""}},
        MalformedCase{"unclosed quote", kHeader + "Y;Int8;1;A;;\nY;Int8;1;\"B;;\nY;Int8;1;C;;\n", {3, 1074, ""}},
        MalformedCase{"text after a closing quote", kHeader + "Y;Int8;1;\"A\"x;;\n", {2, 1075, ""}},
        MalformedCase{"too few fields", kHeader + "Y;Int8;1;A;\n", {2, 1076, ""}},
        MalformedCase{"too many fields", kHeader + "Y;Int8;1;A;;;\n", {2, 1076, ""}},
        MalformedCase{"line after a record over two lines",
                      kHeader + "Y;Int8;1;\"Two\nlines\";;\nY;Int8;1;A;;\nY;Int8;1;B;\n",
                      {5, 1076, ""}},
        MalformedCase{"Enable neither yes nor no", kHeader + "maybe;Int8;1;A;;\n", {2, 1077, "\"maybe\""}},
        MalformedCase{"no Type column", "Enable;Kind;Length;Name\nY;Int8;1;A\n", {1, 1078, "Type"}},
        MalformedCase{"no Name column", "Type\nInt8\n", {1, 1078, "Name"}},
        MalformedCase{"empty file", "", {1, 1078, "Type"}},
        MalformedCase{"separator line only", "sep=;\n", {2, 1078, "Type"}},
        MalformedCase{"fault after a separator line", "sep=;\nType;Name\nInt8\n", {3, 1076, ""}}),
    [](const testing::TestParamInfo<MalformedCase>& param) {
        std::string name;
        for (const char* c = param.param.what; *c; ++c)
            name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
        return name;
    });

TEST(VariableCsv, FailureMessageNamesTheLineTheReasonAndTheValue)
{
    TextTable texts;
    texts.Init_Text_Table();
    EXPECT_EQ((CsvImportFailure{12, 1071, "\"Int64\""}.message(texts)),
              "The CSV file was not imported. Line 12: unknown type \"Int64\"");
    EXPECT_EQ((CsvImportFailure{3, 1074, ""}.message(texts)),
              "The CSV file was not imported. Line 3: a quoted field is not closed");
}

} // namespace
} // namespace cfq
