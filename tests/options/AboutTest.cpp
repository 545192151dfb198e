#include "app/AppState.h"
#include "app/UMavreloFirmWare.h"
#include "support/GuiTestSupport.h"
#include "support/RecordingMessages.h"
#include "support/TempDir.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace cfq {

using test::child;

class AboutTest : public QObject
{
    Q_OBJECT

private slots:
    void showsTheFixedTextsAndOpensTheHomePage()
    {
        test::TempDir dir;
        test::writeFile(dir / "LANGUAGE" / "Italiano.lng", "STR13 = Opzioni\n");
        test::writeFile(dir / "Mavrel.xml",
                        "<Conf_Settings><lastlang><language>Italiano</language></lastlang></Conf_Settings>");
        test::RecordingMessages messages;
        std::vector<std::string> opened;
        AppState state;
        TFMavreloFirmWare main(state, {messages, [&opened](const std::string& url) { opened.push_back(url); },
                                       "http://127.0.0.1:1"},
                               dir.path());
        QCOMPARE(state.text(13), std::string("Opzioni"));

        bool checked = false;
        test::whenModalShown([&checked](QWidget* about) {
            QCOMPARE(about->windowTitle(), QStringLiteral("About..."));
            QCOMPARE(about->size(), QSize(425, 148));
            const std::pair<const char*, QString> texts[] = {
                {"Label1", QStringLiteral("Software Mavrel ")},
                {"Label2", QStringLiteral("EtherCAT Slave / Serial - Converter")},
                {"Label3", QStringLiteral("Software Code : ")},
                {"Label9", QStringLiteral("CFQ4410")},
                {"Label5", QStringLiteral("Version :")},
                {"Label10", QStringLiteral("1.001")},
                {"Label6", QStringLiteral("Document Code :")},
                {"Label12", QStringLiteral("MAQ4410")},
                {"Label4", QStringLiteral("www.varnicco.example")},
            };
            for (const auto& [name, text] : texts)
                QCOMPARE(child<QLabel>(about, name)->text(), text);
            QVERIFY(!child<QLabel>(about, "Image2")->pixmap().isNull());
            QTest::mouseClick(child<QLabel>(about, "Image2"), Qt::LeftButton);
            QTest::mouseClick(child<QLabel>(about, "Label4"), Qt::LeftButton);
            checked = true;
            child<QPushButton>(about, "LbButton1")->click();
        });
        child<QPushButton>(&main, "Btn_Info")->click();
        QVERIFY(checked);
        QCOMPARE(opened, (std::vector<std::string>(
                             2, "http://www.varnicco.example/HOME/default.asp?frompg=CFQ4410")));
    }
};

} // namespace cfq

QTEST_MAIN(cfq::AboutTest)
#include "AboutTest.moc"
