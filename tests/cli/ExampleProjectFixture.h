#pragma once

#include "CliProcess.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace cfq::cli::test {

// A copy of the example project shipped in PROJECTS (a weighing scale on
// RS485) in a temporary folder, for commands that write into it.
class ExampleProject : public testing::Test
{
protected:
    ExampleProject()
    {
        std::filesystem::copy(CFQ_EXAMPLE_PROJECT, m_project, std::filesystem::copy_options::recursive);
    }

    CliRun run(const std::vector<std::string>& arguments) { return runCliProcess(arguments, m_dir.path()); }

    cfq::test::TempDir m_dir;
    std::filesystem::path m_project = m_dir / "Weighing_Scale";
};

} // namespace cfq::cli::test
