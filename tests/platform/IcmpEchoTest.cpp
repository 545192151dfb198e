#include "platform/IcmpEcho.h"
#include "platform/IcmpSocketPosix.h"

#include "NetworkNamespace.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace cfq {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

struct AddressCase
{
    const char* text;
    std::optional<std::array<std::uint8_t, 4>> expected;
};

class ParseIpv4Address : public testing::TestWithParam<AddressCase>
{
};

TEST_P(ParseIpv4Address, TakesFourDecimalOctetsOnly)
{
    EXPECT_EQ(parseIpv4Address(GetParam().text), GetParam().expected) << '"' << GetParam().text << '"';
}

using Octets = std::array<std::uint8_t, 4>;
INSTANTIATE_TEST_SUITE_P(
    Table, ParseIpv4Address,
    testing::Values(AddressCase{"127.0.0.1", Octets{127, 0, 0, 1}},
                    AddressCase{"0.0.0.0", Octets{0, 0, 0, 0}},
                    AddressCase{"255.255.255.255", Octets{255, 255, 255, 255}},
                    AddressCase{"192.168.002.205", Octets{192, 168, 2, 205}},
                    AddressCase{"999.1.1.1", std::nullopt}, AddressCase{"256.1.1.1", std::nullopt},
                    AddressCase{"1..1.1", std::nullopt}, AddressCase{"1.1.1.", std::nullopt},
                    AddressCase{"1.2.3", std::nullopt}, AddressCase{"1.2.3.4.5", std::nullopt},
                    AddressCase{"", std::nullopt}, AddressCase{" 1.2.3.4", std::nullopt},
                    AddressCase{"1.2.3.4 ", std::nullopt}, AddressCase{"0001.2.3.4", std::nullopt},
                    AddressCase{"-1.2.3.4", std::nullopt}, AddressCase{"a.b.c.d", std::nullopt},
                    AddressCase{"0x7f.0.0.1", std::nullopt}));

TEST(EchoMessage, RequestCarriesTheDataAndAValidChecksum)
{
    const std::string request = buildEchoRequest(0x1234, 0, "127.0.0.1");
    ASSERT_EQ(request.size(), 8u + 9u);
    EXPECT_EQ(request.substr(0, 2), std::string("\x08\x00", 2));
    EXPECT_EQ(request.substr(4, 4), std::string("\x12\x34\x00\x00", 4));
    EXPECT_EQ(request.substr(8), "127.0.0.1");
    EXPECT_EQ(internetChecksum(request), 0) << "a message with its checksum sums to zero";
    EXPECT_EQ(internetChecksum(std::string("\x45\x00\x00\x73\x00\x00\x40\x00\x40\x11\x00\x00\xc0\xa8\x00\x01"
                                           "\xc0\xa8\x00\xc7",
                                           20)),
              0xB861);
}

TEST(EchoMessage, ReplyMatchesOnlyItsOwnRequest)
{
    std::string reply = buildEchoRequest(0x1234, 0, "data");
    reply[0] = 0;
    EXPECT_TRUE(isEchoReply(reply, 0x1234, 0));
    EXPECT_TRUE(isEchoReply(reply, std::nullopt, 0)) << "the kernel matched the identifier already";
    EXPECT_FALSE(isEchoReply(reply, 0x1235, 0));
    EXPECT_FALSE(isEchoReply(reply, 0x1234, 1));
    EXPECT_FALSE(isEchoReply(buildEchoRequest(0x1234, 0, "data"), 0x1234, 0)) << "a request is no reply";
    EXPECT_FALSE(isEchoReply(reply.substr(0, 7), 0x1234, 0));
}

// Replies and wait-hook calls of a real client.
struct Recorder
{
    std::vector<int> replies;
    int waits = 0;
    std::unique_ptr<IcmpEchoClient> client()
    {
        return makeIcmpEchoClient([this](int bytes) { replies.push_back(bytes); }, [this] { ++waits; });
    }
};

// Why this system gives no ICMP socket, or nothing when it does.
std::optional<std::string> icmpUnavailable()
{
    Result<IcmpSocket> opened = openIcmpSocket();
    if (!opened)
        return opened.error();
    ::close(opened.value().descriptor);
    return std::nullopt;
}

