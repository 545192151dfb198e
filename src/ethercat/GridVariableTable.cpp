#include "ethercat/GridVariableTable.h"

#include "gridkit/StringGridWidget.h"

namespace cfq {

GridVariableTable::GridVariableTable(StringGridWidget& grid, bool slaveToMaster)
    : m_grid(grid), m_slaveToMaster(slaveToMaster)
{
}

int GridVariableTable::column(VarField field) const
{
    // Slave To Master: Type 2, Length 3, Name 4, Init Value 5, Position 6,
    // Start Bit 7, Group 8, Mnemonic 9; Master To Slave the same without
    // Init Value.
    const int slot = static_cast<int>(field);
    const int initValue = static_cast<int>(VarField::InitValue);
    if (m_slaveToMaster || slot < initValue)
        return kTypeColumn + slot;
    return slot == initValue ? 0 : kTypeColumn + slot - 1;
}

bool GridVariableTable::enabled(int index) const
{
    return m_grid.isChecked(kEnableColumn, index + 1);
}

void GridVariableTable::setEnabled(int index, bool ticked)
{
    m_grid.setChecked(kEnableColumn, index + 1, ticked);
}

std::string GridVariableTable::cell(int index, VarField field) const
{
    const int at = column(field);
    return at == 0 ? std::string() : m_grid.gridText(at, index + 1).toStdString();
}

bool GridVariableTable::setCell(int index, VarField field, std::string_view text)
{
    const int at = column(field);
    if (at == 0)
        return false;
    const QString value = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    if (m_grid.gridText(at, index + 1) == value)
        return false;
    m_grid.setGridText(at, index + 1, value);
    return true;
}

bool GridVariableTable::lengthEditable(int index) const
{
    return !m_grid.isReadOnly(kLengthColumn, index + 1);
}

void GridVariableTable::setLengthEditable(int index, bool editable)
{
    m_grid.setReadOnly(kLengthColumn, index + 1, !editable);
}

void refreshRows(GridWidget& grid, const ChangedRows& rows)
{
    if (rows.none())
        return;
    const int width = grid.viewport()->width();
    for (int index = 0; index < kVariableRows; ++index) {
        if (rows.test(static_cast<std::size_t>(index))) {
            const int top = grid.rowViewportPosition(index);
            const int height = grid.rowHeight(index);
            if (top + height > 0 && top < grid.viewport()->height())
                grid.viewport()->update(0, top, width, height);
        }
    }
}

} // namespace cfq
