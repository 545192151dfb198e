#include "params/UParGen.h"

#include "app/AppState.h"
#include "params/CollapsiblePanel.h"
#include "params/ParGenDocument.h"
#include "support/GuiTestSupport.h"
#include "support/RecordingMessages.h"
#include "support/TempDir.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <memory>

namespace cfq {

using test::child;
using Shown = test::RecordingMessages::Shown;
using Kind = test::RecordingMessages::Kind;

class UParGenTest : public QObject
{
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void opensWithTheStoredValuesAndCancelWritesNothing();
    void dotKeyMovesAlongTheChainAndIsSwallowedAtItsEnd();
    void digitsOnlyFieldsRefuseOtherCharacters();
    void tickingDhcpDisablesTheAddressFieldsAndTheGatewayAtOnce();
    void okOnNewProjectWritesTheDefaultsAndCloses();
    void failedRuleKeepsTheDialogOpenWithTheEntries();
    void failedWriteShowsTheErrorAndKeepsTheDialogOpen();
    void brokenDocumentShowsTheErrorAndOpensWithDefaults();
    void wheelOverTheGroupScrollsItInsteadOfTheList();
    void languageChangeKeepsThePanelCaptions();
    void widthStaysFixed();

  private:
    QLineEdit* edit(const char* name) { return child<QLineEdit>(m_dialog.get(), name); }
    void openShown();

