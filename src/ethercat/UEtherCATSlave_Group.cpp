#include "ethercat/UEtherCATSlave_Group.h"

#include "app/AppState.h"
#include "app/DialogParts.h"
#include "ethercat/GroupValidation.h"
#include "gridkit/ColumnGridWidget.h"
#include "gridkit/GridAdapters.h"
#include "gridkit/UComon.h"
#include "i18n/TextTable.h"
#include "platform/MessageService.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>

namespace cfq {
namespace {

constexpr int kClientWidth = 800;
constexpr int kClientHeight = 337;
constexpr int kNumberColumnWidth = 40;

// Grid columns.
constexpr int kNameColumn = 1;
constexpr int kSizeColumn = 2;
constexpr int kMnemonicColumn = 3;

constexpr int kTextDeleteQuestion = 5322;

void setUpGrid(ColumnGridWidget& grid, const char* objectName)
{
    grid.setObjectName(QString::fromLatin1(objectName));
    grid.setupGrid(kMaxGroups, kNumberColumnWidth,
                   {GridColumn{300, QColor(224, 255, 255), false, false, {}},
                    GridColumn{100, QColor(144, 238, 144), false, false, {}}, GridColumn{300, {}, false, false, {}}});
}

void clearGrid(ColumnGridWidget& grid)
{
    const GridWidget::BulkChange bulk(grid);
    for (int row = 1; row <= kMaxGroups; ++row) {
        for (int column = kNameColumn; column <= kMnemonicColumn; ++column)
            grid.setGridText(column, row, QString());
    }
}

void showGroups(ColumnGridWidget& grid, const std::vector<GroupRow>& groups)
{
    const GridWidget::BulkChange bulk(grid);
    const int rows = std::min(static_cast<int>(groups.size()), kMaxGroups);
    for (int row = 1; row <= rows; ++row) {
        const GroupRow& group = groups[static_cast<std::size_t>(row - 1)];
        grid.setGridText(kNameColumn, row, QString::fromStdString(group.Group_Name));
        grid.setGridText(kSizeColumn, row, QString::fromStdString(group.Num_Variables));
        grid.setGridText(kMnemonicColumn, row, QString::fromStdString(group.Mnemonic));
    }
}

std::vector<GroupRow> groupsOf(const ColumnGridWidget& grid)
{
    std::vector<GroupRow> groups;
    for (int row = 1; row <= kMaxGroups; ++row) {
        groups.push_back({grid.gridText(kNameColumn, row).toStdString(), grid.gridText(kSizeColumn, row).toStdString(),
                          grid.gridText(kMnemonicColumn, row).toStdString()});
    }
    return groups;
}

} // namespace

TFEtherCATSlave_Group::TFEtherCATSlave_Group(AppState& state, Services services, QWidget* parent)
    : QDialog(parent), m_state(state), m_services(std::move(services)), m_texts(state.Text_Table)
{
    FormCreate();
}

void TFEtherCATSlave_Group::FormCreate()
{
    setObjectName(QStringLiteral("TFEtherCATSlave_Group"));
    applyDialogBackground(this);
    ACG_Group_StoM = new ColumnGridWidget(this);
    ACG_Group_MtoS = new ColumnGridWidget(this);
    setUpGrid(*ACG_Group_StoM, "ACG_Group_StoM");
    setUpGrid(*ACG_Group_MtoS, "ACG_Group_MtoS");
    for (ColumnGridWidget* grid : {ACG_Group_StoM, ACG_Group_MtoS})
        connectSharedBehaviour(*grid, m_state);

    m_frame = layOutTableEditor(*this, *ACG_Group_StoM, *ACG_Group_MtoS);
    m_frame.P_Title->L_SW_Code->setText(QString::fromStdString(m_state.SW_Code));
    Btn_OK = addPanelButton(m_frame, "Btn_OK");
    Btn_Cancel = addPanelButton(m_frame, "Btn_Cancel");
    Btn_DelRow = addPanelButton(m_frame, "Btn_DelRow");
    Btn_InsRow = addPanelButton(m_frame, "Btn_InsRow");
    Btn_CopyRow = addPanelButton(m_frame, "Btn_CopyRow");
    Btn_PasteRow = addPanelButton(m_frame, "Btn_PasteRow");
    connect(Btn_OK, &QPushButton::clicked, this, &TFEtherCATSlave_Group::Btn_OKClick);
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(Btn_DelRow, &QPushButton::clicked, this, &TFEtherCATSlave_Group::Btn_DelRowClick);
    connect(Btn_InsRow, &QPushButton::clicked, this, &TFEtherCATSlave_Group::Btn_InsRowClick);
    connect(Btn_CopyRow, &QPushButton::clicked, this, &TFEtherCATSlave_Group::Btn_CopyRowClick);
    connect(Btn_PasteRow, &QPushButton::clicked, this, &TFEtherCATSlave_Group::Btn_PasteRowClick);

    resize(kClientWidth, kClientHeight);
    bindTexts();
    Set_Lang();
}

void TFEtherCATSlave_Group::bindTexts()
{
    m_texts.windowTitle(this, 5300);
    m_texts.text(m_frame.P_Title->L_SW_Desc, 5301);
    m_texts.tab(m_frame.PageControl1, 0, 5314);
    m_texts.tab(m_frame.PageControl1, 1, 5315);
    const struct
    {
        ColumnGridWidget* grid;
        int headers[4];
    } grids[] = {{ACG_Group_StoM, {5316, 5317, 5323, 5318}}, {ACG_Group_MtoS, {5319, 5320, 5324, 5321}}};
    for (const auto& entry : grids) {
        for (int column = 0; column <= kMnemonicColumn; ++column) {
            ColumnGridWidget* grid = entry.grid;
            m_texts.custom(entry.headers[column],
                           [grid, column](const QString& text) { grid->setColumnHeader(column, text); });
        }
    }
    // Captions 5302-5307 and hints 5308-5313, in panel order.
    QPushButton* const buttons[] = {Btn_OK, Btn_Cancel, Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow};
    int caption = 5302;
    for (QPushButton* button : buttons) {
        m_texts.text(button, caption);
        m_texts.hint(button, caption + 6);
        ++caption;
    }
}

void TFEtherCATSlave_Group::Set_Lang()
{
    m_texts.apply();
}

std::vector<int> TFEtherCATSlave_Group::textIndices() const
{
    std::vector<int> indices = m_texts.indices();
    // The delete question, the validation messages and those of the shared
    // paste.
    indices.push_back(kTextDeleteQuestion);
    for (int index = 5325; index <= 5329; ++index)
        indices.push_back(index);
    indices.insert(indices.end(), {1100, 1101, 1102});
    return indices;
}

void TFEtherCATSlave_Group::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // A window restored by the system is no new opening.
    if (!event->spontaneous())
        FormShow();
}