TEST(IcmpEchoClient, LoopbackAnswersWithTheBytesOfItsReply)
{
    if (const auto reason = icmpUnavailable())
        GTEST_SKIP() << "no ICMP socket on this system: " << *reason;
    Recorder recorder;
    auto client = recorder.client();
    ASSERT_TRUE(client->setHost("127.0.0.1").ok());
    const Clock::time_point start = Clock::now();
    for (int attempt = 0; attempt < 2; ++attempt)
        ASSERT_TRUE(client->ping("127.0.0.1", 0).ok());
    EXPECT_LT(Clock::now() - start, milliseconds(400));
    ASSERT_EQ(recorder.replies.size(), 2u);
    for (int bytes : recorder.replies)
        EXPECT_GE(bytes, 8 + 9) << "at least the echo header and the address text";
}

TEST(IcmpEchoClient, UnusableAddressesAreErrorsWithoutReplyEvent)
{
    Recorder recorder;
    auto client = recorder.client();
    EXPECT_FALSE(client->ping("127.0.0.1", 0).ok()) << "no host set yet";
    for (const char* address : {"999.1.1.1", "192..2.205", "", "localhost"}) {
        const Status set = client->setHost(address);
        EXPECT_FALSE(set.ok()) << address;
        EXPECT_NE(set.error().find(address), std::string::npos) << set.error();
        EXPECT_FALSE(client->ping(address, 0).ok()) << address;
    }
    EXPECT_TRUE(recorder.replies.empty());
}

std::string check(bool holds, const std::string& what)
{
    return holds ? std::string() : what;
}

TEST(IcmpEchoClient, HostThatIgnoresEchoRequestsGivesZeroBytesAfterTheTimeOut)
{
    const test::NamespaceRun run = test::runInNetworkNamespace({{"net/ipv4/icmp_echo_ignore_all", "1"}}, [] {
        if (const auto reason = icmpUnavailable())
            return "no ICMP socket: " + *reason;
        Recorder recorder;
        auto client = recorder.client();
        if (!client->setHost("127.0.0.1").ok())
            return std::string("host refused");
        const Clock::time_point start = Clock::now();
        if (!client->ping("127.0.0.1", 0).ok())
            return std::string("ping failed");
        const auto waited = Clock::now() - start;
        return check(recorder.replies == std::vector<int>{0}, "expected one reply event of 0 bytes") +
               check(waited >= milliseconds(390) && waited < milliseconds(600), "expected a wait of 400 ms") +
               check(recorder.waits >= 20,
                     "the wait hook ran only " + std::to_string(recorder.waits) + " times");
    });
    if (!run.permitted)
        GTEST_SKIP() << run.message;
    EXPECT_EQ(run.message, "");
}

struct SocketKindCase
{
    bool groupAllowed;
    IcmpSocket::Kind expected;
};

class IcmpSocketKind : public testing::TestWithParam<SocketKindCase>
{
};

TEST_P(IcmpSocketKind, FollowsThePingGroupRangeAndBothKindsGetReplies)
{
    const std::string gid = std::to_string(::getgid());
    const std::string range = GetParam().groupAllowed ? gid + " " + gid : "1 0";
    const IcmpSocket::Kind expected = GetParam().expected;
    const test::NamespaceRun run =
        test::runInNetworkNamespace({{"net/ipv4/ping_group_range", range}}, [expected] {
            Result<IcmpSocket> opened = openIcmpSocket();
            if (!opened)
                return "no ICMP socket: " + opened.error();
            ::close(opened.value().descriptor);
            if (opened.value().kind != expected)
                return std::string("the other kind of socket was opened");
            Recorder recorder;
            auto client = recorder.client();
            const bool pinged = client->setHost("127.0.0.1").ok() && client->ping("127.0.0.1", 0).ok();
            return check(pinged && recorder.replies.size() == 1 && recorder.replies[0] > 0,
                         "loopback did not answer");
        });
    if (!run.permitted)
        GTEST_SKIP() << run.message;
    EXPECT_EQ(run.message, "");
}

INSTANTIATE_TEST_SUITE_P(Table, IcmpSocketKind,
                         testing::Values(SocketKindCase{true, IcmpSocket::Kind::Datagram},
                                         SocketKindCase{false, IcmpSocket::Kind::Raw}));

} // namespace
} // namespace cfq
