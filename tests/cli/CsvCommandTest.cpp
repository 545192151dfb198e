#include "ExampleProjectFixture.h"

namespace cfq::cli::test {
namespace {

using cfq::test::readFile;
using cfq::test::writeFile;

class CsvCommands : public ExampleProject
{
protected:
    std::string document() const { return readFile(m_project / "EtherCAT_Slave.xml"); }
    std::string csvPath(const std::string& name) const { return (m_dir / name).string(); }
};

TEST_F(CsvCommands, ExportThenImportOfBothDirectionsKeepsTheDocument)
{
    const std::string before = document();
    for (const char* direction : {"s2m", "m2s"}) {
        SCOPED_TRACE(direction);
        const std::string file = csvPath(std::string(direction) + ".csv");
        const CliRun exported = run({"export-csv", m_project.string(), direction, file});
        EXPECT_EQ(exported.exitCode, 0) << exported.err;
        EXPECT_EQ(exported.out, file + "\n");

        const CliRun imported = run({"import-csv", m_project.string(), direction, file});
        EXPECT_EQ(imported.exitCode, 0) << imported.err;
        EXPECT_EQ(imported.out, (m_project / "EtherCAT_Slave.xml").string() + "\n");
        EXPECT_EQ(document(), before);
    }
}

TEST_F(CsvCommands, ImportReplacesOneDirectionPlacesItAndAssignsItsGroups)
{
    writeFile(m_dir / "in.csv", "\xEF\xBB\xBF"
                                "Enable,Type,Length,Name,Mnemonic\r\n"
                                "1,uint16,2,\"Tare, zero\",\"word \"\"T\"\"\"\r\n"
                                "1,bool,1,Start,\r\n"
                                "0,Int8,1,Unused,\r\n"
                                "1,Bool,1,Stop,\r\n");
    ASSERT_EQ(run({"import-csv", m_project.string(), "m2s", csvPath("in.csv")}).exitCode, 0);
    ASSERT_EQ(run({"export-csv", m_project.string(), "m2s", csvPath("out.csv")}).exitCode, 0);

    // The example's Master To Slave groups claim 2 then 3 variables.
    EXPECT_EQ(readFile(m_dir / "out.csv"), "\xEF\xBB\xBF"
                                           "Enable;Type;Length;Name;Mnemonic;Position;StartBit;Group\r\n"
                                           "Y;UInt16;2;Tare, zero;\"word \"\"T\"\"\";0;0;Command\r\n"
                                           "Y;Bool;1;Start;;2;0;Command\r\n"
                                           "N;Int8;1;Unused;;0;0;\r\n"
                                           "Y;Bool;1;Stop;;2;1;Setup\r\n");
    EXPECT_EQ(run({"check", m_project.string()}).exitCode, 0);
}

struct RefusedImport
{
    const char* what;
    std::vector<std::string> arguments; // after "import-csv PROJECT_DIR"
    std::string csv;
    int exitCode;
    std::string error;
};

TEST_F(CsvCommands, RefusedImportLeavesTheDocumentAndGivesTheExitCode)
{
    const RefusedImport cases[] = {
        {"unknown direction", {"x2y", "in.csv"}, "Type;Name\nInt8;A\n", 2, "the direction must be s2m or m2s"},
        {"missing argument", {"s2m"}, "", 2, "wrong number of arguments"},
        {"malformed file",
         {"s2m", "in.csv"},
         "Type;Name\nInt8;A\nInt64;B\n",
         1,
         "in.csv: The CSV file was not imported. Line 3: unknown type \"Int64\""},
        {"file missing", {"s2m", "missing.csv"}, "", 1, "missing.csv"},
        {"validation of OK fails",
         {"s2m", "in.csv"},
         "Type;Length;Name;InitValue\nString;4;Id;TOO LONG\n",
         1,
         "Error row 1!! [Slave to Master] Init Value the dimension of string must be equal or minor of Length"},
    };
    const std::string before = document();
    for (const RefusedImport& refused : cases) {
        SCOPED_TRACE(refused.what);
        writeFile(m_dir / "in.csv", refused.csv);
        std::vector<std::string> arguments = {"import-csv", m_project.string()};
        for (const std::string& argument : refused.arguments)
            arguments.push_back(argument.ends_with(".csv") ? csvPath(argument) : argument);

        const CliRun result = run(arguments);
        EXPECT_EQ(result.exitCode, refused.exitCode);
        EXPECT_NE(result.err.find(refused.error), std::string::npos) << result.err;
        EXPECT_EQ(document(), before);
    }
}

TEST_F(CsvCommands, ExportOfAWrongDirectionIsAUsageError)
{
    const CliRun result = run({"export-csv", m_project.string(), "both", csvPath("out.csv")});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_FALSE(std::filesystem::exists(m_dir / "out.csv"));
}

} // namespace
} // namespace cfq::cli::test
