#pragma once

#include "BootLink.h"
#include "LoopbackUdp.h"

#include <string>

namespace cfqtools {

// The updater's side of the link: one request at a time, sent again until
// its answer comes or the tries are used up.
class DeviceLink
{
public:
    DeviceLink(std::uint32_t deviceAddress, std::uint16_t port);

    // Places the bytes at the device address and closes the transfer with
    // its checksum; with readBack, reads them back and compares.
    bool writeImage(std::uint32_t address, const std::string& bytes, bool readBack);
    bool goToApplication();

    // What went wrong, for the updater's report.
    const std::string& failure() const { return m_failure; }

private:
    std::optional<Reply> exchange(Request request);
    bool expectOk(Request request);
    bool readBackMatches(std::uint32_t address, const std::string& bytes);

    UdpSocket m_socket;
    UdpSocket::Peer m_device;
    std::uint32_t m_sequence = 0;
    std::string m_failure;
};

} // namespace cfqtools
