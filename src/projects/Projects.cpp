#include "projects/Projects.h"

#include "app/AppState.h"
#include "platform/TextTrim.h"

namespace cfq {

void Set_Files(AppState& state)
{
    if (!state.projectOpen()) {
        state.ParGen_File.clear();
        state.EtherCAT_Slave_File.clear();
        state.EtherCAT_Slave_Group_File.clear();
        return;
    }
    state.ParGen_File = state.Project_Path / "ParGen.xml";
    state.EtherCAT_Slave_File = state.Project_Path / "EtherCAT_Slave.xml";
    state.EtherCAT_Slave_Group_File = state.Project_Path / "EtherCAT_Slave_Group.xml";
}

std::optional<std::filesystem::path> projectFolder(const AppState& state, const std::string& name)
{
    const bool leavesProjects = name.empty() || name == "." || name == ".." ||
                                name.find_first_of("/\\") != std::string::npos || name.find('\0') != std::string::npos;
    if (leavesProjects)
        return std::nullopt;
    return state.Projects_Dir / name;
}

CreateProjectResult Create_Project(AppState& state, const std::string& name)
{
    if (name.empty())
        return {107};
    const auto folder = projectFolder(state, name);
    std::error_code error;
    if (folder && std::filesystem::exists(*folder, error))
        return {106};
    if (!folder || !std::filesystem::create_directory(*folder, error) || error)
        return {105};
    std::filesystem::create_directories(*folder / "bin", error);
    state.Project_Name = name;
    state.Project_Path = *folder;
    Set_Files(state);
    return {};
}

void Open_Project_Named(AppState& state, const std::string& name)
{
    state.Project_Name = name;
    const auto folder = projectFolder(state, name);
    state.Project_Path = folder ? *folder : std::filesystem::path();
    Set_Files(state);
}

std::vector<std::string> Load_Existing_Configuration(const AppState& state)
{
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(state.Projects_Dir, error), end; !error && it != end;
         it.increment(error)) {
        std::error_code typeError;
        if (it->is_directory(typeError))
            names.push_back(it->path().filename().string());
    }
    return names;
}

int Search_Open_Conf(const std::vector<std::string>& names, const std::string& name)
{
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (equalsIgnoringAsciiCase(names[i], name))
            return static_cast<int>(i);
    }
    return -1;
}

std::string openProjectName(const AppState& state)
{
    if (!state.projectOpen())
        return {};
    return state.Project_Path.lexically_relative(state.Projects_Dir).string();
}

} // namespace cfq
