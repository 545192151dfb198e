#include "i18n/TextTable.h"
#include "options/LanguagePages.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace cfq {
namespace {

using test::TempDir;
using test::writeFile;

TEST(Create_Lang_List, OffersWritableLanguageFilesSortedIgnoringCase)
{
    TempDir dir;
    for (const char* name :
         {"gamma.lng", "Beta.lng", "alpha.lng", "notes.txt", "English.lng.bak", "upper.LNG"})
        writeFile(dir / name, "STR0 = x\n");
    std::filesystem::create_directory(dir / "Folder.lng");
    writeFile(dir / "Locked.lng", "STR0 = x\n");
    std::filesystem::permissions(dir / "Locked.lng", std::filesystem::perms::owner_read |
                                                         std::filesystem::perms::group_read |
                                                         std::filesystem::perms::others_read);

    EXPECT_EQ(Create_Lang_List(dir.path()), (std::vector<std::string>{"alpha.lng", "Beta.lng", "gamma.lng"}));
}

TEST(Create_Lang_List, IsEmptyForAMissingFolder)
{
    TempDir dir;
    EXPECT_TRUE(Create_Lang_List(dir / "LANGUAGE").empty());
}

TEST(LanguagePages, HoldSixLanguagesEach)
{
    EXPECT_EQ(languagePageCount(0), 0);
    EXPECT_EQ(languagePageCount(6), 1);
    EXPECT_EQ(languagePageCount(7), 2);
    EXPECT_EQ(languagesOnPage(7, 1), 6);
    EXPECT_EQ(languagesOnPage(7, 2), 1);
    EXPECT_EQ(languagesOnPage(0, 1), 0);
    EXPECT_EQ(languageIndex(2, 0), 6u);
    EXPECT_EQ(languageNameOf("Italiano.lng"), "Italiano");
}

TEST(FlagPicture, FallsBackToTheDefaultFlagThenToNone)
{
    TempDir dir;
    EXPECT_EQ(flagPicture(dir.path(), "Italiano"), std::nullopt);
    writeFile(dir / "DefaultFlag.bmp", "BM");
    EXPECT_EQ(flagPicture(dir.path(), "Italiano"), dir / "DefaultFlag.bmp");
    writeFile(dir / "Italiano.bmp", "BM");
    EXPECT_EQ(flagPicture(dir.path(), "Italiano"), dir / "Italiano.bmp");
}

TEST(LanguageLabels, ComposeTheirTextsAndValues)
{
    TextTable texts;
    texts.Init_Text_Table();
    EXPECT_EQ(selectedLanguageLabel(texts, "Deutsch"), "Selected Language : Deutsch");
    EXPECT_EQ(pageLabel(texts, 2, 2), "Page 2 / 2");
    EXPECT_EQ(pageLabel(texts, 1, 0), "Page 1 / 0");
    EXPECT_EQ(languageChangeQuestion(texts, "English", "Italiano"),
              "Do you want to change the Language from English to Italiano?");
}

} // namespace
} // namespace cfq
