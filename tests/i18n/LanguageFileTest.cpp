#include "app/AppState.h"
#include "i18n/Language.h"
#include "i18n/TextTable.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace cfq {
namespace {

// One language file and what entry 13 ("Options" in English) reads after it.
struct LineCase
{
    const char* name;
    std::string content;
    std::string expected13;
};

void PrintTo(const LineCase& testCase, std::ostream* out)
{
    *out << testCase.name;
}


const std::string kEnglish13 = "Options";

class LoadLangFile : public testing::TestWithParam<LineCase>
{
};

TEST_P(LoadLangFile, AppliesTheLineRules)
{
    test::TempDir dir;
    test::writeFile(dir / "x.lng", GetParam().content);
    TextTable table;
    table.Init_Text_Table();
    ASSERT_TRUE(Load_Lang_File(table, dir / "x.lng"));
    EXPECT_EQ(table[13], GetParam().expected13);
    EXPECT_EQ(table.size(), kTextTableSize);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LoadLangFile,
    testing::Values(
        LineCase{"plain", "STR13 = Opzioni\n", "Opzioni"},
        LineCase{"blanks_around", "   STR13    =    Opzioni   \r\n", "Opzioni"},
        LineCase{"tabs_and_controls_trimmed", "\tSTR13 = Opzioni\t\n", "Opzioni"},
        LineCase{"lower_case_str", "str13 = Opzioni\n", kEnglish13},
        LineCase{"character_before_str", "#STR13 = Opzioni\n", kEnglish13},
        LineCase{"no_equals", "STR13 Opzioni\n", kEnglish13},
        LineCase{"index_5400", "STR5400 = Opzioni\nSTR13 = x\n", "x"},
        LineCase{"negative_index", "STR-13 = Opzioni\n", kEnglish13},
        LineCase{"index_not_a_number", "STRab = Opzioni\n", kEnglish13},
        LineCase{"index_without_blank", "STR13= Opzioni\n", "Opzioni"},
        LineCase{"comment_cut", "STR13 = Opzioni /#/ remark\n", "Opzioni"},
        LineCase{"comment_only_leaves_entry", "STR13 = /#/ remark\n", kEnglish13},
        LineCase{"pilcrows_keep_blanks", "STR13 = \xC2\xB6 Opzioni \xC2\xB6\n", " Opzioni "},
        LineCase{"single_pilcrow_empties", "STR13 = \xC2\xB6\n", ""},
        LineCase{"text_after_second_pilcrow_dropped", "STR13 = \xC2\xB6Op\xC2\xB6zioni\n", "Op"},
        LineCase{"nothing_after_equals", "STR13 = \n", kEnglish13},
        LineCase{"equals_inside_text", "STR13 = a = b\n", "a = b"},
        LineCase{"later_line_wins", "STR13 = first\nSTR13 = second\n", "second"},
        LineCase{"cr_only_line_ends", "STR12 = a\rSTR13 = Opzioni\rSTR14 = c", "Opzioni"},
        LineCase{"utf8_bom", "\xEF\xBB\xBFSTR13 = Opci\xC3\xB3n\n", "Opci\xC3\xB3n"},
        LineCase{"utf8_without_bom", "STR13 = \xC3\x9C" "bersicht\n", "\xC3\x9C" "bersicht"},
        LineCase{"windows_1252_without_bom", "STR13 = Opci\xF3n \x80\n", "Opci\xC3\xB3n \xE2\x82\xAC"},
        LineCase{"windows_1252_pilcrow", "STR13 = \xB6 Opzioni \xB6\n", " Opzioni "},
        LineCase{"utf16_le_bom",
                 std::string("\xFF\xFE" "S\0T\0R\0" "1\0" "3\0 \0=\0 \0\xE9\0t\0\xE9\0\r\0\n\0", 28),
                 "\xC3\xA9t\xC3\xA9"},
        LineCase{"utf16_be_bom",
                 std::string("\xFE\xFF\0S\0T\0R\0" "1\0" "3\0 \0=\0 \0\xE9\0t\0\xE9\0\n", 26),
                 "\xC3\xA9t\xC3\xA9"}),
    [](const auto& testCase) { return testCase.param.name; });

TEST(LoadLangFile, UnreadableFileChangesNothing)
{
    test::TempDir dir;
    TextTable table;
    table.Init_Text_Table();
    EXPECT_FALSE(Load_Lang_File(table, dir / "missing.lng"));
    EXPECT_EQ(table[13], kEnglish13);
}

class LoadLanguage : public testing::Test
{
protected:
    void SetUp() override { state.Language_Dir = dir.path(); }

    test::TempDir dir;
    AppState state;
};

TEST_F(LoadLanguage, SwitchingLanguageStartsFromEnglish)
{
    test::writeFile(dir / "Italiano.lng", "STR13 = Opzioni\nSTR0 = Inizio\n");
    test::writeFile(dir / "Other.lng", "STR0 = Anfang\n");
    state.Language_Name = "Italiano";
    Load_Language(state);
    EXPECT_EQ(state.text(13), "Opzioni");

    state.Language_Name = "Other";
    Load_Language(state);
    EXPECT_EQ(state.text(13), kEnglish13);
    EXPECT_EQ(state.text(0), "Anfang");
    EXPECT_EQ(state.Language_Name, "Other");
}

TEST_F(LoadLanguage, MissingFileFallsBackToEnglishFile)
{
    test::writeFile(dir / "English.lng", "STR0 = Start here\n");
    state.Language_Name = "Klingon";
    Load_Language(state);
    EXPECT_EQ(state.Language_Name, "English");
    EXPECT_EQ(state.text(0), "Start here");
}

TEST_F(LoadLanguage, NoFilesKeepBuiltInTexts)
{
    for (const char* name : {"", "English", "Nowhere"}) {
        state.Language_Name = name;
        Load_Language(state);
        EXPECT_EQ(state.Language_Name, "English");
        EXPECT_EQ(state.text(18), "Error! Project not Valid");
        EXPECT_EQ(state.text(9), "None Configuration Opened ");
        EXPECT_EQ(state.Text_Table.size(), kTextTableSize);
    }
}

TEST_F(LoadLanguage, UnreadableFileFallsBackAsAMissingOne)
{
    std::filesystem::create_directory(dir / "Broken.lng");
    state.Language_Name = "Broken";
    Load_Language(state);
    EXPECT_EQ(state.Language_Name, "English");
    EXPECT_EQ(state.text(13), kEnglish13);
}

TEST(BuiltinTexts, TableHasEveryIndexAndBlankPlaceholders)
{
    TextTable table;
    table.Init_Text_Table();
    ASSERT_EQ(table.size(), 5400);
    EXPECT_EQ(table[0], "Begin");
    EXPECT_EQ(table[5399], " ");
    EXPECT_EQ(table[1105], "File already exists. Do you want to overwrite?");
    EXPECT_EQ(table[5325], "Error row ");
}

} // namespace
} // namespace cfq
