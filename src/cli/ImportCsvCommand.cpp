#include "cli/CommandTable.h"
#include "cli/DirectionArgument.h"
#include "cli/ProjectTables.h"
#include "ethercat/Placement.h"
#include "ethercat/VariableCsv.h"
#include "ethercat/VariableValidation.h"
#include "platform/AtomicFile.h"

namespace cfq::cli {
namespace {

ExitCode runImportCsv(const std::vector<std::string>& arguments, CliIo& io)
{
    const auto slaveToMaster = slaveToMasterArgument(arguments[1]);
    if (!slaveToMaster)
        return usageError(io.err, wrongDirection(arguments[1]), "import-csv");
    OpenedProject opened;
    if (const Status loaded = openProjectTables(arguments[0], io.texts, opened); !loaded)
        return io.dataError(loaded.error());
    const auto bytes = readWholeFile(arguments[2]);
    if (!bytes)
        return io.dataError(bytes.error());
    const CsvImport imported = readVariableCsv(bytes.value(), *slaveToMaster);
    if (imported.failure)
        return io.dataError(arguments[2] + ": " + imported.failure->message(io.texts));

    ProjectTables& tables = opened.tables;
    VariableTable& table = tableOf(tables, *slaveToMaster);
    const GroupSnapshot groups = toGroupSnapshot(tables.groups);
    applyImportedVariables(table, imported.variables);
    Show_Group(table, *slaveToMaster ? groups.Group_StoM : groups.Group_MtoS);
    Calc_Position_Bit(table);
    // Saved only when both tables pass the checks of the editor's OK.
    if (const auto failure = Controllo_dati(tables.slaveToMaster, tables.masterToSlave))
        return io.dataError(failure->message(io.texts));
    return saveVariableTables(opened, io);
}

} // namespace

const CliCommand& importCsvCommand()
{
    static const CliCommand command{
        "import-csv", "PROJECT_DIR DIRECTION IN.csv", "Replace one direction's variable table by a CSV file.",
        "Reads IN.csv as the variable editor's Import CSV button does and replaces the table of\n"
        "DIRECTION (s2m: Slave To Master, m2s: Master To Slave) of PROJECT_DIR with its variables; then\n"
        "assigns groups, recomputes positions and start bits, runs the editor's OK validation and saves\n"
        "EtherCAT_Slave.xml. The file needs a header line naming the columns (Type and Name at least;\n"
        "Enable, Length, InitValue and Mnemonic as well; Position, StartBit and Group are ignored) with\n"
        "\";\" or \",\" between fields. Nothing is saved when the file or the validation fails; the error\n"
        "names the line of the file. Prints the path of the saved document.",
        runImportCsv};
    return command;
}

} // namespace cfq::cli
