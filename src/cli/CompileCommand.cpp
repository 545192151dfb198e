#include "cli/CommandTable.h"
#include "cli/ProjectArgument.h"
#include "outputs/DeviceImages.h"
#include "outputs/DeviceMemory.h"

namespace cfq::cli {
namespace {

// The tool reads Float32 initial values with the full stop as the decimal
// separator, whatever the user's regional settings.
constexpr const char* kDecimalSeparator = ".";

ExitCode runCompile(const std::vector<std::string>& arguments, CliIo& io)
{
    const auto state = openProjectArgument(arguments[0], io.texts);
    if (!state)
        return io.dataError(state.error());
    const AppState& project = state.value();
    if (const Status written = outputs::compileAndWriteDeviceImages(
            outputs::projectDocuments(project), project.Project_Path, kDecimalSeparator, io.texts);
        !written)
        return io.dataError(written.error());
    const std::filesystem::path folder = project.Project_Path / device::kImageFolder;
    io.out << (folder / device::kParameterImageFile).string() << '\n'
           << (folder / device::kProcessDataImageFile).string() << '\n';
    return kSuccess;
}

} // namespace

const CliCommand& compileCommand()
{
    static const CliCommand command{
        "compile", "PROJECT_DIR", "Write the device images bin/bank1.bin and bin/bank2.bin of a project.",
        "Compiles ParGen.xml, EtherCAT_Slave.xml and EtherCAT_Slave_Group.xml of PROJECT_DIR (each may be\n"
        "missing) into the parameter image bank1.bin and the process-data image bank2.bin, exactly as\n"
        "Update Device does, and writes them into PROJECT_DIR/bin, replacing earlier images. Float32\n"
        "initial values are read with the full stop as decimal separator. Nothing is written when a\n"
        "document is not well-formed or the configuration does not fit in the device memory.\n"
        "Prints the paths of the two images.",
        runCompile};
    return command;
}

} // namespace cfq::cli
