#include "app/Startup.h"

#include "app/AppState.h"
#include "app/ModelIdentity.h"
#include "app/Settings.h"
#include "i18n/Language.h"
#include "projects/Projects.h"

namespace cfq {
namespace {

void createFolder(const std::filesystem::path& folder)
{
    std::error_code ignored; // a folder that cannot be created shows up where it is needed
    std::filesystem::create_directory(folder, ignored);
}

} // namespace

void restoreLastProject(AppState& state)
{
    std::error_code error;
    const auto folder = projectFolder(state, state.Project_Name);
    if (!state.Project_Name.empty() && folder && std::filesystem::is_directory(*folder, error))
        state.Project_Path = *folder;
    else
        state.Project_Path.clear();
}

void runStartup(AppState& state, const std::filesystem::path& workingFolder)
{
    state.Exe_Dir = workingFolder;
    state.Master_Dir = workingFolder / "MASTER";
    state.Projects_Dir = workingFolder / "PROJECTS";
    state.Language_Dir = workingFolder / "LANGUAGE";
    createFolder(state.Master_Dir);
    createFolder(state.Projects_Dir);
    createFolder(state.Language_Dir);

    state.Project_Name.clear();
    state.Read_Back = true;
    Read_Settings(state);

    state.Window_Title = model::kWindowTitle;
    state.SW_Code = model::kSoftwareCode;
    state.SW_Desc = model::kSoftwareDescription;

    Load_Language(state);
    restoreLastProject(state);
    Set_Files(state);
    state.Clipboard = {};
}

} // namespace cfq
