#pragma once

#include <QColor>
#include <QSignalBlocker>
#include <QStringList>
#include <QTableWidget>
#include <functional>
#include <vector>

namespace cfq {

// The layout of one data column of a grid widget.
struct GridColumn
{
    int width = 100;
    // Background of the column's cells; an invalid colour keeps the style's.
    QColor background;
    // Every cell of the column carries a check box, drawn centred.
    bool checkBox = false;
    // The cells start read-only (string grid).
    bool readOnly = false;
    // When not empty: the cells are edited with a drop-down list of these
    // items, without free text.
    QStringList items;
};

// The table of a grid editor, shown the way the editors' grids look: the
// horizontal header is row 0, the vertical header with the row numbers 1..N is
// column 0, and the corner above it holds column 0's header text.
//
// Every row and column number taken or given by the methods and signals of
// this class (and its kinds) is a GRID number, column first, as the row
// operations use them: data row r is table row r - 1 and data column c is
// table column c - 1. The inherited QTableWidget members keep Qt's table
// numbers (row first, from 0).
class GridWidget : public QTableWidget
{
    Q_OBJECT

public:
    explicit GridWidget(QWidget* parent = nullptr);

    // Sets the data rows and columns (columns[0] is data column 1) and fills
    // every data cell empty, the row numbers 1..dataRows in column 0, and the
    // current cell at column 1 of row 1. Column 0 is fixedColumnWidth wide.
    void setupGrid(int dataRows, int fixedColumnWidth, const std::vector<GridColumn>& columns);

    // Rows including the header row; columns including column 0 and the
    // hidden columns.
    int gridRowCount() const { return rowCount() + 1; }
    int gridColumnCount() const { return columnCount() + 1; }

    // The last `count` data columns are hidden; their cells keep their texts.
    void setHiddenColumnCount(int count);
    int hiddenColumnCount() const { return m_hiddenColumns; }

    // Text of any cell: row 0 is the header text, column 0 the row number.
    QString gridText(int column, int row) const;
    void setGridText(int column, int row, const QString& text);
    void setColumnHeader(int column, const QString& text) { setGridText(column, 0, text); }
    // Hint shown over the header cell of a data column.
    void setColumnHint(int column, const QString& hint);

    // The current cell in grid numbers; 0 when there is none.
    int gridCurrentColumn() const { return currentColumn() + 1; }
    int gridCurrentRow() const { return currentRow() + 1; }
    void setGridCurrentCell(int column, int row);
    // The selected data row: the current row, or row 1 when there is none.
    int selectedRow() const { return currentRow() >= 0 ? currentRow() + 1 : 1; }

    // Held while many cells change at once (a row operation over 256 rows, a
    // load): the cells are not repainted one by one, the grid repaints once
    // when the guard goes. No change signal of the table reaches anyone
    // meanwhile, so no cell editor may be open.
    class BulkChange
    {
    public:
        explicit BulkChange(GridWidget& grid);
        ~BulkChange();
        BulkChange(const BulkChange&) = delete;
        BulkChange& operator=(const BulkChange&) = delete;

    private:
        GridWidget& m_grid;
        QSignalBlocker m_quiet;
    };

    // Fits the width of one column (column 0: the row-number column) to its
    // content.
    void fitColumn(int column);

    // Decides, for every character typed into the grid, and for Enter also
    // when it is typed into a cell's editor, whether it is consumed before the
    // grid handles it (Enter arrives as 13). Unconsumed, Enter opens or closes
    // the current cell's editor; it never reaches the dialog's default button.
    using KeyFilter = std::function<bool(int key)>;
    void setKeyFilter(KeyFilter filter) { m_keyFilter = std::move(filter); }

    // What the drop-down list editor does when the user picks an item: the
    // cell takes the item's text, then itemPicked is emitted.
    void pickItem(int column, int row, const QString& text);

    // The layout of a data column (column >= 1).
    const GridColumn& gridColumn(int column) const
    {
        return m_columns.at(static_cast<std::size_t>(column - 1));
    }

    // Check boxes and read-only flags of data cells, as the kind holds them.
    virtual bool hasCheckBox(int column, int row) const = 0;
    virtual bool isChecked(int column, int row) const = 0;
    virtual void setChecked(int column, int row, bool checked) = 0;
    virtual bool isReadOnly(int column, int row) const = 0;

    // A tick or clear made by the user on an editable check box: changes the
    // cell, then emits checkBoxToggled.
    void toggleByUser(int column, int row);

signals:
    // The user finished an in-place edit of a cell and the text was taken.
    void cellEdited(int column, int row);
    // The user ticked or cleared a check box.
    void checkBoxToggled(int column, int row, bool checked);
    // The user picked an item of a drop-down list (the cell holds it already).
    void itemPicked(int column, int row, const QString& text);
    // A double click on any cell, header row (row 0) and row numbers
    // (column 0) included.
    void gridDoubleClicked(int column, int row);

protected:
    // Creates the item of one data cell; the kinds add check boxes and flags.
    virtual QTableWidgetItem* makeItem(const GridColumn& column) const;

    QTableWidgetItem* dataItem(int column, int row) const { return item(row - 1, column - 1); }

    void keyPressEvent(QKeyEvent* event) override;
    void commitData(QWidget* editor) override;
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    bool keyConsumed(int key) const { return m_keyFilter && m_keyFilter(key); }
    QTableWidgetItem* headerItemAt(Qt::Orientation orientation, int section);
    void paintCorner();

    std::vector<GridColumn> m_columns;
    int m_hiddenColumns = 0;
    QString m_cornerText;
    QWidget* m_corner = nullptr;
    KeyFilter m_keyFilter;
};

} // namespace cfq
