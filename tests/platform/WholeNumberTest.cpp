#include "platform/WholeNumber.h"

#include <gtest/gtest.h>

#include <limits>

namespace cfq {
namespace {

struct Int32Case
{
    const char* text;
    std::optional<std::int32_t> expected;
};

void PrintTo(const Int32Case& testCase, std::ostream* out)
{
    *out << '"' << testCase.text << '"';
}


class ReadInt32 : public testing::TestWithParam<Int32Case>
{
};

TEST_P(ReadInt32, ReadsTheWholeNumberForm)
{
    EXPECT_EQ(readInt32(GetParam().text), GetParam().expected) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(Table, ReadInt32,
                         testing::Values(Int32Case{"0", 0}, Int32Case{"42", 42}, Int32Case{"007", 7},
                                         Int32Case{"   7", 7}, Int32Case{"+5", 5}, Int32Case{"-12", -12},
                                         Int32Case{" -12", -12}, Int32Case{"$1A", 26}, Int32Case{"x1a", 26},
                                         Int32Case{"X1A", 26}, Int32Case{"0x1A", 26}, Int32Case{"0X1a", 26},
                                         Int32Case{"-$10", -16}, Int32Case{"$FFFFFFFF", -1},
                                         Int32Case{"2147483647", 2147483647},
                                         Int32Case{"-2147483648", std::numeric_limits<std::int32_t>::min()},
                                         Int32Case{"2147483648", std::nullopt},
                                         Int32Case{"$100000000", std::nullopt}, Int32Case{"", std::nullopt},
                                         Int32Case{" ", std::nullopt}, Int32Case{"-", std::nullopt},
                                         Int32Case{"$", std::nullopt}, Int32Case{"0x", std::nullopt},
                                         Int32Case{"7 ", std::nullopt}, Int32Case{"1.5", std::nullopt},
                                         Int32Case{"abc", std::nullopt}, Int32Case{"12a", std::nullopt},
                                         Int32Case{"\t7", std::nullopt}, Int32Case{"- 7", std::nullopt}));

TEST(ReadInt64, CoversTheUnsigned32BitRangeAndBeyond)
{
    EXPECT_EQ(readInt64("4294967295"), 4294967295LL);
    EXPECT_EQ(readInt64("4294967296"), 4294967296LL);
    EXPECT_EQ(readInt64("$FFFFFFFF"), 4294967295LL);
    EXPECT_EQ(readInt64("-9223372036854775808"), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(readInt64("9223372036854775808"), std::nullopt);
    EXPECT_EQ(readInt64("$FFFFFFFFFFFFFFFF"), -1);
    EXPECT_EQ(readInt64("$1FFFFFFFFFFFFFFFF"), std::nullopt);
    EXPECT_EQ(readInt64("abc"), std::nullopt);
}

TEST(ReadWithDefault, FallsBackOnlyWhenTheTextIsNoNumber)
{
    EXPECT_EQ(readInt32Or("abc", 7), 7);
    EXPECT_EQ(readInt32Or("0", 7), 0);
    EXPECT_EQ(readInt64Or("", -1), -1);
}

} // namespace
} // namespace cfq
