#pragma once

#include "app/Services.h"
#include "ethercat/EditorParts.h"
#include "ethercat/GridVariableTable.h"
#include "ethercat/Groups.h"
#include "ethercat/ProcessDataMapPanel.h"
#include "i18n/LanguageAware.h"
#include "i18n/TextBindings.h"

#include <QDialog>
#include <QStringList>

#include <memory>

class QPushButton;

namespace cfq {

struct AppState;
class StringGridWidget;

// EtherCAT Slave Set Access: edits the variable tables of both directions, one
// grid of 256 rows per direction, keeps Position, Start Bit and Group up to
// date while the user edits, and stores the tables in the variable document.
class TFEtherCATSlave : public QDialog, public LanguageAware
{
    Q_OBJECT

public:
    TFEtherCATSlave(AppState& state, Services services, QWidget* parent);
    ~TFEtherCATSlave() override;

    void Set_Lang() override;
    std::vector<int> textIndices() const override;

    // Reloads the group snapshot and both tables from the documents.
    void FormShow();
    // Shows the first rule the tables break; true when both pass.
    bool Controllo_dati();

    // The table a grid holds, and the grid of the active tab.
    VariableTable& table(const StringGridWidget& grid);
    StringGridWidget& activeGrid() const;

    // Reactions to the user's edits in either grid (grid numbers).
    void ASG_SlaveMasterComboChange(StringGridWidget& grid, int column, int row, const QString& typeName);
    void ASG_SlaveMasterCellValidate(StringGridWidget& grid, int column, int row);
    void ASG_SlaveMasterCheckBoxChange(StringGridWidget& grid, int column, int row);

    StringGridWidget* ASG_SlaveMaster;
    StringGridWidget* ASG_MasterSlave;
    // Column hints of the grids, for columns 1 onwards.
    QStringList Hint_StM;
    QStringList Hint_MtS;
    // The items of the Type drop-down.
    QStringList VarType;
    // The groups of both directions as the group document held them when
    // the dialog was shown.
    GroupSnapshot Groups;
    // Which grid the last Copy Row of this opening came from.
    bool Do_Copy_StM = false;
    bool Do_Copy_MtS = false;

public slots:
    void Btn_OKClick();
    void Btn_DelRowClick();
    void Btn_InsRowClick();
    void Btn_CopyRowClick();
    void Btn_PasteRowClick();
    void Btn_MoveClick();
    void Btn_ImportCsvClick();
    void Btn_ExportCsvClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Layout, in UEtherCATSlaveLayout.cpp.
    void FormCreate();
    void Init_Table();
    void bindTexts();
    void connectGrid(StringGridWidget& grid);
    void connectMap();

    // The read-only flags a row has when the dialog is created, with the
    // Length editability of its Type.
    void restoreRowAccess(StringGridWidget& grid, int row);
    // Assign groups and Place on a grid's table, repainting the rows that
    // changed.
    void Assign_Groups(StringGridWidget& grid);
    void Place(StringGridWidget& grid);
    const std::vector<TGroup>& groupsOf(const StringGridWidget& grid) const;
    // Redraws the process-data map from the active grid's table; it follows
    // every edit, every opening and every change of tab.
    void Show_Map();
    void showMapSize();

    AppState& m_state;
    Services m_services;
    TextBindings m_texts;
    TableEditorFrame m_frame;
    ProcessDataMapPanel m_map;
    std::unique_ptr<GridVariableTable> m_tableStM;
    std::unique_ptr<GridVariableTable> m_tableMtS;
    QPushButton* Btn_OK;
    QPushButton* Btn_Cancel;
    QPushButton* Btn_DelRow;
    QPushButton* Btn_InsRow;
    QPushButton* Btn_CopyRow;
    QPushButton* Btn_PasteRow;
    QPushButton* Btn_MoveUp;
    QPushButton* Btn_MoveDown;
    QPushButton* Btn_ImportCsv;
    QPushButton* Btn_ExportCsv;
};

} // namespace cfq
