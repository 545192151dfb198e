#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace cfq {

struct AppState;

// The project document paths derived from Project_Path (empty when no project
// is open).
void Set_Files(AppState& state);

// The folder of the project with this name, or nothing when the name would
// leave PROJECTS or reach into another project: a path separator ("/" or
// "\"), the names "." and "..", or an empty name.
std::optional<std::filesystem::path> projectFolder(const AppState& state, const std::string& name);

// Outcome of creating a project: 0 on success, else the index of the text to
// show (107 empty name, 106 folder exists, 105 name refused or folder not
// created).
struct CreateProjectResult
{
    int errorText = 0;
    bool ok() const { return errorText == 0; }
};

// Creates PROJECTS/<name> and its bin subfolder, then opens it (Project_Name,
// Project_Path, Set_Files). The name is used exactly as typed.
CreateProjectResult Create_Project(AppState& state, const std::string& name);

// Opens the named project (Open_Project after the open dialog): an empty name
// leaves no project open.
void Open_Project_Named(AppState& state, const std::string& name);

// The names of the folders in PROJECTS, in the file system's order; files are
// never listed.
std::vector<std::string> Load_Existing_Configuration(const AppState& state);

// Index of the first entry equal to name ignoring case, or -1.
int Search_Open_Conf(const std::vector<std::string>& names, const std::string& name);

// The name of the open project: the part of Project_Path after PROJECTS.
std::string openProjectName(const AppState& state);

} // namespace cfq
