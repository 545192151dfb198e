// The process-data map beside the variable editor's grids: its cells match
// the Position and Start Bit cells, it follows every edit, tab and opening,
// and a click on it selects the variable's row.

#include "ethercat/ProcessDataMapWidget.h"

#include "VariableEditorFixture.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <memory>

namespace cfq {

using test::child;
using test::row;
using test::variableDocument;
using Cell = ProcessDataMapWidget::Cell;

namespace {

// Slave To Master columns.
constexpr int kEnable = 1;
constexpr int kType = 2;
constexpr int kName = 4;
constexpr int kPosition = 6;
constexpr int kStartBit = 7;

// The table row index holding a bit, -1 for an unused bit.
int indexAt(const ProcessDataMapWidget& map, Cell cell)
{
    const MappedVariable* variable = map.cellAt(cell);
    return variable ? variable->index : -1;
}

} // namespace

class ProcessDataMapViewTest : public test::VariableEditorFixture
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void cellsMatchThePositionAndStartBitOfEachVariable();
    void mapFollowsEditsTabsAndOpenings();
    void clickSelectsTheRowAndTheCurrentRowIsOutlined();
    void largestImageScrollsToItsLastByte();
    void languageChangeRelabelsTheMap();

private:
    // The centre of a cell, scrolled into view.
    QPoint centreOf(Cell cell)
    {
        m_map->scrollToByte(cell.byte);
        return m_map->cellRect(cell).center();
    }
    Cell placeOf(StringGridWidget* grid, int row, int positionColumn, int startBitColumn) const
    {
        return {grid->gridText(positionColumn, row).toLongLong(), grid->gridText(startBitColumn, row).toInt()};
    }

    ProcessDataMapWidget* m_map = nullptr;
};

void ProcessDataMapViewTest::init()
{
    createEditor();
    m_map = child<ProcessDataMapWidget>(m_dialog.get(), "ProcessDataMap");
    QVERIFY(m_map);
}

void ProcessDataMapViewTest::cleanup()
{
    destroyEditor();
}

void ProcessDataMapViewTest::cellsMatchThePositionAndStartBitOfEachVariable()
{
    test::writeFile(m_state->EtherCAT_Slave_Group_File,
                    "<G><Slave_to_Master><row Group_Name=\"Bits\" Num_Variables=\"2\"/>"
                    "<row Group_Name=\"Data\" Num_Variables=\"2\"/></Slave_to_Master><Master_to_Slave/></G>");
    open(variableDocument(row("Bool", "1", "ready") + row("Bool", "1", "alarm") + row("Int16", "2", "word") +
                          row("Bool", "1", "off", "", "N") + row("String", "4", "serial") + row("Bool", "1", "last")));

    // Every enabled row holds the cell its Position and Start Bit name, and
    // the cell under a point is the one drawn there.
    for (int gridRow : {1, 2, 3, 5, 6}) {
        const Cell place = placeOf(m_stm, gridRow, kPosition, kStartBit);
        QCOMPARE(indexAt(*m_map, place), gridRow - 1);
        QCOMPARE(m_map->hitTest(centreOf(place)), std::optional<Cell>(place));
        QCOMPARE(m_map->variableAt(centreOf(place))->index, gridRow - 1);
    }
    QCOMPARE(indexAt(*m_map, {0, 2}), -1);
    // The String of Length 4 fills five whole bytes, 3 to 7.
    for (int byte = 3; byte <= 7; ++byte) {
        QCOMPARE(indexAt(*m_map, {byte, 0}), 4);
        QCOMPARE(indexAt(*m_map, {byte, 7}), 4);
    }
    QCOMPARE(indexAt(*m_map, {8, 0}), 5);
    QCOMPARE(indexAt(*m_map, {8, 1}), -1);
    QCOMPARE(m_map->map().byteCount(), 9);
    QCOMPARE(child<QLabel>(m_dialog.get(), "L_MapSize")->text(), QStringLiteral("Size in bytes: 9"));
    // The disabled row is not drawn.
    for (const MappedVariable& variable : m_map->map().variables())
        QVERIFY(variable.index != 3);

    QCOMPARE(m_map->toolTipAt(centreOf({5, 3})),
             QStringLiteral("Name: serial\nType: String\nPosition: 3\nStart Bit: 0\nGroup: Data"));
    QCOMPARE(m_map->toolTipAt(centreOf({0, 1})),
             QStringLiteral("Name: alarm\nType: Bool\nPosition: 0\nStart Bit: 1\nGroup: Bits"));
    QCOMPARE(m_map->toolTipAt(centreOf({8, 1})), QString());
    // Header and byte-number column hold no cell.
    QCOMPARE(m_map->hitTest(QPoint(m_map->cellRect({0, 0}).left() - 1, m_map->cellRect({0, 0}).center().y())),
             std::nullopt);
}

