#include "platform/IcmpEcho.h"
#include "platform/IcmpSocketPosix.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace cfq {
namespace {

using Clock = std::chrono::steady_clock;

std::string systemError(const char* what)
{
    return std::string(what) + ": " + std::strerror(errno);
}

class PosixIcmpEchoClient final : public IcmpEchoClient
{
public:
    PosixIcmpEchoClient(ReplyHandler onReply, WaitHook whileWaiting)
        : m_onReply(std::move(onReply)), m_whileWaiting(std::move(whileWaiting)),
          m_identifier(static_cast<std::uint16_t>(::getpid()))
    {
    }

    ~PosixIcmpEchoClient() override
    {
        if (m_socket.descriptor >= 0)
            ::close(m_socket.descriptor);
    }

    PosixIcmpEchoClient(const PosixIcmpEchoClient&) = delete;
    PosixIcmpEchoClient& operator=(const PosixIcmpEchoClient&) = delete;

    Status setHost(const std::string& address) override
    {
        m_host = parseIpv4Address(address);
        if (!m_host)
            return Status::failure("\"" + address + "\" is no IPv4 address");
        return {};
    }

    Status ping(const std::string& data, std::uint16_t sequence) override
    {
        if (!m_host)
            return Status::failure("No host set for the echo request");
        if (m_socket.descriptor < 0) {
            Result<IcmpSocket> opened = openIcmpSocket();
            if (!opened)
                return Status::failure(opened.error());
            m_socket = opened.value();
        }
        const std::string request = buildEchoRequest(m_identifier, sequence, data);
        const sockaddr_in host = hostAddress();
        if (::sendto(m_socket.descriptor, request.data(), request.size(), 0,
                     reinterpret_cast<const sockaddr*>(&host), sizeof host) < 0)
            return Status::failure(systemError("Echo request not sent"));
        m_onReply(awaitReply(sequence));
        return {};
    }

private:
    sockaddr_in hostAddress() const
    {
        sockaddr_in host{};
        host.sin_family = AF_INET;
        std::memcpy(&host.sin_addr, m_host->data(), m_host->size());
        return host;
    }

    // Bytes of the matching reply, or 0 when the receive time-out passed.
    int awaitReply(std::uint16_t sequence)
    {
        const Clock::time_point deadline = Clock::now() + kReceiveTimeout;
        for (;;) {
            const auto remaining = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
            if (remaining.count() <= 0)
                return 0;
            pollfd ready{m_socket.descriptor, POLLIN, 0};
            const auto slice = std::min(remaining, std::chrono::ceil<std::chrono::milliseconds>(kWaitSlice));
            if (::poll(&ready, 1, static_cast<int>(slice.count())) > 0) {
                if (const int bytes = readReply(sequence); bytes > 0)
                    return bytes;
            } else if (m_whileWaiting) {
                m_whileWaiting();
            }
        }
    }

    // Reads one message; its size when it is the reply awaited, else 0.
    int readReply(std::uint16_t sequence)
    {
        char buffer[kPacketBufferSize];
        sockaddr_in from{};
        socklen_t fromSize = sizeof from;
        const ssize_t received = ::recvfrom(m_socket.descriptor, buffer, sizeof buffer, MSG_DONTWAIT,
                                            reinterpret_cast<sockaddr*>(&from), &fromSize);
        if (received <= 0 || std::memcmp(&from.sin_addr, m_host->data(), m_host->size()) != 0)
            return 0;
        std::string message(buffer, static_cast<std::size_t>(received));
        std::optional<std::uint16_t> identifier;
        if (m_socket.kind == IcmpSocket::Kind::Raw) {
            const std::size_t headerSize = (static_cast<unsigned char>(message[0]) & 0x0F) * 4u;
            if (message.size() < headerSize)
                return 0;
            message.erase(0, headerSize);
            identifier = m_identifier;
        }
        return isEchoReply(message, identifier, sequence) ? static_cast<int>(received) : 0;
    }

    ReplyHandler m_onReply;
    WaitHook m_whileWaiting;
    std::uint16_t m_identifier;
    std::optional<std::array<std::uint8_t, 4>> m_host;
    IcmpSocket m_socket;
};

} // namespace

Result<IcmpSocket> openIcmpSocket()
{
    int descriptor = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_ICMP);
    if (descriptor >= 0)
        return IcmpSocket{descriptor, IcmpSocket::Kind::Datagram};
    descriptor = ::socket(AF_INET, SOCK_RAW | SOCK_CLOEXEC, IPPROTO_ICMP);
    if (descriptor >= 0)
        return IcmpSocket{descriptor, IcmpSocket::Kind::Raw};
    return Result<IcmpSocket>::failure(systemError("ICMP socket cannot be opened"));
}

std::unique_ptr<IcmpEchoClient> makeIcmpEchoClient(IcmpEchoClient::ReplyHandler onReply,
                                                   IcmpEchoClient::WaitHook whileWaiting)
{
    return std::make_unique<PosixIcmpEchoClient>(std::move(onReply), std::move(whileWaiting));
}

} // namespace cfq
