#include "gridkit/UComon.h"

#include "app/AppState.h"
#include "gridkit/RowClipboard.h"
#include "platform/MessageService.h"
#include "platform/TextTrim.h"
#include "platform/WholeNumber.h"

namespace cfq {
namespace {

constexpr int kTextOverwriteRow = 1100;
constexpr int kTextCopyDoesNotFit = 1101;
constexpr int kTextCopyFirst = 1102;

// Value taken for an address part that is no number: outside 0..255.
constexpr std::int32_t kNoAddressPart = 1000;

// Copies one string-grid cell of row `from` to row `to`: the check state of a
// check-box cell, the text of any other, and always the read-only flag.
void moveStringCell(StringGrid& grid, int column, int from, int to)
{
    if (grid.hasCheckBox(column, from))
        grid.setChecked(column, to, grid.isChecked(column, from));
    else
        grid.setCellText(column, to, grid.cellText(column, from));
    grid.setReadOnly(column, to, grid.isReadOnly(column, from));
}

// Empties a string-grid row: texts emptied, check boxes cleared except column
// 1 when `tick` is set, then every cell given the read-only flag.
void clearStringRow(StringGrid& grid, int row, bool tick, bool readOnly)
{
    for (int column = 1; column <= grid.dataColumnCount(); ++column) {
        if (grid.hasCheckBox(column, row))
            grid.setChecked(column, row, tick && column == 1);
        else
            grid.setCellText(column, row, std::string());
        grid.setReadOnly(column, row, readOnly);
    }
}

void copyTexts(Grid& grid, int from, int to)
{
    for (int column = 1; column <= grid.dataColumnCount(); ++column)
        grid.setCellText(column, to, grid.cellText(column, from));
}

// The tests of a paste shared by both kinds, in their order: a valid copy, a
// clipboard of the grid's width, then the overwrite question for a used row.
bool pasteAccepted(const Grid& grid, bool copied, bool rowUsed, const AppState& state,
                   MessageService& messages)
{
    if (!copied) {
        messages.error(state.text(kTextCopyFirst));
        return false;
    }
    if (static_cast<std::size_t>(grid.dataColumnCount()) != state.Clipboard.Row_Clipboard.size()) {
        messages.error(state.text(kTextCopyDoesNotFit));
        return false;
    }
    return !rowUsed || messages.question(state.text(kTextOverwriteRow));
}

bool isCheckEntry(const RowClipboard& clipboard, std::size_t index)
{
    return index < clipboard.Row_Clipboard_Check.size() && clipboard.Row_Clipboard_Check[index];
}

// Cuts `rest` at its first dot: the part before it goes to `part`, the rest
// after it stays, both without surrounding blanks. False when there is no dot.
bool takeAddressPart(std::string& rest, std::string& part)
{
    const std::size_t dot = rest.find('.');
    if (dot == std::string::npos)
        return false;
    part = trimBlanks(std::string_view(rest).substr(0, dot));
    rest = trimBlanks(std::string_view(rest).substr(dot + 1));
    return true;
}

bool isAddressByte(const std::string& part)
{
    const std::int32_t value = readInt32Or(part, kNoAddressPart);
    return value >= 0 && value <= 255;
}

} // namespace

void DeleteRow_ASG(int row, StringGrid& grid, bool tick)
{
    for (int i = row; i <= grid.lastRow() - 1; ++i)
        for (int column = 1; column <= grid.dataColumnCount(); ++column)
            moveStringCell(grid, column, i + 1, i);
    clearStringRow(grid, grid.lastRow(), tick, true);
}

void InsertRow_ASG(int row, StringGrid& grid, bool tick)
{
    for (int i = grid.lastRow() - 1; i >= row; --i)
        for (int column = 1; column <= grid.dataColumnCount(); ++column)
            moveStringCell(grid, column, i, i + 1);
    clearStringRow(grid, row, tick, false);
}

void CopyRow_ASG(const StringGrid& grid, int row, RowClipboard& clipboard)
{
    const int columns = grid.dataColumnCount();
    clipboard.Row_Clipboard.clear();
    clipboard.Row_Clipboard_Check.assign(static_cast<std::size_t>(columns), false);
    for (int column = 1; column <= columns; ++column) {
        if (grid.hasCheckBox(column, row)) {
            clipboard.Row_Clipboard_Check[static_cast<std::size_t>(column - 1)] = true;
            clipboard.Row_Clipboard.emplace_back(grid.isChecked(column, row) ? kTickedText : kClearedText);
        } else {
            clipboard.Row_Clipboard.push_back(grid.cellText(column, row));
        }
    }
}

bool PasteRow_ASG(StringGrid& grid, int row, bool copied, const AppState& state, MessageService& messages)
{
    bool used = false;
    for (int column = 1; column <= grid.dataColumnCount() && !used; ++column)
        used = !grid.hasCheckBox(column, row) && !grid.cellText(column, row).empty();
    if (!pasteAccepted(grid, copied, used, state, messages))
        return false;

    const RowClipboard& clipboard = state.Clipboard;
    for (int column = 1; column <= grid.dataColumnCount(); ++column) {
        const auto index = static_cast<std::size_t>(column - 1);
        const std::string& entry = clipboard.Row_Clipboard[index];
        if (isCheckEntry(clipboard, index))
            grid.setChecked(column, row, entry == kTickedText);
        else
            grid.setCellText(column, row, entry);
    }
    return true;
}

void DeleteRow_ACG(int row, ColumnGrid& grid)
{
    for (int i = row; i <= grid.lastRow() - 1; ++i)
        copyTexts(grid, i + 1, i);
    for (int column = 1; column <= grid.dataColumnCount(); ++column)
        grid.setCellText(column, grid.lastRow(), std::string());
}

void InsertRow_ACG(int row, ColumnGrid& grid, bool tick)
{
    for (int i = grid.lastRow() - 1; i >= row; --i)
        copyTexts(grid, i, i + 1);
    for (int column = 1; column <= grid.dataColumnCount(); ++column)
        grid.setCellText(column, row, tick && column == 1 ? kTickedText : "");
}

void CopyRow_ACG(const ColumnGrid& grid, int row, RowClipboard& clipboard)
{
    clipboard.Row_Clipboard.clear();
    for (int column = 1; column <= grid.dataColumnCount(); ++column)
        clipboard.Row_Clipboard.push_back(grid.cellText(column, row));
}

bool PasteRow_ACG(ColumnGrid& grid, int row, bool copied, const AppState& state, MessageService& messages)
{
    bool used = false;
    for (int column = 1; column <= grid.dataColumnCount() && !used; ++column)
        used = !grid.isCheckBoxColumn(column) && !trimBlanks(grid.cellText(column, row)).empty();
    if (!pasteAccepted(grid, copied, used, state, messages))
        return false;

    for (int column = 1; column <= grid.dataColumnCount(); ++column)
        grid.setCellText(column, row, state.Clipboard.Row_Clipboard[static_cast<std::size_t>(column - 1)]);
    return true;
}

void Grid_DblClickCell(Grid& grid, int row, int column, bool autoSize)
{
    if (autoSize && row == 0)
        grid.fitColumnWidth(column);
}

bool Grid_KeyPress(Grid& grid, int key, bool jumpFieldTables)
{
    if (!jumpFieldTables || key != kEnterKey)
        return false;
    const int column = grid.currentColumn();
    const int row = grid.currentRow();
    if (column >= 1 && row >= 1) {
        if (column < grid.visibleColumnCount() - 1)
            grid.setCurrentCell(column + 1, row);
        else
            grid.setCurrentCell(1, row < grid.lastRow() ? row + 1 : 1);
    }
    return true;
}

bool Split_IP_Address(std::string_view text, std::string& a, std::string& b, std::string& c, std::string& d)
{
    std::string rest = trimBlanks(text);
    if (!takeAddressPart(rest, a) || !takeAddressPart(rest, b) || !takeAddressPart(rest, c))
        return false;
    d = rest;
    return isAddressByte(a) && isAddressByte(b) && isAddressByte(c) && isAddressByte(d);
}

} // namespace cfq
