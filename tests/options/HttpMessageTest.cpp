#include "options/HttpMessage.h"

#include <gtest/gtest.h>

namespace cfq {
namespace {

TEST(VersionCheckRequest, IsAnHttp10GetWithTheExpectedHeadersAndNoCookies)
{
    EXPECT_EQ(versionCheckRequest("www.host.example", "CFQ4410"),
              "GET /home/download/GetversionSW.asp?nomesw=CFQ4410 HTTP/1.0\r\n"
              "Host: www.host.example\r\n"
              "Accept: text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8\r\n"
              "User-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n"
              "\r\n");
}

struct ReplyCase
{
    const char* name;
    const char* reply;
    std::optional<std::string> body;
};

void PrintTo(const ReplyCase& reply, std::ostream* out)
{
    *out << reply.name;
}

class HttpReplyBody : public testing::TestWithParam<ReplyCase>
{
};

TEST_P(HttpReplyBody, GivesTheBodyOfASuccessOnly)
{
    EXPECT_EQ(httpReplyBody(GetParam().reply), GetParam().body);
}

INSTANTIATE_TEST_SUITE_P(
    Table, HttpReplyBody,
    testing::Values(
        ReplyCase{"Success", "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n\r\nVER. 1.002\r\n",
                  "VER. 1.002\r\n"},
        ReplyCase{"BareLineFeeds", "HTTP/1.0 200 OK\nServer: x\n\nVER. 1.002", "VER. 1.002"},
        ReplyCase{"EmptyBody", "HTTP/1.0 204 No Content\r\n\r\n", ""},
        ReplyCase{"BodyCutAtItsLength", "HTTP/1.0 200 OK\r\ncontent-length: 4\r\n\r\n1.002", "1.00"},
        ReplyCase{"BodyShorterThanItsLength", "HTTP/1.0 200 OK\r\nContent-Length: 40\r\n\r\nVER. 1.002",
                  std::nullopt},
        ReplyCase{"NotFound", "HTTP/1.1 404 Not Found\r\n\r\nVER. 1.002", std::nullopt},
        ReplyCase{"Redirect", "HTTP/1.1 302 Found\r\nLocation: /x\r\n\r\n", std::nullopt},
        ReplyCase{"ServerError", "HTTP/1.0 500 Internal Server Error\r\n\r\n", std::nullopt},
        ReplyCase{"NoHttpReply", "VER. 1.002\r\n\r\n", std::nullopt},
        ReplyCase{"HeadersNotEnded", "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n", std::nullopt},
        ReplyCase{"StatusNoNumber", "HTTP/1.0 2x0 OK\r\n\r\nVER. 1.002", std::nullopt}),
    [](const testing::TestParamInfo<ReplyCase>& param) { return std::string(param.param.name); });

TEST(HttpReplyComplete, NeedsTheHeadersAndTheWholeBodyOfAGivenLength)
{
    EXPECT_FALSE(httpReplyComplete("HTTP/1.0 200 OK\r\nContent-Length: 10\r\n"));
    EXPECT_FALSE(httpReplyComplete("HTTP/1.0 200 OK\r\nContent-Length: 10\r\n\r\nVER. 1.00"));
    EXPECT_TRUE(httpReplyComplete("HTTP/1.0 200 OK\r\nContent-Length: 10\r\n\r\nVER. 1.002"));
    // Without a length the reply ends when the server closes the connection.
    EXPECT_FALSE(httpReplyComplete("HTTP/1.0 200 OK\r\n\r\nVER. 1.002"));
}

} // namespace
} // namespace cfq
