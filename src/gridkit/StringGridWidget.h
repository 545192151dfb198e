#pragma once

#include "gridkit/GridWidget.h"

namespace cfq {

// A grid of the string-grid kind (the variable editor's ASG_ grids): any cell
// may carry a check box with a state of its own, and every cell has a
// read-only flag that refuses in-place editing and ticking.
class StringGridWidget : public GridWidget
{
    Q_OBJECT

public:
    explicit StringGridWidget(QWidget* parent = nullptr) : GridWidget(parent) {}

    bool hasCheckBox(int column, int row) const override;
    bool isChecked(int column, int row) const override;
    void setChecked(int column, int row, bool checked) override;
    bool isReadOnly(int column, int row) const override;
    void setReadOnly(int column, int row, bool readOnly);

protected:
    QTableWidgetItem* makeItem(const GridColumn& column) const override;
};

} // namespace cfq
