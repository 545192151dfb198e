// The variable editor: live placement and groups while the user edits, the
// row commands, validation and save on OK, loading, language changes and the
// shared Enter and double-click behaviour.

#include "VariableEditorFixture.h"

#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <memory>

namespace cfq {

using test::child;
using test::row;
using test::variableDocument;
using Shown = test::RecordingMessages::Shown;
using Kind = test::RecordingMessages::Kind;

namespace {

// Slave To Master columns.
constexpr int kEnable = 1;
constexpr int kType = 2;
constexpr int kLength = 3;
constexpr int kName = 4;
constexpr int kInitValue = 5;
constexpr int kPosition = 6;
constexpr int kStartBit = 7;
constexpr int kGroup = 8;

} // namespace

class UEtherCATSlaveTest : public test::VariableEditorFixture
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void gridsAreLaidOutWithTheirColumnsAndHints();
    void pickingATypeSetsTheLengthAndItsEditability();
    void untickingTheMiddleOfThreeBoolsMovesTheThirdAndEmptiesTheMiddleGroup();
    void leavingAnEditedStringLengthReplacesTheRowsBelow();
    void okRefusesTheFirstBrokenRuleAndSavesOtherwise();
    void insertedRowWithoutTypeIsRefusedAndNothingIsLost();
    void deleteAsksWithTheRowNumberAndReplaces();
    void moveSwapsTicksAndTextsButNotTheReadOnlyCells();
    void pastedArrayRowKeepsItsLengthAndEditability();
    void brokenDocumentShowsTheErrorAndOpensEmpty();
    void failedSaveKeepsTheDialogOpen();
    void languageChangeRelabelsBothGrids();
    void enterJumpsAndHeaderDoubleClickFitsWithTheOptionsOn();

private:
    QString text(int column, int row) const { return m_stm->gridText(column, row); }
    void pickType(StringGridWidget* grid, int row, const char* type)
    {
        grid->pickItem(kType, row, QString::fromLatin1(type));
    }
    void editCell(StringGridWidget* grid, int column, int row, const char* value)
    {
        grid->setGridText(column, row, QString::fromLatin1(value));
        emit grid->cellEdited(column, row);
    }
    void click(const char* button) { child<QPushButton>(m_dialog.get(), button)->click(); }
    void selectTab(int index) { child<QTabWidget>(m_dialog.get(), "PageControl1")->setCurrentIndex(index); }
};

void UEtherCATSlaveTest::init()
{
    createEditor();
}

void UEtherCATSlaveTest::cleanup()
{
    destroyEditor();
}

void UEtherCATSlaveTest::gridsAreLaidOutWithTheirColumnsAndHints()
{
    QCOMPARE(m_dialog->size(), QSize(1200, 337));
    QCOMPARE(m_stm->gridRowCount(), 257);
    QCOMPARE(m_stm->gridColumnCount(), 10);
    QCOMPARE(m_mts->gridColumnCount(), 9);
    QCOMPARE(m_stm->gridText(kInitValue, 0), QStringLiteral("Init Value"));
    QCOMPARE(m_mts->gridText(5, 0), QStringLiteral("Position"));
    QCOMPARE(m_mts->gridText(7, 0), QStringLiteral("Group"));
    QCOMPARE(m_stm->columnWidth(kName - 1), 280);
    QCOMPARE(m_stm->gridColumn(kInitValue).background, QColor(168, 255, 168));
    QCOMPARE(m_mts->gridColumn(5).background, QColor(252, 214, 244));
    QCOMPARE(m_stm->gridColumn(kType).items.size(), 10);
    QCOMPARE(m_stm->gridColumn(kType).items.last(), QStringLiteral("String"));
    QCOMPARE(m_dialog->Hint_StM.size(), 9);
    QCOMPARE(m_dialog->Hint_MtS.size(), 8);
    QCOMPARE(m_dialog->Hint_MtS[6], QStringLiteral("Select the Group of EtherCAT Slave Variable"));
    QCOMPARE(m_stm->horizontalHeaderItem(kPosition - 1)->toolTip(),
             QStringLiteral("Internal array Position of EtherCAT Slave Variable (read only)"));
    // No document: every row ticked and empty, the computed cells read-only.
    QVERIFY(m_stm->isChecked(kEnable, 256) && m_mts->isChecked(kEnable, 1));
    QVERIFY(m_stm->isReadOnly(kGroup, 1) && !m_stm->isReadOnly(kName, 1));
    QVERIFY(m_messages.takeShown().empty());
}

