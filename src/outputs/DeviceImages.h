#pragma once

#include "outputs/Bytes.h"
#include "outputs/ProjectDocuments.h"
#include "platform/Result.h"

#include <filesystem>
#include <string_view>

namespace cfq {
class TextTable;
}

// The device image compiler: turns the documents of a project into the two
// configuration images the updater writes into the device.
namespace cfq::outputs {

struct DeviceImages
{
    Bytes bank1; // the parameter image, 2048 bytes
    Bytes bank2; // the process-data image
};

// Compile device images: reads the three documents (each may be missing) and
// builds both images. Float32 initial values are read with the given decimal
// separator. Fails, naming the file and the parser's message, when a document
// is not well-formed, and with text 1106 followed by what overflowed when the
// project does not fit in the device's memory.
Result<DeviceImages> Compile_Device_Images(const ProjectDocuments& documents,
                                           std::string_view decimalSeparator, const TextTable& texts);

// Write device images: bank1.bin, then bank2.bin, each written atomically
// into the project's bin folder (created when missing).
Status Write_Device_Images(const DeviceImages& images, const std::filesystem::path& projectFolder);

// The first part of Update Device: compile the project's images and write
// them into its bin folder; nothing is written when the compile fails.
Status compileAndWriteDeviceImages(const ProjectDocuments& documents,
                                   const std::filesystem::path& projectFolder,
                                   std::string_view decimalSeparator, const TextTable& texts);

// The same for the open project, with its texts.
Status compileAndWriteDeviceImages(const AppState& state, std::string_view decimalSeparator);

} // namespace cfq::outputs
