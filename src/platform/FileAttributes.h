#pragma once

#include <filesystem>

namespace cfq {

// Whether a file counts as read-only: no write permission for its owner, or
// one that the current user may not write. The first test keeps the meaning
// for the superuser, who may write any file.
bool isReadOnlyFile(const std::filesystem::path& file);

} // namespace cfq
