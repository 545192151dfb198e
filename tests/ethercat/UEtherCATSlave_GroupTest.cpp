// The group editor: loading at every showing, validation and save on OK, and
// the row commands with their questions and refusals.

#include "ethercat/UEtherCATSlave_Group.h"

#include "app/AppState.h"
#include "gridkit/ColumnGridWidget.h"
#include "support/GuiTestSupport.h"
#include "support/RecordingMessages.h"
#include "support/TempDir.h"

#include <QTabWidget>
#include <QTest>
#include <memory>

namespace cfq {

using test::child;
using Shown = test::RecordingMessages::Shown;
using Kind = test::RecordingMessages::Kind;

namespace {

constexpr char kEmptyDocument[] = "<PROFINET_Master_to_Modbus_TCP_Master><Slave_to_Master/><Master_to_Slave/>"
                                  "</PROFINET_Master_to_Modbus_TCP_Master><!--SW_VERSION = 1.001-->";

} // namespace

class UEtherCATSlave_GroupTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void okWithBothGridsEmptyWritesTwoEmptyDirectionsAndCloses();
    void everyShowingReloadsTheDocumentAndDropsAbandonedEdits();
    void okRefusesTheFirstBadGroupSizeAndKeepsTheDialogOpen();
    void pasteOnTheOtherTabIsRefused();
    void deleteAsksWithTheRowNumberAndMovesTheRowsUp();
    void insertPushesTheRowsDownAndLeavesTheNewRowEmpty();

private:
    void setRow(ColumnGridWidget* grid, int row, const char* name, const char* size)
    {
        grid->setGridText(1, row, QString::fromLatin1(name));
        grid->setGridText(2, row, QString::fromLatin1(size));
    }
    void selectTab(int index) { child<QTabWidget>(m_dialog.get(), "PageControl1")->setCurrentIndex(index); }

    std::unique_ptr<test::TempDir> m_dir;
    std::unique_ptr<AppState> m_state;
    test::RecordingMessages m_messages;
    std::unique_ptr<TFEtherCATSlave_Group> m_dialog;
    ColumnGridWidget* m_stm = nullptr;
    ColumnGridWidget* m_mts = nullptr;
};

void UEtherCATSlave_GroupTest::init()
{
    m_dir = std::make_unique<test::TempDir>();
    m_state = std::make_unique<AppState>();
    m_state->Text_Table.Init_Text_Table();
    m_state->SW_Code = "CFQ4410";
    m_state->Project_Path = m_dir->path();
    m_state->EtherCAT_Slave_Group_File = *m_dir / "EtherCAT_Slave_Group.xml";
    m_messages.takeShown();
    m_dialog = std::make_unique<TFEtherCATSlave_Group>(*m_state, Services{m_messages, {}}, nullptr);
    m_stm = child<ColumnGridWidget>(m_dialog.get(), "ACG_Group_StoM");
    m_mts = child<ColumnGridWidget>(m_dialog.get(), "ACG_Group_MtoS");
    QVERIFY(m_stm && m_mts);
    m_dialog->show();
}

void UEtherCATSlave_GroupTest::cleanup()
{
    m_dialog.reset();
    m_state.reset();
    m_dir.reset();
}

void UEtherCATSlave_GroupTest::okWithBothGridsEmptyWritesTwoEmptyDirectionsAndCloses()
{
    QCOMPARE(m_dialog->size(), QSize(800, 337));
    QCOMPARE(m_stm->gridRowCount(), 17);
    QCOMPARE(m_stm->gridText(2, 0), QStringLiteral("Num Variables"));
    QCOMPARE(m_mts->columnWidth(0), 300);

    m_dialog->Btn_OKClick();
    QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
    QCOMPARE(test::readFile(m_state->EtherCAT_Slave_Group_File), std::string(kEmptyDocument));
    QVERIFY(m_messages.takeShown().empty());
}

void UEtherCATSlave_GroupTest::everyShowingReloadsTheDocumentAndDropsAbandonedEdits()
{
    m_dialog->hide();
    test::writeFile(m_state->EtherCAT_Slave_Group_File,
                    "<Other><Slave_to_Master><row Group_Name=\"Inputs\" Num_Variables=\"007\" Mnemonic=\"m\"/>"
                    "</Slave_to_Master><Master_to_Slave><row Group_Name=\"Out\" Num_Variables=\"4\"/>"
                    "</Master_to_Slave></Other>");
    m_dialog->show();
    QCOMPARE(m_stm->gridText(1, 1), QStringLiteral("Inputs"));
    QCOMPARE(m_stm->gridText(2, 1), QStringLiteral("007"));
    QCOMPARE(m_stm->gridText(3, 1), QStringLiteral("m"));
    QCOMPARE(m_mts->gridText(1, 1), QStringLiteral("Out"));

    setRow(m_stm, 2, "Abandoned", "1");
    m_dialog->reject();
    m_dialog->show();
    QCOMPARE(m_stm->gridText(1, 2), QString());
}

