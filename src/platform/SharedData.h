#pragma once

#include "platform/Result.h"

#include <filesystem>

// An installed configurator keeps what it ships (language files, the example
// project) read-only in <prefix>/share/cfq4410 beside <prefix>/bin, and works
// in the per-user data folder. That folder is seeded from the shared one.
namespace cfq {

// <prefix>/share/cfq4410 for an executable in <prefix>/bin.
std::filesystem::path sharedDataFolderFor(const std::filesystem::path& executableDir);

// Copies into `working` what it lacks of `shared`: each file of LANGUAGE that
// is missing, and each project of PROJECTS whose folder is missing (with all
// its files and folders). What the user already has is never touched. A
// missing shared folder seeds nothing.
Status seedWorkingFolder(const std::filesystem::path& shared, const std::filesystem::path& working);

} // namespace cfq
