#include "app/AppState.h"
#include "app/UMavreloFirmWare.h"
#include "i18n/Language.h"
#include "i18n/TextTable.h"
#include "support/GuiTestSupport.h"
#include "support/RecordingMessages.h"
#include "support/TempDir.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <memory>
#include <utility>

namespace cfq {

using test::child;
using Kind = test::RecordingMessages::Kind;

class MainWindowTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<test::TempDir> dir;
    std::unique_ptr<AppState> state;
    std::unique_ptr<test::RecordingMessages> messages;
    std::unique_ptr<TFMavreloFirmWare> window;
    std::vector<std::string> openedUrls;

    void startWindow()
    {
        window.reset();
        state = std::make_unique<AppState>();
        messages = std::make_unique<test::RecordingMessages>();
        Services services{*messages, [this](const std::string& url) { openedUrls.push_back(url); }};
        window = std::make_unique<TFMavreloFirmWare>(*state, services, dir->path());
    }

    QString labelText(const char* name) { return child<QLabel>(window.get(), name)->text(); }

    void createProjectThroughDialog(const QString& name)
    {
        test::whenModalShown([name](QWidget* modal) {
            auto* field = child<QLineEdit>(modal, "E_New_Proj");
            QTest::keyClicks(field, name);
            QTest::keyClick(field, Qt::Key_Return);
        });
        child<QPushButton>(window.get(), "Btn_New")->click();
    }

private slots:
    void init()
    {
        dir = std::make_unique<test::TempDir>();
        openedUrls.clear();
        startWindow();
    }

    void cleanup()
    {
        window.reset();
        dir.reset();
    }

    void layoutFollowsTheStepGrid()
    {
        QCOMPARE(window->size(), QSize(694, 440));
        QCOMPARE(child<QPushButton>(window.get(), "Btn_CreateBin")->geometry(), QRect(80, 288, 170, 36));
        QCOMPARE(child<QPushButton>(window.get(), "Btn_EtherCAT_Set_Access")->geometry(),
                 QRect(258, 200, 170, 36));
        QCOMPARE(child<QPushButton>(window.get(), "Btn_Close")->geometry(), QRect(632, 8, 50, 50));
        QVERIFY(!child<QLabel>(window.get(), "LL_Update")->isVisible());
        QVERIFY(!window->Timer_Update->isActive());
        QCOMPARE(window->windowTitle(), QStringLiteral("VarnicCo - Configurator CFQ4410 - EtherCAT Slave / Serial "));
        QCOMPARE(child<QPushButton>(window.get(), "Btn_EtherCAT_ESI_File")->text(),
                 QStringLiteral("EtherCAT ESI File"));
    }

