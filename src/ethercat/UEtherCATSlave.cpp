#include "ethercat/UEtherCATSlave.h"

#include "app/AppState.h"
#include "ethercat/GroupDocument.h"
#include "ethercat/MoveRow.h"
#include "ethercat/Placement.h"
#include "ethercat/ProcessDataMapWidget.h"
#include "ethercat/VarTypes.h"
#include "ethercat/VariableDocument.h"
#include "ethercat/VariableValidation.h"
#include "gridkit/GridAdapters.h"
#include "gridkit/StringGridWidget.h"
#include "gridkit/UComon.h"
#include "i18n/TextTable.h"
#include "platform/MessageService.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <algorithm>
#include <QSignalBlocker>
#include <QTabWidget>

namespace cfq {
namespace {

constexpr int kTextDeleteQuestion = 1033;
constexpr int kTextMapSize = 1081;

// The read-only flags the row's cells had when the grid was created.
void applyColumnAccess(StringGridWidget& grid, int row)
{
    for (int column = 1; column < grid.gridColumnCount(); ++column)
        grid.setReadOnly(column, row, grid.gridColumn(column).readOnly);
}

} // namespace

TFEtherCATSlave::TFEtherCATSlave(AppState& state, Services services, QWidget* parent)
    : QDialog(parent), m_state(state), m_services(std::move(services)), m_texts(state.Text_Table)
{
    FormCreate();
}

TFEtherCATSlave::~TFEtherCATSlave() = default;

void TFEtherCATSlave::Set_Lang()
{
    m_texts.apply();
}

std::vector<int> TFEtherCATSlave::textIndices() const
{
    std::vector<int> indices = m_texts.indices();
    // The delete question, the validation messages and those of the shared
    // paste.
    indices.push_back(kTextDeleteQuestion);
    for (int index = 1051; index <= 1058; ++index)
        indices.push_back(index);
    indices.insert(indices.end(), {1063, 1064, 1100, 1101, 1102, 1105});
    // The import's question and the reasons it stops.
    for (int index = 1069; index <= 1078; ++index)
        indices.push_back(index);
    return indices;
}

VariableTable& TFEtherCATSlave::table(const StringGridWidget& grid)
{
    return &grid == ASG_SlaveMaster ? *m_tableStM : *m_tableMtS;
}

StringGridWidget& TFEtherCATSlave::activeGrid() const
{
    return m_frame.PageControl1->currentIndex() == 0 ? *ASG_SlaveMaster : *ASG_MasterSlave;
}

const std::vector<TGroup>& TFEtherCATSlave::groupsOf(const StringGridWidget& grid) const
{
    return &grid == ASG_SlaveMaster ? Groups.Group_StoM : Groups.Group_MtoS;
}

void TFEtherCATSlave::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // A window restored by the system is no new opening.
    if (!event->spontaneous())
        FormShow();
}

void TFEtherCATSlave::restoreRowAccess(StringGridWidget& grid, int row)
{
    applyColumnAccess(grid, row);
    VariableTable& rows = table(grid);
    setLengthEditability(rows, row - 1, rows.cell(row - 1, VarField::Type));
}

void TFEtherCATSlave::FormShow()
{
    const Result<GroupLists> groups = loadGroupLists(m_state.EtherCAT_Slave_Group_File);
    Groups = groups.ok() ? toGroupSnapshot(groups.value()) : GroupSnapshot{};

    Status loaded;
    {
        const GridWidget::BulkChange bulkStM(*ASG_SlaveMaster);
        const GridWidget::BulkChange bulkMtS(*ASG_MasterSlave);
        // Every opening starts from the grids as created: a row that a Delete
        // left read-only at the bottom is editable again.
        for (StringGridWidget* grid : {ASG_SlaveMaster, ASG_MasterSlave}) {
            for (int row = 1; row <= kVariableRows; ++row)
                applyColumnAccess(*grid, row);
        }
        loaded = Load_Variables(m_state.EtherCAT_Slave_File, {*m_tableStM, *m_tableMtS}, Groups);
    }
    // A broken document leaves its tables (or groups) empty; the next OK
    // replaces it.
    if (!groups.ok())
        m_services.messages.error(groups.error());
    if (!loaded.ok())
        m_services.messages.error(loaded.error());
    Do_Copy_StM = false;
    Do_Copy_MtS = false;
    Show_Map();
}

void TFEtherCATSlave::Assign_Groups(StringGridWidget& grid)
{
    ChangedRows changed;
    {
        const QSignalBlocker quiet(grid.model());
        changed = Show_Group(table(grid), groupsOf(grid));
    }
    refreshRows(grid, changed);
}

