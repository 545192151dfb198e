#pragma once

#include <filesystem>

namespace cfq {

// Folder of the running executable, without a trailing separator.
std::filesystem::path executableFolder();

// Where the configurator keeps MASTER, PROJECTS, LANGUAGE and its settings:
// the executable's folder when it is writable, else the per-user data folder
// ($XDG_DATA_HOME/cfq4410, or ~/.local/share/cfq4410).
std::filesystem::path workingFolderFor(const std::filesystem::path& executableDir);

} // namespace cfq
