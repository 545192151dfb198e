#include "cli/CommandTable.h"
#include "cli/ProjectArgument.h"
#include "cli/ProjectTables.h"
#include "ethercat/GroupValidation.h"
#include "ethercat/VariableValidation.h"
#include "i18n/TextTable.h"
#include "params/ParGenDocument.h"

#include <optional>

namespace cfq::cli {
namespace {

// The outcome of one editor's validation: nothing when it passes, else the
// message the editor would show.
using Verdict = std::optional<std::string>;

Result<Verdict> checkCommunication(const AppState& project, const TextTable& texts)
{
    const auto values = readParGen(project.ParGen_File);
    if (!values)
        return Result<Verdict>::failure(values.error());
    const ParGenCheck check = Controllo_Dati(values.value());
    return check.ok() ? Verdict() : Verdict(texts[check.errorText]);
}

ExitCode runCheck(const std::vector<std::string>& arguments, CliIo& io)
{
    const auto state = openProjectArgument(arguments[0], io.texts);
    if (!state)
        return io.dataError(state.error());
    const AppState& project = state.value();

    const auto communication = checkCommunication(project, io.texts);
    if (!communication)
        return io.dataError(communication.error());
    ProjectTables tables;
    if (const Status loaded = loadProjectTables(project, tables); !loaded)
        return io.dataError(loaded.error());
    const auto groupFailure = Controllo_dati(tables.groups);
    const auto variableFailure = Controllo_dati(tables.slaveToMaster, tables.masterToSlave);

    const std::pair<const char*, Verdict> verdicts[] = {
        {"Set Communication", communication.value()},
        {"EtherCAT Set Group", groupFailure ? Verdict(groupFailure->message(io.texts)) : Verdict()},
        {"EtherCAT Set Access", variableFailure ? Verdict(variableFailure->message(io.texts)) : Verdict()},
    };
    bool allPass = true;
    for (const auto& [editor, verdict] : verdicts) {
        io.out << editor << ": " << (verdict ? *verdict : "OK") << '\n';
        allPass = allPass && !verdict;
    }
    return allPass ? kSuccess : kDataError;
}

} // namespace

const CliCommand& checkCommand()
{
    static const CliCommand command{
        "check", "PROJECT_DIR", "Run the validations of the three editors on a project's documents.",
        "Reads the documents of PROJECT_DIR and runs the validation of Set Communication (ParGen.xml),\n"
        "of the group editor (EtherCAT_Slave_Group.xml) and of the variable editor (EtherCAT_Slave.xml),\n"
        "each as its OK button would. Prints one line per editor: OK, or the first failure with the\n"
        "message the editor shows. Exits with 1 when any validation fails.",
        runCheck};
    return command;
}

} // namespace cfq::cli
