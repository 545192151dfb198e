#pragma once

#include <filesystem>

namespace cfq {

struct AppState;

// The start-up work that needs no window, in its order: working folders
// MASTER, PROJECTS and LANGUAGE (created one level deep when missing), the
// settings file, the fixed model texts, the language, the restore of the last
// project, the project document paths and an empty row clipboard.
// workingFolder is where the folders live (the executable's folder, or the
// per-user data folder when that one is not writable).
void runStartup(AppState& state, const std::filesystem::path& workingFolder);

// Opens the last project when its folder still exists; otherwise no project
// is open and Project_Name keeps the stored name.
void restoreLastProject(AppState& state);

} // namespace cfq