void UEtherCATSlaveTest::pickingATypeSetsTheLengthAndItsEditability()
{
    pickType(m_stm, 1, "Int16");
    QCOMPARE(text(kLength, 1), QStringLiteral("2"));
    QVERIFY(m_stm->isReadOnly(kLength, 1));
    pickType(m_stm, 2, "Bool");
    QCOMPARE(text(kPosition, 2), QStringLiteral("2"));

    pickType(m_stm, 1, "Array");
    QCOMPARE(text(kType, 1), QStringLiteral("Array"));
    QCOMPARE(text(kLength, 1), QStringLiteral("10"));
    QVERIFY(!m_stm->isReadOnly(kLength, 1));
    QCOMPARE(text(kPosition, 2), QStringLiteral("10"));
}

void UEtherCATSlaveTest::untickingTheMiddleOfThreeBoolsMovesTheThirdAndEmptiesTheMiddleGroup()
{
    test::writeFile(m_state->EtherCAT_Slave_Group_File,
                    "<G><Slave_to_Master><row Group_Name=\"Bits\" Num_Variables=\"3\"/></Slave_to_Master>"
                    "<Master_to_Slave/></G>");
    open(variableDocument(row("Bool", "1", "a") + row("Bool", "1", "b") + row("Bool", "1", "c")));
    QCOMPARE(text(kStartBit, 3), QStringLiteral("2"));
    QCOMPARE(text(kGroup, 2), QStringLiteral("Bits"));
    QCOMPARE(text(kGroup, 4), QStringLiteral(""));

    m_stm->toggleByUser(kEnable, 2);
    QCOMPARE(text(kPosition, 3), QStringLiteral("0"));
    QCOMPARE(text(kStartBit, 3), QStringLiteral("1"));
    QCOMPARE(text(kGroup, 2), QString());
    QCOMPARE(text(kGroup, 3), QStringLiteral("Bits"));
    // The group claims the next enabled row, past the end of the table.
    QCOMPARE(text(kGroup, 4), QStringLiteral("Bits"));
}

void UEtherCATSlaveTest::leavingAnEditedStringLengthReplacesTheRowsBelow()
{
    open(variableDocument(row("String", "10", "s") + row("Int8", "1", "i") + row("UInt16", "2", "u")));
    QCOMPARE(text(kPosition, 2), QStringLiteral("11"));
    editCell(m_stm, kLength, 1, "4");
    QCOMPARE(text(kPosition, 2), QStringLiteral("5"));
    QCOMPARE(text(kPosition, 3), QStringLiteral("6"));
    // Another column changes no place.
    m_stm->setGridText(kLength, 1, QStringLiteral("20"));
    emit m_stm->cellEdited(kName, 1);
    QCOMPARE(text(kPosition, 2), QStringLiteral("5"));
}

void UEtherCATSlaveTest::okRefusesTheFirstBrokenRuleAndSavesOtherwise()
{
    struct Case
    {
        const char* name;
        std::string slaveToMaster;
        std::string masterToSlave;
        std::string message; // empty: saved
    };
    const std::string first = row("Int8", "1", "first");
    const std::vector<Case> cases = {
        {"odd init value", first + row("Array", "2", "a", "0A1"), "",
         "Error row 2!! [Slave to Master] Init Value the number of characters must be even"},
        {"init value longer than Length", first + row("Array", "1", "a", "0a1b"), "",
         "Error row 2!! [Slave to Master] Init Value the number of byte must be equal or minor of Length"},
        {"not hexadecimal", row("Array", "1", "a", "0G"), "",
         "Error row 1!! [Slave to Master] Init Value one or more characters is not admited. Use 0..9 and A..F"},
        {"array length 0", row("Array", "0", "a"), "",
         "Error row 1!! [Slave to Master] Length must be beetween 1 and 255"},
        {"string too long", first + row("String", "3", "s", "abcd"), "",
         "Error row 2!! [Slave to Master] Init Value the dimension of string must be equal or minor of Length"},
        {"master to slave length 300", first, row("String", "300", "s"),
         "Error row 1!! [Master to Slave] Length must be beetween 1 and 255"},
        {"valid init value", row("Array", "2", "a", "0a1b"), "", ""},
        {"disabled array of length 0", row("Array", "0", "a", "", "N"), row("Array", "0", "b", "", "N"), ""},
    };
    for (const Case& test : cases) {
        const std::string stored = variableDocument(test.slaveToMaster, test.masterToSlave);
        open(stored);
        m_dialog->Btn_OKClick();
        if (test.message.empty()) {
            QVERIFY2(m_messages.takeShown().empty(), test.name);
            QVERIFY2(!m_dialog->isVisible(), test.name);
            QVERIFY2(test::readFile(m_state->EtherCAT_Slave_File) != stored, test.name);
        } else {
            QCOMPARE(m_messages.takeShown(), (std::vector<Shown>{{Kind::Error, test.message}}));
            QVERIFY2(m_dialog->isVisible(), test.name);
            QVERIFY2(test::readFile(m_state->EtherCAT_Slave_File) == stored, test.name);
        }
    }
}

