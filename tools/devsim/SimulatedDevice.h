#pragma once

#include "BootLink.h"

#include <filesystem>
#include <string>

namespace cfqtools {

// The memory of the simulated converter and its boot loader's handling of
// the updater's requests. The memory image is kept in a file, rewritten
// whole after every finished transfer, so that it outlives the simulator and
// can be dumped.
class SimulatedDevice
{
public:
    // 1 MiB of memory, erased (0xFF) where the image file holds nothing.
    static constexpr std::size_t kMemorySize = 0x100000;

    explicit SimulatedDevice(std::filesystem::path imageFile);

    Reply handle(const Request& request);

    const std::string& memory() const { return m_memory; }

private:
    bool inMemory(std::uint32_t address, std::size_t length) const;
    Answer begin(const Request& request);
    Answer write(const Request& request);
    Answer finish(const Request& request);

    std::filesystem::path m_imageFile;
    std::string m_memory;
    bool m_transferOpen = false;
    std::uint32_t m_transferAddress = 0;
    std::uint32_t m_transferLength = 0;
};

} // namespace cfqtools
