#include "cli/ProjectArgument.h"

#include "projects/Projects.h"

#include <system_error>

namespace cfq::cli {
namespace {

constexpr int kProjectNotValidText = 18;

} // namespace

Result<AppState> openProjectArgument(const std::string& folder, const TextTable& texts)
{
    std::error_code error;
    const std::filesystem::path path(folder);
    const auto status = std::filesystem::status(path, error);
    if (!std::filesystem::is_directory(status)) {
        const char* reason = std::filesystem::exists(status) ? "is no folder" : "does not exist";
        return Result<AppState>::failure(texts[kProjectNotValidText] + ": \"" + folder + "\" " + reason);
    }
    AppState state;
    state.Project_Path = path;
    state.Project_Name = path.filename().string();
    Set_Files(state);
    return state;
}

} // namespace cfq::cli
