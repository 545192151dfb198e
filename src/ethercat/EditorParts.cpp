#include "ethercat/EditorParts.h"

#include "app/DialogParts.h"
#include "gridkit/GridWidget.h"

#include <QBoxLayout>
#include <QDialog>
#include <QPushButton>
#include <QTabWidget>

namespace cfq {
namespace {

constexpr int kButtonPanelHeight = 40;

QWidget* tabHolding(QTabWidget* tabs, const char* objectName, GridWidget& grid)
{
    auto* sheet = new QWidget(tabs);
    sheet->setObjectName(QString::fromLatin1(objectName));
    auto* layout = new QVBoxLayout(sheet);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(&grid);
    tabs->addTab(sheet, QString());
    return sheet;
}

} // namespace

TableEditorFrame layOutTableEditor(QDialog& dialog, GridWidget& slaveToMaster, GridWidget& masterToSlave)
{
    TableEditorFrame frame{};
    frame.P_Title = new TitlePanel(&dialog);
    frame.PageControl1 = new QTabWidget(&dialog);
    frame.PageControl1->setObjectName(QStringLiteral("PageControl1"));
    frame.TS_SlaveToMaster = tabHolding(frame.PageControl1, "TS_SlaveToMaster", slaveToMaster);
    frame.TS_MasterToSlave = tabHolding(frame.PageControl1, "TS_MasterToSlave", masterToSlave);
    frame.PageControl1->setCurrentIndex(0);

    frame.P_Button = new QWidget(&dialog);
    frame.P_Button->setObjectName(QStringLiteral("P_Button"));
    frame.P_Button->setFixedHeight(kButtonPanelHeight);
    auto* buttons = new QHBoxLayout(frame.P_Button);
    buttons->setContentsMargins(8, 6, 8, 6);
    buttons->setSpacing(6);
    buttons->addStretch();

    QVBoxLayout* layout = titledColumn(&dialog, frame.P_Title);
    layout->addWidget(frame.PageControl1, 1);
    layout->addWidget(frame.P_Button);
    return frame;
}

QPushButton* addPanelButton(const TableEditorFrame& frame, const char* objectName)
{
    QPushButton* button = makeButton(frame.P_Button, objectName);
    button->setAutoDefault(false);
    auto* buttons = static_cast<QHBoxLayout*>(frame.P_Button->layout());
    // Left to right, the stretch stays last.
    buttons->insertWidget(buttons->count() - 1, button);
    return button;
}

} // namespace cfq
