// The grid widgets of both kinds and their adapters: grid numbers map onto
// the table, check boxes, read-only flags and texts read and write through
// the adapters, row operations change the widget, and the user's clicks,
// picks and keys arrive as the editors expect them.

#include "app/AppState.h"
#include "gridkit/GridAdapters.h"
#include "gridkit/UComon.h"

#include <QComboBox>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

namespace cfq {

class GridWidgetsTest : public QObject
{
    Q_OBJECT

private slots:
    void adapterMapsTextsCheckBoxesAndReadOnlyFlags();
    void rowOperationsThroughTheAdapterChangeTheWidget();
    void columnGridShowsYAndNAsCheckBoxes();
    void clickTogglesOnlyEditableCheckBoxes();
    void clickOnARowNumberSelectsTheWholeRow();
    void pickingAnItemWritesTheCellAndTellsTheEditor();
    void enterJumpsToTheNextCellAndWrapsWithTheOptionOn();
    void enterWithTheOptionOffOpensTheEditorAndEndsTheEdit();
    void doubleClickOnAHeaderFitsTheColumnWithTheOptionOn();

private:
    // Enable (check box), Type (drop-down), Length (read-only), Name,
    // Mnemonic (hidden); four data rows.
    void setUpStringGrid(StringGridWidget& grid);
};

void GridWidgetsTest::setUpStringGrid(StringGridWidget& grid)
{
    GridColumn enable{50, QColor(255, 216, 176), true, false, {}};
    GridColumn type{120, QColor(224, 250, 254), false, false, {"Bool", "Int8", "Int16"}};
    GridColumn length{100, QColor(224, 250, 254), false, true, {}};
    GridColumn name{280, {}, false, false, {}};
    GridColumn mnemonic{100, {}, false, false, {}};
    grid.setupGrid(4, 40, {enable, type, length, name, mnemonic});
    grid.setHiddenColumnCount(1);
    grid.resize(800, 200);
}

void GridWidgetsTest::adapterMapsTextsCheckBoxesAndReadOnlyFlags()
{
    StringGridWidget widget;
    setUpStringGrid(widget);
    StringGridAdapter grid(widget);

    QCOMPARE(grid.rowCount(), 5);
    QCOMPARE(grid.visibleColumnCount(), 5);
    QCOMPARE(grid.hiddenColumnCount(), 1);
    QCOMPARE(grid.dataColumnCount(), 5);
    QVERIFY(widget.isColumnHidden(4));

    // Data cell (column, row) is table cell (row - 1, column - 1).
    grid.setCellText(4, 2, "Speed");
    QCOMPARE(widget.item(1, 3)->text(), QString("Speed"));
    grid.setCellText(5, 4, "hidden text");
    QCOMPARE(grid.cellText(5, 4), std::string("hidden text"));

    // Row 0 is the horizontal header, column 0 the row numbers, (0, 0) the corner.
    widget.setColumnHeader(2, "Type");
    widget.setColumnHint(2, "Select the Type");
    widget.setColumnHeader(0, "N");
    QCOMPARE(widget.horizontalHeaderItem(1)->text(), QString("Type"));
    QCOMPARE(widget.horizontalHeaderItem(1)->toolTip(), QString("Select the Type"));
    QCOMPARE(grid.cellText(2, 0), std::string("Type"));
    QCOMPARE(grid.cellText(0, 0), std::string("N"));
    QCOMPARE(grid.cellText(0, 3), std::string("3"));

    QVERIFY(grid.hasCheckBox(1, 1));
    QVERIFY(!grid.hasCheckBox(2, 1));
    QVERIFY(widget.item(0, 0)->flags().testFlag(Qt::ItemIsUserCheckable));
    grid.setChecked(1, 3, true);
    QCOMPARE(widget.item(2, 0)->checkState(), Qt::Checked);
    QVERIFY(grid.isChecked(1, 3));

    QVERIFY(grid.isReadOnly(3, 1));
    QVERIFY(!grid.isReadOnly(4, 1));
    grid.setReadOnly(3, 1, false);
    QVERIFY(widget.item(0, 2)->flags().testFlag(Qt::ItemIsEditable));
    grid.setReadOnly(4, 1, true);
    QVERIFY(!widget.item(0, 3)->flags().testFlag(Qt::ItemIsEditable));

    grid.setCurrentCell(3, 2);
    QCOMPARE(widget.currentRow(), 1);
    QCOMPARE(widget.currentColumn(), 2);
    QCOMPARE(grid.currentColumn(), 3);
    QCOMPARE(widget.selectedRow(), 2);
}

void GridWidgetsTest::rowOperationsThroughTheAdapterChangeTheWidget()
{
    StringGridWidget widget;
    setUpStringGrid(widget);
    StringGridAdapter grid(widget);
    for (int row = 1; row <= 4; ++row) {
        grid.setCellText(2, row, "Int16");
        grid.setCellText(4, row, "var" + std::to_string(row));
        grid.setChecked(1, row, row % 2 == 1);
    }

    DeleteRow_ASG(2, grid, true);
    QCOMPARE(widget.item(1, 3)->text(), QString("var3"));
    QCOMPARE(widget.item(1, 0)->checkState(), Qt::Checked);
    QCOMPARE(widget.item(2, 3)->text(), QString("var4"));
    QCOMPARE(widget.item(3, 3)->text(), QString());
    QCOMPARE(widget.item(3, 0)->checkState(), Qt::Checked);
    for (int column = 0; column < 5; ++column)
        QVERIFY(!widget.item(3, column)->flags().testFlag(Qt::ItemIsEditable));

    {
        const GridWidget::BulkChange bulk(widget);
        InsertRow_ASG(1, grid, true);
    }
    QCOMPARE(widget.item(0, 3)->text(), QString());
    QCOMPARE(widget.item(1, 3)->text(), QString("var1"));
    for (int column = 0; column < 5; ++column)
        QVERIFY(widget.item(0, column)->flags().testFlag(Qt::ItemIsEditable));
    QCOMPARE(widget.verticalHeaderItem(0)->text(), QString("1"));
}

void GridWidgetsTest::columnGridShowsYAndNAsCheckBoxes()
{
    ColumnGridWidget widget;
    widget.setupGrid(
        3, 40,
        {GridColumn{50, {}, true, false, {}}, GridColumn{300, QColor(224, 255, 255), false, false, {}}});
    ColumnGridAdapter grid(widget);

    QVERIFY(grid.isCheckBoxColumn(1));
    QVERIFY(!grid.isCheckBoxColumn(2));
    grid.setCellText(2, 3, "Inputs");
    InsertRow_ACG(2, grid, true);
    QCOMPARE(widget.item(1, 0)->text(), QString("Y"));
    QVERIFY(widget.isChecked(1, 2));
    QVERIFY(!widget.isChecked(1, 1));
    QCOMPARE(widget.item(2, 1)->text(), QString());

    widget.setChecked(1, 2, false);
    QCOMPARE(grid.cellText(1, 2), std::string("N"));
}

void GridWidgetsTest::clickTogglesOnlyEditableCheckBoxes()
{
    StringGridWidget strings;
    setUpStringGrid(strings);
    strings.show();
    QVERIFY(QTest::qWaitForWindowExposed(&strings));
    QSignalSpy toggled(&strings, &GridWidget::checkBoxToggled);

    const QPoint centre = strings.visualItemRect(strings.item(0, 0)).center();
    QTest::mouseClick(strings.viewport(), Qt::LeftButton, {}, centre);
    QVERIFY(strings.isChecked(1, 1));
    QCOMPARE(toggled.count(), 1);
    QCOMPARE(toggled.at(0), (QVariantList{1, 1, true}));

    strings.setReadOnly(1, 1, true);
    QTest::mouseClick(strings.viewport(), Qt::LeftButton, {}, centre);
    QVERIFY(strings.isChecked(1, 1));
    QCOMPARE(toggled.count(), 1);

    // A click beside the centred check box selects the cell only.
    const QRect cell = strings.visualItemRect(strings.item(1, 0));
    QTest::mouseClick(strings.viewport(), Qt::LeftButton, {}, cell.topLeft() + QPoint(2, 2));
    QVERIFY(!strings.isChecked(1, 2));

    ColumnGridWidget columns;
    columns.setupGrid(2, 40, {GridColumn{50, {}, true, false, {}}});
    columns.show();
    QVERIFY(QTest::qWaitForWindowExposed(&columns));
    QTest::mouseClick(columns.viewport(), Qt::LeftButton, {},
                      columns.visualItemRect(columns.item(1, 0)).center());
    QCOMPARE(columns.item(1, 0)->text(), QString("Y"));
}

void GridWidgetsTest::clickOnARowNumberSelectsTheWholeRow()
{
    StringGridWidget widget;
    setUpStringGrid(widget);
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));

    QHeaderView* numbers = widget.verticalHeader();
    QTest::mouseClick(numbers->viewport(), Qt::LeftButton, {},
                      QPoint(10, numbers->sectionViewportPosition(2) + 5));
    QVERIFY(widget.selectionModel()->isRowSelected(2, QModelIndex()));
    QCOMPARE(widget.selectedRow(), 3);
}

