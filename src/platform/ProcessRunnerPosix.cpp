#include "platform/ProcessRunner.h"

#include <algorithm>
#include <thread>
#include <vector>

#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace cfq {
namespace {

using Clock = std::chrono::steady_clock;

// Programs have no window to hide here, and there is no named event: the
// pauses are plain sleeps.
class PosixProcessRunner final : public ProcessRunner
{
public:
    ~PosixProcessRunner() override { reapEnded(); }

    Outcome startAndWait(const std::filesystem::path& program, const std::string& parameter, bool /*hidden*/,
                         std::chrono::milliseconds limit, const std::function<void()>& whileWaiting) override
    {
        reapEnded();
        std::string path = program.string();
        std::string argument = parameter;
        std::vector<char*> arguments{path.data()};
        if (!argument.empty())
            arguments.push_back(argument.data());
        arguments.push_back(nullptr);

        pid_t child = 0;
        if (::posix_spawn(&child, path.c_str(), nullptr, nullptr, arguments.data(), environ) != 0)
            return Outcome::NotStarted;

        const Clock::time_point started = Clock::now();
        for (;;) {
            if (hasEnded(child))
                return Outcome::Ended;
            if (Clock::now() - started >= limit) {
                m_leftRunning.push_back(child);
                return Outcome::StillRunning;
            }
            std::this_thread::sleep_for(kPause);
            if (whileWaiting)
                whileWaiting();
        }
    }

private:
    static bool hasEnded(pid_t child)
    {
        int status = 0;
        return ::waitpid(child, &status, WNOHANG) != 0;
    }

    // Collects the programs left running earlier that have ended since, so
    // that none stays behind as a zombie.
    void reapEnded() { std::erase_if(m_leftRunning, hasEnded); }

    std::vector<pid_t> m_leftRunning;
};

} // namespace

std::unique_ptr<ProcessRunner> makeProcessRunner()
{
    return std::make_unique<PosixProcessRunner>();
}

} // namespace cfq
