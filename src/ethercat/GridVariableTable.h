#pragma once

#include "ethercat/VariableTable.h"

namespace cfq {

class GridWidget;
class StringGridWidget;

// The variable table of one direction held in the variable editor's grid:
// index i is grid row i + 1, Enable is the check box of column 1, the text
// fields are the columns of that direction's grid (the Master To Slave grid
// has no Init Value column), and the Length editability is the read-only flag
// of the Length cell.
class GridVariableTable final : public VariableTable
{
public:
    GridVariableTable(StringGridWidget& grid, bool slaveToMaster);

    bool enabled(int index) const override;
    void setEnabled(int index, bool ticked) override;

    std::string cell(int index, VarField field) const override;
    bool setCell(int index, VarField field, std::string_view text) override;

    bool lengthEditable(int index) const override;
    void setLengthEditable(int index, bool editable) override;

    // The grid column of a field; 0 for the Init Value of Master To Slave.
    int column(VarField field) const;

private:
    StringGridWidget& m_grid;
    bool m_slaveToMaster;
};

// Grid columns of the fields.
inline constexpr int kEnableColumn = 1;
inline constexpr int kTypeColumn = 2;
inline constexpr int kLengthColumn = 3;
inline constexpr int kNameColumn = 4;

// Repaints the grid rows of the given table indices, for cells written while
// the grid's model was quiet.
void refreshRows(GridWidget& grid, const ChangedRows& rows);

} // namespace cfq
