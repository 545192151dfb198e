#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace cfq {

// The suffix of an executable file on this platform.
#ifdef _WIN32
inline constexpr const char* kExecutableSuffix = ".exe";
#else
inline constexpr const char* kExecutableSuffix = "";
#endif

// Starts another program and waits for its end for a limited time. On
// Windows a runner holds the named event "HandleCed" while it waits, which
// the updater may signal to end one pause early; elsewhere there is no such
// event. Each operating system supplies its own makeProcessRunner; tests may
// hand a fake to the windows.
class ProcessRunner
{
public:
    enum class Outcome
    {
        // The program could not be started (missing, not executable).
        NotStarted,
        Ended,
        // The limit passed; the program goes on running on its own.
        StillRunning,
    };

    static constexpr std::chrono::milliseconds kPause{10};

    virtual ~ProcessRunner() = default;

    // Starts program with parameter as its command line (no argument when
    // empty), in the caller's current folder, with its window hidden when
    // hidden is set, then waits at most limit for its end, calling
    // whileWaiting about every 10 ms. The program's exit code is not looked at.
    virtual Outcome startAndWait(const std::filesystem::path& program, const std::string& parameter,
                                 bool hidden, std::chrono::milliseconds limit,
                                 const std::function<void()>& whileWaiting) = 0;
};

std::unique_ptr<ProcessRunner> makeProcessRunner();

} // namespace cfq
