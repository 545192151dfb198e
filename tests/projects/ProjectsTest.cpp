#include "app/AppState.h"
#include "projects/Projects.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace cfq {
namespace {

class ProjectsTest : public testing::Test
{
protected:
    void SetUp() override
    {
        state.Projects_Dir = dir / "PROJECTS";
        std::filesystem::create_directory(state.Projects_Dir);
        std::filesystem::create_directory(state.Projects_Dir / "Existing");
    }

    std::size_t entriesUnder(const std::filesystem::path& folder) const
    {
        return static_cast<std::size_t>(
            std::distance(std::filesystem::recursive_directory_iterator(folder), {}));
    }

    test::TempDir dir;
    AppState state;
};

struct NameCase
{
    const char* label;
    std::string name;
    int expectedText; // 0: created
};

void PrintTo(const NameCase& testCase, std::ostream* out)
{
    *out << testCase.label;
}


class CreateProjectNames : public ProjectsTest, public testing::WithParamInterface<NameCase>
{
};

TEST_P(CreateProjectNames, RefusesOrCreatesAsTyped)
{
    const NameCase& c = GetParam();
    const std::size_t before = entriesUnder(dir.path());
    const CreateProjectResult result = Create_Project(state, c.name);
    EXPECT_EQ(result.errorText, c.expectedText);
    if (c.expectedText != 0) {
        EXPECT_EQ(entriesUnder(dir.path()), before) << "nothing may be created";
        EXPECT_FALSE(state.projectOpen());
        return;
    }
    const auto folder = state.Projects_Dir / c.name;
    EXPECT_TRUE(std::filesystem::is_directory(folder / "bin"));
    EXPECT_EQ(entriesUnder(folder), 1u) << "only the empty bin folder";
    EXPECT_EQ(state.Project_Name, c.name);
    EXPECT_EQ(state.Project_Path, folder);
    EXPECT_EQ(state.ParGen_File, folder / "ParGen.xml");
    EXPECT_EQ(state.EtherCAT_Slave_File, folder / "EtherCAT_Slave.xml");
}

INSTANTIATE_TEST_SUITE_P(Names, CreateProjectNames,
                         testing::Values(NameCase{"empty", "", 107}, NameCase{"existing", "Existing", 106},
                                         NameCase{"trailing_blank", "Plant ", 0},
                                         NameCase{"slash", "a/b", 105}, NameCase{"backslash", "a\\b", 105},
                                         NameCase{"dot", ".", 105}, NameCase{"dot_dot", "..", 105},
                                         NameCase{"parent_path", "../x", 105},
                                         NameCase{"refused_by_file_system", std::string(300, 'n'), 105},
                                         NameCase{"valid", "Line 7", 0}),
                         [](const auto& testCase) { return testCase.param.label; });

TEST_F(ProjectsTest, ExistingNameDifferingInCaseFollowsTheFileSystem)
{
    const auto result = Create_Project(state, "EXISTING");
    // Linux file systems are case-sensitive: the name is a new project there.
    const bool caseInsensitive = std::filesystem::exists(state.Projects_Dir / "EXISTING") &&
                                 std::filesystem::equivalent(state.Projects_Dir / "EXISTING",
                                                             state.Projects_Dir / "Existing");
    EXPECT_EQ(result.errorText, caseInsensitive ? 106 : 0);
}

TEST_F(ProjectsTest, ListingTakesFoldersOnly)
{
    std::filesystem::create_directory(state.Projects_Dir / "Second");
    test::writeFile(state.Projects_Dir / "notes.txt", "x");
    auto names = Load_Existing_Configuration(state);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Existing", "Second"}));
}

TEST_F(ProjectsTest, ListingOfAnEmptyOrMissingFolderIsEmpty)
{
    std::filesystem::remove_all(state.Projects_Dir);
    EXPECT_TRUE(Load_Existing_Configuration(state).empty());
    std::filesystem::create_directory(state.Projects_Dir);
    EXPECT_TRUE(Load_Existing_Configuration(state).empty());
}

TEST(SearchOpenConf, FindsTheFirstEntryIgnoringCase)
{
    const std::vector<std::string> names{"Alpha", "beta", "BETA"};
    EXPECT_EQ(Search_Open_Conf(names, "BeTa"), 1);
    EXPECT_EQ(Search_Open_Conf(names, "alpha"), 0);
    EXPECT_EQ(Search_Open_Conf(names, "gamma"), -1);
    EXPECT_EQ(Search_Open_Conf({}, ""), -1);
}

TEST_F(ProjectsTest, OpeningWithAnEmptyNameLeavesNoProjectOpen)
{
    Open_Project_Named(state, "Existing");
    EXPECT_TRUE(state.projectOpen());
    EXPECT_EQ(openProjectName(state), "Existing");
    Open_Project_Named(state, "");
    EXPECT_FALSE(state.projectOpen());
    EXPECT_TRUE(state.ParGen_File.empty());
}

} // namespace
} // namespace cfq
