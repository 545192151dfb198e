// The variable editor's Import CSV and Export CSV: the active tab's table to
// and from a CSV file, replaced only after the question, saved only by OK.

#include "VariableEditorFixture.h"

#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <memory>

namespace cfq {

using test::child;
using Shown = test::RecordingMessages::Shown;
using Kind = test::RecordingMessages::Kind;

namespace {

// Slave To Master columns.
constexpr int kEnable = 1;
constexpr int kType = 2;
constexpr int kLength = 3;
constexpr int kName = 4;
constexpr int kPosition = 6;
constexpr int kStartBit = 7;
constexpr int kGroup = 8;

const std::string kDocument =
    "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master>"
    "<row Enable=\"Y\" Type=\"Int32\" Length=\"4\" Name=\"Old_1\" InitValue=\"\"/>"
    "<row Enable=\"Y\" Type=\"Int32\" Length=\"4\" Name=\"Old_2\" InitValue=\"\"/>"
    "<row Enable=\"Y\" Type=\"Int32\" Length=\"4\" Name=\"Old_3\" InitValue=\"\"/>"
    "</EtherCAT_Slave_To_Master><EtherCAT_Master_To_Slave>"
    "<row Enable=\"Y\" Type=\"UInt16\" Length=\"2\" Name=\"Command\"/>"
    "</EtherCAT_Master_To_Slave></EtherCAT_Slave_Variables></EtherCAT_Slave>";

const std::string kGroups = "<Root><Slave_to_Master><row Group_Name=\"Inputs\" Num_Variables=\"2\" Mnemonic=\"\"/>"
                            "</Slave_to_Master><Master_to_Slave/></Root>";

} // namespace

class UEtherCATSlaveCsvTest : public test::VariableEditorFixture
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void importReplacesTheActiveTableAfterYesAndOnlyOkSavesIt();
    void faultyFileShowsTheLineAndReasonAndChangesNothing();
    void exportWritesTheActiveTabAndAsksBeforeReplacingAFile();

private:
    QString text(int column, int row) const { return m_stm->gridText(column, row); }
    void click(const char* button) { child<QPushButton>(m_dialog.get(), button)->click(); }
    QStringList namesOfFirstRows(int count) const
    {
        QStringList names;
        for (int row = 1; row <= count; ++row)
            names << text(kName, row);
        return names;
    }
};

void UEtherCATSlaveCsvTest::init()
{
    createEditor();
    test::writeFile(m_state->EtherCAT_Slave_Group_File, kGroups);
    open(kDocument);
    QCOMPARE(m_messages.takeShown().size(), 0u);
}

void UEtherCATSlaveCsvTest::cleanup()
{
    destroyEditor();
}

void UEtherCATSlaveCsvTest::importReplacesTheActiveTableAfterYesAndOnlyOkSavesIt()
{
    test::writeFile(*m_dir / "io.csv", "\xEF\xBB\xBF"
                                       "Enable,Type,Length,Name,InitValue,Mnemonic\r\n"
                                       "Y,bool,1,\"Run, fast\",,\r\n"
                                       "Y,String,4,Serial,AB,\r\n");
    m_messages.answerFileDialog(*m_dir / "io.csv");
    m_messages.answerQuestion(false);
    click("Btn_ImportCsv");
    QCOMPARE(m_messages.lastOpenRequest().initialFolder, m_dir->path());
    const std::vector<Shown> question = {
        {Kind::OpenDialog, "CSV File (*.csv)|*.csv"},
        {Kind::Question, "The table of this tab will be replaced by the 2 variables of the file. Continue?"}};
    QCOMPARE(m_messages.takeShown(), question);
    QCOMPARE(namesOfFirstRows(3), QStringList({"Old_1", "Old_2", "Old_3"}));

    m_messages.answerFileDialog(*m_dir / "io.csv");
    m_messages.answerQuestion(true);
    click("Btn_ImportCsv");
    QCOMPARE(namesOfFirstRows(3), QStringList({"Run, fast", "Serial", ""}));
    QCOMPARE(text(kType, 1), QStringLiteral("Bool"));
    QCOMPARE(text(kLength, 2), QStringLiteral("4"));
    QCOMPARE(text(kPosition, 2) + "/" + text(kStartBit, 2), QStringLiteral("1/0"));
    QCOMPARE(text(kGroup, 1), QStringLiteral("Inputs"));
    QCOMPARE(text(kGroup, 2), QStringLiteral("Inputs"));
    QVERIFY(m_stm->isReadOnly(kLength, 1));
    QVERIFY(!m_stm->isReadOnly(kLength, 2));
    QVERIFY(!m_stm->isReadOnly(kLength, 3));
    QVERIFY(m_stm->isChecked(kEnable, 3));
    QCOMPARE(test::readFile(m_state->EtherCAT_Slave_File), kDocument);

    m_messages.takeShown();
    click("Btn_OK");
    QCOMPARE(m_messages.takeShown().size(), 0u);
    const std::string saved = test::readFile(m_state->EtherCAT_Slave_File);
    QVERIFY(saved.find("Name=\"Run, fast\"") != std::string::npos);
    QVERIFY(saved.find("Old_1") == std::string::npos);
    QVERIFY(saved.find("Name=\"Command\"") != std::string::npos);
}

