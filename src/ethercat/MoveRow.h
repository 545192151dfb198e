#pragma once

namespace cfq {

class StringGrid;

enum class MoveDirection
{
    Up,
    Down,
};

// Move Up / Move Down of the variable editor: swaps the row with the one
// above or below it - the ticks of column 1 and the texts of columns 2 to the
// last; the read-only flags stay with the row positions. Returns the row the
// moved content is in now: the same row on the first row going up or on the
// last row going down, where nothing moves.
int MoveRow_ASG(StringGrid& grid, int row, MoveDirection direction);

} // namespace cfq
