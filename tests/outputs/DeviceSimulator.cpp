#include "DeviceSimulator.h"

#include "support/TempDir.h"

#include <csignal>
#include <cstdio>
#include <stdexcept>
#include <vector>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace cfq::test {
namespace {

pid_t spawn(const std::vector<std::string>& command, const posix_spawn_file_actions_t* actions)
{
    std::vector<std::string> texts = command;
    std::vector<char*> arguments;
    for (std::string& text : texts)
        arguments.push_back(text.data());
    arguments.push_back(nullptr);
    pid_t process = -1;
    if (::posix_spawn(&process, arguments[0], actions, nullptr, arguments.data(), environ) != 0)
        throw std::runtime_error("cannot start " + command[0]);
    return process;
}

} // namespace

std::filesystem::path toolsFolder()
{
    return CFQ_TOOLS_DIR;
}

DeviceSimulator::DeviceSimulator(const std::filesystem::path& imageFile) : m_imageFile(imageFile)
{
    int output[2];
    if (::pipe(output) != 0)
        throw std::runtime_error("no pipe");
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    ::posix_spawn_file_actions_addclose(&actions, output[0]);
    m_process =
        spawn({(toolsFolder() / "cfq4410-devsim").string(), "--image", imageFile.string(), "--port", "0"},
              &actions);
    ::posix_spawn_file_actions_destroy(&actions);
    ::close(output[1]);

    // The first line tells the port: "listening 127.0.0.1:PORT". The pipe
    // stays open so that the simulator's later reports have a reader.
    m_output = output[0];
    std::string line;
    char next = 0;
    while (::read(m_output, &next, 1) == 1 && next != '\n')
        line.push_back(next);
    unsigned port = 0;
    if (std::sscanf(line.c_str(), "listening 127.0.0.1:%u", &port) != 1 || port == 0 || port > 65535) {
        stop();
        throw std::runtime_error("the simulator did not start: " + line);
    }
    m_port = static_cast<std::uint16_t>(port);
}

DeviceSimulator::~DeviceSimulator()
{
    stop();
}

void DeviceSimulator::stop()
{
    ::kill(m_process, SIGTERM);
    int status = 0;
    ::waitpid(m_process, &status, 0);
    ::close(m_output);
}

std::string DeviceSimulator::memory(std::uint32_t address, std::size_t length) const
{
    const std::filesystem::path dump = m_imageFile.parent_path() / "region.bin";
    const pid_t process = spawn({(toolsFolder() / "cfq4410-devsim").string(), "--dump", m_imageFile.string(),
                                 std::to_string(address), std::to_string(length), dump.string()},
                                nullptr);
    int status = 0;
    ::waitpid(process, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return {};
    return readFile(dump);
}

} // namespace cfq::test
