// One edit in a full variable table (256 rows per direction, 16 groups of 16):
// the variable editor's whole reaction - group derivation, placement, the
// repaint of the rows that changed and the process-data map - on the
// offscreen platform.
#include "app/AppState.h"
#include "ethercat/GroupDocument.h"
#include "ethercat/MemoryVariableTable.h"
#include "ethercat/ProcessDataMapWidget.h"
#include "ethercat/UEtherCATSlave.h"
#include "ethercat/VarTypes.h"
#include "ethercat/VariableDocument.h"
#include "SilentMessages.h"
#include "gridkit/StringGridWidget.h"

#include <QApplication>
#include <QScrollBar>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

namespace {

// A full table: every type in turn, String and Array of Length 4.
void fill(cfq::VariableTable& table)
{
    for (int index = 0; index < cfq::kVariableRows; ++index) {
        const cfq::VarType& type = cfq::kVarTypes[static_cast<std::size_t>(index) % cfq::kVarTypes.size()];
        table.setCell(index, cfq::VarField::Type, type.name);
        table.setCell(index, cfq::VarField::Length, type.lengthEditable ? "4" : type.lengthText);
        table.setCell(index, cfq::VarField::Name, "Variable_" + std::to_string(index + 1));
    }
}

// The largest image a direction can have: 256 Strings of Length 255, 65536
// bytes.
void fillLargest(cfq::VariableTable& table)
{
    for (int index = 0; index < cfq::kVariableRows; ++index) {
        table.setCell(index, cfq::VarField::Type, cfq::kStringType);
        table.setCell(index, cfq::VarField::Length, "255");
        table.setCell(index, cfq::VarField::Name, "Text_" + std::to_string(index + 1));
    }
}

using Filler = void (*)(cfq::VariableTable&);

// A project folder holding full documents of both kinds.
std::filesystem::path projectFolder(const char* name, Filler fillTables)
{
    const auto path = std::filesystem::temp_directory_path() / name;
    std::filesystem::create_directories(path);
    cfq::MemoryVariableTable slaveToMaster;
    cfq::MemoryVariableTable masterToSlave;
    fillTables(slaveToMaster);
    fillTables(masterToSlave);
    (void)cfq::Save_Variables(path / "EtherCAT_Slave.xml", slaveToMaster, masterToSlave);
    cfq::GroupLists groups;
    for (int group = 1; group <= cfq::kMaxGroups; ++group) {
        groups.slaveToMaster.push_back({"Group_" + std::to_string(group), "16", ""});
        groups.masterToSlave.push_back({"Group_" + std::to_string(group), "16", ""});
    }
    (void)cfq::saveGroupLists(path / "EtherCAT_Slave_Group.xml", groups);
    return path;
}

struct OpenEditor
{
    explicit OpenEditor(const char* folder = "cfq-bench-editor", Filler fillTables = fill)
    {
        state.Text_Table.Init_Text_Table();
        state.Project_Path = projectFolder(folder, fillTables);
        state.EtherCAT_Slave_File = state.Project_Path / "EtherCAT_Slave.xml";
        state.EtherCAT_Slave_Group_File = state.Project_Path / "EtherCAT_Slave_Group.xml";
        dialog.show();
        QApplication::processEvents();
        grid = dialog.ASG_SlaveMaster;
    }

    SilentMessages messages;
    cfq::AppState state;
    cfq::TFEtherCATSlave dialog{state, cfq::Services{messages, {}}, nullptr};
    cfq::StringGridWidget* grid = nullptr;
};

// Unticking or ticking the first row moves every variable and every group
// boundary: the most work one edit can cause.
void EnableTickOnFirstRow(benchmark::State& loop)
{
    OpenEditor editor;
    for (auto _ : loop) {
        editor.grid->toggleByUser(1, 1);
        QApplication::processEvents();
    }
}
BENCHMARK(EnableTickOnFirstRow)->Unit(benchmark::kMillisecond);

// A new Length for the String in row 10, left with the cell: every row below
// it is placed anew.
void StringLengthOnRow10(benchmark::State& loop)
{
    OpenEditor editor;
    int length = 4;
    for (auto _ : loop) {
        length = length == 4 ? 200 : 4;
        editor.grid->setGridText(3, 10, QString::number(length));
        emit editor.grid->cellEdited(3, 10);
        QApplication::processEvents();
    }
}
BENCHMARK(StringLengthOnRow10)->Unit(benchmark::kMillisecond);

// Picking a Type in the last row: one row changes.
void TypePickOnLastRow(benchmark::State& loop)
{
    OpenEditor editor;
    bool wide = false;
    for (auto _ : loop) {
        wide = !wide;
        editor.grid->pickItem(2, 256, wide ? QStringLiteral("Float32") : QStringLiteral("Int8"));
        QApplication::processEvents();
    }
}
BENCHMARK(TypePickOnLastRow)->Unit(benchmark::kMillisecond);

// Unticking the first of 256 Strings of Length 255: every variable moves and
// the process-data map of 65536 bytes is rebuilt and its visible lines
// repainted.
void EnableTickWithTheLargestImage(benchmark::State& loop)
{
    OpenEditor editor("cfq-bench-editor-largest", fillLargest);
    for (auto _ : loop) {
        editor.grid->toggleByUser(1, 1);
        QApplication::processEvents();
    }
}
BENCHMARK(EnableTickWithTheLargestImage)->Unit(benchmark::kMillisecond);

// Scrolling the map of the largest image a page at a time.
void MapPageScrollInTheLargestImage(benchmark::State& loop)
{
    OpenEditor editor("cfq-bench-editor-largest", fillLargest);
    auto* map = editor.dialog.findChild<cfq::ProcessDataMapWidget*>(QStringLiteral("ProcessDataMap"));
    QScrollBar* bar = map->verticalScrollBar();
    for (auto _ : loop) {
        const int next = bar->value() + bar->pageStep();
        bar->setValue(next > bar->maximum() ? 0 : next);
        map->viewport()->repaint();
    }
}
BENCHMARK(MapPageScrollInTheLargestImage)->Unit(benchmark::kMicrosecond);

} // namespace