void GridWidgetsTest::pickingAnItemWritesTheCellAndTellsTheEditor()
{
    StringGridWidget widget;
    setUpStringGrid(widget);
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    QSignalSpy picked(&widget, &GridWidget::itemPicked);
    QSignalSpy edited(&widget, &GridWidget::cellEdited);

    widget.setCurrentCell(1, 1);
    widget.editItem(widget.item(1, 1));
    auto* list = qobject_cast<QComboBox*>(widget.indexWidget(widget.model()->index(1, 1)));
    QVERIFY(list);
    QCOMPARE(list->count(), 3);
    emit list->activated(2);

    QCOMPARE(widget.item(1, 1)->text(), QString("Int16"));
    QCOMPARE(picked.count(), 1);
    QCOMPARE(picked.at(0), (QVariantList{2, 2, QString("Int16")}));
    QVERIFY(!widget.indexWidget(widget.model()->index(1, 1)));
    QCOMPARE(edited.count(), 0);
}

void GridWidgetsTest::enterJumpsToTheNextCellAndWrapsWithTheOptionOn()
{
    AppState state;
    state.Enable_Jump_Field_Tables = true;
    StringGridWidget widget;
    setUpStringGrid(widget);
    connectSharedBehaviour(widget, state);
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));

    // Column 4 is the last visible one; the hidden column 5 is skipped.
    widget.setGridCurrentCell(4, 3);
    QTest::keyClick(&widget, Qt::Key_Return);
    QCOMPARE(widget.gridCurrentColumn(), 1);
    QCOMPARE(widget.gridCurrentRow(), 4);
    widget.setGridCurrentCell(4, 4);
    QTest::keyClick(&widget, Qt::Key_Enter);
    QCOMPARE(widget.gridCurrentColumn(), 1);
    QCOMPARE(widget.gridCurrentRow(), 1);
    QVERIFY(!widget.indexWidget(widget.currentIndex()));

    // Enter that ends the edit of a cell moves on as well.
    QSignalSpy edited(&widget, &GridWidget::cellEdited);
    widget.setGridCurrentCell(4, 2);
    widget.editItem(widget.item(1, 3));
    QWidget* editor = widget.indexWidget(widget.model()->index(1, 3));
    QVERIFY(editor);
    QTest::keyClicks(editor, "Speed");
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(edited.count(), 1);
    QCoreApplication::processEvents();
    QCOMPARE(edited.count(), 1);
    QCOMPARE(edited.at(0), (QVariantList{4, 2}));
    QCOMPARE(widget.item(1, 3)->text(), QString("Speed"));
    QTRY_COMPARE(widget.gridCurrentRow(), 3);
    QCOMPARE(widget.gridCurrentColumn(), 1);
}

