#pragma once

#include "gridkit/Grid.h"

#include <string>
#include <string_view>

// The common module of the table editors: the row commands Delete, Insert,
// Copy and Paste for both grid kinds, the double-click and Enter conveniences,
// and the dotted-address splitter.
//
// Every routine acts on the grid given. Rows passed are data rows (1 to
// lastRow()); every routine walks all data columns, hidden ones included, in
// ascending order, and never touches row 0 or column 0.
namespace cfq {

struct AppState;
struct RowClipboard;
class MessageService;

// Character code of the Enter key as passed to Grid_KeyPress.
inline constexpr int kEnterKey = 13;

// String-grid kind (the variable editor).

// Moves the rows below `row` up by one with their texts, check states and
// read-only flags; the last row becomes empty and read-only, its column 1
// ticked when `tick` is set (other check boxes cleared).
void DeleteRow_ASG(int row, StringGrid& grid, bool tick);

// Moves the rows from `row` on down by one (the last row's content is lost);
// `row` becomes empty and editable in every column, its column 1 ticked when
// `tick` is set (other check boxes cleared).
void InsertRow_ASG(int row, StringGrid& grid, bool tick);

// Replaces the clipboard with the row: a check-box cell as "Y"/"N" with its
// check entry set, any other cell as its text.
void CopyRow_ASG(const StringGrid& grid, int row, RowClipboard& clipboard);

// Writes the clipboard into the row when `copied` tells that a valid row was
// copied for this grid (else error 1102), the clipboard has one entry per data
// column (else error 1101), and the row holds no text - blanks count - or the
// user agrees to overwrite it (question 1100). Check entries tick a check box
// for exactly "Y"; read-only flags stay. True when the row was written.
bool PasteRow_ASG(StringGrid& grid, int row, bool copied, const AppState& state, MessageService& messages);

// Column-grid kind (the group editor).

// Moves the rows below `row` up by one; the last row becomes empty.
void DeleteRow_ACG(int row, ColumnGrid& grid);

// Moves the rows from `row` on down by one (the last row's content is lost);
// `row` becomes empty, with "Y" in column 1 when `tick` is set.
void InsertRow_ACG(int row, ColumnGrid& grid, bool tick);

// Replaces the clipboard texts with the row's texts; the check entries stay.
void CopyRow_ACG(const ColumnGrid& grid, int row, RowClipboard& clipboard);

// As PasteRow_ASG, but the row counts as used only for a text that is not
// blank in a column without the check-box editor, and every entry is written
// as text, check-box columns included.
bool PasteRow_ACG(ColumnGrid& grid, int row, bool copied, const AppState& state, MessageService& messages);

// Both kinds.

// A double click on a header cell (row 0) fits that column's width when
// `autoSize` (the option Double_Click_Auto_Size) is on.
void Grid_DblClickCell(Grid& grid, int row, int column, bool autoSize);

// With `jumpFieldTables` (the option Enable_Jump_Field_Tables) on, Enter moves
// the current cell to the next visible column, or to column 1 of the next row
// (row 1 after the last row). Returns true when the key was consumed and the
// grid must not see it.
bool Grid_KeyPress(Grid& grid, int key, bool jumpFieldTables);

// Splits a dotted IPv4 address into its four parts, blanks around each part
// removed (the fourth part keeps any further dots). True when all four parts
// are whole numbers from 0 to 255. On false the parts already found stay set.
bool Split_IP_Address(std::string_view text, std::string& a, std::string& b, std::string& c, std::string& d);

} // namespace cfq
