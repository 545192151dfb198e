#include "ethercat/UEtherCATSlave.h"

#include "app/AppState.h"
#include "ethercat/VariableCsv.h"
#include "gridkit/StringGridWidget.h"
#include "i18n/TextTable.h"
#include "platform/AtomicFile.h"
#include "platform/MessageService.h"

#include <filesystem>

// Import CSV and Export CSV: the active tab's table to and from the CSV files
// in which I/O lists are kept.
namespace cfq {
namespace {

constexpr const char* kCsvFilter = "CSV File (*.csv)|*.csv";
constexpr const char* kCsvExtension = "csv";
constexpr int kTextReplaceQuestion = 1069;
constexpr int kTextOverwriteQuestion = 1105;

} // namespace

void TFEtherCATSlave::Btn_ImportCsvClick()
{
    StringGridWidget& grid = activeGrid();
    const bool slaveToMaster = &grid == ASG_SlaveMaster;
    const auto source = m_services.messages.openFileName({m_state.Project_Path, kCsvFilter});
    if (!source)
        return;
    const Result<std::string> bytes = readWholeFile(*source);
    if (!bytes) {
        m_services.messages.error(bytes.error());
        return;
    }
    const CsvImport imported = readVariableCsv(bytes.value(), slaveToMaster);
    if (imported.failure) {
        m_services.messages.error(imported.failure->message(m_state.Text_Table));
        return;
    }
    const int count = static_cast<int>(imported.variables.size());
    if (!m_services.messages.question(withNumber(m_state.text(kTextReplaceQuestion), count)))
        return;
    {
        const GridWidget::BulkChange bulk(grid);
        applyImportedVariables(table(grid), imported.variables);
        for (int row = 1; row <= kVariableRows; ++row)
            restoreRowAccess(grid, row);
    }
    Assign_Groups(grid);
    Place(grid);
}

void TFEtherCATSlave::Btn_ExportCsvClick()
{
    StringGridWidget& grid = activeGrid();
    const bool slaveToMaster = &grid == ASG_SlaveMaster;
    const auto target = m_services.messages.saveFileName({m_state.Project_Path, kCsvFilter, kCsvExtension});
    if (!target)
        return;
    std::error_code error;
    if (std::filesystem::exists(*target, error) && !m_services.messages.question(m_state.text(kTextOverwriteQuestion)))
        return;
    if (const Status written = writeFileAtomically(*target, writeVariableCsv(table(grid), slaveToMaster)); !written)
        m_services.messages.error(written.error());
}

} // namespace cfq
