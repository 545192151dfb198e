#include "outputs/DeviceImages.h"

#include "app/AppState.h"
#include "i18n/TextTable.h"
#include "outputs/DeviceMemory.h"
#include "outputs/ParameterImage.h"
#include "outputs/ProcessData.h"
#include "params/ParGenNames.h"
#include "platform/AtomicFile.h"

#include <system_error>

namespace cfq::outputs {
namespace {

constexpr int kDoesNotFitText = 1106;
constexpr int kSlaveToMasterText = 5314;
constexpr int kMasterToSlaveText = 5315;

std::string directionName(const std::optional<Direction>& direction, const TextTable& texts)
{
    return texts[direction == Direction::MasterToSlave ? kMasterToSlaveText : kSlaveToMasterText];
}

std::string describe(const Overflow& overflow, const TextTable& texts)
{
    const auto amount = [&](const char* unit) {
        return std::to_string(overflow.count) + unit + " (at most " + std::to_string(overflow.limit) + ")";
    };
    std::string what;
    switch (overflow.kind) {
    case Overflow::Kind::Variables:
        what = directionName(overflow.direction, texts) + ": " + amount(" enabled variables");
        break;
    case Overflow::Kind::Groups:
        what = directionName(overflow.direction, texts) + ": " + amount(" groups");
        break;
    case Overflow::Kind::SiiConfig:
        what = std::string(pargen_doc::kEepromConfig) + ": " + amount(" bytes");
        break;
    case Overflow::Kind::ImageSize:
        what = std::string(device::kProcessDataImageFile) + ": " + amount(" bytes");
        break;
    }
    return texts[kDoesNotFitText] + "\n" + what;
}

} // namespace

Result<DeviceImages> Compile_Device_Images(const ProjectDocuments& documents,
                                           std::string_view decimalSeparator, const TextTable& texts)
{
    auto parameters = loadIfPresent(documents.parameters);
    if (!parameters)
        return Result<DeviceImages>::failure(parameters.error());
    auto variables = loadIfPresent(documents.variables);
    if (!variables)
        return Result<DeviceImages>::failure(variables.error());
    auto groups = loadIfPresent(documents.groups);
    if (!groups)
        return Result<DeviceImages>::failure(groups.error());

    const pugi::xml_node parameterRoot = documentRoot(parameters.value());
    const bool hasParameters = parameters.value() != nullptr;
    const ProcessData data =
        buildProcessData(readSlaveHeader(parameterRoot, hasParameters), documentRoot(variables.value()),
                         documentRoot(groups.value()), decimalSeparator);
    if (const auto overflow = findOverflow(data))
        return Result<DeviceImages>::failure(describe(*overflow, texts));
    return DeviceImages{buildParameterImage(parameterRoot, hasParameters), serializeProcessData(data)};
}

Status Write_Device_Images(const DeviceImages& images, const std::filesystem::path& projectFolder)
{
    const std::filesystem::path folder = projectFolder / device::kImageFolder;
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error)
        return Status::failure("Cannot create \"" + folder.string() + "\": " + error.message());
    if (Status written = writeFileAtomically(folder / device::kParameterImageFile, asText(images.bank1));
        !written)
        return written;
    return writeFileAtomically(folder / device::kProcessDataImageFile, asText(images.bank2));
}

Status compileAndWriteDeviceImages(const ProjectDocuments& documents,
                                   const std::filesystem::path& projectFolder,
                                   std::string_view decimalSeparator, const TextTable& texts)
{
    const auto images = Compile_Device_Images(documents, decimalSeparator, texts);
    if (!images)
        return Status::failure(images.error());
    return Write_Device_Images(images.value(), projectFolder);
}

Status compileAndWriteDeviceImages(const AppState& state, std::string_view decimalSeparator)
{
    return compileAndWriteDeviceImages(projectDocuments(state), state.Project_Path, decimalSeparator,
                                       state.Text_Table);
}

} // namespace cfq::outputs
