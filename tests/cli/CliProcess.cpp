#include "CliProcess.h"

#include "support/TempDir.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace cfq::cli::test {

CliRun runCliProcess(const std::vector<std::string>& arguments, const std::filesystem::path& scratch)
{
    const std::string program = CFQ_CLI_PATH;
    const std::string outFile = (scratch / "stdout.txt").string();
    const std::string errFile = (scratch / "stderr.txt").string();

    std::vector<std::string> words = {program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);

    CliRun run;
    if (spawned != 0)
        return run;
    int status = 0;
    if (waitpid(child, &status, 0) == child && WIFEXITED(status))
        run.exitCode = WEXITSTATUS(status);
    run.out = cfq::test::readFile(outFile);
    run.err = cfq::test::readFile(errFile);
    return run;
}

} // namespace cfq::cli::test
