#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

namespace cfqtools {

// A UDP socket on IPv4 for the stand-in programs.
class UdpSocket
{
public:
    struct Peer
    {
        std::uint32_t address = 0; // network order
        std::uint16_t port = 0;    // host order
    };
    struct Datagram
    {
        std::string bytes;
        Peer from;
    };

    UdpSocket();
    ~UdpSocket();
    UdpSocket(const UdpSocket&) = delete;
    UdpSocket& operator=(const UdpSocket&) = delete;

    bool isOpen() const { return m_descriptor >= 0; }
    // Binds to 127.0.0.1 and the port (0: any free port); the port bound.
    std::optional<std::uint16_t> bindLoopback(std::uint16_t port);
    bool sendTo(const Peer& peer, const std::string& bytes);
    // The next datagram, or nothing when none came within the time-out.
    std::optional<Datagram> receive(std::chrono::milliseconds timeout);

private:
    int m_descriptor = -1;
};

// The address of a dotted IPv4 text in network order, only for the loopback
// network 127.0.0.0/8: the stand-ins never talk to anything else.
std::optional<std::uint32_t> loopbackAddress(const std::string& dotted);

} // namespace cfqtools
