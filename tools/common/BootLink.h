#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The datagrams between the stand-in updater and the device simulator. The
// updater sends one request at a time and waits for the answer with the same
// sequence number, sending the request again when none comes; the device
// answers every request, repeated ones included, so a lost answer is harmless.
//
// Request: "CFQB", command (1 byte), sequence, address, length, checksum
//          (4 bytes each, least significant first), then the data of Write.
// Answer:  "CFQA", command, sequence, status (1 byte), then the data of Read.
namespace cfqtools {

enum class Command : std::uint8_t
{
    // Opens a transfer of length bytes to address.
    Begin = 1,
    // Stores the data at address, inside the open transfer.
    Write = 2,
    // Closes the transfer; the device compares the checksum of what it holds.
    Finish = 3,
    // Answers length bytes of device memory from address.
    Read = 4,
    // The device leaves its boot loader and starts its application.
    GoToApp = 5,
};

enum class Answer : std::uint8_t
{
    Ok = 0,
    BadRequest = 1,
    OutOfRange = 2,
    NoTransfer = 3,
    ChecksumMismatch = 4,
};

// Bytes of data in one Write or Read.
inline constexpr std::size_t kChunkSize = 512;

struct Request
{
    Command command = Command::Begin;
    std::uint32_t sequence = 0;
    std::uint32_t address = 0;
    std::uint32_t length = 0;
    std::uint32_t checksum = 0;
    std::string data;
};

struct Reply
{
    Command command = Command::Begin;
    std::uint32_t sequence = 0;
    Answer answer = Answer::Ok;
    std::string data;
};

std::string encode(const Request& request);
std::string encode(const Reply& reply);
std::optional<Request> decodeRequest(std::string_view datagram);
std::optional<Reply> decodeReply(std::string_view datagram);

// CRC-32 (the polynomial of Ethernet and zip) of the bytes.
std::uint32_t crc32(std::string_view bytes);

} // namespace cfqtools
