#include "gridkit/GridWidget.h"

#include "gridkit/GridDelegate.h"
#include "gridkit/UComon.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStyleOptionHeader>
#include <QStylePainter>

namespace cfq {
namespace {

constexpr int kRowHeight = 22;

// The character a key press types, with Enter as 13; 0 for keys that type
// nothing.
int typedCharacter(const QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return kEnterKey;
    const QString text = event->text();
    return text.size() == 1 ? text.at(0).unicode() : 0;
}

} // namespace

GridWidget::GridWidget(QWidget* parent) : QTableWidget(parent)
{
    setItemDelegate(new GridDelegate(this));
    // Contiguous selection lets a click on a row number select the whole row.
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setWordWrap(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setHighlightSections(false);

    // The corner button above the row numbers shows column 0's header text.
    m_corner = findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
    if (m_corner)
        m_corner->installEventFilter(this);

    connect(this, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int column) { emit gridDoubleClicked(column + 1, row + 1); });
    connect(horizontalHeader(), &QHeaderView::sectionDoubleClicked, this,
            [this](int section) { emit gridDoubleClicked(section + 1, 0); });
    connect(verticalHeader(), &QHeaderView::sectionDoubleClicked, this,
            [this](int section) { emit gridDoubleClicked(0, section + 1); });
}

GridWidget::BulkChange::BulkChange(GridWidget& grid) : m_grid(grid), m_quiet(grid.model()) {}

GridWidget::BulkChange::~BulkChange()
{
    m_grid.viewport()->update();
    m_grid.horizontalHeader()->viewport()->update();
    m_grid.verticalHeader()->viewport()->update();
}

void GridWidget::setupGrid(int dataRows, int fixedColumnWidth, const std::vector<GridColumn>& columns)
{
    m_columns = columns;
    setRowCount(0);
    setColumnCount(static_cast<int>(columns.size()));
    setRowCount(dataRows);
    {
        const BulkChange bulk(*this);
        for (int column = 0; column < columnCount(); ++column) {
            for (int row = 0; row < dataRows; ++row)
                setItem(row, column, makeItem(columns[static_cast<std::size_t>(column)]));
        }
        for (int row = 0; row < dataRows; ++row)
            setVerticalHeaderItem(row, new QTableWidgetItem(QString::number(row + 1)));
    }
    for (int column = 0; column < columnCount(); ++column)
        setColumnWidth(column, columns[static_cast<std::size_t>(column)].width);
    verticalHeader()->setFixedWidth(fixedColumnWidth);
    setHiddenColumnCount(m_hiddenColumns);
    setCurrentCell(0, 0);
}

QTableWidgetItem* GridWidget::makeItem(const GridColumn&) const
{
    auto* cell = new QTableWidgetItem;
    cell->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable);
    return cell;
}

void GridWidget::setHiddenColumnCount(int count)
{
    m_hiddenColumns = count;
    for (int column = 0; column < columnCount(); ++column)
        setColumnHidden(column, column >= columnCount() - count);
}

QTableWidgetItem* GridWidget::headerItemAt(Qt::Orientation orientation, int section)
{
    const bool horizontal = orientation == Qt::Horizontal;
    QTableWidgetItem* header = horizontal ? horizontalHeaderItem(section) : verticalHeaderItem(section);
    if (!header) {
        header = new QTableWidgetItem;
        if (horizontal)
            setHorizontalHeaderItem(section, header);
        else
            setVerticalHeaderItem(section, header);
    }
    return header;
}

QString GridWidget::gridText(int column, int row) const
{
    if (column == 0 && row == 0)
        return m_cornerText;
    if (row == 0)
        return model()->headerData(column - 1, Qt::Horizontal).toString();
    if (column == 0)
        return model()->headerData(row - 1, Qt::Vertical).toString();
    return dataItem(column, row)->text();
}

void GridWidget::setGridText(int column, int row, const QString& text)
{
    if (column == 0 && row == 0) {
        m_cornerText = text;
        if (m_corner)
            m_corner->update();
    } else if (row == 0) {
        headerItemAt(Qt::Horizontal, column - 1)->setText(text);
    } else if (column == 0) {
        headerItemAt(Qt::Vertical, row - 1)->setText(text);
    } else {
        dataItem(column, row)->setText(text);
    }
}

void GridWidget::setColumnHint(int column, const QString& hint)
{
    headerItemAt(Qt::Horizontal, column - 1)->setToolTip(hint);
}

void GridWidget::setGridCurrentCell(int column, int row)
{
    setCurrentCell(row - 1, column - 1);
}

void GridWidget::fitColumn(int column)
{
    if (column == 0)
        verticalHeader()->setFixedWidth(verticalHeader()->sizeHint().width());
    else
        resizeColumnToContents(column - 1);
}

void GridWidget::pickItem(int column, int row, const QString& text)
{
    if (QWidget* editor = indexWidget(model()->index(row - 1, column - 1)))
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    setGridText(column, row, text);
    emit itemPicked(column, row, text);
}

void GridWidget::toggleByUser(int column, int row)
{
    const bool checked = !isChecked(column, row);
    setChecked(column, row, checked);
    emit checkBoxToggled(column, row, checked);
}

void GridWidget::keyPressEvent(QKeyEvent* event)
{
    const int key = typedCharacter(event);
    if (key != 0 && keyConsumed(key)) {
        event->accept();
        return;
    }
    if (key == kEnterKey) {
        edit(currentIndex(), QAbstractItemView::EditKeyPressed, event);
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void GridWidget::commitData(QWidget* editor)
{
    const QPoint cell = GridDelegate::editedCell(editor);
    // An editor already closed has nothing to commit: a picked list item, or
    // an edit ended by moving the current cell before the delegate's own
    // commit of Enter arrived.
    if (cell.x() < 1 || indexWidget(model()->index(cell.y() - 1, cell.x() - 1)) != editor)
        return;
    QTableWidget::commitData(editor);
    emit cellEdited(cell.x(), cell.y());
}

bool GridWidget::eventFilter(QObject* object, QEvent* event)
{
    if (object == m_corner && event->type() == QEvent::Paint) {
        paintCorner();
        return true;
    }
    return QTableWidget::eventFilter(object, event);
}

void GridWidget::paintCorner()
{
    QStyleOptionHeader option;
    option.initFrom(m_corner);
    option.rect = m_corner->rect();
    option.text = m_cornerText;
    option.textAlignment = Qt::AlignCenter;
    option.position = QStyleOptionHeader::OnlyOneSection;
    option.orientation = Qt::Horizontal;
    QStylePainter painter(m_corner);
    painter.drawControl(QStyle::CE_Header, option);
}

} // namespace cfq