void GridWidgetsTest::enterWithTheOptionOffOpensTheEditorAndEndsTheEdit()
{
    AppState state;
    StringGridWidget widget;
    setUpStringGrid(widget);
    connectSharedBehaviour(widget, state);
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    QSignalSpy edited(&widget, &GridWidget::cellEdited);

    widget.setGridCurrentCell(4, 2);
    QTest::keyClick(&widget, Qt::Key_Return);
    QWidget* editor = widget.indexWidget(widget.model()->index(1, 3));
    QVERIFY(editor);
    QTest::keyClicks(editor, "Level");
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_VERIFY(!widget.indexWidget(widget.model()->index(1, 3)));
    QCOMPARE(edited.count(), 1);
    QCOMPARE(widget.gridText(4, 2), QString("Level"));
    QCOMPARE(widget.gridCurrentColumn(), 4);
    QCOMPARE(widget.gridCurrentRow(), 2);
}

void GridWidgetsTest::doubleClickOnAHeaderFitsTheColumnWithTheOptionOn()
{
    AppState state;
    StringGridWidget widget;
    setUpStringGrid(widget);
    connectSharedBehaviour(widget, state);
    widget.setColumnHeader(4, "A rather long header text for the Name column");
    widget.setColumnWidth(3, 30);
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    QSignalSpy doubleClicked(&widget, &GridWidget::gridDoubleClicked);

    QHeaderView* header = widget.horizontalHeader();
    const QPoint onName(header->sectionViewportPosition(3) + 10, header->height() / 2);
    QTest::mouseDClick(header->viewport(), Qt::LeftButton, {}, onName);
    QCOMPARE(doubleClicked.count(), 1);
    QCOMPARE(doubleClicked.at(0), (QVariantList{4, 0}));
    QCOMPARE(widget.columnWidth(3), 30);

    state.Double_Click_Auto_Size = true;
    QTest::mouseDClick(widget.viewport(), Qt::LeftButton, {},
                       widget.visualItemRect(widget.item(0, 3)).center());
    QCOMPARE(widget.columnWidth(3), 30);
    QTest::mouseDClick(header->viewport(), Qt::LeftButton, {}, onName);
    QVERIFY(widget.columnWidth(3) > 200);
}

} // namespace cfq

QTEST_MAIN(cfq::GridWidgetsTest)
#include "GridWidgetsTest.moc"
