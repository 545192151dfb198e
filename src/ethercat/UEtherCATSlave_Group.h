#pragma once

#include "app/Services.h"
#include "ethercat/EditorParts.h"
#include "ethercat/GroupDocument.h"
#include "i18n/LanguageAware.h"
#include "i18n/TextBindings.h"

#include <QDialog>

class QPushButton;
class QTabWidget;

namespace cfq {

struct AppState;
class ColumnGridWidget;

// EtherCAT Slave Set Group: names the variable groups of both directions and
// their sizes, one grid of 16 rows per direction, and stores them in the
// group document.
class TFEtherCATSlave_Group : public QDialog, public LanguageAware
{
    Q_OBJECT

public:
    TFEtherCATSlave_Group(AppState& state, Services services, QWidget* parent);

    void Set_Lang() override;
    std::vector<int> textIndices() const override;

    // Fills both grids from the group document.
    void FormShow();
    // Shows the first rule the grids break; true when both pass.
    bool Controllo_dati();
    // The groups as the grids hold them, all 16 rows of each.
    GroupLists gridLists() const;
    // The grid of the active tab.
    ColumnGridWidget* activeGrid() const;

    ColumnGridWidget* ACG_Group_StoM;
    ColumnGridWidget* ACG_Group_MtoS;
    // Which grid the last Copy Row of this opening came from.
    bool Do_Copy_StM = false;
    bool Do_Copy_MtS = false;

public slots:
    void Btn_OKClick();
    void Btn_DelRowClick();
    void Btn_InsRowClick();
    void Btn_CopyRowClick();
    void Btn_PasteRowClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void bindTexts();
    bool& copyFlag(const ColumnGridWidget* grid);

    AppState& m_state;
    Services m_services;
    TextBindings m_texts;
    TableEditorFrame m_frame;
    QPushButton* Btn_OK;
    QPushButton* Btn_Cancel;
    QPushButton* Btn_DelRow;
    QPushButton* Btn_InsRow;
    QPushButton* Btn_CopyRow;
    QPushButton* Btn_PasteRow;
};

} // namespace cfq
