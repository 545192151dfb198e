#include "ethercat/GroupValidation.h"

#include "i18n/TextTable.h"

#include <gtest/gtest.h>

namespace cfq {
namespace {

std::vector<GroupRow> groupsOfSize(const std::vector<std::string>& sizes)
{
    std::vector<GroupRow> rows;
    for (const std::string& size : sizes)
        rows.push_back({"G" + std::to_string(rows.size() + 1), size, ""});
    return rows;
}

struct GroupValidationCase
{
    const char* what;
    GroupLists lists;
    std::optional<ValidationFailure> expected;
};

class GroupValidation : public testing::TestWithParam<GroupValidationCase>
{
};

TEST_P(GroupValidation, ReportsTheFirstBrokenRule)
{
    EXPECT_EQ(Controllo_dati(GetParam().lists), GetParam().expected) << GetParam().what;
}

const std::vector<std::string> kSixteenOf16(16, "16");

std::vector<std::string> withSeventeenth()
{
    std::vector<std::string> sizes = kSixteenOf16;
    sizes.back() = "17";
    return sizes;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GroupValidation,
    testing::Values(
        GroupValidationCase{"empty grids pass", {}, std::nullopt},
        GroupValidationCase{"0 is refused", {groupsOfSize({"0"}), {}}, ValidationFailure{5325, 1, 5326}},
        GroupValidationCase{
            "257 is refused", {groupsOfSize({"5", "257"}), {}}, ValidationFailure{5325, 2, 5326}},
        GroupValidationCase{
            "text is refused", {groupsOfSize({"1", "2", "abc"}), {}}, ValidationFailure{5325, 3, 5326}},
        GroupValidationCase{
            "an empty number is refused", {groupsOfSize({""}), {}}, ValidationFailure{5325, 1, 5326}},
        GroupValidationCase{
            "Master To Slave has its own text", {{}, groupsOfSize({"0"})}, ValidationFailure{5325, 1, 5328}},
        GroupValidationCase{"Slave To Master is checked first",
                            {groupsOfSize({"1", "x"}), groupsOfSize({"0"})},
                            ValidationFailure{5325, 2, 5326}},
        GroupValidationCase{"007 passes as 7", {groupsOfSize({"007", "249"}), {}}, std::nullopt},
        GroupValidationCase{
            "007 counts 7 in the total", {groupsOfSize({"007", "250"}), {}}, ValidationFailure{0, 0, 5327}},
        GroupValidationCase{"sixteen groups of 16 pass",
                            {groupsOfSize(kSixteenOf16), groupsOfSize(kSixteenOf16)},
                            std::nullopt},
        GroupValidationCase{"a total of 257 is refused",
                            {groupsOfSize(withSeventeenth()), {}},
                            ValidationFailure{0, 0, 5327}},
        GroupValidationCase{"a total of 257 in Master To Slave",
                            {{}, groupsOfSize(withSeventeenth())},
                            ValidationFailure{0, 0, 5329}},
        GroupValidationCase{"rows after an empty name are ignored",
                            {{{"A", "1", ""}, {"  ", "", ""}, {"C", "abc", ""}}, {}},
                            std::nullopt},
        GroupValidationCase{"a first row without a name leaves the direction empty",
                            {{{"", "0", ""}, {"B", "0", ""}}, {}},
                            std::nullopt}));

TEST(GroupValidation, OnlySixteenRowsAreWalked)
{
    std::vector<std::string> sizes(16, "1");
    sizes.push_back("abc");
    EXPECT_EQ(Controllo_dati({groupsOfSize(sizes), {}}), std::nullopt);
}

TEST(GroupValidation, ComposesTheMessagesFromTheTextTable)
{
    TextTable texts;
    texts.Init_Text_Table();
    EXPECT_EQ(Controllo_dati({groupsOfSize({"1", "0"}), {}})->message(texts),
              "Error row 2!! [Slave to Master] Num Variables must be beetween 1 and 256");
    EXPECT_EQ(Controllo_dati({{}, groupsOfSize(withSeventeenth())})->message(texts),
              "Error!! [Master to Slave] Num Variables in total must be minor or equal to 256");
}

} // namespace
} // namespace cfq
