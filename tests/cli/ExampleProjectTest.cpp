#include "ExampleProjectFixture.h"

namespace cfq::cli::test {
namespace {

namespace fs = std::filesystem;

TEST_F(ExampleProject, PassesEveryEditorsCheck)
{
    const CliRun result = run({"check", m_project.string()});
    EXPECT_EQ(result.exitCode, 0) << result.out << result.err;
    EXPECT_EQ(result.out, "Set Communication: OK\nEtherCAT Set Group: OK\nEtherCAT Set Access: OK\n");
}

TEST_F(ExampleProject, IsAlreadyPlaced)
{
    const std::string before = cfq::test::readFile(m_project / "EtherCAT_Slave.xml");
    ASSERT_EQ(run({"place", m_project.string()}).exitCode, 0);
    EXPECT_EQ(cfq::test::readFile(m_project / "EtherCAT_Slave.xml"), before)
        << "positions, start bits and groups as the editor computes them";
}

TEST_F(ExampleProject, CompilesUsesEveryTypeAndGivesAnEsiFile)
{
    EXPECT_EQ(run({"compile", m_project.string()}).exitCode, 0);
    const CliRun dump = run({"dump", (m_project / "bin" / "bank2.bin").string()});
    EXPECT_EQ(dump.exitCode, 0) << dump.err;
    for (const char* type : {" Bool ", " Int8 ", " Int16 ", " Int32 ", " UInt8 ", " UInt16 ", " UInt32 ",
                             " Float32 ", " String ", " Array "})
        EXPECT_NE(dump.out.find(type), std::string::npos) << type;
    EXPECT_NE(dump.out.find("slave-to-master groups (2)"), std::string::npos) << dump.out;
    EXPECT_NE(dump.out.find("master-to-slave groups (2)"), std::string::npos) << dump.out;

    const fs::path esi = m_dir / "Weighing_Scale.xml";
    const CliRun result = run({"esi", m_project.string(), esi.string()});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(cfq::test::readFile(esi).find("<EtherCATInfo"), std::string::npos);
}

} // namespace
} // namespace cfq::cli::test
