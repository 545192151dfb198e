#include "gridkit/ColumnGridWidget.h"

#include "gridkit/Grid.h"

namespace cfq {

bool ColumnGridWidget::isChecked(int column, int row) const
{
    return gridText(column, row) == QLatin1String(kTickedText);
}

void ColumnGridWidget::setChecked(int column, int row, bool checked)
{
    setGridText(column, row, QString::fromLatin1(checked ? kTickedText : kClearedText));
}

} // namespace cfq
