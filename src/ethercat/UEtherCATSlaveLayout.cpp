#include "ethercat/UEtherCATSlave.h"

#include "app/AppState.h"
#include "app/DialogParts.h"
#include "ethercat/ProcessDataMapWidget.h"
#include "ethercat/VarTypes.h"
#include "gridkit/GridAdapters.h"
#include "gridkit/StringGridWidget.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include <algorithm>
#include <utility>

namespace cfq {
namespace {

constexpr int kClientWidth = 1200;
constexpr int kClientHeight = 337;
constexpr int kNumberColumnWidth = 40;

const QColor kEnableColour(255, 216, 176);
const QColor kEntryColour(224, 250, 254);
const QColor kInitValueColour(168, 255, 168);
const QColor kPlaceColour(252, 214, 244);
const QColor kGroupColour(255, 255, 168);
const QColor kMnemonicColour(Qt::white);

// One data column of a grid: its layout and the text indices of its header
// and hint in either direction (0: the column is not in that grid).
struct ColumnText
{
    GridColumn layout;
    int headerStM;
    int hintStM;
    int headerMtS;
    int hintMtS;
};

std::vector<ColumnText> columnTexts(const QStringList& types)
{
    return {
        {GridColumn{50, kEnableColour, true, false, {}}, 1015, 1024, 1037, 1044},
        {GridColumn{120, kEntryColour, false, false, types}, 1016, 1025, 1038, 1045},
        {GridColumn{100, kEntryColour, false, false, {}}, 1017, 1026, 1039, 1046},
        {GridColumn{280, kEntryColour, false, false, {}}, 1019, 1028, 1040, 1047},
        {GridColumn{100, kInitValueColour, false, false, {}}, 1020, 1029, 0, 0},
        {GridColumn{100, kPlaceColour, false, true, {}}, 1021, 1030, 1041, 1048},
        {GridColumn{100, kPlaceColour, false, true, {}}, 1022, 1031, 1042, 1049},
        {GridColumn{100, kGroupColour, false, true, {}}, 1059, 1061, 1060, 1062},
        {GridColumn{100, kMnemonicColour, false, false, {}}, 1023, 1032, 1043, 1050},
    };
}

// Header texts of column 0.
constexpr int kNumberHeaderStM = 1014;
constexpr int kNumberHeaderMtS = 1036;

} // namespace

void TFEtherCATSlave::FormCreate()
{
    setObjectName(QStringLiteral("TFEtherCATSlave"));
    applyDialogBackground(this);
    ASG_SlaveMaster = new StringGridWidget(this);
    ASG_SlaveMaster->setObjectName(QStringLiteral("ASG_SlaveMaster"));
    ASG_MasterSlave = new StringGridWidget(this);
    ASG_MasterSlave->setObjectName(QStringLiteral("ASG_MasterSlave"));
    m_tableStM = std::make_unique<GridVariableTable>(*ASG_SlaveMaster, true);
    m_tableMtS = std::make_unique<GridVariableTable>(*ASG_MasterSlave, false);

    m_frame = layOutTableEditor(*this, *ASG_SlaveMaster, *ASG_MasterSlave);
    m_map = addProcessDataMapPanel(*m_frame.PageControl1);
    m_frame.P_Title->L_SW_Code->setText(QString::fromStdString(m_state.SW_Code));
    Btn_OK = addPanelButton(m_frame, "Btn_OK");
    Btn_Cancel = addPanelButton(m_frame, "Btn_Cancel");
    Btn_DelRow = addPanelButton(m_frame, "Btn_DelRow");
    Btn_InsRow = addPanelButton(m_frame, "Btn_InsRow");
    Btn_CopyRow = addPanelButton(m_frame, "Btn_CopyRow");
    Btn_PasteRow = addPanelButton(m_frame, "Btn_PasteRow");
    Btn_MoveUp = addPanelButton(m_frame, "Btn_MoveUp");
    Btn_MoveDown = addPanelButton(m_frame, "Btn_MoveDown");
    Btn_ImportCsv = addPanelButton(m_frame, "Btn_ImportCsv");
    Btn_ExportCsv = addPanelButton(m_frame, "Btn_ExportCsv");
    Btn_MoveUp->setText(QStringLiteral("Move Up"));
    Btn_MoveDown->setText(QStringLiteral("Move Down"));
    connect(Btn_OK, &QPushButton::clicked, this, &TFEtherCATSlave::Btn_OKClick);
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(Btn_DelRow, &QPushButton::clicked, this, &TFEtherCATSlave::Btn_DelRowClick);
    connect(Btn_InsRow, &QPushButton::clicked, this, &TFEtherCATSlave::Btn_InsRowClick);
    connect(Btn_CopyRow, &QPushButton::clicked, this, &TFEtherCATSlave::Btn_CopyRowClick);
    connect(Btn_PasteRow, &QPushButton::clicked, this, &TFEtherCATSlave::Btn_PasteRowClick);
    connect(Btn_MoveUp, &QPushButton::clicked, this, &TFEtherCATSlave::Btn_MoveClick);
    connect(Btn_MoveDown, &QPushButton::clicked, this, &TFEtherCATSlave::Btn_MoveClick);
    connect(Btn_ImportCsv, &QPushButton::clicked, this, &TFEtherCATSlave::Btn_ImportCsvClick);
    connect(Btn_ExportCsv, &QPushButton::clicked, this, &TFEtherCATSlave::Btn_ExportCsvClick);

    resize(kClientWidth, kClientHeight);
    Init_Table();
    bindTexts();
    Set_Lang();
    connectGrid(*ASG_SlaveMaster);
    connectGrid(*ASG_MasterSlave);
    connectMap();
    Show_Map();
}

void TFEtherCATSlave::Init_Table()
{
    for (const cfq::VarType& type : kVarTypes)
        VarType.append(QString::fromUtf8(type.name.data(), static_cast<qsizetype>(type.name.size())));
    std::vector<GridColumn> stm;
    std::vector<GridColumn> mts;
    for (const ColumnText& column : columnTexts(VarType)) {
        stm.push_back(column.layout);
        if (column.headerMtS != 0)
            mts.push_back(column.layout);
    }
    ASG_SlaveMaster->setupGrid(kVariableRows, kNumberColumnWidth, stm);
    ASG_MasterSlave->setupGrid(kVariableRows, kNumberColumnWidth, mts);
}

void TFEtherCATSlave::bindTexts()
{
    m_texts.windowTitle(this, 1000);
    m_texts.text(m_frame.P_Title->L_SW_Desc, 1001);
    m_texts.tab(m_frame.PageControl1, 0, 1034);
    m_texts.tab(m_frame.PageControl1, 1, 1035);

    StringGridWidget* stm = ASG_SlaveMaster;
    StringGridWidget* mts = ASG_MasterSlave;
    m_texts.custom(kNumberHeaderStM, [stm](const QString& text) { stm->setColumnHeader(0, text); });
    m_texts.custom(kNumberHeaderMtS, [mts](const QString& text) { mts->setColumnHeader(0, text); });
    const std::vector<ColumnText> columns = columnTexts(VarType);
    Hint_StM = QStringList(static_cast<qsizetype>(columns.size()));
    Hint_MtS = QStringList(static_cast<qsizetype>(columns.size() - 1));
    int stmColumn = 0;
    int mtsColumn = 0;
    for (const ColumnText& column : columns) {
        const int at = ++stmColumn;
        m_texts.custom(column.headerStM, [stm, at](const QString& text) { stm->setColumnHeader(at, text); });
        m_texts.custom(column.hintStM, [this, at](const QString& text) {
            Hint_StM[at - 1] = text;
            ASG_SlaveMaster->setColumnHint(at, text);
        });
        if (column.headerMtS == 0)
            continue;
        const int mtsAt = ++mtsColumn;
        m_texts.custom(column.headerMtS, [mts, mtsAt](const QString& text) { mts->setColumnHeader(mtsAt, text); });
        m_texts.custom(column.hintMtS, [this, mtsAt](const QString& text) {
            Hint_MtS[mtsAt - 1] = text;
            ASG_MasterSlave->setColumnHint(mtsAt, text);
        });
    }

    // The process-data map: caption, hint, size, header and the tool tips,
    // which name the fields as the grid's headers do.
    m_texts.text(m_map.L_Map, 1080);
    m_texts.hint(m_map.L_Map, 1083);
    m_texts.custom(1081, [this](const QString&) { showMapSize(); });
    using MapLabel = ProcessDataMapWidget::Label;
    const std::pair<MapLabel, int> mapLabels[] = {
        {MapLabel::ByteAndBit, 1082}, {MapLabel::Name, 1019},     {MapLabel::Type, 1016},
        {MapLabel::Position, 1021},   {MapLabel::StartBit, 1022}, {MapLabel::Group, 1059},
    };
    for (const auto& [label, index] : mapLabels) {
        ProcessDataMapWidget* map = m_map.Map;
        m_texts.custom(index, [map, label](const QString& text) { map->setLabel(label, text); });
    }

    // Captions 1002-1007 and hints 1008-1013, in panel order.
    QPushButton* const buttons[] = {Btn_OK, Btn_Cancel, Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow};
    int caption = 1002;
    for (QPushButton* button : buttons) {
        m_texts.text(button, caption);
        m_texts.hint(button, caption + 6);
        ++caption;
    }
    // Captions 1065-1066 and hints 1067-1068.
    m_texts.text(Btn_ImportCsv, 1065);
    m_texts.text(Btn_ExportCsv, 1066);
    m_texts.hint(Btn_ImportCsv, 1067);
    m_texts.hint(Btn_ExportCsv, 1068);
}

void TFEtherCATSlave::connectGrid(StringGridWidget& grid)
{
    StringGridWidget* target = &grid;
    connect(&grid, &GridWidget::itemPicked, this, [this, target](int column, int row, const QString& text) {
        ASG_SlaveMasterComboChange(*target, column, row, text);
    });
    connect(&grid, &GridWidget::cellEdited, this,
            [this, target](int column, int row) { ASG_SlaveMasterCellValidate(*target, column, row); });
    connect(&grid, &GridWidget::checkBoxToggled, this,
            [this, target](int column, int row, bool) { ASG_SlaveMasterCheckBoxChange(*target, column, row); });
    connectSharedBehaviour(grid, m_state);
    // The map shows the names and outlines the variable of the current row.
    connect(&grid, &GridWidget::cellEdited, this, [this](int column, int) {
        if (column == kNameColumn)
            Show_Map();
    });
    connect(&grid, &QTableWidget::currentCellChanged, this, [this, target](int row) {
        if (target == &activeGrid())
            m_map.Map->setCurrentIndex(row);
    });
}

void TFEtherCATSlave::connectMap()
{
    connect(m_frame.PageControl1, &QTabWidget::currentChanged, this, &TFEtherCATSlave::Show_Map);
    // A click on a variable selects its row in the grid.
    connect(m_map.Map, &ProcessDataMapWidget::variableClicked, this, [this](int index) {
        StringGridWidget& grid = activeGrid();
        grid.setGridCurrentCell(std::max(grid.gridCurrentColumn(), 1), index + 1);
        grid.setFocus();
    });
}

} // namespace cfq
