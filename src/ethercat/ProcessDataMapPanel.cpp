#include "ethercat/ProcessDataMapPanel.h"

#include "ethercat/ProcessDataMapWidget.h"

#include <QBoxLayout>
#include <QLabel>
#include <QSplitter>
#include <QTabWidget>

namespace cfq {
namespace {

constexpr int kPanelWidth = 300;

} // namespace

ProcessDataMapPanel addProcessDataMapPanel(QTabWidget& tabs)
{
    QWidget* parent = tabs.parentWidget();
    auto* splitter = new QSplitter(Qt::Horizontal, parent);
    splitter->setObjectName(QStringLiteral("SP_Map"));
    delete parent->layout()->replaceWidget(&tabs, splitter);

    ProcessDataMapPanel panel{};
    panel.P_Map = new QWidget(splitter);
    panel.P_Map->setObjectName(QStringLiteral("P_Map"));
    panel.L_Map = new QLabel(panel.P_Map);
    panel.L_Map->setObjectName(QStringLiteral("L_Map"));
    QFont bold = panel.L_Map->font();
    bold.setBold(true);
    panel.L_Map->setFont(bold);
    panel.L_MapSize = new QLabel(panel.P_Map);
    panel.L_MapSize->setObjectName(QStringLiteral("L_MapSize"));
    panel.Map = new ProcessDataMapWidget(panel.P_Map);
    panel.Map->setObjectName(QStringLiteral("ProcessDataMap"));

    auto* caption = new QHBoxLayout;
    caption->addWidget(panel.L_Map);
    caption->addStretch();
    caption->addWidget(panel.L_MapSize);
    auto* layout = new QVBoxLayout(panel.P_Map);
    layout->setContentsMargins(4, 4, 2, 2);
    layout->addLayout(caption);
    layout->addWidget(panel.Map, 1);

    splitter->addWidget(&tabs);
    splitter->addWidget(panel.P_Map);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 0);
    splitter->setSizes({parent->width() - kPanelWidth, kPanelWidth});
    return panel;
}

} // namespace cfq
