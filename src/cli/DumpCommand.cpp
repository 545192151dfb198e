#include "cli/CommandTable.h"
#include "cli/ProjectArgument.h"
#include "outputs/DeviceImages.h"
#include "outputs/ImageInspector.h"
#include "platform/AtomicFile.h"

#include <filesystem>

namespace cfq::cli {
namespace {

// As the compile command: Float32 initial values with the full stop.
constexpr const char* kDecimalSeparator = ".";

// Prints the listing, then the first fault, if any, as the command's error.
bool printReport(const outputs::ImageReport& report, const std::string& source, CliIo& io)
{
    io.out << report.listing;
    if (report.fault) {
        io.err << kToolName << ": " << source << ": " << *report.fault << '\n';
        return false;
    }
    return true;
}

ExitCode dumpProject(const std::string& folder, CliIo& io)
{
    const auto state = openProjectArgument(folder, io.texts);
    if (!state)
        return io.dataError(state.error());
    const auto images =
        outputs::Compile_Device_Images(outputs::projectDocuments(state.value()), kDecimalSeparator, io.texts);
    if (!images)
        return io.dataError(images.error());
    if (!printReport(outputs::inspectParameterImage(images.value().bank1), folder, io))
        return kDataError;
    io.out << '\n';
    return printReport(outputs::inspectProcessDataImage(images.value().bank2), folder, io) ? kSuccess
                                                                                           : kDataError;
}

ExitCode runDump(const std::vector<std::string>& arguments, CliIo& io)
{
    const std::string& target = arguments[0];
    std::error_code error;
    if (std::filesystem::is_directory(target, error))
        return dumpProject(target, io);
    const auto text = readWholeFile(target);
    if (!text)
        return io.dataError(text.error());
    const outputs::Bytes image(text.value().begin(), text.value().end());
    return printReport(outputs::inspectImage(image), target, io) ? kSuccess : kDataError;
}

} // namespace

const CliCommand& dumpCommand()
{
    static const CliCommand command{
        "dump", "FILE|PROJECT_DIR", "List and check the contents of a device image.",
        "Decodes a parameter image (bank1.bin, 2048 bytes) or a process-data image (bank2.bin) into a\n"
        "readable listing: every parameter field; or the header, every table entry in use with its name\n"
        "and initial value, and the group table. Checks the checksum, that every address points inside\n"
        "the image at a terminated string or a value of the right length, and that the counts match the\n"
        "entries in use; exits with 1 and names the first inconsistency. Given a project folder, compiles\n"
        "its documents in memory, as the compile command does, and lists both images.",
        runDump};
    return command;
}

} // namespace cfq::cli
