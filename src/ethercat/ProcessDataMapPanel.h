#pragma once

class QLabel;
class QTabWidget;
class QWidget;

namespace cfq {

class ProcessDataMapWidget;

// The variable editor's side panel with the process-data map of the active
// tab's direction: a caption, the size of the image and the map.
struct ProcessDataMapPanel
{
    QWidget* P_Map;
    QLabel* L_Map;
    QLabel* L_MapSize;
    ProcessDataMapWidget* Map;
};

// Puts the panel to the right of the tab control: both go into a splitter
// that takes the tab control's place in its parent's layout, so the user can
// widen the map or drag it shut.
ProcessDataMapPanel addProcessDataMapPanel(QTabWidget& tabs);

} // namespace cfq
