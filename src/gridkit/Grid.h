#pragma once

#include <string>

namespace cfq {

// A table editor's grid as the shared row operations see it.
//
// Cells are addressed (column, row), column first. Row 0 is the header row
// and column 0 the fixed column with the row numbers; the data rows are 1 to
// rowCount() - 1 and the data columns 1 to dataColumnCount(). The hidden
// columns follow the visible ones: columns visibleColumnCount() onwards are
// hidden but their cells are read and written like any other.
class Grid
{
public:
    virtual ~Grid() = default;

    // Rows including the header row.
    virtual int rowCount() const = 0;
    // Visible columns including the fixed column 0.
    virtual int visibleColumnCount() const = 0;
    virtual int hiddenColumnCount() const = 0;

    virtual std::string cellText(int column, int row) const = 0;
    virtual void setCellText(int column, int row, const std::string& text) = 0;

    // The current cell; 0 stands for none.
    virtual int currentColumn() const = 0;
    virtual int currentRow() const = 0;
    virtual void setCurrentCell(int column, int row) = 0;

    // Fits the width of one column to its content.
    virtual void fitColumnWidth(int column) = 0;

    // Number of data columns, hidden ones included.
    int dataColumnCount() const { return visibleColumnCount() + hiddenColumnCount() - 1; }
    int lastRow() const { return rowCount() - 1; }
};

// The string-grid kind: any cell may carry a check box, with a state of its
// own beside the text, and every cell has a read-only flag.
class StringGrid : public Grid
{
public:
    virtual bool hasCheckBox(int column, int row) const = 0;
    virtual bool isChecked(int column, int row) const = 0;
    virtual void setChecked(int column, int row, bool checked) = 0;
    virtual bool isReadOnly(int column, int row) const = 0;
    virtual void setReadOnly(int column, int row, bool readOnly) = 0;
};

// Texts of a ticked and a clear check box in a column grid and in the row
// clipboard.
inline constexpr char kTickedText[] = "Y";
inline constexpr char kClearedText[] = "N";

// The column-grid kind: cells hold texts only; a column whose editor is the
// check-box editor shows kTickedText as ticked and kClearedText as clear.
class ColumnGrid : public Grid
{
public:
    virtual bool isCheckBoxColumn(int column) const = 0;
};

} // namespace cfq
