#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace cfq {
class TextTable;
}

// One command of the headless command-line tool. A command lives in its own
// file and is listed once in the command table (CommandTable.cpp).
namespace cfq::cli {

inline constexpr const char* kToolName = "cfq4410-cli";

enum ExitCode : int
{
    kSuccess = 0,
    kDataError = 1,  // a document, a validation or a file operation failed
    kUsageError = 2, // the command line is wrong
};

// Reports a wrong command line on `err`, pointing at the help of the command
// (of the tool when commandName is empty), and gives its exit code.
ExitCode usageError(std::ostream& err, const std::string& message, std::string_view commandName);

// Where a command reports: results on `out`, errors on `err`; `texts` holds
// the built-in English texts of the configurator's messages.
struct CliIo
{
    std::ostream& out;
    std::ostream& err;
    const TextTable& texts;

    // Reports a failed command on `err` and gives its exit code.
    ExitCode dataError(const std::string& message) const
    {
        err << kToolName << ": " << message << '\n';
        return kDataError;
    }
};

struct CliCommand
{
    std::string_view name;
    // The arguments after the command name, as shown in the usage line.
    std::string_view arguments;
    // One line for the tool's command list.
    std::string_view summary;
    // The rest of the command's --help text.
    std::string_view description;
    // Called with exactly as many arguments as `arguments` names.
    ExitCode (*run)(const std::vector<std::string>& arguments, CliIo& io);
};

// The number of arguments a command takes: the words of its usage text.
std::size_t argumentCount(const CliCommand& command);

} // namespace cfq::cli
