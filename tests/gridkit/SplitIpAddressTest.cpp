#include "gridkit/SplitIpAddress.h"

#include <gtest/gtest.h>

#include <array>

namespace cfq {
namespace {

struct SplitCase
{
    const char* text;
    bool accepted;
    std::array<const char*, 4> parts; // "-" for a part left unset
};

class SplitIpAddress : public testing::TestWithParam<SplitCase>
{
};

TEST_P(SplitIpAddress, GivesTheFourPartsAndWhetherEachIsAnOctet)
{
    const SplitCase& split = GetParam();
    std::array<std::string, 4> parts{"-", "-", "-", "-"};
    EXPECT_EQ(Split_IP_Address(split.text, parts[0], parts[1], parts[2], parts[3]), split.accepted);
    for (std::size_t i = 0; i < parts.size(); ++i)
        EXPECT_EQ(parts[i], split.parts[i]) << "part " << i + 1;
}

INSTANTIATE_TEST_SUITE_P(Table, SplitIpAddress,
                         testing::Values(SplitCase{"192.168.2.205", true, {"192", "168", "2", "205"}},
                                         SplitCase{"  192.168.2.205  ", true, {"192", "168", "2", "205"}},
                                         SplitCase{"192 . 168 . 2. 205", true, {"192", "168", "2", "205"}},
                                         SplitCase{"0.0.0.0", true, {"0", "0", "0", "0"}},
                                         SplitCase{"$C0.x10.0x2.255", true, {"$C0", "x10", "0x2", "255"}},
                                         SplitCase{"1.2.3", false, {"1", "2", "-", "-"}},
                                         SplitCase{"1.2", false, {"1", "-", "-", "-"}},
                                         SplitCase{"1234", false, {"-", "-", "-", "-"}},
                                         SplitCase{"", false, {"-", "-", "-", "-"}},
                                         SplitCase{"10.0.0.300", false, {"10", "0", "0", "300"}},
                                         SplitCase{"1.2.3.4.5", false, {"1", "2", "3", "4.5"}},
                                         SplitCase{"1..3.4", false, {"1", "", "3", "4"}},
                                         SplitCase{"-1.2.3.4", false, {"-1", "2", "3", "4"}},
                                         SplitCase{"a.b.c.d", false, {"a", "b", "c", "d"}},
                                         // The third part keeps a blank before its dot and is then no number.
                                         SplitCase{"1.2.3 .4", false, {"1", "2", "3 ", "4"}}));

} // namespace
} // namespace cfq
