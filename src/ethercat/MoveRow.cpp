#include "ethercat/MoveRow.h"

#include "gridkit/Grid.h"

#include <string>

namespace cfq {
namespace {

constexpr int kTickColumn = 1;

void swapRows(StringGrid& grid, int row, int other)
{
    const bool ticked = grid.isChecked(kTickColumn, row);
    grid.setChecked(kTickColumn, row, grid.isChecked(kTickColumn, other));
    grid.setChecked(kTickColumn, other, ticked);
    for (int column = kTickColumn + 1; column <= grid.dataColumnCount(); ++column) {
        std::string text = grid.cellText(column, row);
        grid.setCellText(column, row, grid.cellText(column, other));
        grid.setCellText(column, other, text);
    }
}

} // namespace

int MoveRow_ASG(StringGrid& grid, int row, MoveDirection direction)
{
    const int other = direction == MoveDirection::Up ? row - 1 : row + 1;
    if (other < 1 || other > grid.lastRow())
        return row;
    swapRows(grid, row, other);
    return other;
}

} // namespace cfq
