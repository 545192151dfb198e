#include "platform/FileAttributes.h"

#include <unistd.h>

namespace cfq {

bool isReadOnlyFile(const std::filesystem::path& file)
{
    std::error_code error;
    const std::filesystem::perms permissions = std::filesystem::status(file, error).permissions();
    if (error)
        return true;
    if ((permissions & std::filesystem::perms::owner_write) == std::filesystem::perms::none)
        return true;
    return ::access(file.c_str(), W_OK) != 0;
}

} // namespace cfq