    void stepsNeedAnOpenProject_data()
    {
        QTest::addColumn<QString>("button");
        for (const char* name : {"Btn_Prm_Gen", "Btn_EtherCAT_Set_Group", "Btn_EtherCAT_Set_Access",
                                 "Btn_EtherCAT_ESI_File", "Btn_CreateBin"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void stepsNeedAnOpenProject()
    {
        QFETCH(QString, button);
        window->findChild<QPushButton*>(button)->click();
        const auto shown = messages->takeShown();
        QCOMPARE(shown.size(), std::size_t(1));
        QCOMPARE(shown[0].kind, Kind::Error);
        QCOMPARE(shown[0].text, std::string("Error! Project not Valid"));
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void etherCATStepsOpenTheirEditors()
    {
        createProjectThroughDialog(QStringLiteral("Line"));
        for (const auto& [button, editor] : {std::pair{"Btn_EtherCAT_Set_Group", "TFEtherCATSlave_Group"},
                                             std::pair{"Btn_EtherCAT_Set_Access", "TFEtherCATSlave"}}) {
            QString shown;
            test::whenModalShown([&shown](QWidget* modal) {
                shown = modal->objectName();
                child<QPushButton>(modal, "Btn_Cancel")->click();
            });
            child<QPushButton>(window.get(), button)->click();
            QCOMPARE(shown, QString::fromLatin1(editor));
        }
        QVERIFY(messages->takeShown().empty());
    }

    void labelsShowTheActiveConfiguration()
    {
        QCOMPARE(labelText("L_Name_Conf"), QStringLiteral("None Configuration Opened "));
        QCOMPARE(labelText("L_Name_Conf_L2"), QStringLiteral("Use Step1 to open or create new configuration"));

        createProjectThroughDialog(QStringLiteral("Plant 4"));
        QCOMPARE(labelText("L_Name_Conf"), QStringLiteral("Opened Configuration of the Converter : "));
        QCOMPARE(labelText("L_Name_Conf_L2"), QStringLiteral("Plant 4"));
        QVERIFY(std::filesystem::is_directory(dir->path() / "PROJECTS" / "Plant 4" / "bin"));
        QVERIFY(messages->takeShown().empty());
    }

    void newProjectDialogReportsRefusedNames()
    {
        test::whenModalShown([](QWidget* modal) {
            QTest::keyClick(child<QLineEdit>(modal, "E_New_Proj"), Qt::Key_Return);
            QTimer::singleShot(0, modal, [modal] {
                QVERIFY(modal->isVisible());
                child<QPushButton>(modal, "Btn_Cancel")->click();
            });
        });
        child<QPushButton>(window.get(), "Btn_New")->click();
        const auto shown = messages->takeShown();
        QCOMPARE(shown.size(), std::size_t(1));
        QCOMPARE(shown[0].text, std::string("Error! Name Project is not valid"));
        QVERIFY(!state->projectOpen());
    }

    void openDialogPreselectsTheOpenProjectIgnoringCase()
    {
        for (const char* name : {"Alpha", "Beta", "Gamma"})
            std::filesystem::create_directories(dir->path() / "PROJECTS" / name);
        state->Project_Name = "beta";
        state->Project_Path = dir->path() / "PROJECTS" / "beta";
        QString preselected;
        test::whenModalShown([&preselected](QWidget* modal) {
            preselected = child<QListWidget>(modal, "ListBox1")->currentItem()->text();
            child<QPushButton>(modal, "Btn_OK")->click();
        });
        child<QPushButton>(window.get(), "Btn_Open")->click();
        QCOMPARE(preselected, QStringLiteral("Beta"));
        QCOMPARE(state->Project_Name, std::string("Beta"));
        QCOMPARE(labelText("L_Name_Conf_L2"), QStringLiteral("Beta"));
    }

    void openingAnEmptyListOpensNoProject()
    {
        createProjectThroughDialog(QStringLiteral("Only"));
        std::filesystem::remove_all(dir->path() / "PROJECTS" / "Only");
        test::whenModalShown([](QWidget* modal) { child<QPushButton>(modal, "Btn_OK")->click(); });
        child<QPushButton>(window.get(), "Btn_Open")->click();
        QVERIFY(!state->projectOpen());
        QCOMPARE(labelText("L_Name_Conf"), QStringLiteral("None Configuration Opened "));
        QCOMPARE(labelText("L_Name_Conf_L2"), QStringLiteral("Use Step1 to open or create new configuration"));
    }

    void languageChangeReachesEveryWindow()
    {
        test::writeFile(dir->path() / "LANGUAGE" / "Test.lng",
                        "STR0 = Inizio\nSTR15 = Nuova\nSTR22 = \xC2\xB6\nSTR9 = Nessuna\nSTR100 = Crea\n"
                        "STR102 = Nome\nSTR200 = Apri\nSTR205 = Elenco\n");
        state->Language_Name = "Test";
        Load_Language(*state);
        window->Change_Language();
        QCOMPARE(labelText("L_Begin"), QStringLiteral("Inizio"));
        QCOMPARE(child<QPushButton>(window.get(), "Btn_New")->text(), QStringLiteral("Nuova"));
        QCOMPARE(child<QPushButton>(window.get(), "Btn_New")->toolTip(), QString());
        QCOMPARE(labelText("L_Name_Conf"), QStringLiteral("Nessuna"));
        QWidget* newProject = window->findChild<QWidget*>(QStringLiteral("TFNew_Project"));
        QWidget* openConf = window->findChild<QWidget*>(QStringLiteral("TFOpenConf"));
        QCOMPARE(newProject->windowTitle(), QStringLiteral("Crea"));
        QCOMPARE(child<QLabel>(newProject, "Label1")->text(), QStringLiteral("Nome"));
        QCOMPARE(openConf->windowTitle(), QStringLiteral("Apri"));
        QCOMPARE(child<QListWidget>(openConf, "ListBox1")->toolTip(), QStringLiteral("Elenco"));

        state->Language_Name = "English";
        Load_Language(*state);
        window->Change_Language();
        QCOMPARE(labelText("L_Begin"), QStringLiteral("Begin"));
        QCOMPARE(child<QPushButton>(window.get(), "Btn_New")->toolTip(),
                 QStringLiteral("Create a new configuration for the device"));
        QCOMPARE(newProject->windowTitle(), QStringLiteral("Create New Configuration"));
    }

    void restartReopensTheLastProject()
    {
        createProjectThroughDialog(QStringLiteral("Kept"));
        window->close();
        startWindow();
        QVERIFY(state->projectOpen());
        QCOMPARE(state->Project_Name, std::string("Kept"));
        QCOMPARE(labelText("L_Name_Conf_L2"), QStringLiteral("Kept"));
    }

    void everyTextIndexShownHasABuiltInText()
    {
        for (LanguageAware* languageWindow : window->languageWindows()) {
            const QString name = dynamic_cast<QObject*>(languageWindow)->objectName();
            for (int index : languageWindow->textIndices()) {
                const std::string& text = builtinText(index);
                QVERIFY2(!text.empty() && text != " ",
                         qPrintable(name + QStringLiteral(" uses blank text ") + QString::number(index)));
            }
        }
    }

    void esiStepAsksForTheFileAndBeforeOverwriting()
    {
        createProjectThroughDialog(QStringLiteral("Esi"));
        const std::filesystem::path project = dir->path() / "PROJECTS" / "Esi";
        const std::filesystem::path target = dir->path() / "slave.xml";

        messages->answerFileDialog(target);
        child<QPushButton>(window.get(), "Btn_EtherCAT_ESI_File")->click();
        QCOMPARE(messages->lastSaveRequest().initialFolder, project);
        QCOMPARE(messages->lastSaveRequest().filter, std::string("EtherCAT ESI File (*.xml)|*.xml"));
        const std::string written = test::readFile(target);
        QVERIFY(written.find("<EtherCATInfo") != std::string::npos);
        QCOMPARE(messages->takeShown().size(), std::size_t(1));

        test::writeFile(target, "kept");
        messages->answerFileDialog(target);
        messages->answerQuestion(false);
        child<QPushButton>(window.get(), "Btn_EtherCAT_ESI_File")->click();
        const auto shown = messages->takeShown();
        QCOMPARE(shown.size(), std::size_t(2));
        QCOMPARE(shown[1].text, std::string("File already exists. Do you want to overwrite?"));
        QCOMPARE(test::readFile(target), std::string("kept"));

        messages->answerFileDialog(target);
        messages->answerQuestion(true);
        child<QPushButton>(window.get(), "Btn_EtherCAT_ESI_File")->click();
        QCOMPARE(test::readFile(target), written);
    }

    void updateDeviceWritesTheImagesBeforeTheDialog()
    {
        createProjectThroughDialog(QStringLiteral("Images"));
        const std::filesystem::path bin = dir->path() / "PROJECTS" / "Images" / "bin";
        bool imagesBeforeDialog = false;
        test::whenModalShown([&imagesBeforeDialog, bin](QWidget* modal) {
            imagesBeforeDialog = std::filesystem::file_size(bin / "bank1.bin") == 2048 &&
                                 std::filesystem::file_size(bin / "bank2.bin") == 16557;
            child<QPushButton>(modal, "Btn_Cancel")->click();
        });
        child<QPushButton>(window.get(), "Btn_CreateBin")->click();
        QVERIFY(imagesBeforeDialog);
        QVERIFY(messages->takeShown().empty());
    }

    void makerLinkOpensTheHomePage()
    {
        emit child<QLabel>(window.get(), "L_Varnic")->linkActivated(QStringLiteral("home"));
        QCOMPARE(openedUrls.size(), std::size_t(1));
        QVERIFY(openedUrls[0].find("/HOME/default.asp?frompg=CFQ4410") != std::string::npos);
    }
};

} // namespace cfq

QTEST_MAIN(cfq::MainWindowTest)
#include "MainWindowTest.moc"
