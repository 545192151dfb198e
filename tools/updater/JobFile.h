#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <variant>
#include <vector>

namespace cfqtools {

// One file to place into the device.
struct Transfer
{
    std::filesystem::path file;
    std::uint32_t startAddress = 0;
    bool readBack = false;
    bool goToAppAfter = false;
};

// What the updater takes from the job file.
struct UpdateJob
{
    std::string deviceAddress;
    std::uint16_t bootPort = 0;
    std::vector<Transfer> transfers;
};

// The job, or the list of every problem found in the job file (missing or
// unreadable file, missing element, value of the wrong form, firmware or
// image file that cannot be read).
using JobReading = std::variant<UpdateJob, std::vector<std::string>>;

JobReading readUpdateJob(const std::filesystem::path& jobFile);

} // namespace cfqtools
