#include "BootDialogFixture.h"

#include "support/GuiTestSupport.h"

#include <QLabel>
#include <QTest>

namespace cfq::test {

class UBootFormTest : public QObject
{
    Q_OBJECT

private:
    std::shared_ptr<IcmpScript> m_script = std::make_shared<IcmpScript>();

private slots:
    void showingFillsTheFieldsFromTheRememberedAddressAndChoices()
    {
        BootDialogFixture fixture(scriptedIcmp(m_script));
        TFBoot& dialog = *fixture.dialog;
        QCOMPARE(dialog.E_IP1->text(), QStringLiteral("0"));
        QCOMPARE(dialog.E_IP4->text(), QStringLiteral("0"));

        dialog.show();
        QCOMPARE(dialog.E_IP1->text(), QStringLiteral("192"));
        QCOMPARE(dialog.E_IP2->text(), QStringLiteral("168"));
        QCOMPARE(dialog.E_IP3->text(), QStringLiteral("2"));
        QCOMPARE(dialog.E_IP4->text(), QStringLiteral("205"));
        QCOMPARE(dialog.CB_Update_Options->currentIndex(), 0);
        QCOMPARE(dialog.CB_Update_Options->currentText(), QStringLiteral("Firmware + Configuration"));
        QVERIFY(dialog.CB_Update_Option_Read_Back->isChecked());
        QCOMPARE(child<QLabel>(&dialog, "L_SW_Code")->text(), QStringLiteral("CFQ4410"));
        dialog.hide();

        fixture.state.Update_Option = 2;
        fixture.state.Read_Back = false;
        fixture.state.Device_IP_Address = " 10.0.0.7 ";
        dialog.show();
        QCOMPARE(dialog.E_IP1->text(), QStringLiteral("10"));
        QCOMPARE(dialog.E_IP4->text(), QStringLiteral("7"));
        QCOMPARE(dialog.CB_Update_Options->currentText(), QStringLiteral("Configuration"));
        QVERIFY(!dialog.CB_Update_Option_Read_Back->isChecked());
    }

    void addressThatDoesNotSplitLeavesTheFieldsAsTheyWere()
    {
        for (const char* stored : {"", "10.0.0.300", "1.2.3", "1.2.3.4.5"}) {
            BootDialogFixture fixture(scriptedIcmp(m_script));
            fixture.typeAddress("11", "12", "13", "14");
            fixture.state.Device_IP_Address = stored;
            fixture.dialog->show();
            QCOMPARE(fixture.dialog->E_IP1->text(), QStringLiteral("11"));
            QCOMPARE(fixture.dialog->E_IP4->text(), QStringLiteral("14"));
        }
    }

    void fullStopMovesToTheNextFieldAndIsNeverTyped()
    {
        BootDialogFixture fixture(scriptedIcmp(m_script));
        TFBoot& dialog = *fixture.dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QVERIFY(dialog.E_IP1->hasFocus());

        dialog.E_IP1->clear();
        QTest::keyClicks(dialog.E_IP1, QStringLiteral("192."));
        QCOMPARE(dialog.E_IP1->text(), QStringLiteral("192"));
        QVERIFY(dialog.E_IP2->hasFocus());
        QTest::keyClicks(dialog.E_IP2, QStringLiteral("."));
        QVERIFY(dialog.E_IP3->hasFocus());
        QTest::keyClicks(dialog.E_IP3, QStringLiteral("."));
        QVERIFY(dialog.E_IP4->hasFocus());

        dialog.E_IP4->setText(QStringLiteral("20"));
        dialog.E_IP4->end(false);
        QTest::keyClicks(dialog.E_IP4, QStringLiteral(".5"));
        QCOMPARE(dialog.E_IP4->text(), QStringLiteral("205"));
        QVERIFY(dialog.E_IP4->hasFocus());

        dialog.E_IP3->setEnabled(false);
        dialog.E_IP2->setFocus();
        QTest::keyClicks(dialog.E_IP2, QStringLiteral("."));
        QVERIFY(dialog.E_IP2->hasFocus());
        for (QLineEdit* field : {dialog.E_IP1, dialog.E_IP2, dialog.E_IP3, dialog.E_IP4})
            QVERIFY(!field->text().contains(QLatin1Char('.')));
    }

