#include "app/AppState.h"
#include "outputs/ProjectFixture.h"
#include "projects/Projects.h"

#include <gtest/gtest.h>

namespace cfq::outputs::test {
namespace {

const std::string kDoesNotFit = "Error! The configuration does not fit in the device memory\n";

std::vector<Variable> variables(std::size_t count, const std::string& name = "v")
{
    return std::vector<Variable>(count, Variable{.type = "Bool", .name = name});
}

std::vector<Group> groups(std::size_t count)
{
    return std::vector<Group>(count, Group{"g", "1"});
}

AppState stateFor(const ProjectFolder& project)
{
    AppState state;
    state.Text_Table.Init_Text_Table();
    state.Project_Path = project.folder();
    Set_Files(state);
    return state;
}

bool binIsEmpty(const ProjectFolder& project)
{
    return std::filesystem::is_empty(project.folder() / "bin");
}

TEST(DeviceImages, TheOverflowTextIsTheTextTableEntry)
{
    EXPECT_EQ(englishText(1106) + "\n", kDoesNotFit);
}

struct OverflowCase
{
    const char* what;
    void (*prepare)(const ProjectFolder&);
    const char* reported;
};

class Overflowing : public testing::TestWithParam<OverflowCase>
{
};

TEST_P(Overflowing, StopsWithText1106AndWritesNothing)
{
    ProjectFolder project;
    GetParam().prepare(project);
    const Status status = compileAndWriteDeviceImages(stateFor(project), ".");
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.error(), kDoesNotFit + GetParam().reported);
    EXPECT_TRUE(binIsEmpty(project));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Overflowing,
    testing::Values(
        OverflowCase{"257 enabled variables",
                     [](const ProjectFolder& p) { p.writeVariables(variables(257)); },
                     "Slave To Master: 257 enabled variables (at most 256)"},
        OverflowCase{"257 enabled outputs",
                     [](const ProjectFolder& p) { p.writeVariables({}, variables(257)); },
                     "Master To Slave: 257 enabled variables (at most 256)"},
        OverflowCase{"17 named groups", [](const ProjectFolder& p) { p.writeGroups({}, groups(17)); },
                     "Master To Slave: 17 groups (at most 16)"},
        OverflowCase{
            "15 SII bytes",
            [](const ProjectFolder& p) {
                p.writeParameters({{"EtherCAT_Slave_Eeprom_Config", "0102030405060708090A0B0C0D0E0F"}});
            },
            "EtherCAT_Slave_Eeprom_Config: 15 bytes (at most 14)"},
        OverflowCase{"long names",
                     [](const ProjectFolder& p) { p.writeVariables(variables(256, std::string(500, 'n'))); },
                     "bank2.bin: 144813 bytes (at most 131072)"}));

TEST(DeviceImages, TheLimitsThemselvesFit)
{
    ProjectFolder project;
    project.writeVariables(variables(256), variables(256));
    project.writeGroups(groups(16), groups(16));
    project.writeParameters({{"EtherCAT_Slave_Eeprom_Config", "0102030405060708090A0B0C0D0E"}});
    const auto images = project.compile();
    ASSERT_TRUE(images.ok()) << images.error();
    EXPECT_EQ(images.value().bank2.size(), 16557u + 512 * 2 + 32 * 2);
}

TEST(DeviceImages, ImageOfExactly131072BytesFitsOneByteMoreDoesNot)
{
    // 16557 fixed bytes + 114515 bytes of names: 229 names of 499 characters
    // and one of 14, each with its terminator.
    std::vector<Variable> rows = variables(229, std::string(499, 'n'));
    rows.push_back({.type = "Bool", .name = std::string(14, 'n')});
    ProjectFolder project;
    project.writeVariables(rows);
    const auto images = project.compile();
    ASSERT_TRUE(images.ok()) << images.error();
    EXPECT_EQ(images.value().bank2.size(), 131072u);

    rows.back().name.push_back('n');
    project.writeVariables(rows);
    const auto tooLong = project.compile();
    ASSERT_FALSE(tooLong.ok());
    EXPECT_EQ(tooLong.error(), kDoesNotFit + "bank2.bin: 131073 bytes (at most 131072)");
}

class MalformedDocument : public testing::TestWithParam<const char*>
{
};

TEST_P(MalformedDocument, StopsTheCompileNamingTheFileAndWritesNothing)
{
    ProjectFolder project;
    project.writeParameters({});
    project.writeVariables(variables(1));
    project.writeGroups(groups(1));
    cfq::test::writeFile(project.folder() / "bin" / "bank1.bin", "old");
    project.writeDocument(GetParam(), "<EtherCAT_Slave><EtherCAT_Slave_Variables></EtherCAT_Slave>");

    const Status status = compileAndWriteDeviceImages(stateFor(project), ".");
    ASSERT_FALSE(status.ok());
    EXPECT_NE(status.error().find(GetParam()), std::string::npos) << status.error();
    EXPECT_NE(status.error().find("mismatch"), std::string::npos)
        << "the parser's message: " << status.error();
    EXPECT_EQ(cfq::test::readFile(project.folder() / "bin" / "bank1.bin"), "old");
    EXPECT_FALSE(std::filesystem::exists(project.folder() / "bin" / "bank2.bin"));
}

INSTANTIATE_TEST_SUITE_P(EachDocument, MalformedDocument,
                         testing::Values("ParGen.xml", "EtherCAT_Slave.xml", "EtherCAT_Slave_Group.xml"));

TEST(DeviceImages, MissingContainersReadAsEmptyDirections)
{
    ProjectFolder project;
    project.writeDocument(
        "EtherCAT_Slave.xml",
        "<!-- before the root --><EtherCAT_Slave><EtherCAT_Slave_Variables>"
        "<EtherCAT_Slave_To_Master><row Enable=\"Y\" Type=\"Bool\"/></EtherCAT_Slave_To_Master>"
        "</EtherCAT_Slave_Variables></EtherCAT_Slave>");
    project.writeDocument(
        "EtherCAT_Slave_Group.xml",
        "<Other><Slave_to_Master><row Group_Name=\"G\" Num_Variables=\"1\"/></Slave_to_Master></Other>");
    const auto images = project.compile();
    ASSERT_TRUE(images.ok()) << images.error();
    const Bytes& image = images.value().bank2;
    EXPECT_EQ(le16(image, 28), 0) << "a comment before the root is the root: nothing found under it";
    EXPECT_EQ(image[0x40A8], 1) << "the group document's root may have any name";
    EXPECT_EQ(image[0x40A9], 0) << "missing Master_to_Slave: no group";
}

TEST(DeviceImages, WritesBothImagesIntoBinAndTwoCompilesGiveTheSameFiles)
{
    ProjectFolder project;
    project.writeParameters({{"EtherCAT_Slave_Name", "Conv"}});
    project.writeVariables({{.type = "Int16", .name = "Temp", .initValue = "5"}}, variables(3));
    project.writeGroups(groups(2));
    std::filesystem::remove(project.folder() / "bin");
    const AppState state = stateFor(project);

    ASSERT_TRUE(compileAndWriteDeviceImages(state, ".").ok());
    const std::string bank1 = cfq::test::readFile(project.folder() / "bin" / "bank1.bin");
    const std::string bank2 = cfq::test::readFile(project.folder() / "bin" / "bank2.bin");
    const auto images = project.compile();
    ASSERT_TRUE(images.ok());
    EXPECT_EQ(bank1, std::string(asText(images.value().bank1)));
    EXPECT_EQ(bank2, std::string(asText(images.value().bank2)));

    ASSERT_TRUE(compileAndWriteDeviceImages(state, ".").ok());
    EXPECT_EQ(cfq::test::readFile(project.folder() / "bin" / "bank1.bin"), bank1);
    EXPECT_EQ(cfq::test::readFile(project.folder() / "bin" / "bank2.bin"), bank2);
}

TEST(DeviceImages, AFailedWriteIsReported)
{
    ProjectFolder project;
    std::filesystem::remove(project.folder() / "bin");
    cfq::test::writeFile(project.folder() / "bin", "a file where the folder belongs");
    const Status status = compileAndWriteDeviceImages(stateFor(project), ".");
    ASSERT_FALSE(status.ok());
    EXPECT_NE(status.error().find("bin"), std::string::npos) << status.error();
}

} // namespace
} // namespace cfq::outputs::test