void UEtherCATSlaveCsvTest::faultyFileShowsTheLineAndReasonAndChangesNothing()
{
    test::writeFile(*m_dir / "bad.csv", "Type;Name\nInt8;A\nArray;B\n");
    m_messages.answerFileDialog(*m_dir / "bad.csv");
    click("Btn_ImportCsv");
    test::writeFile(*m_dir / "unclosed.csv", "Type;Name\nInt8;\"A\n");
    m_messages.answerFileDialog(*m_dir / "unclosed.csv");
    click("Btn_ImportCsv");
    m_messages.answerFileDialog(*m_dir / "missing.csv");
    click("Btn_ImportCsv");

    const std::vector<Shown> shown = m_messages.takeShown();
    QCOMPARE(shown.size(), 6u);
    QCOMPARE(shown[1], (Shown{Kind::Error, "The CSV file was not imported. Line 3: the Length of an Array or a "
                                           "String must be a whole number from 1 to 255, not \"\""}));
    QCOMPARE(shown[3],
             (Shown{Kind::Error, "The CSV file was not imported. Line 2: a quoted field is not closed"}));
    QCOMPARE(shown[5].kind, Kind::Error);
    QVERIFY(shown[5].text.find("missing.csv") != std::string::npos);
    QCOMPARE(namesOfFirstRows(3), QStringList({"Old_1", "Old_2", "Old_3"}));
}

void UEtherCATSlaveCsvTest::exportWritesTheActiveTabAndAsksBeforeReplacingAFile()
{
    child<QTabWidget>(m_dialog.get(), "PageControl1")->setCurrentIndex(1);
    const std::filesystem::path target = *m_dir / "out.csv";
    const std::string exported = "\xEF\xBB\xBF"
                                 "Enable;Type;Length;Name;Mnemonic;Position;StartBit;Group\r\n"
                                 "Y;UInt16;2;Command;;0;0;\r\n";
    m_messages.answerFileDialog(target);
    click("Btn_ExportCsv");
    QCOMPARE(m_messages.lastSaveRequest().defaultExtension, std::string("csv"));
    QCOMPARE(test::readFile(target), exported);

    test::writeFile(target, "kept");
    m_messages.answerFileDialog(target);
    m_messages.answerQuestion(false);
    click("Btn_ExportCsv");
    QCOMPARE(test::readFile(target), std::string("kept"));
    m_messages.answerFileDialog(target);
    m_messages.answerQuestion(true);
    click("Btn_ExportCsv");
    QCOMPARE(test::readFile(target), exported);
    QCOMPARE(m_messages.takeShown().back(), (Shown{Kind::Question, "File already exists. Do you want to overwrite?"}));
}

} // namespace cfq

QTEST_MAIN(cfq::UEtherCATSlaveCsvTest)
#include "UEtherCATSlaveCsvTest.moc"
