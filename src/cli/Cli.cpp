#include "cli/Cli.h"

#include "cli/CommandTable.h"
#include "i18n/TextTable.h"

#include <algorithm>
#include <iterator>
#include <sstream>

namespace cfq::cli {
namespace {

bool isHelp(const std::string& argument)
{
    return argument == "--help" || argument == "-h";
}

bool isOption(const std::string& argument)
{
    return argument.size() > 1 && argument.front() == '-';
}

std::string usageLine(const CliCommand& command)
{
    return std::string(kToolName) + " " + std::string(command.name) + " " + std::string(command.arguments);
}

void printToolHelp(std::ostream& out)
{
    out << "Usage: " << kToolName << " COMMAND ARGUMENTS...\n"
        << "Builds the outputs of a CFQ4410 configuration project without the configurator's windows.\n\n"
        << "Commands:\n";
    std::size_t width = 0;
    for (const CliCommand& command : commandTable())
        width = std::max(width, command.name.size() + 1 + command.arguments.size());
    for (const CliCommand& command : commandTable()) {
        const std::string synopsis = std::string(command.name) + " " + std::string(command.arguments);
        out << "  " << synopsis << std::string(width - synopsis.size() + 2, ' ') << command.summary << '\n';
    }
    out << "\nRun \"" << kToolName << " COMMAND --help\" for the details of a command.\n"
        << "Exit status: 0 success, 1 data or validation error, 2 wrong usage.\n";
}

void printCommandHelp(const CliCommand& command, std::ostream& out)
{
    out << "Usage: " << usageLine(command) << "\n"
        << command.summary << "\n\n"
        << command.description << '\n';
}

const CliCommand* findCommand(const std::string& name)
{
    for (const CliCommand& command : commandTable()) {
        if (command.name == name)
            return &command;
    }
    return nullptr;
}

} // namespace

ExitCode usageError(std::ostream& err, const std::string& message, std::string_view commandName)
{
    err << kToolName << ": " << message << "\n"
        << "Run \"" << kToolName << (commandName.empty() ? "" : " ") << commandName << " --help\" for help.\n";
    return kUsageError;
}

std::size_t argumentCount(const CliCommand& command)
{
    std::istringstream words{std::string(command.arguments)};
    return static_cast<std::size_t>(std::distance(std::istream_iterator<std::string>(words), {}));
}

int runCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    if (arguments.empty())
        return usageError(err, "no command given", "");
    if (isHelp(arguments.front())) {
        printToolHelp(out);
        return kSuccess;
    }
    const CliCommand* command = findCommand(arguments.front());
    if (!command)
        return usageError(err, "unknown command \"" + arguments.front() + "\"", "");

    const std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
    if (std::any_of(rest.begin(), rest.end(), isHelp)) {
        printCommandHelp(*command, out);
        return kSuccess;
    }
    if (const auto option = std::find_if(rest.begin(), rest.end(), isOption); option != rest.end())
        return usageError(err, "unknown option \"" + *option + "\"", command->name);
    if (rest.size() != argumentCount(*command))
        return usageError(err, "wrong number of arguments; usage: " + usageLine(*command), command->name);

    TextTable texts;
    texts.Init_Text_Table();
    CliIo io{out, err, texts};
    return command->run(rest, io);
}

} // namespace cfq::cli
