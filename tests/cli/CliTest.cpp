#include "CliProcess.h"
#include "i18n/TextTable.h"
#include "outputs/DeviceImages.h"
#include "outputs/EsiFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace cfq::cli::test {
namespace {

namespace fs = std::filesystem;

// A copy of a fixture project in a temporary folder, so the tool can write
// its bin folder.
class CliFixture : public testing::Test
{
protected:
    fs::path copyProject(const std::string& name)
    {
        const char* testData = std::getenv("CFQ_TEST_DATA");
        if (!testData) {
            ADD_FAILURE() << "CFQ_TEST_DATA must name the tests' data folder";
            return m_dir / "missing-test-data";
        }
        const fs::path target = m_dir / name;
        fs::copy(fs::path(testData) / "projects" / name, target, fs::copy_options::recursive);
        return target;
    }

    CliRun run(const std::vector<std::string>& arguments) { return runCliProcess(arguments, m_dir.path()); }

    static outputs::ProjectDocuments documentsOf(const fs::path& project)
    {
        return {project / "ParGen.xml", project / "EtherCAT_Slave.xml", project / "EtherCAT_Slave_Group.xml"};
    }

    cfq::test::TempDir m_dir;
};

TEST_F(CliFixture, CompileWritesTheImagesOfUpdateDevice)
{
    const fs::path project = copyProject("Demo");
    const CliRun result = run({"compile", project.string()});

    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, (project / "bin" / "bank1.bin").string() + "\n" +
                              (project / "bin" / "bank2.bin").string() + "\n");

    TextTable texts;
    texts.Init_Text_Table();
    const auto images = outputs::Compile_Device_Images(documentsOf(project), ".", texts);
    ASSERT_TRUE(images.ok()) << images.error();
    EXPECT_EQ(cfq::test::readFile(project / "bin" / "bank1.bin"),
              std::string(outputs::asText(images.value().bank1)));
    const std::string bank2 = cfq::test::readFile(project / "bin" / "bank2.bin");
    EXPECT_EQ(bank2, std::string(outputs::asText(images.value().bank2)));
    ASSERT_EQ(bank2.size(), 16662u) << "names, group names and initial values of the fixture";
    EXPECT_EQ(bank2[28], 6) << "enabled slave-to-master variables";
    EXPECT_EQ(bank2[30], 2) << "enabled master-to-slave variables";
}

TEST_F(CliFixture, EsiWritesTheFileOfStep4AndOverwrites)
{
    const fs::path project = copyProject("Demo");
    const fs::path target = m_dir / "Demo.xml";
    cfq::test::writeFile(target, "an older file");
    const CliRun result = run({"esi", project.string(), target.string()});

    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, target.string() + "\n");
    const std::string esi = cfq::test::readFile(target);
    const auto expected = outputs::esiFileText(documentsOf(project));
    ASSERT_TRUE(expected.ok());
    EXPECT_EQ(esi, expected.value());
    EXPECT_NE(esi.find(R"(RevisionNo="#x1A">Line &amp; Press</Type>)"), std::string::npos);
    EXPECT_NE(esi.find("<DataType>STRING(10)</DataType>"), std::string::npos);
    EXPECT_NE(esi.find(R"(<Sm StartAddress="#x1044" ControlByte="#x64")"), std::string::npos);
    EXPECT_NE(esi.find("<Name>Start &amp; Go</Name>"), std::string::npos);
}

TEST_F(CliFixture, ProjectWithoutDocumentsCompilesToTheEmptyImages)
{
    const fs::path project = m_dir / "Empty";
    fs::create_directories(project);
    EXPECT_EQ(run({"compile", project.string()}).exitCode, 0);
    EXPECT_EQ(fs::file_size(project / "bin" / "bank1.bin"), 2048u);
    EXPECT_EQ(fs::file_size(project / "bin" / "bank2.bin"), 16557u);
}

TEST_F(CliFixture, MalformedDocumentIsADataErrorAndNothingIsWritten)
{
    const fs::path project = copyProject("Malformed");
    const fs::path target = m_dir / "out.xml";
    for (const CliRun& result :
         {run({"compile", project.string()}), run({"esi", project.string(), target.string()})}) {
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.out, "");
        EXPECT_TRUE(result.err.starts_with("cfq4410-cli: ")) << result.err;
        EXPECT_NE(result.err.find("EtherCAT_Slave.xml"), std::string::npos) << result.err;
    }
    EXPECT_FALSE(fs::exists(project / "bin"));
    EXPECT_FALSE(fs::exists(target));
}

TEST_F(CliFixture, ConfigurationBeyondTheDeviceMemoryIsADataError)
{
    const fs::path project = m_dir / "Big";
    std::string rows;
    for (int i = 0; i < 257; ++i)
        rows += R"(<row Enable="Y" Type="Bool" Length="1" Name="b"/>)";
    cfq::test::writeFile(project / "EtherCAT_Slave.xml",
                         "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master>" + rows +
                             "</EtherCAT_Slave_To_Master></EtherCAT_Slave_Variables></EtherCAT_Slave>");
    const CliRun result = run({"compile", project.string()});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "cfq4410-cli: " + builtinText(1106) +
                              "\nSlave To Master: 257 enabled variables (at most 256)\n");
    EXPECT_FALSE(fs::exists(project / "bin" / "bank1.bin"));
}

TEST_F(CliFixture, MissingOrWrongProjectFolderIsADataError)
{
    const fs::path missing = m_dir / "NoSuchProject";
    CliRun result = run({"compile", missing.string()});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err,
              "cfq4410-cli: Error! Project not Valid: \"" + missing.string() + "\" does not exist\n");

    const fs::path file = m_dir / "file.txt";
    cfq::test::writeFile(file, "x");
    result = run({"esi", file.string(), (m_dir / "out.xml").string()});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "cfq4410-cli: Error! Project not Valid: \"" + file.string() + "\" is no folder\n");

    const fs::path project = copyProject("Demo");
    result = run({"esi", project.string(), (m_dir / "no" / "folder.xml").string()});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("folder.xml"), std::string::npos) << result.err;
}

