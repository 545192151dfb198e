#include "options/VersionNumber.h"

#include <gtest/gtest.h>

namespace cfq {
namespace {

struct ReplyCase
{
    const char* reply;
    bool newer;
};

void PrintTo(const ReplyCase& reply, std::ostream* out)
{
    *out << testing::PrintToString(std::string(reply.reply));
}

class ReplyHandling : public testing::TestWithParam<ReplyCase>
{
};

TEST_P(ReplyHandling, ReportsOnlyAHigherVersionThanTheOwn)
{
    EXPECT_EQ(Reply_Reports_Newer_Version(GetParam().reply), GetParam().newer)
        << '"' << GetParam().reply << '"';
}

INSTANTIATE_TEST_SUITE_P(Table, ReplyHandling,
                         testing::Values(ReplyCase{"VER. 1.002", true}, ReplyCase{"VER. 1.001", false},
                                         ReplyCase{"VER. 0.999", false}, ReplyCase{"VER. 0.000", false},
                                         ReplyCase{"ver. 1.002", true}, ReplyCase{"1.002", true},
                                         ReplyCase{"VER. 2.000", true}, ReplyCase{"VER. 1.00", false},
                                         ReplyCase{"VER. 1.0a2", false}, ReplyCase{"VER. a.bcd", false},
                                         ReplyCase{"\r\n\r\nVER. 1.002\r\n\r\n", true},
                                         ReplyCase{" \t VER. 0.000 \n", false}, ReplyCase{"", false},
                                         ReplyCase{"\r\n \r\n", false},
                                         ReplyCase{"<html>Not Found</html>", false}));

TEST(Conv_Version, JoinsTheDigitsAroundThePoint)
{
    EXPECT_EQ(Conv_Version("VER. 1.002"), 1002);
    EXPECT_EQ(Conv_Version("1.001"), 1001);
    EXPECT_EQ(Conv_Version("VER.   0.999  "), 999);
    // Only the first blank separates the prefix.
    EXPECT_EQ(Conv_Version("A B 1.002"), -1);
    EXPECT_EQ(Conv_Version("1.0"), -1);
    EXPECT_EQ(Conv_Version(""), -1);
}

TEST(Conv_Version, CountsCharactersNotBytes)
{
    // The second character is skipped whatever it is, also when it takes
    // two bytes.
    EXPECT_EQ(Conv_Version("1\xC3\xA9" "002"), 1002);
    EXPECT_EQ(Conv_Version("\xC3\xA9.002"), -1);
}

} // namespace
} // namespace cfq
