#include "cli/CommandTable.h"
#include "cli/DirectionArgument.h"
#include "cli/ProjectTables.h"
#include "ethercat/VariableCsv.h"
#include "platform/AtomicFile.h"

namespace cfq::cli {
namespace {

ExitCode runExportCsv(const std::vector<std::string>& arguments, CliIo& io)
{
    const auto slaveToMaster = slaveToMasterArgument(arguments[1]);
    if (!slaveToMaster)
        return usageError(io.err, wrongDirection(arguments[1]), "export-csv");
    OpenedProject opened;
    if (const Status loaded = openProjectTables(arguments[0], io.texts, opened); !loaded)
        return io.dataError(loaded.error());
    const VariableTable& table = tableOf(opened.tables, *slaveToMaster);
    if (const Status written = writeFileAtomically(arguments[2], writeVariableCsv(table, *slaveToMaster)); !written)
        return io.dataError(written.error());
    io.out << arguments[2] << '\n';
    return kSuccess;
}

} // namespace

const CliCommand& exportCsvCommand()
{
    static const CliCommand command{
        "export-csv", "PROJECT_DIR DIRECTION OUT.csv", "Write one direction's variable table as a CSV file.",
        "Loads the variable tables of PROJECT_DIR as the variable editor does when it opens and writes\n"
        "the table of DIRECTION (s2m: Slave To Master, m2s: Master To Slave) to OUT.csv, as the\n"
        "editor's Export CSV button does: UTF-8 with a byte-order mark, \";\" between fields, the header\n"
        "line Enable;Type;Length;Name;InitValue;Mnemonic (no InitValue for m2s) followed by the computed\n"
        "Position;StartBit;Group. An existing OUT.csv is replaced. Prints the path of the file.",
        runExportCsv};
    return command;
}

} // namespace cfq::cli
