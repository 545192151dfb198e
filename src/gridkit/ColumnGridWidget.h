#pragma once

#include "gridkit/GridWidget.h"

namespace cfq {

// A grid of the column-grid kind (the group editor's ACG_ grids): cells hold
// texts only, and a column laid out with checkBox shows its texts "Y" and "N"
// as ticked and clear check boxes.
class ColumnGridWidget : public GridWidget
{
    Q_OBJECT

public:
    explicit ColumnGridWidget(QWidget* parent = nullptr) : GridWidget(parent) {}

    bool isCheckBoxColumn(int column) const { return column >= 1 && gridColumn(column).checkBox; }

    bool hasCheckBox(int column, int) const override { return isCheckBoxColumn(column); }
    bool isChecked(int column, int row) const override;
    void setChecked(int column, int row, bool checked) override;
    bool isReadOnly(int, int) const override { return false; }
};

} // namespace cfq
