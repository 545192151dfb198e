#pragma once

#include <filesystem>
#include <string>

namespace cfq {

class TextTable;
struct AppState;

// Applies a language file to the table, line by line; later lines win.
// Returns false when the file cannot be read (the table is then unchanged).
bool Load_Lang_File(TextTable& table, const std::filesystem::path& file);

// Rebuilds the table from the built-in English texts and applies the file of
// Language_Name; when that file is missing or unreadable, Language_Name
// becomes "English" and English.lng is applied when present.
void Load_Language(AppState& state);

} // namespace cfq
