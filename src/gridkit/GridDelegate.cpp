#include "gridkit/GridDelegate.h"

#include "gridkit/GridWidget.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace cfq {
namespace {

// Dynamic property of an editor widget holding its grid cell.
constexpr char kEditedCell[] = "cfqGridCell";

int gridColumnOf(const QModelIndex& index)
{
    return index.column() + 1;
}

int gridRowOf(const QModelIndex& index)
{
    return index.row() + 1;
}

QStyle* styleOf(const QStyleOptionViewItem& option)
{
    return option.widget ? option.widget->style() : QApplication::style();
}

// Where the check box of a cell is drawn and clicked: centred in the cell.
QRect checkBoxRect(const QStyleOptionViewItem& option)
{
    QStyle* style = styleOf(option);
    const QSize size(style->pixelMetric(QStyle::PM_IndicatorWidth, &option, option.widget),
                     style->pixelMetric(QStyle::PM_IndicatorHeight, &option, option.widget));
    return QStyle::alignedRect(option.direction, Qt::AlignCenter, size, option.rect);
}

bool hitsCheckBox(const QEvent* event, const QStyleOptionViewItem& option)
{
    const auto* mouse = static_cast<const QMouseEvent*>(event);
    return mouse->button() == Qt::LeftButton && checkBoxRect(option).contains(mouse->position().toPoint());
}

} // namespace

GridDelegate::GridDelegate(GridWidget* grid) : QStyledItemDelegate(grid), m_grid(grid) {}

void GridDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const int column = gridColumnOf(index);
    const QColor& background = m_grid->gridColumn(column).background;
    if (background.isValid())
        option->backgroundBrush = background;
    if (m_grid->hasCheckBox(column, gridRowOf(index))) {
        // paint() draws the check box centred; the cell shows no text.
        option->features &= ~QStyleOptionViewItem::HasCheckIndicator;
        option->text.clear();
    }
}

void GridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    const int column = gridColumnOf(index);
    const int row = gridRowOf(index);
    if (!m_grid->hasCheckBox(column, row))
        return;
    QStyleOptionViewItem box(option);
    box.rect = checkBoxRect(option);
    box.state &= ~(QStyle::State_On | QStyle::State_Off | QStyle::State_NoChange | QStyle::State_HasFocus);
    box.state |= m_grid->isChecked(column, row) ? QStyle::State_On : QStyle::State_Off;
    if (m_grid->isReadOnly(column, row))
        box.state &= ~QStyle::State_Enabled;
    styleOf(option)->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &box, painter, option.widget);
}

bool GridDelegate::editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                               const QModelIndex& index)
{
    const int column = gridColumnOf(index);
    const int row = gridRowOf(index);
    if (!m_grid->hasCheckBox(column, row))
        return QStyledItemDelegate::editorEvent(event, model, option, index);

    switch (event->type()) {
    case QEvent::MouseButtonRelease:
        if (!hitsCheckBox(event, option))
            return false;
        break;
    case QEvent::MouseButtonDblClick:
        // The release that follows toggles; the double click itself must not.
        return hitsCheckBox(event, option);
    case QEvent::KeyPress: {
        const int key = static_cast<const QKeyEvent*>(event)->key();
        if (key != Qt::Key_Space && key != Qt::Key_Select)
            return false;
        break;
    }
    default:
        return false;
    }
    if (!m_grid->isReadOnly(column, row))
        m_grid->toggleByUser(column, row);
    return true;
}

QWidget* GridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const
{
    const int column = gridColumnOf(index);
    const int row = gridRowOf(index);
    if (m_grid->hasCheckBox(column, row))
        return nullptr;

    QWidget* editor = nullptr;
    const QStringList& items = m_grid->gridColumn(column).items;
    if (items.isEmpty()) {
        editor = QStyledItemDelegate::createEditor(parent, option, index);
    } else {
        auto* list = new QComboBox(parent);
        list->addItems(items);
        GridWidget* grid = m_grid;
        connect(list, &QComboBox::activated, grid,
                [grid, list, column, row](int item) { grid->pickItem(column, row, list->itemText(item)); });
        // The list opens at once, as a drop-down cell editor does.
        QMetaObject::invokeMethod(list, &QComboBox::showPopup, Qt::QueuedConnection);
        editor = list;
    }
    editor->setProperty(kEditedCell, QPoint(column, row));
    return editor;
}

void GridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* list = qobject_cast<QComboBox*>(editor))
        list->setCurrentIndex(list->findText(index.data().toString()));
    else
        QStyledItemDelegate::setEditorData(editor, index);
}

void GridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    if (auto* list = qobject_cast<QComboBox*>(editor)) {
        if (list->currentIndex() >= 0)
            model->setData(index, list->currentText());
    } else {
        QStyledItemDelegate::setModelData(editor, model, index);
    }
}

QPoint GridDelegate::editedCell(const QWidget* editor)
{
    return editor->property(kEditedCell).toPoint();
}

} // namespace cfq
