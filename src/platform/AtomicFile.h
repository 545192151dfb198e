#pragma once

#include "platform/Result.h"

#include <filesystem>
#include <string_view>

namespace cfq {

// Writes the bytes to a temporary file in the target's folder and renames it
// over the target, so the target is either the old file or the whole new one.
// On failure the old file is untouched and the error names the target.
Status writeFileAtomically(const std::filesystem::path& target, std::string_view bytes);

// Reads a whole file; fails when it cannot be opened or read.
Result<std::string> readWholeFile(const std::filesystem::path& source);

} // namespace cfq
