#pragma once

#include <QPoint>
#include <QStyledItemDelegate>

namespace cfq {

class GridWidget;

// Paints and edits the data cells of a grid widget: the column's background,
// check boxes drawn centred and toggled by click or Space (refused on a
// read-only cell), no text editor on a check-box cell, and a drop-down list
// editor for a column with items.
class GridDelegate : public QStyledItemDelegate
{
public:
    explicit GridDelegate(GridWidget* grid);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

    // The grid cell (column, row) an editor of this delegate was opened on.
    static QPoint editedCell(const QWidget* editor);

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    GridWidget* m_grid;
};

} // namespace cfq
