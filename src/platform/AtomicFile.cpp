#include "platform/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cfq {
namespace {

std::string describe(const std::filesystem::path& target, const std::string& what)
{
    return "Cannot write \"" + target.string() + "\": " + what;
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

} // namespace

Status writeFileAtomically(const std::filesystem::path& target, std::string_view bytes)
{
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        return Status::failure(describe(target, std::strerror(errno)));

    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    const int writeError = errno;
    ::fchmod(fd, 0644);
    if (::close(fd) != 0 || !written) {
        ::unlink(pattern.c_str());
        return Status::failure(describe(target, std::strerror(written ? errno : writeError)));
    }
    if (::rename(pattern.c_str(), target.c_str()) != 0) {
        const int renameError = errno;
        ::unlink(pattern.c_str());
        return Status::failure(describe(target, std::strerror(renameError)));
    }
    return {};
}

Result<std::string> readWholeFile(const std::filesystem::path& source)
{
    std::ifstream in(source, std::ios::binary);
    if (!in)
        return Result<std::string>::failure("Cannot read \"" + source.string() + "\"");
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad())
        return Result<std::string>::failure("Cannot read \"" + source.string() + "\"");
    return content.str();
}

} // namespace cfq
