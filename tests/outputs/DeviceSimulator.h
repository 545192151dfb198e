#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include <sys/types.h>

namespace cfq::test {

// The folder of the stand-in updater and the device simulator.
std::filesystem::path toolsFolder();

// The device simulator, serving on 127.0.0.1 at a free port for the life of
// the object, its memory kept in imageFile.
class DeviceSimulator
{
public:
    explicit DeviceSimulator(const std::filesystem::path& imageFile);
    ~DeviceSimulator();
    DeviceSimulator(const DeviceSimulator&) = delete;
    DeviceSimulator& operator=(const DeviceSimulator&) = delete;

    std::uint16_t port() const { return m_port; }

    // length bytes of device memory from address, through the simulator's
    // dump; empty when the dump failed.
    std::string memory(std::uint32_t address, std::size_t length) const;

private:
    void stop();

    std::filesystem::path m_imageFile;
    pid_t m_process = -1;
    int m_output = -1;
    std::uint16_t m_port = 0;
};

} // namespace cfq::test
