#include "NetworkNamespace.h"

#include <cerrno>
#include <cstring>
#include <fstream>

#include <fcntl.h>
#include <net/if.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

namespace cfq::test {
namespace {

constexpr int kNotPermitted = 77;

bool writeText(const std::string& file, const std::string& text)
{
    std::ofstream out(file);
    out << text;
    out.flush();
    return static_cast<bool>(out);
}

// A namespace of its own; as an unprivileged user, inside a user namespace
// that maps the user to root.
std::string enterNamespace()
{
    if (::unshare(CLONE_NEWNET) == 0)
        return {};
    const uid_t uid = ::getuid();
    const gid_t gid = ::getgid();
    if (::unshare(CLONE_NEWUSER | CLONE_NEWNET) != 0)
        return std::string("network namespaces are not permitted here: ") + std::strerror(errno);
    if (!writeText("/proc/self/setgroups", "deny") ||
        !writeText("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1") ||
        !writeText("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1"))
        return "the user namespace cannot map this user";
    return {};
}

std::string bringLoopbackUp()
{
    const int control = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    ifreq request{};
    std::strncpy(request.ifr_name, "lo", IFNAMSIZ - 1);
    const bool up = control >= 0 && ::ioctl(control, SIOCGIFFLAGS, &request) == 0 &&
                    (request.ifr_flags = static_cast<short>(request.ifr_flags | IFF_UP),
                     ::ioctl(control, SIOCSIFFLAGS, &request) == 0);
    if (control >= 0)
        ::close(control);
    return up ? std::string() : std::string("loopback cannot be brought up: ") + std::strerror(errno);
}

[[noreturn]] void finishChild(int pipe, int code, const std::string& message)
{
    [[maybe_unused]] const ssize_t written = ::write(pipe, message.data(), message.size());
    ::_exit(code);
}

} // namespace

NamespaceRun runInNetworkNamespace(const std::vector<std::pair<std::string, std::string>>& sysctls,
                                   const std::function<std::string()>& body)
{
    int channel[2];
    if (::pipe2(channel, O_CLOEXEC) != 0)
        return {false, "no pipe"};
    const pid_t child = ::fork();
    if (child < 0)
        return {false, std::string("no child process: ") + std::strerror(errno)};
    if (child == 0) {
        ::close(channel[0]);
        if (std::string failure = enterNamespace(); !failure.empty())
            finishChild(channel[1], kNotPermitted, failure);
        if (std::string failure = bringLoopbackUp(); !failure.empty())
            finishChild(channel[1], kNotPermitted, failure);
        for (const auto& [file, value] : sysctls) {
            if (!writeText("/proc/sys/" + file, value))
                finishChild(channel[1], kNotPermitted, file + " cannot be set in the namespace");
        }
        const std::string failure = body();
        finishChild(channel[1], failure.empty() ? 0 : 1, failure);
    }
    ::close(channel[1]);
    std::string message;
    char buffer[256];
    for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        message.append(buffer, static_cast<std::size_t>(got));
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == kNotPermitted)
        return {false, message};
    if (!WIFEXITED(status) || (WEXITSTATUS(status) != 0 && message.empty()))
        return {true, "the namespace child ended abnormally"};
    return {true, message};
}

} // namespace cfq::test