TEST_F(CliFixture, WrongUsageExitsWith2)
{
    const std::vector<std::vector<std::string>> cases = {
        {}, {"frobnicate"}, {"compile"}, {"compile", "a", "b"}, {"esi", "a"}, {"compile", "--force", "a"}};
    for (const auto& arguments : cases) {
        const CliRun result = run(arguments);
        EXPECT_EQ(result.exitCode, 2) << testing::PrintToString(arguments);
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find("--help"), std::string::npos) << result.err;
    }
}

TEST_F(CliFixture, HelpForTheToolAndEachCommand)
{
    CliRun result = run({"--help"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_NE(result.out.find("compile PROJECT_DIR"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("esi PROJECT_DIR OUT.xml"), std::string::npos) << result.out;
    EXPECT_EQ(result.err, "");

    result = run({"compile", "--help"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.out.starts_with("Usage: cfq4410-cli compile PROJECT_DIR\n")) << result.out;

    result = run({"esi", "-h"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.out.starts_with("Usage: cfq4410-cli esi PROJECT_DIR OUT.xml\n")) << result.out;
}

TEST_F(CliFixture, PlaceRecomputesPositionsStartBitsAndGroups)
{
    const fs::path project = m_dir / "Placed";
    cfq::test::writeFile(project / "EtherCAT_Slave_Group.xml",
                         "<PROFINET_Master_to_Modbus_TCP_Master><Slave_to_Master>"
                         "<row Group_Name=\"Status\" Num_Variables=\"2\" Mnemonic=\"\"/></Slave_to_Master>"
                         "<Master_to_Slave/></PROFINET_Master_to_Modbus_TCP_Master>");
    cfq::test::writeFile(project / "EtherCAT_Slave.xml",
                         "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master>"
                         "<row Enable=\"Y\" Type=\"Bool\" Length=\"1\" Name=\"a\" Position=\"9\" BitStart=\"9\"/>"
                         "<row Enable=\"Y\" Type=\"Bool\" Length=\"1\" Name=\"b\" Position=\"9\" BitStart=\"9\"/>"
                         "<row Enable=\"Y\" Type=\"Int16\" Length=\"2\" Name=\"c\" Position=\"9\" BitStart=\"9\"/>"
                         "</EtherCAT_Slave_To_Master><EtherCAT_Master_To_Slave/></EtherCAT_Slave_Variables></EtherCAT_Slave>");
    const CliRun result = run({"place", project.string()});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    const std::string saved = cfq::test::readFile(project / "EtherCAT_Slave.xml");
    EXPECT_NE(saved.find("Name=\"a\" InitValue=\"\" Position=\"0\" BitStart=\"0\" Group=\"Status\""), std::string::npos)
        << saved;
    EXPECT_NE(saved.find("Name=\"b\" InitValue=\"\" Position=\"0\" BitStart=\"1\" Group=\"Status\""), std::string::npos);
    EXPECT_NE(saved.find("Name=\"c\" InitValue=\"\" Position=\"1\" BitStart=\"0\" Group=\"\""), std::string::npos);
    EXPECT_NE(saved.find("<!--SW_VERSION = 1.001-->"), std::string::npos);
}

TEST_F(CliFixture, CheckReportsEachEditorsFirstFailure)
{
    const fs::path project = copyProject("Demo");
    CliRun result = run({"check", project.string()});
    EXPECT_EQ(result.exitCode, 0) << result.out << result.err;
    EXPECT_EQ(result.out, "Set Communication: OK\nEtherCAT Set Group: OK\nEtherCAT Set Access: OK\n");

    cfq::test::writeFile(project / "ParGen.xml", "<Par_Gen><EtherCAT_Slave_Node_Address>0</EtherCAT_Slave_Node_Address></Par_Gen>");
    cfq::test::writeFile(project / "EtherCAT_Slave_Group.xml",
                         "<R><Slave_to_Master><row Group_Name=\"g\" Num_Variables=\"abc\"/></Slave_to_Master>"
                         "<Master_to_Slave/></R>");
    cfq::test::writeFile(project / "EtherCAT_Slave.xml",
                         "<R><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master/><EtherCAT_Master_To_Slave>"
                         "<row Enable=\"Y\" Type=\"String\" Length=\"300\"/></EtherCAT_Master_To_Slave>"
                         "</EtherCAT_Slave_Variables></R>");
    result = run({"check", project.string()});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out,
              "Set Communication: Error EtherCAT Slave!! Node Address must be between 1 and 192\n"
              "EtherCAT Set Group: Error row 1!! [Slave to Master] Num Variables must be beetween 1 and 256\n"
              "EtherCAT Set Access: Error row 1!! [Master to Slave] Length must be beetween 1 and 255\n");
}

TEST_F(CliFixture, DumpListsAndChecksImagesAndProjects)
{
    const fs::path project = copyProject("Demo");
    ASSERT_EQ(run({"compile", project.string()}).exitCode, 0);
    const fs::path bank1 = project / "bin" / "bank1.bin";
    const fs::path bank2 = project / "bin" / "bank2.bin";

    CliRun result = run({"dump", bank2.string()});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(result.out.starts_with("bank2.bin (16662 bytes)\n")) << result.out;
    EXPECT_EQ(result.err, "");

    result = run({"dump", project.string()});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(result.out.starts_with("bank1.bin (2048 bytes)\n")) << result.out;
    EXPECT_NE(result.out.find("\nbank2.bin (16662 bytes)\n"), std::string::npos) << result.out;

    std::string corrupted = cfq::test::readFile(bank1);
    corrupted[0x28] = static_cast<char>(corrupted[0x28] ^ 1);
    cfq::test::writeFile(bank1, corrupted);
    result = run({"dump", bank1.string()});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find(": checksum 0x"), std::string::npos) << result.err;

    for (const fs::path& other : {project / "ParGen.xml", m_dir / "missing.bin"}) {
        result = run({"dump", other.string()});
        EXPECT_EQ(result.exitCode, 1) << other;
        EXPECT_NE(result.err.find("cfq4410-cli: "), std::string::npos) << other;
    }
    EXPECT_EQ(run({"dump"}).exitCode, 2);
}

TEST_F(CliFixture, PlaceAndCheckStopAtAMalformedDocument)
{
    const fs::path project = copyProject("Malformed");
    for (const char* command : {"place", "check"}) {
        const CliRun result = run({command, project.string()});
        EXPECT_EQ(result.exitCode, 1) << command;
        EXPECT_NE(result.err.find("cfq4410-cli: "), std::string::npos) << command;
    }
}

} // namespace
} // namespace cfq::cli::test