void UEtherCATSlaveTest::insertedRowWithoutTypeIsRefusedAndNothingIsLost()
{
    const std::string stored = variableDocument(row("Int8", "1", "a") + row("Int16", "2", "b") + row("Bool", "1", "c"));
    open(stored);
    m_stm->setGridCurrentCell(kName, 2);
    click("Btn_InsRow");
    QCOMPARE(text(kName, 2), QString());
    QVERIFY(m_stm->isChecked(kEnable, 2));
    QVERIFY(!m_stm->isReadOnly(kLength, 2));
    QVERIFY(m_stm->isReadOnly(kPosition, 2));
    QCOMPARE(text(kName, 3), QStringLiteral("b"));
    QVERIFY(m_stm->isReadOnly(kLength, 3));

    m_dialog->Btn_OKClick();
    QCOMPARE(m_messages.takeShown(),
             (std::vector<Shown>{{Kind::Error, "Error row 2!! [Slave to Master] Select the Type of this row or delete it"}}));
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(test::readFile(m_state->EtherCAT_Slave_File), stored);

    pickType(m_stm, 2, "UInt32");
    QCOMPARE(text(kPosition, 3), QStringLiteral("5"));
    m_dialog->Btn_OKClick();
    QVERIFY(m_messages.takeShown().empty());
    const std::string saved = test::readFile(m_state->EtherCAT_Slave_File);
    QVERIFY(saved.find("Type=\"UInt32\"") != std::string::npos);
    QVERIFY(saved.find("Name=\"c\" InitValue=\"\" Position=\"7\"") != std::string::npos);
}

void UEtherCATSlaveTest::deleteAsksWithTheRowNumberAndReplaces()
{
    open(variableDocument(row("Int32", "4", "a") + row("Int8", "1", "b") + row("Int8", "1", "c")));
    m_stm->setGridCurrentCell(kName, 1);
    m_messages.answerQuestion(false);
    click("Btn_DelRow");
    QCOMPARE(m_messages.takeShown(),
             (std::vector<Shown>{{Kind::Question, "Are you sure to delete the Row number 1"}}));
    QCOMPARE(text(kName, 1), QStringLiteral("a"));

    m_messages.answerQuestion(true);
    click("Btn_DelRow");
    m_messages.takeShown();
    QCOMPARE(text(kName, 1), QStringLiteral("b"));
    QCOMPARE(text(kPosition, 2), QStringLiteral("1"));
    QVERIFY(m_stm->isChecked(kEnable, 256));
}

void UEtherCATSlaveTest::moveSwapsTicksAndTextsButNotTheReadOnlyCells()
{
    pickType(m_stm, 255, "Int16");
    m_stm->setGridText(kName, 255, QStringLiteral("upper"));
    pickType(m_stm, 256, "Array");
    m_stm->setGridText(kName, 256, QStringLiteral("lower"));
    m_stm->toggleByUser(kEnable, 256);

    m_stm->setGridCurrentCell(kName, 255);
    click("Btn_MoveDown");
    QCOMPARE(text(kName, 256), QStringLiteral("upper"));
    QCOMPARE(text(kLength, 256), QStringLiteral("2"));
    QVERIFY(m_stm->isChecked(kEnable, 256));
    QCOMPARE(text(kName, 255), QStringLiteral("lower"));
    QVERIFY(!m_stm->isChecked(kEnable, 255));
    QVERIFY(m_stm->isReadOnly(kLength, 255));
    QVERIFY(!m_stm->isReadOnly(kLength, 256));
    QCOMPARE(m_stm->selectedRow(), 256);

    click("Btn_MoveDown");
    QCOMPARE(text(kName, 256), QStringLiteral("upper"));
    QCOMPARE(m_stm->selectedRow(), 256);
    click("Btn_MoveUp");
    QCOMPARE(text(kName, 255), QStringLiteral("upper"));
    QCOMPARE(m_stm->selectedRow(), 255);
}

