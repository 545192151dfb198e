#include "outputs/DeviceMemory.h"
#include "outputs/ProjectFixture.h"

#include <gtest/gtest.h>

namespace cfq::outputs::test {
namespace {

constexpr std::size_t kS2mTable = 0x28;
constexpr std::size_t kM2sTable = 0x2028;
constexpr std::size_t kGroupTable = 0x4028;
constexpr std::size_t kStrings = 0x40AD;
constexpr std::uint32_t kBase = 0x80000;
constexpr std::uint32_t kEmptyString = kBase + 0x40AC;

std::size_t entryAt(std::size_t table, std::size_t entry)
{
    return table + 32 * entry;
}

Bytes compiledBank2(const ProjectFolder& project)
{
    const auto images = project.compile();
    EXPECT_TRUE(images.ok()) << (images.ok() ? "" : images.error());
    return images.ok() ? images.value().bank2 : Bytes();
}

std::string stringAt(const Bytes& image, std::uint32_t address)
{
    std::string text;
    for (std::size_t k = address - kBase; k < image.size() && image[k] != 0; ++k)
        text.push_back(static_cast<char>(image[k]));
    return text;
}

TEST(ProcessDataImage, EmptyProjectIsTheFixedPartOnly)
{
    ProjectFolder project;
    project.writeVariables({}, {});
    const Bytes image = compiledBank2(project);

    Bytes expected(16557, 0);
    const auto put32 = [&](std::size_t offset, std::uint32_t value) {
        storeLittleEndian(&expected[offset], value, 4);
    };
    put32(20, 0x84028);
    put32(32, 0x80028);
    put32(36, 0x82028);
    for (std::size_t entry = 0; entry < 512; ++entry)
        put32(kS2mTable + 32 * entry + 16, 0xFFFFFFFF);
    EXPECT_EQ(image, expected);
}

TEST(ProcessDataImage, OneVariableTemp)
{
    ProjectFolder project;
    project.writeVariables({{.type = "Int16", .name = "Temp", .initValue = "5"}});
    const Bytes image = compiledBank2(project);

    ASSERT_EQ(image.size(), 16564u);
    EXPECT_EQ(le16(image, 28), 1) << "slave-to-master entries";
    EXPECT_EQ(le16(image, 30), 0) << "master-to-slave entries";
    EXPECT_EQ(slice(image, kS2mTable, 32),
              (Bytes{0x03, 0x02, 0x01, 0x00, 0,    0,    0,    0,    0,    0,    0,
                     0,    0,    0,    0,    0,    0xFF, 0xFF, 0xFF, 0xFF, 0xB2, 0x40,
                     0x08, 0x00, 0x04, 0x00, 0x00, 0x00, 0xAD, 0x40, 0x08, 0x00}));
    EXPECT_EQ(slice(image, kStrings, 5), (Bytes{'T', 'e', 'm', 'p', 0}));
    EXPECT_EQ(slice(image, 0x40B2, 2), (Bytes{0x05, 0x00}));
    EXPECT_EQ(slice(image, entryAt(kS2mTable, 1), 32), slice(image, entryAt(kM2sTable, 0), 32))
        << "unused entries are alike in both tables";
}

TEST(ProcessDataImage, EntriesFollowTheEnabledVariablesInDocumentOrder)
{
    ProjectFolder project;
    project.writeVariables({{.type = "Bool", .name = "A", .position = "0", .bitStart = "0"},
                            {.type = "Int32", .name = "Off", .enable = "N"},
                            {.type = "Bool", .name = "B", .enable = "y"},
                            {.type = "Bool", .name = "C", .position = "7", .bitStart = "1"}},
                           {{.type = "UInt8", .name = "Out", .initValue = "9", .position = "3"}});
    const Bytes image = compiledBank2(project);

    EXPECT_EQ(le16(image, 28), 2) << "only rows with Enable exactly Y";
    EXPECT_EQ(le16(image, 30), 1);
    const std::size_t second = entryAt(kS2mTable, 1);
    EXPECT_EQ(slice(image, second, 4), (Bytes{1, 1, 1, 1}));
    EXPECT_EQ(le32(image, second + 4), 7u) << "position";
    EXPECT_EQ(le32(image, second + 8), 1u) << "subindex";
    EXPECT_EQ(stringAt(image, le32(image, second + 28)), "C");

    const std::size_t out = entryAt(kM2sTable, 0);
    EXPECT_EQ(slice(image, out, 4), (Bytes{5, 1, 0, 0})) << "access 0 in the master-to-slave table";
    EXPECT_EQ(le32(image, out + 4), 3u);
    EXPECT_EQ(le32(image, out + 20), 0u) << "master-to-slave variables carry no initial value";
    EXPECT_EQ(stringAt(image, le32(image, out + 28)), "Out");
    EXPECT_EQ(le32(image, out + 28), kBase + kStrings + 4) << "after the slave-to-master names";
    EXPECT_EQ(image.size(), 16557u + 2 + 2 + 4) << "names only, no initial value";
}

TEST(ProcessDataImage, GroupsClaimTheEnabledVariablesInOrder)
{
    ProjectFolder project;
    std::vector<Variable> variables(6, Variable{.type = "UInt8", .name = "v"});
    project.writeVariables(variables, {{.type = "Int8", .name = "w"}});
    project.writeGroups({{"First", "2"}, {"Second", "3"}}, {{"Out", "1"}});
    const Bytes image = compiledBank2(project);

    const std::vector<std::uint32_t> expected = {0, 0, 1, 1, 1, 0xFFFFFFFF};
    for (std::size_t j = 0; j < expected.size(); ++j)
        EXPECT_EQ(le32(image, entryAt(kS2mTable, j) + 16), expected[j]) << "entry " << j;
    EXPECT_EQ(le32(image, entryAt(kM2sTable, 0) + 16), 0u);

    EXPECT_EQ(image[0x40A8], 2) << "Num_In";
    EXPECT_EQ(image[0x40A9], 1) << "Num_Out";
    const std::uint32_t namesEnd = kBase + kStrings + 7 * 2;
    EXPECT_EQ(le32(image, kGroupTable), namesEnd);
    EXPECT_EQ(le32(image, kGroupTable + 4), namesEnd + 6);
    EXPECT_EQ(le32(image, kGroupTable + 8), 0u) << "slot without a group";
    EXPECT_EQ(le32(image, kGroupTable + 64), namesEnd + 6 + 7);
    EXPECT_EQ(stringAt(image, le32(image, kGroupTable + 4)), "Second");
    EXPECT_EQ(stringAt(image, le32(image, kGroupTable + 64)), "Out");
    EXPECT_EQ(image.size(), 16557u + 14 + 6 + 7 + 4);
}

TEST(ProcessDataImage, NamelessGroupTakesNoNumberAndClaimsNothing)
{
    ProjectFolder project;
    project.writeVariables(std::vector<Variable>(5, Variable{.type = "UInt8", .name = "v"}));
    project.writeGroups({{"A", "2"}, {"", "3"}, {"B", "2"}, {"C", "-4"}, {"D", "1"}});
    const Bytes image = compiledBank2(project);

    const std::vector<std::uint32_t> expected = {0, 0, 1, 1, 3};
    for (std::size_t j = 0; j < expected.size(); ++j)
        EXPECT_EQ(le32(image, entryAt(kS2mTable, j) + 16), expected[j]) << "entry " << j;
    EXPECT_EQ(image[0x40A8], 4);
    EXPECT_EQ(stringAt(image, le32(image, kGroupTable + 4)), "B") << "group 1 of the table is B";
}

TEST(ProcessDataImage, NamesAreStoredAsUtf8AndEmptyNamesShareTheEmptyString)
{
    ProjectFolder project;
    project.writeVariables({{.type = "Int8",
                             .name = "Temp\xC2\xB0"
                                     "C"},
                            {.type = "Int8", .name = ""},
                            {.type = "Int8", .name = "x"}});
    const Bytes image = compiledBank2(project);

    EXPECT_EQ(le32(image, kS2mTable + 24), 7u) << "name_length in UTF-8 bytes";
    EXPECT_EQ(le32(image, kS2mTable + 28), kBase + kStrings);
    EXPECT_EQ(slice(image, kStrings, 8), (Bytes{'T', 'e', 'm', 'p', 0xC2, 0xB0, 'C', 0}));
    EXPECT_EQ(le32(image, entryAt(kS2mTable, 1) + 24), 0u);
    EXPECT_EQ(le32(image, entryAt(kS2mTable, 1) + 28), kEmptyString);
    EXPECT_EQ(le32(image, entryAt(kS2mTable, 2) + 28), kBase + kStrings + 8) << "8 bytes after Temp\u00B0C";
    EXPECT_EQ(image.size(), 16557u + 8 + 2);
    EXPECT_EQ(image[0x40AC], 0);
}

struct TypeCase
{
    const char* type;
    const char* length;
    Bytes expected; // Data_Type and length
};

class TypeTable : public testing::TestWithParam<TypeCase>
{
};

TEST_P(TypeTable, GivesTypeCodeAndLength)
{
    ProjectFolder project;
    project.writeVariables({{.type = GetParam().type, .name = "v", .length = GetParam().length}});
    EXPECT_EQ(slice(compiledBank2(project), kS2mTable, 2), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, TypeTable,
                         testing::Values(TypeCase{"Bool", "1", {1, 1}}, TypeCase{"Int8", "1", {2, 1}},
                                         TypeCase{"Int16", "7", {3, 2}}, TypeCase{"Int32", "4", {4, 4}},
                                         TypeCase{"UInt8", "1", {5, 1}}, TypeCase{"UInt16", "2", {6, 2}},
                                         TypeCase{"UInt32", "4", {7, 4}}, TypeCase{"Float32", "4", {8, 4}},
                                         TypeCase{"String", "7", {9, 7}}, TypeCase{"Array", "255", {10, 255}},
                                         TypeCase{"Array", "300", {10, 44}},
                                         TypeCase{"Array", "ten", {10, 1}}, TypeCase{"string", "5", {0, 5}},
                                         TypeCase{"Word", "3", {0, 3}}));

TEST(ProcessDataImage, InitialValuesFollowTheStringsInEntryOrder)
{
    ProjectFolder project;
    project.writeVariables({{.type = "String", .name = "s", .initValue = "AB", .length = "4"},
                            {.type = "Int16", .name = "n", .initValue = ""},
                            {.type = "Word", .name = "u", .initValue = "7", .length = "3"},
                            {.type = "Float32", .name = "f", .initValue = "1.5"},
                            {.type = "Array", .name = "a", .initValue = "0A0B", .length = "3"}});
    const Bytes image = compiledBank2(project);

    const std::uint32_t values = kBase + kStrings + 5 * 2;
    EXPECT_EQ(le32(image, entryAt(kS2mTable, 0) + 20), values);
    EXPECT_EQ(le32(image, entryAt(kS2mTable, 1) + 20), 0u) << "empty InitValue";
    EXPECT_EQ(le32(image, entryAt(kS2mTable, 2) + 20), 0u) << "unknown type";
    EXPECT_EQ(le32(image, entryAt(kS2mTable, 3) + 20), values + 4);
    EXPECT_EQ(le32(image, entryAt(kS2mTable, 4) + 20), values + 8);
    EXPECT_EQ(slice(image, values - kBase, 11),
              (Bytes{0x41, 0x42, 0x00, 0x00, 0x00, 0x00, 0xC0, 0x3F, 0x0A, 0x0B, 0x00}));
    EXPECT_EQ(image.size(), values - kBase + 11);
}

} // namespace
} // namespace cfq::outputs::test
