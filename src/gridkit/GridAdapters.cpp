#include "gridkit/GridAdapters.h"

#include "app/AppState.h"
#include "gridkit/UComon.h"

namespace cfq {

void connectSharedBehaviour(GridWidget& widget, const AppState& state)
{
    QObject::connect(&widget, &GridWidget::gridDoubleClicked, &widget,
                     [&widget, &state](int column, int row) {
                         BasicGridAdapter grid(widget);
                         Grid_DblClickCell(grid, row, column, state.Double_Click_Auto_Size);
                     });
    widget.setKeyFilter([&widget, &state](int key) {
        BasicGridAdapter grid(widget);
        return Grid_KeyPress(grid, key, state.Enable_Jump_Field_Tables);
    });
}

} // namespace cfq
