#pragma once

#include "gridkit/Grid.h"

#include <set>
#include <string>
#include <vector>

// Small in-memory grids of both kinds for tests of the row operations.
//
// A grid is written as its data rows, one string per data column:
//   "[x]" / "[ ]"  a cell carrying a ticked / clear check box (string grid),
//   "ro:" prefix   a read-only cell (string grid),
//   anything else  the cell's text.
// Header row and row-number column are filled with fixed texts ("H<col>" and
// the row number) so that tests can see that nothing touches them.
namespace cfq::test {

using GridRows = std::vector<std::vector<std::string>>;

template <typename Kind> class MemoryGridBase : public Kind
{
public:
    int rowCount() const override { return static_cast<int>(m_cells.size()); }
    int visibleColumnCount() const override { return columnCount() - m_hidden; }
    int hiddenColumnCount() const override { return m_hidden; }
    std::string cellText(int column, int row) const override { return cell(column, row).text; }
    void setCellText(int column, int row, const std::string& text) override { cell(column, row).text = text; }
    int currentColumn() const override { return m_currentColumn; }
    int currentRow() const override { return m_currentRow; }
    void setCurrentCell(int column, int row) override
    {
        m_currentColumn = column;
        m_currentRow = row;
    }
    void fitColumnWidth(int column) override { fitted.push_back(column); }

    // Columns whose width was fitted, in order.
    std::vector<int> fitted;

protected:
    struct Cell
    {
        std::string text;
        bool hasCheckBox = false;
        bool checked = false;
        bool readOnly = false;
    };

    // `hidden` of the columns given, counted from the right, are hidden.
    MemoryGridBase(const GridRows& rows, int hidden) : m_hidden(hidden)
    {
        const std::size_t columns = rows.empty() ? 0 : rows.front().size();
        m_cells.assign(rows.size() + 1, std::vector<Cell>(columns + 1));
        for (std::size_t c = 1; c <= columns; ++c)
            m_cells[0][c].text = "H" + std::to_string(c);
        for (std::size_t r = 1; r <= rows.size(); ++r) {
            m_cells[r][0].text = std::to_string(r);
            for (std::size_t c = 1; c <= columns; ++c)
                m_cells[r][c] = parse(rows[r - 1].at(c - 1));
        }
    }

    int columnCount() const { return static_cast<int>(m_cells.front().size()); }
    Cell& cell(int column, int row)
    {
        return m_cells.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column));
    }
    const Cell& cell(int column, int row) const
    {
        return m_cells.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column));
    }

    // The data rows in the notation above; with `withHeader`, row 0 and
    // column 0 are included.
    GridRows dump(bool withHeader) const
    {
        const std::size_t first = withHeader ? 0 : 1;
        GridRows rows;
        for (std::size_t r = first; r < m_cells.size(); ++r) {
            std::vector<std::string>& out = rows.emplace_back();
            for (std::size_t c = first; c < m_cells[r].size(); ++c)
                out.push_back(format(m_cells[r][c]));
        }
        return rows;
    }

private:
    static Cell parse(std::string text)
    {
        Cell result;
        if (text.rfind("ro:", 0) == 0) {
            result.readOnly = true;
            text.erase(0, 3);
        }
        if (text == "[x]" || text == "[ ]") {
            result.hasCheckBox = true;
            result.checked = text == "[x]";
        } else {
            result.text = text;
        }
        return result;
    }

    static std::string format(const Cell& value)
    {
        std::string text = value.hasCheckBox ? (value.checked ? "[x]" : "[ ]") : value.text;
        return value.readOnly ? "ro:" + text : text;
    }

    std::vector<std::vector<Cell>> m_cells;
    int m_hidden = 0;
    int m_currentColumn = 0;
    int m_currentRow = 0;
};

class MemoryStringGrid : public MemoryGridBase<StringGrid>
{
public:
    explicit MemoryStringGrid(const GridRows& rows, int hidden = 0) : MemoryGridBase(rows, hidden) {}

    bool hasCheckBox(int column, int row) const override { return cell(column, row).hasCheckBox; }
    bool isChecked(int column, int row) const override { return cell(column, row).checked; }
    void setChecked(int column, int row, bool checked) override { cell(column, row).checked = checked; }
    bool isReadOnly(int column, int row) const override { return cell(column, row).readOnly; }
    void setReadOnly(int column, int row, bool readOnly) override { cell(column, row).readOnly = readOnly; }

    GridRows rows(bool withHeader = false) const { return dump(withHeader); }
};

class MemoryColumnGrid : public MemoryGridBase<ColumnGrid>
{
public:
    // `checkBoxColumns` use the check-box editor.
    explicit MemoryColumnGrid(const GridRows& rows, std::set<int> checkBoxColumns = {}, int hidden = 0)
        : MemoryGridBase(rows, hidden), m_checkBoxColumns(std::move(checkBoxColumns))
    {
    }

    bool isCheckBoxColumn(int column) const override { return m_checkBoxColumns.count(column) != 0; }

    GridRows rows(bool withHeader = false) const { return dump(withHeader); }

private:
    std::set<int> m_checkBoxColumns;
};

} // namespace cfq::test
