#pragma once

#include "platform/Result.h"
#include "platform/Xml.h"

#include <filesystem>
#include <string>

namespace cfq {

// The choices of the update dialog that decide the updater job file.
struct BootJob
{
    // The four address fields joined with "." exactly as typed.
    std::string IP_Address_Dev;
    // 0 firmware and configuration, 1 firmware only, 2 configuration only.
    int Update_Option = 0;
    bool Read_Back = true;
    std::filesystem::path Master_Dir;
    std::filesystem::path Project_Path;
};

// The job file the updater reads: Exe_Dir/Ethernet_Update.xml.
std::filesystem::path bootJobFile(const std::filesystem::path& exeDir);

// The job document: the device address, its ports and protection values, and
// one Operation per file to transfer (the firmware image, then bank1.bin,
// then bank2.bin, as far as the option includes them).
xml::Document buildBootJob(const BootJob& job);

// Builds the job document and writes it whole into exeDir, replacing any
// earlier job file.
Status Compile_XML_Parameter_New_Boot(const BootJob& job, const std::filesystem::path& exeDir);

} // namespace cfq
