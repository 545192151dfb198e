#include "LoopbackUdp.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace cfqtools {
namespace {

constexpr std::size_t kLargestDatagram = 65536;

sockaddr_in socketAddress(const UdpSocket::Peer& peer)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = peer.address;
    address.sin_port = htons(peer.port);
    return address;
}

} // namespace

UdpSocket::UdpSocket() : m_descriptor(::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0)) {}

UdpSocket::~UdpSocket()
{
    if (m_descriptor >= 0)
        ::close(m_descriptor);
}

std::optional<std::uint16_t> UdpSocket::bindLoopback(std::uint16_t port)
{
    sockaddr_in address = socketAddress({htonl(INADDR_LOOPBACK), port});
    if (::bind(m_descriptor, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
        return std::nullopt;
    socklen_t size = sizeof address;
    if (::getsockname(m_descriptor, reinterpret_cast<sockaddr*>(&address), &size) != 0)
        return std::nullopt;
    return ntohs(address.sin_port);
}

bool UdpSocket::sendTo(const Peer& peer, const std::string& bytes)
{
    const sockaddr_in address = socketAddress(peer);
    return ::sendto(m_descriptor, bytes.data(), bytes.size(), 0, reinterpret_cast<const sockaddr*>(&address),
                    sizeof address) == static_cast<ssize_t>(bytes.size());
}

std::optional<UdpSocket::Datagram> UdpSocket::receive(std::chrono::milliseconds timeout)
{
    pollfd ready{m_descriptor, POLLIN, 0};
    if (::poll(&ready, 1, static_cast<int>(timeout.count())) <= 0)
        return std::nullopt;
    std::string buffer(kLargestDatagram, '\0');
    sockaddr_in from{};
    socklen_t fromSize = sizeof from;
    const ssize_t received = ::recvfrom(m_descriptor, buffer.data(), buffer.size(), 0,
                                        reinterpret_cast<sockaddr*>(&from), &fromSize);
    if (received < 0)
        return std::nullopt;
    buffer.resize(static_cast<std::size_t>(received));
    return Datagram{std::move(buffer), {from.sin_addr.s_addr, ntohs(from.sin_port)}};
}

std::optional<std::uint32_t> loopbackAddress(const std::string& dotted)
{
    in_addr address{};
    if (::inet_pton(AF_INET, dotted.c_str(), &address) != 1)
        return std::nullopt;
    if ((ntohl(address.s_addr) >> 24) != 127)
        return std::nullopt;
    return address.s_addr;
}

} // namespace cfqtools
