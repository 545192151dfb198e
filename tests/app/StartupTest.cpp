#include "app/AppState.h"
#include "app/Settings.h"
#include "app/Startup.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace cfq {
namespace {

TEST(Startup, FirstStartCreatesTheFoldersAndTakesDefaults)
{
    test::TempDir dir;
    AppState state;
    runStartup(state, dir.path());
    for (const char* folder : {"MASTER", "PROJECTS", "LANGUAGE"})
        EXPECT_TRUE(std::filesystem::is_directory(dir / folder)) << folder;
    EXPECT_EQ(state.Projects_Dir, dir / "PROJECTS");
    EXPECT_FALSE(state.projectOpen());
    EXPECT_EQ(state.Device_IP_Address, "192.168.2.205");
    EXPECT_EQ(state.Language_Name, "English");
    EXPECT_TRUE(state.Read_Back);
    EXPECT_EQ(state.SW_Code, "CFQ4410");
    EXPECT_EQ(state.Window_Title, "VarnicCo - Configurator CFQ4410 - EtherCAT Slave / Serial ");
    EXPECT_EQ(state.text(18), "Error! Project not Valid");
    EXPECT_TRUE(state.ParGen_File.empty());
}

TEST(Startup, RestoresTheLastProjectWhenItsFolderExists)
{
    test::TempDir dir;
    test::writeFile(dir / "Mavrel.xml",
                    "<Conf_Settings><lastproj><projectname>Line 2</projectname></lastproj></Conf_Settings>");
    std::filesystem::create_directories(dir / "PROJECTS" / "Line 2");
    AppState state;
    runStartup(state, dir.path());
    EXPECT_TRUE(state.projectOpen());
    EXPECT_EQ(state.Project_Path, dir / "PROJECTS" / "Line 2");
    EXPECT_EQ(state.ParGen_File, dir / "PROJECTS" / "Line 2" / "ParGen.xml");
    EXPECT_EQ(state.EtherCAT_Slave_Group_File, dir / "PROJECTS" / "Line 2" / "EtherCAT_Slave_Group.xml");
}

TEST(Startup, KeepsTheNameOfAProjectWhoseFolderIsGone)
{
    test::TempDir dir;
    test::writeFile(dir / "Mavrel.xml",
                    "<Conf_Settings><lastproj><projectname>Gone</projectname></lastproj></Conf_Settings>");
    AppState state;
    runStartup(state, dir.path());
    EXPECT_FALSE(state.projectOpen());
    EXPECT_EQ(state.Project_Name, "Gone");
    ASSERT_TRUE(Save_Setting(state));
    EXPECT_NE(test::readFile(dir / "Mavrel.xml").find("<projectname>Gone</projectname>"), std::string::npos);
}

TEST(Startup, StoredNameThatLeavesProjectsIsNotOpened)
{
    test::TempDir dir;
    test::writeFile(dir / "Mavrel.xml",
                    "<Conf_Settings><lastproj><projectname>..</projectname></lastproj></Conf_Settings>");
    AppState state;
    runStartup(state, dir.path());
    EXPECT_FALSE(state.projectOpen());
}

TEST(Startup, AppliesTheStoredLanguage)
{
    test::TempDir dir;
    test::writeFile(dir / "LANGUAGE" / "Italiano.lng", "STR0 = Inizio\n");
    test::writeFile(dir / "Mavrel.xml",
                    "<Conf_Settings><lastlang><language>Italiano</language></lastlang></Conf_Settings>");
    AppState state;
    runStartup(state, dir.path());
    EXPECT_EQ(state.Language_Name, "Italiano");
    EXPECT_EQ(state.text(0), "Inizio");
}

} // namespace
} // namespace cfq
