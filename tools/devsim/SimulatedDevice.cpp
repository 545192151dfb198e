#include "SimulatedDevice.h"

#include "platform/AtomicFile.h"

#include <algorithm>
#include <iostream>

namespace cfqtools {

SimulatedDevice::SimulatedDevice(std::filesystem::path imageFile)
    : m_imageFile(std::move(imageFile)), m_memory(kMemorySize, '\xFF')
{
    if (auto stored = cfq::readWholeFile(m_imageFile))
        m_memory.replace(0, std::min(stored.value().size(), kMemorySize), stored.value(), 0, kMemorySize);
}

bool SimulatedDevice::inMemory(std::uint32_t address, std::size_t length) const
{
    return address <= kMemorySize && length <= kMemorySize - address;
}

Reply SimulatedDevice::handle(const Request& request)
{
    Reply reply{request.command, request.sequence, Answer::Ok, {}};
    switch (request.command) {
    case Command::Begin:
        reply.answer = begin(request);
        break;
    case Command::Write:
        reply.answer = write(request);
        break;
    case Command::Finish:
        reply.answer = finish(request);
        break;
    case Command::Read:
        if (request.length > kChunkSize || !inMemory(request.address, request.length))
            reply.answer = Answer::OutOfRange;
        else
            reply.data = m_memory.substr(request.address, request.length);
        break;
    case Command::GoToApp:
        std::cout << "devsim: application started" << std::endl;
        break;
    }
    return reply;
}

Answer SimulatedDevice::begin(const Request& request)
{
    if (!inMemory(request.address, request.length))
        return Answer::OutOfRange;
    m_transferOpen = true;
    m_transferAddress = request.address;
    m_transferLength = request.length;
    return Answer::Ok;
}

Answer SimulatedDevice::write(const Request& request)
{
    if (!m_transferOpen)
        return Answer::NoTransfer;
    if (request.data.size() > kChunkSize || request.address < m_transferAddress ||
        request.address - m_transferAddress + request.data.size() > m_transferLength)
        return Answer::OutOfRange;
    m_memory.replace(request.address, request.data.size(), request.data);
    return Answer::Ok;
}

Answer SimulatedDevice::finish(const Request& request)
{
    // A repeated Finish (its first answer lost) finds the transfer closed
    // and the same bytes in memory.
    if (request.address != m_transferAddress || request.length != m_transferLength)
        return m_transferOpen ? Answer::BadRequest : Answer::NoTransfer;
    if (crc32(std::string_view(m_memory).substr(request.address, request.length)) != request.checksum)
        return Answer::ChecksumMismatch;
    m_transferOpen = false;
    if (const cfq::Status saved = cfq::writeFileAtomically(m_imageFile, m_memory); !saved) {
        std::cerr << "devsim: " << saved.error() << '\n';
        return Answer::BadRequest;
    }
    std::cout << "devsim: " << request.length << " bytes at 0x" << std::hex << request.address << std::dec
              << std::endl;
    return Answer::Ok;
}

} // namespace cfqtools
