#include "TableRows.h"

#include "ethercat/VarTypes.h"

namespace cfq::test {

MemoryVariableTable tableOf(const std::vector<std::string_view>& rows)
{
    MemoryVariableTable table;
    int index = 0;
    for (std::string_view note : rows) {
        const bool disabled = note.starts_with('-');
        if (disabled)
            note.remove_prefix(1);
        const std::size_t colon = note.find(':');
        const std::string_view type = note.substr(0, colon);
        table.setEnabled(index, !disabled);
        table.setCell(index, VarField::Type, type);
        VarSetLength(table, index, type);
        if (colon != std::string_view::npos)
            table.setCell(index, VarField::Length, note.substr(colon + 1));
        ++index;
    }
    return table;
}

std::vector<std::string> placesOf(const VariableTable& table, int count)
{
    std::vector<std::string> places;
    for (int index = 0; index < count; ++index)
        places.push_back(table.cell(index, VarField::Position) + "/" + table.cell(index, VarField::StartBit));
    return places;
}

std::vector<std::string> groupsOf(const VariableTable& table, int count)
{
    std::vector<std::string> groups;
    for (int index = 0; index < count; ++index)
        groups.push_back(table.cell(index, VarField::Group));
    return groups;
}

} // namespace cfq::test