void TFEtherCATSlave_Group::FormShow()
{
    clearGrid(*ACG_Group_StoM);
    clearGrid(*ACG_Group_MtoS);
    const Result<GroupLists> stored = loadGroupLists(m_state.EtherCAT_Slave_Group_File);
    if (stored.ok()) {
        showGroups(*ACG_Group_StoM, stored.value().slaveToMaster);
        showGroups(*ACG_Group_MtoS, stored.value().masterToSlave);
    } else {
        // The grids open empty; the next OK replaces the broken document.
        m_services.messages.error(stored.error());
    }
    Do_Copy_StM = false;
    Do_Copy_MtS = false;
}

GroupLists TFEtherCATSlave_Group::gridLists() const
{
    return {groupsOf(*ACG_Group_StoM), groupsOf(*ACG_Group_MtoS)};
}

bool TFEtherCATSlave_Group::Controllo_dati()
{
    const std::optional<ValidationFailure> failure = cfq::Controllo_dati(gridLists());
    if (failure)
        m_services.messages.error(failure->message(m_state.Text_Table));
    return !failure;
}

void TFEtherCATSlave_Group::Btn_OKClick()
{
    if (!Controllo_dati())
        return;
    const Status saved = saveGroupLists(m_state.EtherCAT_Slave_Group_File, gridLists());
    if (!saved.ok()) {
        m_services.messages.error(saved.error());
        return;
    }
    accept();
}

ColumnGridWidget* TFEtherCATSlave_Group::activeGrid() const
{
    return m_frame.PageControl1->currentIndex() == 0 ? ACG_Group_StoM : ACG_Group_MtoS;
}

bool& TFEtherCATSlave_Group::copyFlag(const ColumnGridWidget* grid)
{
    return grid == ACG_Group_StoM ? Do_Copy_StM : Do_Copy_MtS;
}

void TFEtherCATSlave_Group::Btn_DelRowClick()
{
    ColumnGridWidget* grid = activeGrid();
    const int row = grid->selectedRow();
    if (!m_services.messages.question(withNumber(m_state.text(kTextDeleteQuestion), row)))
        return;
    ColumnGridAdapter adapter(*grid);
    const GridWidget::BulkChange bulk(*grid);
    DeleteRow_ACG(row, adapter);
}

void TFEtherCATSlave_Group::Btn_InsRowClick()
{
    ColumnGridWidget* grid = activeGrid();
    ColumnGridAdapter adapter(*grid);
    const GridWidget::BulkChange bulk(*grid);
    InsertRow_ACG(grid->selectedRow(), adapter, false);
}

void TFEtherCATSlave_Group::Btn_CopyRowClick()
{
    ColumnGridWidget* grid = activeGrid();
    CopyRow_ACG(ColumnGridAdapter(*grid), grid->selectedRow(), m_state.Clipboard);
    Do_Copy_StM = grid == ACG_Group_StoM;
    Do_Copy_MtS = grid == ACG_Group_MtoS;
}

void TFEtherCATSlave_Group::Btn_PasteRowClick()
{
    ColumnGridWidget* grid = activeGrid();
    ColumnGridAdapter adapter(*grid);
    PasteRow_ACG(adapter, grid->selectedRow(), copyFlag(grid), m_state, m_services.messages);
}

} // namespace cfq
