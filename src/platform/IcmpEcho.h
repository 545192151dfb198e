#pragma once

#include "platform/Result.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace cfq {

// An ICMP echo client for IPv4, as the update dialog uses it to check that
// the device answers: set a host from dotted text, send one echo request,
// wait for its reply up to the receive time-out and report the outcome
// through the reply handler. Each operating system supplies its own
// makeIcmpEchoClient; tests hand the dialog a scripted client instead.
class IcmpEchoClient
{
public:
    // Called once per request with the number of bytes of the reply, 0 when
    // none came within the receive time-out.
    using ReplyHandler = std::function<void(int bytesReceived)>;
    // Called about every 10 ms while a request waits for its reply, so that
    // the caller's windows stay responsive.
    using WaitHook = std::function<void()>;

    static constexpr std::chrono::milliseconds kReceiveTimeout{400};
    static constexpr std::chrono::milliseconds kWaitSlice{10};
    static constexpr std::size_t kPacketBufferSize = 1024;

    virtual ~IcmpEchoClient() = default;

    // Fails for a text that is no dotted IPv4 address.
    virtual Status setHost(const std::string& address) = 0;

    // Sends one echo request carrying data with this sequence number to the
    // host and waits for the reply, then reports through the reply handler.
    // Fails without a report when no usable host is set or the socket
    // cannot be opened or used.
    virtual Status ping(const std::string& data, std::uint16_t sequence) = 0;
};

using IcmpEchoClientFactory =
    std::function<std::unique_ptr<IcmpEchoClient>(IcmpEchoClient::ReplyHandler, IcmpEchoClient::WaitHook)>;

// The operating system's client.
std::unique_ptr<IcmpEchoClient> makeIcmpEchoClient(IcmpEchoClient::ReplyHandler onReply,
                                                   IcmpEchoClient::WaitHook whileWaiting);

// The four bytes of a dotted IPv4 address of four decimal parts from 0 to
// 255 (leading zeros allowed); nothing for any other text.
std::optional<std::array<std::uint8_t, 4>> parseIpv4Address(const std::string& text);

// An echo request: type 8, code 0, the identifier and sequence number in
// network order, the data, and the Internet checksum over all of it.
std::string buildEchoRequest(std::uint16_t identifier, std::uint16_t sequence, const std::string& data);

// Whether an ICMP message (without IP header) is the echo reply to a request
// with this sequence number and, when given, this identifier.
bool isEchoReply(const std::string& message, std::optional<std::uint16_t> identifier, std::uint16_t sequence);

// The Internet checksum (one's complement of the one's complement sum of
// 16-bit words).
std::uint16_t internetChecksum(const std::string& bytes);

} // namespace cfq