void UEtherCATSlaveTest::pastedArrayRowKeepsItsLengthAndEditability()
{
    open(variableDocument(row("Array", "20", "blob") + row("Int16", "2", "word") + row("Int8", "1", "byte")));
    m_stm->setGridCurrentCell(kName, 1);
    click("Btn_CopyRow");

    selectTab(1);
    click("Btn_PasteRow");
    QCOMPARE(m_messages.takeShown(),
             (std::vector<Shown>{{Kind::Error, "Error!!! Copy a valid row before Paste it"}}));
    selectTab(0);

    m_stm->setGridCurrentCell(kName, 2);
    m_messages.answerQuestion(true);
    click("Btn_PasteRow");
    QCOMPARE(m_messages.takeShown(),
             (std::vector<Shown>{{Kind::Question, "Row Already used. Do you want to overwrite the values?"}}));
    QCOMPARE(text(kType, 2), QStringLiteral("Array"));
    QCOMPARE(text(kLength, 2), QStringLiteral("20"));
    QVERIFY(!m_stm->isReadOnly(kLength, 2));
    QCOMPARE(text(kPosition, 3), QStringLiteral("40"));
}

void UEtherCATSlaveTest::brokenDocumentShowsTheErrorAndOpensEmpty()
{
    open(variableDocument(row("Int8", "1", "a")));
    QCOMPARE(text(kName, 1), QStringLiteral("a"));
    open("<EtherCAT_Slave><unclosed>");
    const std::vector<Shown> shown = m_messages.takeShown();
    QCOMPARE(shown.size(), std::size_t(1));
    QCOMPARE(shown[0].kind, Kind::Error);
    QVERIFY(shown[0].text.find("EtherCAT_Slave.xml") != std::string::npos);
    QCOMPARE(text(kName, 1), QString());
    QCOMPARE(text(kType, 1), QString());
}

void UEtherCATSlaveTest::failedSaveKeepsTheDialogOpen()
{
    m_state->EtherCAT_Slave_File = *m_dir / "missing-folder" / "EtherCAT_Slave.xml";
    pickType(m_stm, 1, "Int8");
    m_dialog->Btn_OKClick();
    const std::vector<Shown> shown = m_messages.takeShown();
    QCOMPARE(shown.size(), std::size_t(1));
    QCOMPARE(shown[0].kind, Kind::Error);
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(text(kType, 1), QStringLiteral("Int8"));
}

void UEtherCATSlaveTest::languageChangeRelabelsBothGrids()
{
    m_state->Text_Table.set(1016, "Typ");
    m_state->Text_Table.set(1038, "Datentyp");
    m_state->Text_Table.set(1061, "Gruppe der Variable");
    m_state->Text_Table.set(1050, "Beschreibung");
    m_dialog->Set_Lang();
    QCOMPARE(m_stm->gridText(kType, 0), QStringLiteral("Typ"));
    QCOMPARE(m_mts->gridText(kType, 0), QStringLiteral("Datentyp"));
    QCOMPARE(m_stm->gridText(kLength, 0), QStringLiteral("Length"));
    QCOMPARE(m_dialog->Hint_StM[kGroup - 1], QStringLiteral("Gruppe der Variable"));
    QCOMPARE(m_mts->horizontalHeaderItem(7)->toolTip(), QStringLiteral("Beschreibung"));
}

void UEtherCATSlaveTest::enterJumpsAndHeaderDoubleClickFitsWithTheOptionsOn()
{
    m_state->Enable_Jump_Field_Tables = true;
    m_state->Double_Click_Auto_Size = true;
    m_stm->setGridCurrentCell(9, 256);
    QTest::keyClick(m_stm, Qt::Key_Return);
    QCOMPARE(m_stm->gridCurrentRow(), 1);
    QCOMPARE(m_stm->gridCurrentColumn(), 1);

    m_mts->setGridText(kName, 1, QStringLiteral("A rather long variable name that needs a wide column to show"));
    const int before = m_mts->columnWidth(kName - 1);
    emit m_mts->gridDoubleClicked(kName, 0);
    QVERIFY(m_mts->columnWidth(kName - 1) > before);
}

} // namespace cfq

QTEST_MAIN(cfq::UEtherCATSlaveTest)
#include "UEtherCATSlaveTest.moc"