void ProcessDataMapViewTest::mapFollowsEditsTabsAndOpenings()
{
    open(variableDocument(row("Bool", "1", "a") + row("Bool", "1", "b") + row("Bool", "1", "c") + row("Int8", "1", "d"),
                          row("UInt16", "2", "command")));
    QCOMPARE(indexAt(*m_map, {0, 2}), 2);

    // Unticking the middle Bool moves the third to bit 1.
    m_stm->toggleByUser(kEnable, 2);
    QCOMPARE(indexAt(*m_map, {0, 1}), 2);
    QCOMPARE(indexAt(*m_map, {0, 2}), -1);

    // A new Type takes whole bytes.
    m_stm->pickItem(kType, 1, QStringLiteral("Int32"));
    QCOMPARE(indexAt(*m_map, {3, 7}), 0);
    QCOMPARE(indexAt(*m_map, {4, 0}), 2);
    QCOMPARE(m_map->map().byteCount(), 6);

    // A new name shows at once.
    m_stm->setGridText(kName, 4, QStringLiteral("counter"));
    emit m_stm->cellEdited(kName, 4);
    QCOMPARE(m_map->cellAt({5, 0})->name, std::string("counter"));

    // A row without Type ends the table: the rows below leave the map.
    m_stm->setGridCurrentCell(kName, 2);
    child<QPushButton>(m_dialog.get(), "Btn_InsRow")->click();
    QCOMPARE(m_map->map().variables().size(), std::size_t(1));

    // The other tab shows its own direction.
    child<QTabWidget>(m_dialog.get(), "PageControl1")->setCurrentIndex(1);
    QCOMPARE(m_map->cellAt({1, 7})->name, std::string("command"));
    child<QTabWidget>(m_dialog.get(), "PageControl1")->setCurrentIndex(0);
    QCOMPARE(m_map->cellAt({0, 0})->name, std::string("a"));

    // Cancel and open again: the map shows the document, not the edits.
    m_dialog->reject();
    open(variableDocument(row("Float32", "4", "weight")));
    QCOMPARE(m_map->cellAt({3, 0})->name, std::string("weight"));
    QCOMPARE(m_map->map().byteCount(), 4);
}

void ProcessDataMapViewTest::clickSelectsTheRowAndTheCurrentRowIsOutlined()
{
    open(variableDocument(row("Array", "40", "block") + row("Bool", "1", "flag") + row("Int8", "1", "count"),
                          row("Int8", "1", "first") + row("Int8", "1", "second")));
    m_stm->setGridCurrentCell(kName, 1);

    // The Int8 sits at byte 41, far below the first lines.
    QTest::mouseClick(m_map->viewport(), Qt::LeftButton, {}, centreOf({41, 4}));
    QCOMPARE(m_stm->gridCurrentRow(), 3);
    QCOMPARE(m_stm->gridCurrentColumn(), kName);
    QCOMPARE(m_map->currentIndex(), 2);
    // An unused bit selects nothing.
    QTest::mouseClick(m_map->viewport(), Qt::LeftButton, {}, centreOf({40, 5}));
    QCOMPARE(m_stm->gridCurrentRow(), 3);

    // Choosing a row in the grid outlines its variable and brings it into
    // view.
    m_map->verticalScrollBar()->setValue(0);
    m_stm->setGridCurrentCell(kName, 2);
    QCOMPARE(m_map->currentIndex(), 1);
    QCOMPARE(m_map->hitTest(m_map->cellRect({40, 0}).center()), std::optional<Cell>(Cell{40, 0}));

    // On the other tab a click selects in that tab's grid.
    child<QTabWidget>(m_dialog.get(), "PageControl1")->setCurrentIndex(1);
    QTest::mouseClick(m_map->viewport(), Qt::LeftButton, {}, centreOf({1, 0}));
    QCOMPARE(m_mts->gridCurrentRow(), 2);
    QCOMPARE(m_stm->gridCurrentRow(), 2);
    QCOMPARE(m_map->currentIndex(), 1);
}

void ProcessDataMapViewTest::largestImageScrollsToItsLastByte()
{
    std::string rows;
    for (int index = 0; index < 256; ++index)
        rows += row("String", "255", "text_" + std::to_string(index + 1));
    open(variableDocument(rows));
    QCOMPARE(m_map->map().byteCount(), 256 * 256);
    QCOMPARE(m_map->verticalScrollBar()->maximum() + m_map->verticalScrollBar()->pageStep(), 256 * 256);

    m_map->verticalScrollBar()->setValue(m_map->verticalScrollBar()->maximum());
    const QPoint last = m_map->cellRect({256 * 256 - 1, 7}).center();
    QCOMPARE(m_map->hitTest(last), std::optional<Cell>(Cell{256 * 256 - 1, 7}));
    QCOMPARE(m_map->variableAt(last)->name, std::string("text_256"));
    QVERIFY(!m_map->grab().isNull());
}

void ProcessDataMapViewTest::languageChangeRelabelsTheMap()
{
    open(variableDocument(row("Int8", "1", "x")));
    m_state->Text_Table.set(1080, "Prozessdatenabbild");
    m_state->Text_Table.set(1081, "Bytes: ");
    m_state->Text_Table.set(1019, "Bezeichnung");
    m_dialog->Set_Lang();
    QCOMPARE(child<QLabel>(m_dialog.get(), "L_Map")->text(), QStringLiteral("Prozessdatenabbild"));
    QCOMPARE(child<QLabel>(m_dialog.get(), "L_MapSize")->text(), QStringLiteral("Bytes: 1"));
    QVERIFY(m_map->toolTipAt(centreOf({0, 0})).startsWith(QStringLiteral("Bezeichnung: x\n")));
}

} // namespace cfq

QTEST_MAIN(cfq::ProcessDataMapViewTest)
#include "ProcessDataMapViewTest.moc"
