#include "platform/IcmpEcho.h"

namespace cfq {
namespace {

constexpr std::uint8_t kEchoRequest = 8;
constexpr std::uint8_t kEchoReply = 0;
constexpr std::size_t kHeaderSize = 8;

void appendWord(std::string& bytes, std::uint16_t word)
{
    bytes.push_back(static_cast<char>(word >> 8));
    bytes.push_back(static_cast<char>(word & 0xFF));
}

std::uint16_t wordAt(const std::string& bytes, std::size_t offset)
{
    return static_cast<std::uint16_t>((static_cast<unsigned char>(bytes[offset]) << 8) |
                                      static_cast<unsigned char>(bytes[offset + 1]));
}

} // namespace

std::optional<std::array<std::uint8_t, 4>> parseIpv4Address(const std::string& text)
{
    std::array<std::uint8_t, 4> address{};
    std::size_t position = 0;
    for (std::size_t part = 0; part < address.size(); ++part) {
        if (part > 0) {
            if (position >= text.size() || text[position] != '.')
                return std::nullopt;
            ++position;
        }
        unsigned value = 0;
        std::size_t digits = 0;
        while (position < text.size() && text[position] >= '0' && text[position] <= '9' && digits < 4) {
            value = value * 10 + static_cast<unsigned>(text[position] - '0');
            ++position;
            ++digits;
        }
        if (digits == 0 || digits > 3 || value > 255)
            return std::nullopt;
        address[part] = static_cast<std::uint8_t>(value);
    }
    if (position != text.size())
        return std::nullopt;
    return address;
}

std::uint16_t internetChecksum(const std::string& bytes)
{
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        sum += wordAt(bytes, i);
    if (bytes.size() % 2 != 0)
        sum += static_cast<std::uint32_t>(static_cast<unsigned char>(bytes.back())) << 8;
    while (sum >> 16)
        sum = (sum & 0xFFFF) + (sum >> 16);
    return static_cast<std::uint16_t>(~sum & 0xFFFF);
}

std::string buildEchoRequest(std::uint16_t identifier, std::uint16_t sequence, const std::string& data)
{
    std::string message;
    message.push_back(static_cast<char>(kEchoRequest));
    message.push_back(0);
    appendWord(message, 0);
    appendWord(message, identifier);
    appendWord(message, sequence);
    message += data;
    const std::uint16_t checksum = internetChecksum(message);
    message[2] = static_cast<char>(checksum >> 8);
    message[3] = static_cast<char>(checksum & 0xFF);
    return message;
}

bool isEchoReply(const std::string& message, std::optional<std::uint16_t> identifier, std::uint16_t sequence)
{
    if (message.size() < kHeaderSize || static_cast<unsigned char>(message[0]) != kEchoReply ||
        message[1] != 0)
        return false;
    return (!identifier || wordAt(message, 4) == *identifier) && wordAt(message, 6) == sequence;
}

} // namespace cfq