    std::unique_ptr<test::TempDir> m_dir;
    std::unique_ptr<AppState> m_state;
    test::RecordingMessages m_messages;
    std::unique_ptr<TFParGen> m_dialog;
};

void UParGenTest::init()
{
    m_dir = std::make_unique<test::TempDir>();
    m_state = std::make_unique<AppState>();
    m_state->Text_Table.Init_Text_Table();
    m_state->SW_Code = "CFQ4410";
    m_state->Project_Path = m_dir->path();
    m_state->ParGen_File = *m_dir / "ParGen.xml";
    m_messages.takeShown();
    m_dialog = std::make_unique<TFParGen>(*m_state, Services{m_messages, {}}, nullptr);
}

void UParGenTest::cleanup()
{
    m_dialog.reset();
    m_state.reset();
    m_dir.reset();
}

void UParGenTest::openShown()
{
    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
}

void UParGenTest::opensWithTheStoredValuesAndCancelWritesNothing()
{
    const std::string stored = "<Par_Gen><EtherCAT_Slave_Name>a&amp;b</EtherCAT_Slave_Name>"
                               "<SERIAL_BAUDRATE>3</SERIAL_BAUDRATE><SERIAL_PARITY>9</SERIAL_PARITY>"
                               "<Eth_Conn_DHCP_Cable>1</Eth_Conn_DHCP_Cable></Par_Gen>";
    test::writeFile(m_state->ParGen_File, stored);
    openShown();

    QCOMPARE(edit("E_EtherCAT_Slave_Name")->text(), QStringLiteral("a&b"));
    QCOMPARE(child<QComboBox>(m_dialog.get(), "CB_Serial_Baudrate")->currentText(), QStringLiteral("9600"));
    QCOMPARE(child<QComboBox>(m_dialog.get(), "Cb_Serial_Parity")->currentText(), QStringLiteral("NONE"));
    QVERIFY(!edit("E_Ethernet_IP1")->isEnabled());
    QCOMPARE(edit("E_Ethernet_IP4")->text(), QStringLiteral("5"));

    edit("E_EtherCAT_Slave_Name")->setText(QStringLiteral("changed"));
    QTest::mouseClick(child<QPushButton>(m_dialog.get(), "Btn_Cancel"), Qt::LeftButton);
    QCOMPARE(m_dialog->result(), int(QDialog::Rejected));
    QCOMPARE(test::readFile(m_state->ParGen_File), stored);
    QVERIFY(m_messages.takeShown().empty());
}

void UParGenTest::dotKeyMovesAlongTheChainAndIsSwallowedAtItsEnd()
{
    openShown();
    struct Step
    {
        const char* from;
        const char* to;
    };
    for (const Step step :
         {Step{"E_Ethernet_IP4", "E_Ethernet_SM1"}, Step{"E_Ethernet_SM4", "E_Ethernet_GAT1"},
          Step{"E_Ethernet_GAT4", "E_Ethernet_GAT4"}, Step{"E_EthConn_Pri_DNS_IP4", "E_EthConn_Sec_DNS_IP1"},
          Step{"E_EthConn_Sec_DNS_IP4", "E_EthConn_Sec_DNS_IP4"}}) {
        QLineEdit* from = edit(step.from);
        const QString before = from->text();
        from->setFocus();
        QTest::keyClick(from, '.');
        QCOMPARE(QApplication::focusWidget(), edit(step.to));
        QCOMPARE(from->text(), before);
    }

    QLineEdit* ip1 = edit("E_Ethernet_IP1");
    ip1->clear();
    ip1->setFocus();
    // Typed into whichever field has the focus.
    QTest::keyClicks(nullptr, "10.0");
    QCOMPARE(ip1->text(), QStringLiteral("10"));
    QCOMPARE(edit("E_Ethernet_IP2")->text(), QStringLiteral("0"));
}

void UParGenTest::digitsOnlyFieldsRefuseOtherCharacters()
{
    openShown();
    QLineEdit* node = edit("E_EtherCAT_Slave_Node_Address");
    node->clear();
    QTest::keyClicks(node, "1a.-2 ");
    QCOMPARE(node->text(), QStringLiteral("12"));
    QCOMPARE(edit("E_EtherCAT_Slave_Revision_Number")->validator(), nullptr);
    QCOMPARE(edit("E_EthConn_Device_Name")->maxLength(), 31);
    QCOMPARE(edit("E_EtherCAT_Slave_Name")->maxLength(), 15);
    QCOMPARE(edit("E_Ethernet_GAT2")->width(), 55);
}

void UParGenTest::tickingDhcpDisablesTheAddressFieldsAndTheGatewayAtOnce()
{
    openShown();
    const char* addressFields[] = {"E_Ethernet_IP1",  "E_Ethernet_IP2",  "E_Ethernet_IP3",
                                   "E_Ethernet_IP4",  "E_Ethernet_SM1",  "E_Ethernet_SM2",
                                   "E_Ethernet_SM3",  "E_Ethernet_SM4",  "E_Ethernet_GAT1",
                                   "E_Ethernet_GAT2", "E_Ethernet_GAT3", "E_Ethernet_GAT4"};
    auto* dhcp = child<QCheckBox>(m_dialog.get(), "CB_EthConn_En_DHCP_Cable");
    auto* gateway = child<QCheckBox>(m_dialog.get(), "CB_Ethernet_En_GAT");
    QVERIFY(!child<QCheckBox>(m_dialog.get(), "CB_EthConn_En_DHCP_WiFi")->isEnabled());
    edit("E_Ethernet_IP1")->setText(QStringLiteral("300"));

    QTest::mouseClick(dhcp, Qt::LeftButton, {}, QPoint(8, dhcp->height() / 2));
    QVERIFY(dhcp->isChecked());
    for (const char* name : addressFields)
        QVERIFY2(!edit(name)->isEnabled(), name);
    QVERIFY(!gateway->isEnabled());
    QCOMPARE(edit("E_Ethernet_IP1")->text(), QStringLiteral("300"));
    QVERIFY(edit("E_EthConn_Pri_DNS_IP1")->isEnabled());

    // The disabled address is still checked.
    m_dialog->Btn_OKClick();
    QCOMPARE(m_messages.takeShown(), (std::vector<Shown>{{Kind::Error, m_state->text(720)}}));

    dhcp->setChecked(false);
    for (const char* name : addressFields)
        QVERIFY2(edit(name)->isEnabled(), name);
    QVERIFY(gateway->isEnabled());
}

void UParGenTest::okOnNewProjectWritesTheDefaultsAndCloses()
{
    test::whenModalShown(
        [](QWidget* modal) { QTest::mouseClick(child<QPushButton>(modal, "Btn_OK"), Qt::LeftButton); });
    QCOMPARE(m_dialog->exec(), int(QDialog::Accepted));

    QVERIFY(m_messages.takeShown().empty());
    const std::string written = test::readFile(m_state->ParGen_File);
    QVERIFY(written.starts_with("<Par_Gen><Eth_Conn_Device_Name/>"));
    QVERIFY(written.ends_with("</Par_Gen><!--SW_VERSION = 1.001-->"));
    const auto reread = readParGen(m_state->ParGen_File);
    QVERIFY(reread.ok());
    QVERIFY(reread.value() == ParGenValues{});
}

void UParGenTest::failedRuleKeepsTheDialogOpenWithTheEntries()
{
    openShown();
    auto* ethernet = child<CollapsiblePanel>(m_dialog.get(), "CP_Ethernet");
    ethernet->setExpanded(false);
    QLineEdit* name = edit("E_EtherCAT_Slave_Name");
    name->setFocus();
    edit("E_EtherCAT_Slave_Node_Address")->setText(QStringLiteral("193"));
    edit("E_Ethernet_IP2")->setText(QStringLiteral("abc"));

    m_dialog->Btn_OKClick();
    QCOMPARE(m_messages.takeShown(), (std::vector<Shown>{{Kind::Error, m_state->text(989)}}));
    edit("E_EtherCAT_Slave_Node_Address")->setText(QStringLiteral("192"));
    m_dialog->Btn_OKClick();
    QCOMPARE(m_messages.takeShown(), (std::vector<Shown>{{Kind::Error, m_state->text(721)}}));

    QVERIFY(m_dialog->isVisible());
    QCOMPARE(edit("E_Ethernet_IP2")->text(), QStringLiteral("abc"));
    QCOMPARE(QApplication::focusWidget(), name);
    QVERIFY(!ethernet->expanded());
    QVERIFY(!std::filesystem::exists(m_state->ParGen_File));
}

void UParGenTest::failedWriteShowsTheErrorAndKeepsTheDialogOpen()
{
    m_state->ParGen_File = *m_dir / "missing" / "ParGen.xml";
    openShown();
    m_dialog->Btn_OKClick();
    const auto shown = m_messages.takeShown();
    QCOMPARE(shown.size(), std::size_t(1));
    QCOMPARE(shown[0].kind, Kind::Error);
    QVERIFY(shown[0].text.find(m_state->ParGen_File.string()) != std::string::npos);
    QVERIFY(m_dialog->isVisible());
}

void UParGenTest::brokenDocumentShowsTheErrorAndOpensWithDefaults()
{
    test::writeFile(m_state->ParGen_File, "<Par_Gen><EtherCAT_Slave_Name>kept?</Par_Gen>");
    openShown();
    const auto shown = m_messages.takeShown();
    QCOMPARE(shown.size(), std::size_t(1));
    QCOMPARE(shown[0].kind, Kind::Error);
    QVERIFY(shown[0].text.find(m_state->ParGen_File.string()) != std::string::npos);
    QCOMPARE(edit("E_EtherCAT_Slave_Name")->text(), QStringLiteral("devicename1"));

    m_dialog->Btn_OKClick();
    QVERIFY(m_messages.takeShown().empty());
    const auto reread = readParGen(m_state->ParGen_File);
    QVERIFY(reread.ok());
    QVERIFY(reread.value() == ParGenValues{});
}

void UParGenTest::wheelOverTheGroupScrollsItInsteadOfTheList()
{
    m_dialog->resize(460, 400);
    openShown();
    auto* group = child<QScrollArea>(m_dialog.get(), "CPG");
    auto* baudRate = child<QComboBox>(m_dialog.get(), "CB_Serial_Baudrate");
    group->ensureWidgetVisible(baudRate);
    QScrollBar* bar = group->verticalScrollBar();
    QVERIFY(bar->maximum() > 0);
    bar->setValue(0);
    group->ensureWidgetVisible(baudRate, 0, 0);
    const int before = bar->value();
    const int index = baudRate->currentIndex();

    const QPoint local(5, 5);
    QWheelEvent towardsUser(QPointF(local), QPointF(baudRate->mapToGlobal(local)), QPoint(), QPoint(0, -120),
                            Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(baudRate, &towardsUser);
    QCOMPARE(baudRate->currentIndex(), index);
    QCOMPARE(bar->value(),
             std::min(bar->maximum(), before + QApplication::wheelScrollLines() * bar->singleStep()));
}

void UParGenTest::languageChangeKeepsThePanelCaptions()
{
    m_state->Text_Table.set(1544, "Verbindung");
    m_state->Text_Table.set(415, "Name");
    m_state->Text_Table.set(400, "");
    m_dialog->Set_Lang();
    QCOMPARE(child<QLabel>(m_dialog.get(), "L_EtherCAT_Slave_Name")->text(), QStringLiteral("Name"));
    QCOMPARE(m_dialog->windowTitle(), QString());
    QCOMPARE(child<CollapsiblePanel>(m_dialog.get(), "CP_Ethernet_Connection")->caption(),
             QStringLiteral("1. Ethernet Connection"));
    QCOMPARE(child<CollapsiblePanel>(m_dialog.get(), "CP_Ethernet")->caption(),
             QStringLiteral("4. Ethernet"));
}

void UParGenTest::widthStaysFixed()
{
    QCOMPARE(m_dialog->size(), QSize(460, 700));
    m_dialog->resize(600, 500);
    QCOMPARE(m_dialog->size(), QSize(460, 500));
}

} // namespace cfq

QTEST_MAIN(cfq::UParGenTest)
#include "UParGenTest.moc"
