#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace cfq::cli::test {

struct CliRun
{
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the built cfq4410-cli with these arguments and collects its exit
// code, standard output and standard error (through files in `scratch`).
CliRun runCliProcess(const std::vector<std::string>& arguments, const std::filesystem::path& scratch);

} // namespace cfq::cli::test
