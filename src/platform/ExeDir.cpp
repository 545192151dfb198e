#include "platform/ExeDir.h"

#include <cstdlib>
#include <system_error>

#include <unistd.h>

namespace cfq {

std::filesystem::path executableFolder()
{
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return std::filesystem::current_path();
    return exe.parent_path();
}

std::filesystem::path workingFolderFor(const std::filesystem::path& executableDir)
{
    if (::access(executableDir.c_str(), W_OK) == 0)
        return executableDir;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        return std::filesystem::path(xdg) / "cfq4410";
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::filesystem::path(home) / ".local" / "share" / "cfq4410";
    return executableDir;
}

} // namespace cfq
