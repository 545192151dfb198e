#pragma once

#include "platform/Result.h"

#include <filesystem>

namespace cfq {

struct AppState;

// The application settings file Mavrel.xml in Exe_Dir.
std::filesystem::path settingsFile(const AppState& state);

// Reads the settings file into the state, value by value: a missing file, a
// missing element or a file that is not well-formed gives that value's
// default; a present but empty element gives empty text; a flag is set only
// by exactly "1".
void Read_Settings(AppState& state);

// Writes the eleven elements of the settings file from the state.
Status Save_Setting(const AppState& state);

} // namespace cfq
