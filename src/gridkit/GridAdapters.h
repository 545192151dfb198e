#pragma once

#include "gridkit/ColumnGridWidget.h"
#include "gridkit/Grid.h"
#include "gridkit/StringGridWidget.h"

#include <string>

// The abstract grids of the row operations over the grid widgets. An adapter
// holds only a reference to its widget: make one where an operation needs it,
//     StringGridAdapter grid(*ASG_SlaveMaster);
//     DeleteRow_ASG(row, grid, true);
namespace cfq {

struct AppState;

template <typename Kind, typename Widget> class GridWidgetAdapter : public Kind
{
public:
    explicit GridWidgetAdapter(Widget& widget) : m_widget(widget) {}

    int rowCount() const override { return m_widget.gridRowCount(); }
    int visibleColumnCount() const override
    {
        return m_widget.gridColumnCount() - m_widget.hiddenColumnCount();
    }
    int hiddenColumnCount() const override { return m_widget.hiddenColumnCount(); }
    std::string cellText(int column, int row) const override
    {
        return m_widget.gridText(column, row).toStdString();
    }
    void setCellText(int column, int row, const std::string& text) override
    {
        m_widget.setGridText(column, row, QString::fromStdString(text));
    }
    int currentColumn() const override { return m_widget.gridCurrentColumn(); }
    int currentRow() const override { return m_widget.gridCurrentRow(); }
    void setCurrentCell(int column, int row) override { m_widget.setGridCurrentCell(column, row); }
    void fitColumnWidth(int column) override { m_widget.fitColumn(column); }

protected:
    Widget& m_widget;
};

// Either kind seen as a plain grid (Enter, double click).
using BasicGridAdapter = GridWidgetAdapter<Grid, GridWidget>;

class StringGridAdapter : public GridWidgetAdapter<StringGrid, StringGridWidget>
{
public:
    using GridWidgetAdapter::GridWidgetAdapter;

    bool hasCheckBox(int column, int row) const override { return m_widget.hasCheckBox(column, row); }
    bool isChecked(int column, int row) const override { return m_widget.isChecked(column, row); }
    void setChecked(int column, int row, bool checked) override { m_widget.setChecked(column, row, checked); }
    bool isReadOnly(int column, int row) const override { return m_widget.isReadOnly(column, row); }
    void setReadOnly(int column, int row, bool readOnly) override
    {
        m_widget.setReadOnly(column, row, readOnly);
    }
};

class ColumnGridAdapter : public GridWidgetAdapter<ColumnGrid, ColumnGridWidget>
{
public:
    using GridWidgetAdapter::GridWidgetAdapter;

    bool isCheckBoxColumn(int column) const override { return m_widget.isCheckBoxColumn(column); }
};

// Gives a grid widget the shared double-click and key behaviour:
// Grid_DblClickCell and Grid_KeyPress with the options Double_Click_Auto_Size
// and Enable_Jump_Field_Tables as they stand in `state` at each event.
// `state` must outlive the widget.
void connectSharedBehaviour(GridWidget& widget, const AppState& state);

} // namespace cfq
