#include "platform/SharedData.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace cfq::test {
namespace {

namespace fs = std::filesystem;

TEST(SharedData, SharedFolderLiesBesideTheProgramsFolder)
{
    EXPECT_EQ(sharedDataFolderFor("/opt/cfq/bin"), fs::path("/opt/cfq/share/cfq4410"));
}

TEST(SharedData, FirstStartCopiesLanguagesAndExampleProject)
{
    TempDir shared;
    TempDir working;
    writeFile(shared / "LANGUAGE/English.lng", "english");
    writeFile(shared / "LANGUAGE/Italiano.lng", "italiano");
    writeFile(shared / "PROJECTS/Scale/ParGen.xml", "<Par_Gen/>");
    fs::create_directories(shared / "PROJECTS/Scale/bin");

    ASSERT_TRUE(seedWorkingFolder(shared.path(), working.path()).ok());

    EXPECT_EQ(readFile(working / "LANGUAGE/English.lng"), "english");
    EXPECT_EQ(readFile(working / "LANGUAGE/Italiano.lng"), "italiano");
    EXPECT_EQ(readFile(working / "PROJECTS/Scale/ParGen.xml"), "<Par_Gen/>");
    EXPECT_TRUE(fs::is_directory(working / "PROJECTS/Scale/bin"));
}

TEST(SharedData, WhatTheUserHasIsKept)
{
    TempDir shared;
    TempDir working;
    writeFile(shared / "LANGUAGE/English.lng", "shipped");
    writeFile(shared / "LANGUAGE/Deutsch.lng", "deutsch");
    writeFile(shared / "PROJECTS/Scale/ParGen.xml", "shipped");
    writeFile(shared / "PROJECTS/Scale/EtherCAT_Slave.xml", "shipped");
    writeFile(working / "LANGUAGE/English.lng", "edited");
    writeFile(working / "PROJECTS/Scale/ParGen.xml", "edited");

    ASSERT_TRUE(seedWorkingFolder(shared.path(), working.path()).ok());

    EXPECT_EQ(readFile(working / "LANGUAGE/English.lng"), "edited");
    EXPECT_EQ(readFile(working / "LANGUAGE/Deutsch.lng"), "deutsch");
    EXPECT_EQ(readFile(working / "PROJECTS/Scale/ParGen.xml"), "edited");
    EXPECT_FALSE(fs::exists(working / "PROJECTS/Scale/EtherCAT_Slave.xml"))
        << "a project the user has, even changed, stays as it is";
}

TEST(SharedData, NoSharedFolderSeedsNothing)
{
    TempDir working;
    EXPECT_TRUE(seedWorkingFolder(working / "missing", working.path()).ok());
    EXPECT_TRUE(fs::is_empty(working.path()));
}

} // namespace
} // namespace cfq::test
