#include "gridkit/StringGridWidget.h"

namespace cfq {

// A cell carries a check box when the user may check it; the read-only flag
// is the absence of the editable flag.

QTableWidgetItem* StringGridWidget::makeItem(const GridColumn& column) const
{
    QTableWidgetItem* cell = GridWidget::makeItem(column);
    if (column.checkBox) {
        cell->setFlags(cell->flags() | Qt::ItemIsUserCheckable);
        cell->setCheckState(Qt::Unchecked);
    }
    if (column.readOnly)
        cell->setFlags(cell->flags() & ~Qt::ItemIsEditable);
    return cell;
}

bool StringGridWidget::hasCheckBox(int column, int row) const
{
    return dataItem(column, row)->flags().testFlag(Qt::ItemIsUserCheckable);
}

bool StringGridWidget::isChecked(int column, int row) const
{
    return dataItem(column, row)->checkState() == Qt::Checked;
}

void StringGridWidget::setChecked(int column, int row, bool checked)
{
    dataItem(column, row)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

bool StringGridWidget::isReadOnly(int column, int row) const
{
    return !dataItem(column, row)->flags().testFlag(Qt::ItemIsEditable);
}

void StringGridWidget::setReadOnly(int column, int row, bool readOnly)
{
    QTableWidgetItem* cell = dataItem(column, row);
    cell->setFlags(cell->flags().setFlag(Qt::ItemIsEditable, !readOnly));
}

} // namespace cfq