void TFEtherCATSlave::Place(StringGridWidget& grid)
{
    ChangedRows changed;
    {
        const QSignalBlocker quiet(grid.model());
        changed = Calc_Position_Bit(table(grid));
    }
    refreshRows(grid, changed);
    // Every edit but Insert Row ends with Place, so the map is redrawn here
    // once per edit (and by Insert Row itself).
    Show_Map();
}

void TFEtherCATSlave::Show_Map()
{
    StringGridWidget& grid = activeGrid();
    m_map.Map->setMap(mapProcessData(table(grid), groupsOf(grid)));
    m_map.Map->setCurrentIndex(grid.currentRow());
    showMapSize();
}

void TFEtherCATSlave::showMapSize()
{
    m_map.L_MapSize->setText(m_texts.textOf(kTextMapSize) + QString::number(m_map.Map->map().byteCount()));
}

void TFEtherCATSlave::ASG_SlaveMasterComboChange(StringGridWidget& grid, int column, int row, const QString& typeName)
{
    if (column != kTypeColumn)
        return;
    VariableTable& rows = table(grid);
    const std::string type = typeName.toStdString();
    VarSetLength(rows, row - 1, type);
    rows.setCell(row - 1, VarField::Type, type);
    Place(grid);
}

void TFEtherCATSlave::ASG_SlaveMasterCellValidate(StringGridWidget& grid, int column, int)
{
    if (column == kEnableColumn || column == kTypeColumn || column == kLengthColumn)
        Place(grid);
}

void TFEtherCATSlave::ASG_SlaveMasterCheckBoxChange(StringGridWidget& grid, int column, int)
{
    if (column != kEnableColumn)
        return;
    Assign_Groups(grid);
    Place(grid);
}

bool TFEtherCATSlave::Controllo_dati()
{
    const std::optional<ValidationFailure> failure = cfq::Controllo_dati(*m_tableStM, *m_tableMtS);
    if (failure)
        m_services.messages.error(failure->message(m_state.Text_Table));
    return !failure;
}

void TFEtherCATSlave::Btn_OKClick()
{
    if (!Controllo_dati())
        return;
    const Status saved = Save_Variables(m_state.EtherCAT_Slave_File, *m_tableStM, *m_tableMtS);
    if (!saved.ok()) {
        m_services.messages.error(saved.error());
        return;
    }
    accept();
}

void TFEtherCATSlave::Btn_DelRowClick()
{
    StringGridWidget& grid = activeGrid();
    const int row = grid.selectedRow();
    if (m_services.messages.question(withNumber(m_state.text(kTextDeleteQuestion), row))) {
        StringGridAdapter adapter(grid);
        const GridWidget::BulkChange bulk(grid);
        DeleteRow_ASG(row, adapter, true);
    }
    Assign_Groups(grid);
    Place(grid);
}

void TFEtherCATSlave::Btn_InsRowClick()
{
    StringGridWidget& grid = activeGrid();
    const int row = grid.selectedRow();
    {
        StringGridAdapter adapter(grid);
        const GridWidget::BulkChange bulk(grid);
        InsertRow_ASG(row, adapter, true);
        // Position, Start Bit and Group stay computed: a value typed there
        // would reach the document and the device image unchecked.
        restoreRowAccess(grid, row);
    }
    Assign_Groups(grid);
    Show_Map();
}

void TFEtherCATSlave::Btn_CopyRowClick()
{
    StringGridWidget& grid = activeGrid();
    CopyRow_ASG(StringGridAdapter(grid), grid.selectedRow(), m_state.Clipboard);
    Do_Copy_StM = &grid == ASG_SlaveMaster;
    Do_Copy_MtS = &grid == ASG_MasterSlave;
}

void TFEtherCATSlave::Btn_PasteRowClick()
{
    StringGridWidget& grid = activeGrid();
    const int row = grid.selectedRow();
    const bool copied = &grid == ASG_SlaveMaster ? Do_Copy_StM : Do_Copy_MtS;
    StringGridAdapter adapter(grid);
    if (!PasteRow_ASG(adapter, row, copied, m_state, m_services.messages))
        return;
    VariableTable& rows = table(grid);
    setLengthEditability(rows, row - 1, rows.cell(row - 1, VarField::Type));
    Assign_Groups(grid);
    Place(grid);
}

void TFEtherCATSlave::Btn_MoveClick()
{
    StringGridWidget& grid = activeGrid();
    const MoveDirection direction = sender() == Btn_MoveUp ? MoveDirection::Up : MoveDirection::Down;
    const int column = std::max(grid.gridCurrentColumn(), 1);
    StringGridAdapter adapter(grid);
    const int row = MoveRow_ASG(adapter, grid.selectedRow(), direction);
    grid.setGridCurrentCell(column, row);
    Assign_Groups(grid);
    Place(grid);
}

} // namespace cfq
