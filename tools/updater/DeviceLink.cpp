#include "DeviceLink.h"

#include <algorithm>

namespace cfqtools {
namespace {

constexpr std::chrono::milliseconds kAnswerTimeout{250};
constexpr int kTries = 8;

} // namespace

DeviceLink::DeviceLink(std::uint32_t deviceAddress, std::uint16_t port) : m_device{deviceAddress, port} {}

std::optional<Reply> DeviceLink::exchange(Request request)
{
    request.sequence = ++m_sequence;
    const std::string datagram = encode(request);
    for (int attempt = 0; attempt < kTries; ++attempt) {
        if (!m_socket.sendTo(m_device, datagram)) {
            m_failure = "the request cannot be sent";
            return std::nullopt;
        }
        // Answers to earlier tries of an older request may still arrive.
        while (const auto received = m_socket.receive(kAnswerTimeout)) {
            const auto reply = decodeReply(received->bytes);
            if (reply && reply->sequence == request.sequence && reply->command == request.command)
                return reply;
        }
    }
    m_failure = "the device does not answer";
    return std::nullopt;
}

bool DeviceLink::expectOk(Request request)
{
    const auto reply = exchange(std::move(request));
    if (!reply)
        return false;
    if (reply->answer != Answer::Ok) {
        m_failure =
            "the device refused a request (answer " + std::to_string(static_cast<int>(reply->answer)) + ")";
        return false;
    }
    return true;
}

bool DeviceLink::writeImage(std::uint32_t address, const std::string& bytes, bool readBack)
{
    const auto size = static_cast<std::uint32_t>(bytes.size());
    if (!expectOk({Command::Begin, 0, address, size, 0, {}}))
        return false;
    for (std::size_t offset = 0; offset < bytes.size(); offset += kChunkSize) {
        const std::string chunk = bytes.substr(offset, kChunkSize);
        if (!expectOk({Command::Write, 0, address + static_cast<std::uint32_t>(offset), 0, 0, chunk}))
            return false;
    }
    if (!expectOk({Command::Finish, 0, address, size, crc32(bytes), {}}))
        return false;
    return !readBack || readBackMatches(address, bytes);
}

bool DeviceLink::readBackMatches(std::uint32_t address, const std::string& bytes)
{
    for (std::size_t offset = 0; offset < bytes.size(); offset += kChunkSize) {
        const std::size_t length = std::min(kChunkSize, bytes.size() - offset);
        const auto reply = exchange({Command::Read,
                                     0,
                                     address + static_cast<std::uint32_t>(offset),
                                     static_cast<std::uint32_t>(length),
                                     0,
                                     {}});
        if (!reply)
            return false;
        if (reply->answer != Answer::Ok || reply->data != bytes.substr(offset, length)) {
            m_failure = "read back differs from the file";
            return false;
        }
    }
    return true;
}

bool DeviceLink::goToApplication()
{
    return expectOk({Command::GoToApp, 0, 0, 0, 0, {}});
}

} // namespace cfqtools
