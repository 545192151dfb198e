#pragma once

class QDialog;
class QPushButton;
class QTabWidget;
class QWidget;

// The frame both table editors share: the title panel on top, PageControl1
// with the Slave To Master and the Master To Slave tab in the middle, each
// holding one grid, and the button panel P_Button at the bottom.
namespace cfq {

class GridWidget;
class TitlePanel;

struct TableEditorFrame
{
    TitlePanel* P_Title;
    QTabWidget* PageControl1;
    QWidget* TS_SlaveToMaster;
    QWidget* TS_MasterToSlave;
    QWidget* P_Button;
};

// Builds the frame around the two grids, the Slave To Master tab active.
TableEditorFrame layOutTableEditor(QDialog& dialog, GridWidget& slaveToMaster, GridWidget& masterToSlave);

// Adds a 110 x 28 button to the right of the panel's buttons so far.
QPushButton* addPanelButton(const TableEditorFrame& frame, const char* objectName);

} // namespace cfq
