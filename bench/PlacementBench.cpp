// Placement and group derivation of a full 256-row table, and the variable
// editor's whole Load of a maximal project.
#include "ethercat/GroupDocument.h"
#include "ethercat/MemoryVariableTable.h"
#include "ethercat/Placement.h"
#include "ethercat/VarTypes.h"
#include "ethercat/VariableDocument.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <unistd.h>

namespace cfq {
namespace {

// 256 enabled rows cycling through Bool runs and every other type, with
// 40-character names and an initial value on every row.
MemoryVariableTable mixedTable()
{
    static constexpr std::string_view kCycle[] = {"Bool",  "Bool",  "Bool", "Int16", "String", "Float32",
                                                  "Array", "UInt8", "Bool", "Int32", "UInt16", "UInt32"};
    MemoryVariableTable table;
    for (int index = 0; index < kVariableRows; ++index) {
        const std::string_view type = kCycle[static_cast<std::size_t>(index) % std::size(kCycle)];
        table.setCell(index, VarField::Type, type);
        VarSetLength(table, index, type);
        if (type == "String" || type == "Array")
            table.setCell(index, VarField::Length, "40");
        std::string name = "Variable_" + std::to_string(index);
        name.resize(40, 'x');
        table.setCell(index, VarField::Name, name);
        table.setCell(index, VarField::InitValue, type == "String" ? "text" : type == "Array" ? "0A0B" : "1");
    }
    return table;
}

std::vector<TGroup> sixteenGroups()
{
    std::vector<TGroup> groups;
    for (int i = 0; i < 16; ++i)
        groups.push_back({"Group_name_of_forty_characters_number_" + std::to_string(i % 10), 16});
    return groups;
}

// Steady state: the table is placed already; nothing changes.
void BM_PlacementUnchanged(benchmark::State& state)
{
    MemoryVariableTable table = mixedTable();
    Calc_Position_Bit(table);
    for (auto _ : state)
        benchmark::DoNotOptimize(Calc_Position_Bit(table));
}
BENCHMARK(BM_PlacementUnchanged);

// One edit at row 1 that moves every row below it: every cell is rewritten.
void BM_PlacementAfterAnEditOfTheFirstRow(benchmark::State& state)
{
    MemoryVariableTable table = mixedTable();
    bool wide = false;
    for (auto _ : state) {
        wide = !wide;
        table.setCell(0, VarField::Type, wide ? "Int32" : "Int8");
        benchmark::DoNotOptimize(Calc_Position_Bit(table));
    }
}
BENCHMARK(BM_PlacementAfterAnEditOfTheFirstRow);

// An Enable tick change in row 1: every group boundary moves.
void BM_GroupsAfterATickChange(benchmark::State& state)
{
    MemoryVariableTable table = mixedTable();
    const std::vector<TGroup> groups = sixteenGroups();
    bool ticked = true;
    for (auto _ : state) {
        ticked = !ticked;
        table.setEnabled(0, ticked);
        benchmark::DoNotOptimize(Show_Group(table, groups));
        benchmark::DoNotOptimize(Calc_Position_Bit(table));
    }
}
BENCHMARK(BM_GroupsAfterATickChange);

// The variable editor's Load of a maximal project from its files: group
// document, variable document (256 + 256 rows), groups and placement.
void BM_LoadMaximalProject(benchmark::State& state)
{
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("cfq-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const MemoryVariableTable table = mixedTable();
    GroupLists lists;
    for (const TGroup& group : sixteenGroups()) {
        lists.slaveToMaster.push_back({group.Name, std::to_string(group.Num_Var), ""});
        lists.masterToSlave.push_back({group.Name, std::to_string(group.Num_Var), ""});
    }
    if (!Save_Variables(folder / "EtherCAT_Slave.xml", table, table) ||
        !saveGroupLists(folder / "EtherCAT_Slave_Group.xml", lists)) {
        state.SkipWithError("cannot write the project");
        return;
    }
    MemoryVariableTable stm;
    MemoryVariableTable mts;
    for (auto _ : state) {
        auto groups = loadGroupLists(folder / "EtherCAT_Slave_Group.xml");
        const Status loaded =
            Load_Variables(folder / "EtherCAT_Slave.xml", {stm, mts}, toGroupSnapshot(groups.value()));
        benchmark::DoNotOptimize(loaded.ok());
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_LoadMaximalProject)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace cfq
