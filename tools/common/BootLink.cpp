#include "BootLink.h"

namespace cfqtools {
namespace {

constexpr std::string_view kRequestMagic = "CFQB";
constexpr std::string_view kReplyMagic = "CFQA";
constexpr std::size_t kRequestHeader = 4 + 1 + 4 * 4;
constexpr std::size_t kReplyHeader = 4 + 1 + 4 + 1;

void put32(std::string& out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

std::uint32_t get32(std::string_view in, std::size_t offset)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(in[offset + static_cast<std::size_t>(i)]);
    return value;
}

bool knownCommand(std::uint8_t command)
{
    return command >= static_cast<std::uint8_t>(Command::Begin) &&
           command <= static_cast<std::uint8_t>(Command::GoToApp);
}

} // namespace

std::string encode(const Request& request)
{
    std::string out(kRequestMagic);
    out.push_back(static_cast<char>(request.command));
    put32(out, request.sequence);
    put32(out, request.address);
    put32(out, request.length);
    put32(out, request.checksum);
    return out + request.data;
}

std::string encode(const Reply& reply)
{
    std::string out(kReplyMagic);
    out.push_back(static_cast<char>(reply.command));
    put32(out, reply.sequence);
    out.push_back(static_cast<char>(reply.answer));
    return out + reply.data;
}

std::optional<Request> decodeRequest(std::string_view datagram)
{
    if (datagram.size() < kRequestHeader || datagram.substr(0, 4) != kRequestMagic)
        return std::nullopt;
    const auto command = static_cast<std::uint8_t>(datagram[4]);
    if (!knownCommand(command))
        return std::nullopt;
    return Request{
        static_cast<Command>(command), get32(datagram, 5),  get32(datagram, 9),
        get32(datagram, 13),           get32(datagram, 17), std::string(datagram.substr(kRequestHeader))};
}

std::optional<Reply> decodeReply(std::string_view datagram)
{
    if (datagram.size() < kReplyHeader || datagram.substr(0, 4) != kReplyMagic)
        return std::nullopt;
    const auto command = static_cast<std::uint8_t>(datagram[4]);
    if (!knownCommand(command))
        return std::nullopt;
    return Reply{static_cast<Command>(command), get32(datagram, 5), static_cast<Answer>(datagram[9]),
                 std::string(datagram.substr(kReplyHeader))};
}

std::uint32_t crc32(std::string_view bytes)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char byte : bytes) {
        crc ^= static_cast<unsigned char>(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

} // namespace cfqtools