    void textsComeFromTheTableAtEveryShowingAndLanguageChange()
    {
        BootDialogFixture fixture(scriptedIcmp(m_script));
        TFBoot& dialog = *fixture.dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Update Device by Ethernet (UDP)"));
        QCOMPARE(dialog.Btn_Update->text(), QStringLiteral("Execute Update Firmware"));
        QCOMPARE(dialog.E_IP3->toolTip(), QStringLiteral("Insert third byte of IP Address"));
        QCOMPARE(dialog.CB_Update_Options->count(), 3);
        QCOMPARE(dialog.CB_Update_Options->itemText(1), QStringLiteral("Firmware"));

        fixture.state.Text_Table.set(1202, "Aggiorna dispositivo");
        fixture.state.Text_Table.set(1216, "Solo firmware");
        fixture.dialog->CB_Update_Options->setCurrentIndex(2);
        dialog.Set_Lang();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Aggiorna dispositivo"));
        QCOMPARE(dialog.CB_Update_Options->itemText(1), QStringLiteral("Solo firmware"));
        QCOMPARE(dialog.CB_Update_Options->currentIndex(), 0);

        fixture.state.Text_Table.set(1218, "Rilettura");
        dialog.show();
        QCOMPARE(dialog.CB_Update_Option_Read_Back->text(), QStringLiteral("Rilettura"));

        const int used[] = {1202, 1203, 1206, 1214, 1215, 1216, 1217, 1218, 1219, 1220,
                            1221, 1222, 1223, 1224, 1232, 1233, 1234, 1235, 1236, 1237};
        for (int index : used)
            QVERIFY2(builtinText(index) != " ", qPrintable(QString::number(index)));
    }

    void panelsStackToTheClientAreaOfTheDialog()
    {
        BootDialogFixture fixture(scriptedIcmp(m_script));
        TFBoot& dialog = *fixture.dialog;
        dialog.show();
        QCOMPARE(dialog.size(), QSize(449, 230));
        const char* panels[] = {"P_Title", "P_IP_Address", "P_Options", "P_Button"};
        const int heights[] = {69, 49, 72, 40};
        int top = 0;
        for (int i = 0; i < 4; ++i) {
            auto* panel = child<QWidget>(&dialog, panels[i]);
            QVERIFY2(panel, panels[i]);
            QCOMPARE(panel->geometry(), QRect(0, top, 449, heights[i]));
            top += heights[i];
        }
        QCOMPARE(dialog.E_IP2->width(), 41);
        QCOMPARE(dialog.Btn_Update->size(), QSize(228, 28));
        QCOMPARE(dialog.Btn_Cancel->size(), QSize(110, 28));
        QCOMPARE(dialog.Form_Type, 0);
    }

    void cancelClosesWithoutStoringAnything()
    {
        BootDialogFixture fixture(scriptedIcmp(m_script));
        fixture.dialog->show();
        fixture.typeAddress("127", "0", "0", "1");
        QTest::mouseClick(fixture.dialog->Btn_Cancel, Qt::LeftButton);
        QCOMPARE(fixture.dialog->result(), int(QDialog::Rejected));
        QVERIFY(!fixture.dialog->isVisible());
        QCOMPARE(fixture.state.Device_IP_Address, std::string("192.168.2.205"));
        QVERIFY(m_script->hosts.empty());
        QVERIFY(!std::filesystem::exists(fixture.jobFile()));
    }
};

} // namespace cfq::test

QTEST_MAIN(cfq::test::UBootFormTest)
#include "UBootFormTest.moc"
