#include "app/AppState.h"
#include "app/Settings.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace cfq {
namespace {

struct SettingsCase
{
    const char* name;
    std::optional<std::string> file; // nothing: no settings file
    std::string project;
    std::string address;
    std::string language;
    bool internet;
    bool update;
    bool jump;
    bool autoSize;
};

void PrintTo(const SettingsCase& testCase, std::ostream* out)
{
    *out << testCase.name;
}


class ReadSettings : public testing::TestWithParam<SettingsCase>
{
};

TEST_P(ReadSettings, TakesEachValueOnItsOwn)
{
    const SettingsCase& c = GetParam();
    test::TempDir dir;
    AppState state;
    state.Exe_Dir = dir.path();
    if (c.file)
        test::writeFile(dir / "Mavrel.xml", *c.file);
    Read_Settings(state);
    EXPECT_EQ(state.Project_Name, c.project);
    EXPECT_EQ(state.Device_IP_Address, c.address);
    EXPECT_EQ(state.Language_Name, c.language);
    EXPECT_EQ(state.Enable_Internet, c.internet);
    EXPECT_EQ(state.Enable_Update, c.update);
    EXPECT_EQ(state.Enable_Jump_Field_Tables, c.jump);
    EXPECT_EQ(state.Double_Click_Auto_Size, c.autoSize);
}

const char* const kFull = "<Conf_Settings><lastproj><projectname>Plant 4</projectname></lastproj>"
                          "<lastipadd><ipaddress>10.1.1.7</ipaddress></lastipadd>"
                          "<lastlang><language>Italiano</language></lastlang>"
                          "<lastinternet><enable_internet>1</enable_internet><enable_update>1</enable_update>"
                          "<enable_jump_field_tables>0</enable_jump_field_tables>"
                          "<Double_Click_Auto_Size>1</Double_Click_Auto_Size></lastinternet></Conf_Settings>";

INSTANTIATE_TEST_SUITE_P(
    Files, ReadSettings,
    testing::Values(
        SettingsCase{"missing_file", std::nullopt, "", "192.168.2.205", "English", false, false, false, false},
        SettingsCase{"only_language", "<Conf_Settings><lastlang><language>Deutsch</language></lastlang></Conf_Settings>",
                     "", "192.168.2.205", "Deutsch", false, false, false, false},
        SettingsCase{"flag_true_word",
                     "<Conf_Settings><lastinternet><enable_internet>true</enable_internet>"
                     "<enable_update>1</enable_update></lastinternet></Conf_Settings>",
                     "", "192.168.2.205", "English", false, true, false, false},
        SettingsCase{"flag_with_blank",
                     "<Conf_Settings><lastinternet><Double_Click_Auto_Size> 1</Double_Click_Auto_Size>"
                     "</lastinternet></Conf_Settings>",
                     "", "192.168.2.205", "English", false, false, false, false},
        SettingsCase{"missing_lastinternet", "<Conf_Settings><lastproj><projectname>P</projectname></lastproj></Conf_Settings>",
                     "P", "192.168.2.205", "English", false, false, false, false},
        SettingsCase{"empty_ipaddress_and_language",
                     "<Conf_Settings><lastipadd><ipaddress/></lastipadd><lastlang><language></language></lastlang>"
                     "</Conf_Settings>",
                     "", "", "", false, false, false, false},
        SettingsCase{"root_with_other_name", "<Other><lastproj><projectname>X</projectname></lastproj></Other>", "X",
                     "192.168.2.205", "English", false, false, false, false},
        SettingsCase{"comment_before_root", "<!--c--><Conf_Settings><lastproj><projectname>X</projectname></lastproj></Conf_Settings>",
                     "", "192.168.2.205", "English", false, false, false, false},
        SettingsCase{"not_well_formed", "<Conf_Settings><lastproj><projectname>X</lastproj>", "", "192.168.2.205",
                     "English", false, false, false, false},
        SettingsCase{"full", kFull, "Plant 4", "10.1.1.7", "Italiano", true, true, false, true}),
    [](const auto& testCase) { return testCase.param.name; });

TEST(SaveSetting, WritesTheElevenElementsInOrder)
{
    test::TempDir dir;
    AppState state;
    state.Exe_Dir = dir.path();
    state.Project_Name = "Plant 4";
    state.Device_IP_Address = "10.1.1.7";
    state.Language_Name = "Italiano";
    state.Enable_Internet = true;
    state.Enable_Update = true;
    state.Double_Click_Auto_Size = true;
    ASSERT_TRUE(Save_Setting(state));
    EXPECT_EQ(test::readFile(dir / "Mavrel.xml"), kFull);

    AppState reread;
    reread.Exe_Dir = dir.path();
    Read_Settings(reread);
    EXPECT_EQ(reread.Project_Name, "Plant 4");
    EXPECT_TRUE(reread.Double_Click_Auto_Size);
    EXPECT_FALSE(reread.Enable_Jump_Field_Tables);
}

TEST(SaveSetting, EmptyValuesAreWrittenAsEmptyElements)
{
    test::TempDir dir;
    AppState state;
    state.Exe_Dir = dir.path();
    ASSERT_TRUE(Save_Setting(state));
    const std::string text = test::readFile(dir / "Mavrel.xml");
    EXPECT_NE(text.find("<projectname"), std::string::npos);
    EXPECT_NE(text.find("<enable_internet>0</enable_internet>"), std::string::npos);
    EXPECT_NE(text.find("<Double_Click_Auto_Size>0</Double_Click_Auto_Size>"), std::string::npos);
}

TEST(SaveSetting, FailedWriteIsReportedAndLeavesNoTemporaryFile)
{
    test::TempDir dir;
    AppState state;
    // A folder where the file should be: the rename fails, even for root.
    state.Exe_Dir = dir.path();
    std::filesystem::create_directory(dir / "Mavrel.xml");
    const Status status = Save_Setting(state);
    EXPECT_FALSE(status);
    EXPECT_NE(status.error().find("Mavrel.xml"), std::string::npos);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);

    state.Exe_Dir = dir / "missing-folder";
    EXPECT_FALSE(Save_Setting(state));
}

} // namespace
} // namespace cfq