void UEtherCATSlave_GroupTest::okRefusesTheFirstBadGroupSizeAndKeepsTheDialogOpen()
{
    struct Case
    {
        const char* name;
        bool masterToSlave;
        std::vector<const char*> sizes;
        std::string message; // empty: accepted
    };
    const std::string stmRange = "!! [Slave to Master] Num Variables must be beetween 1 and 256";
    const std::string mtsRange = "!! [Master to Slave] Num Variables must be beetween 1 and 256";
    const std::vector<Case> cases = {
        {"zero", false, {"3", "0"}, "Error row 2" + stmRange},
        {"above 256", false, {"257"}, "Error row 1" + stmRange},
        {"no number", true, {"abc"}, "Error row 1" + mtsRange},
        {"sixteen of 16", false, std::vector<const char*>(16, "16"), ""},
        {"total 257", true, {"16", "16", "16", "16", "16", "16", "16", "16", "16", "16", "16", "16", "16", "16", "16",
                             "17"},
         "Error!! [Master to Slave] Num Variables in total must be minor or equal to 256"},
        {"leading zeros", false, {"007"}, ""},
    };
    for (const Case& test : cases) {
        std::filesystem::remove(m_state->EtherCAT_Slave_Group_File);
        m_dialog->show();
        ColumnGridWidget* grid = test.masterToSlave ? m_mts : m_stm;
        for (std::size_t i = 0; i < test.sizes.size(); ++i)
            setRow(grid, static_cast<int>(i) + 1, "Group", test.sizes[i]);
        m_dialog->Btn_OKClick();
        if (test.message.empty()) {
            QVERIFY2(m_messages.takeShown().empty(), test.name);
            QVERIFY2(!m_dialog->isVisible(), test.name);
        } else {
            QCOMPARE(m_messages.takeShown(), (std::vector<Shown>{{Kind::Error, test.message}}));
            QVERIFY2(m_dialog->isVisible(), test.name);
            QVERIFY2(!std::filesystem::exists(m_state->EtherCAT_Slave_Group_File), test.name);
            m_dialog->reject();
        }
    }
    // The last case: the number is stored as typed.
    QVERIFY(test::readFile(m_state->EtherCAT_Slave_Group_File).find("Num_Variables=\"007\"") != std::string::npos);
}

void UEtherCATSlave_GroupTest::pasteOnTheOtherTabIsRefused()
{
    setRow(m_stm, 1, "Inputs", "4");
    m_stm->setGridCurrentCell(1, 1);
    m_dialog->Btn_CopyRowClick();
    QVERIFY(m_dialog->Do_Copy_StM && !m_dialog->Do_Copy_MtS);

    selectTab(1);
    m_dialog->Btn_PasteRowClick();
    QCOMPARE(m_messages.takeShown(),
             (std::vector<Shown>{{Kind::Error, "Error!!! Copy a valid row before Paste it"}}));
    QCOMPARE(m_mts->gridText(1, 1), QString());

    selectTab(0);
    m_stm->setGridCurrentCell(1, 2);
    m_dialog->Btn_PasteRowClick();
    QVERIFY(m_messages.takeShown().empty());
    QCOMPARE(m_stm->gridText(1, 2), QStringLiteral("Inputs"));
    QCOMPARE(m_stm->gridText(2, 2), QStringLiteral("4"));

    // A new opening forgets the copy.
    m_dialog->reject();
    m_dialog->show();
    QVERIFY(!m_dialog->Do_Copy_StM);
}

void UEtherCATSlave_GroupTest::deleteAsksWithTheRowNumberAndMovesTheRowsUp()
{
    for (int row = 1; row <= 4; ++row)
        setRow(m_stm, row, qPrintable(QStringLiteral("G%1").arg(row)), "1");
    m_stm->setGridCurrentCell(2, 3);

    m_messages.answerQuestion(false);
    m_dialog->Btn_DelRowClick();
    QCOMPARE(m_messages.takeShown(),
             (std::vector<Shown>{{Kind::Question, "Are you sure to delete the Row number 3"}}));
    QCOMPARE(m_stm->gridText(1, 3), QStringLiteral("G3"));

    m_messages.answerQuestion(true);
    m_dialog->Btn_DelRowClick();
    QCOMPARE(m_messages.takeShown().size(), std::size_t(1));
    QCOMPARE(m_stm->gridText(1, 3), QStringLiteral("G4"));
    QCOMPARE(m_stm->gridText(1, 4), QString());
    QCOMPARE(m_stm->gridText(2, 16), QString());
}

void UEtherCATSlave_GroupTest::insertPushesTheRowsDownAndLeavesTheNewRowEmpty()
{
    setRow(m_mts, 1, "A", "1");
    setRow(m_mts, 2, "B", "2");
    selectTab(1);
    m_mts->setGridCurrentCell(1, 1);
    m_dialog->Btn_InsRowClick();
    QCOMPARE(m_mts->gridText(1, 1), QString());
    QCOMPARE(m_mts->gridText(1, 2), QStringLiteral("A"));
    QCOMPARE(m_mts->gridText(2, 3), QStringLiteral("2"));
    QCOMPARE(m_stm->gridText(1, 1), QString());
}

} // namespace cfq

QTEST_MAIN(cfq::UEtherCATSlave_GroupTest)
#include "UEtherCATSlave_GroupTest.moc"
