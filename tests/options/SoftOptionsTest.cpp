#include "support/GuiTestSupport.h"
#include "LocalHttpServer.h"
#include "support/RecordingMessages.h"
#include "support/TempDir.h"
#include "app/AppState.h"
#include "app/Settings.h"
#include "app/UMavreloFirmWare.h"
#include "options/USoftOptions.h"

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <memory>

namespace cfq {

using test::child;

class SoftOptionsTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<test::TempDir> m_dir;
    std::unique_ptr<AppState> m_state;
    test::RecordingMessages m_messages;
    std::vector<std::string> m_opened;
    std::unique_ptr<TFMavreloFirmWare> m_main;

    std::filesystem::path languageDir() const { return m_dir->path() / "LANGUAGE"; }

    void writeLanguage(const std::string& name, const std::string& entries = "STR13 = x\n")
    {
        test::writeFile(languageDir() / (name + ".lng"), entries);
    }

    void writeFlag(const std::string& name, Qt::GlobalColor colour)
    {
        QImage flag(30, 20, QImage::Format_RGB32);
        flag.fill(colour);
        QVERIFY(flag.save(QString::fromStdString((languageDir() / (name + ".bmp")).string()), "BMP"));
    }

    void start(const QString& server = test::LocalHttpServer::closedPortUrl())
    {
        m_state = std::make_unique<AppState>();
        Services services{m_messages, [this](const std::string& url) { m_opened.push_back(url); },
                          server.toStdString()};
        m_main = std::make_unique<TFMavreloFirmWare>(*m_state, services, m_dir->path());
    }

    TFSoftOptions* options() const { return m_main->findChild<TFSoftOptions*>(); }

    // Shows the options dialog without a modal loop.
    TFSoftOptions* showOptions()
    {
        TFSoftOptions* dialog = options();
        dialog->show();
        return dialog;
    }

    // Clicks Btn_Opz of the main window; action runs in the modal dialog.
    void throughOptions(std::function<void(TFSoftOptions*)> action)
    {
        test::whenModalShown([action](QWidget* modal) { action(qobject_cast<TFSoftOptions*>(modal)); });
        child<QPushButton>(m_main.get(), "Btn_Opz")->click();
    }

    // Shown on its page, also while another page of the dialog is in front.
    static bool shown(QWidget* widget) { return !widget->isHidden(); }

    static QString slotName(TFSoftOptions* dialog, int slot)
    {
        return child<QLabel>(dialog, ("L_L" + std::to_string(slot)).c_str())->text();
    }

    static std::vector<bool> shownSlots(TFSoftOptions* dialog)
    {
        std::vector<bool> result;
        for (int slot = 1; slot <= 6; ++slot)
            result.push_back(shown(child<QLabel>(dialog, ("L_L" + std::to_string(slot)).c_str())));
        return result;
    }

    AppState storedSettings() const
    {
        AppState stored;
        stored.Exe_Dir = m_dir->path();
        Read_Settings(stored);
        return stored;
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<test::TempDir>();
        m_messages.takeShown();
        m_opened.clear();
    }

    void cleanup()
    {
        m_main.reset();
        m_state.reset();
        m_dir.reset();
    }

    void sevenLanguagesFillTwoPages()
    {
        for (const char* name : {"Gamma", "alpha", "Delta", "Beta", "Eta", "epsilon", "Zeta"})
            writeLanguage(name);
        start();
        TFSoftOptions* dialog = showOptions();
        auto* previous = child<QPushButton>(dialog, "Btn_Prev");
        auto* next = child<QPushButton>(dialog, "Btn_Next");
        auto* page = child<QLabel>(dialog, "L_Page_Lang");

        QCOMPARE(shownSlots(dialog), std::vector<bool>(6, true));
        QCOMPARE(slotName(dialog, 1), QStringLiteral("alpha"));
        QCOMPARE(slotName(dialog, 3), QStringLiteral("Delta"));
        QCOMPARE(slotName(dialog, 4), QStringLiteral("epsilon"));
        QCOMPARE(page->text(), QStringLiteral("Page 1 / 2"));
        QVERIFY(!shown(previous));
        QVERIFY(shown(next));

        next->click();
        QCOMPARE(shownSlots(dialog), (std::vector<bool>{true, false, false, false, false, false}));
        QCOMPARE(slotName(dialog, 1), QStringLiteral("Zeta"));
        QCOMPARE(page->text(), QStringLiteral("Page 2 / 2"));
        QVERIFY(shown(previous));
        QVERIFY(!shown(next));

        previous->click();
        QCOMPARE(dialog->Show_Page, 1);
        QCOMPARE(page->text(), QStringLiteral("Page 1 / 2"));
        dialog->reject();
    }

    void noLanguageFileShowsPageOneOfZero()
    {
        start();
        TFSoftOptions* dialog = showOptions();
        QCOMPARE(shownSlots(dialog), std::vector<bool>(6, false));
        QCOMPARE(child<QLabel>(dialog, "L_Page_Lang")->text(), QStringLiteral("Page 1 / 0"));
        QCOMPARE(child<QLabel>(dialog, "L_Sel_Lang")->text(), QStringLiteral("Selected Language : English"));
        QVERIFY(!shown(child<QPushButton>(dialog, "Btn_Prev")));
        auto* next = child<QPushButton>(dialog, "Btn_Next");
        QVERIFY(shown(next));
        next->click();
        QCOMPARE(dialog->Show_Page, 1);
        QCOMPARE(child<QLabel>(dialog, "L_Page_Lang")->text(), QStringLiteral("Page 1 / 0"));
        dialog->reject();
    }

    void aReadOnlyLanguageFileIsNotOffered()
    {
        writeLanguage("Italiano");
        writeLanguage("Locked");
        std::filesystem::permissions(languageDir() / "Locked.lng", std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::remove);
        start();
        TFSoftOptions* dialog = showOptions();
        QCOMPARE(dialog->SL_Languages, std::vector<std::string>{"Italiano.lng"});
        QCOMPARE(shownSlots(dialog), (std::vector<bool>{true, false, false, false, false, false}));
        dialog->reject();
    }

    void flagPicturesFallBackToTheDefaultFlagThenToNone()
    {
        for (const char* name : {"Deutsch", "Italiano"})
            writeLanguage(name);
        writeFlag("Italiano", Qt::green);
        start();
        TFSoftOptions* dialog = showOptions();
        auto* deutschFlag = child<QLabel>(dialog, "I_L1");
        auto* italianoFlag = child<QLabel>(dialog, "I_L2");
        QVERIFY(!shown(deutschFlag));
        QVERIFY(shown(child<QLabel>(dialog, "L_L1")));
        QVERIFY(shown(italianoFlag));
        QCOMPARE(italianoFlag->pixmap().toImage().pixelColor(5, 5), QColor(Qt::green));
        dialog->reject();

        writeFlag("DefaultFlag", Qt::blue);
        dialog = showOptions();
        QVERIFY(shown(deutschFlag));
        QCOMPARE(deutschFlag->pixmap().toImage().pixelColor(5, 5), QColor(Qt::blue));
        dialog->reject();
    }

    void theCheckBoxesFollowTheEnablingRule()
    {
        start();
        m_state->Enable_Internet = false;
        m_state->Enable_Update = true;
        TFSoftOptions* dialog = showOptions();
        auto* internet = child<QCheckBox>(dialog, "CB_En_Con");
        auto* periodic = child<QCheckBox>(dialog, "CB_Update");
        auto* checkButton = child<QPushButton>(dialog, "Btn_Check_Update");
        QVERIFY(!periodic->isEnabled());
        QVERIFY(periodic->isChecked());
        QVERIFY(!checkButton->isEnabled());

        internet->setChecked(true);
        QVERIFY(periodic->isEnabled());
        QVERIFY(checkButton->isEnabled());
        periodic->setChecked(false);
        QVERIFY(!checkButton->isEnabled());
        dialog->reject();
    }

    void okStoresThePeriodicCheckMarkEvenWhenDisabled()
    {
        start();
        throughOptions([](TFSoftOptions* dialog) {
            child<QCheckBox>(dialog, "CB_Update")->setChecked(true);
            child<QCheckBox>(dialog, "CB_DoubleClick_Auto_Size")->setChecked(true);
            child<QPushButton>(dialog, "Btn_OK")->click();
        });
        QVERIFY(!m_state->Enable_Internet);
        QVERIFY(m_state->Enable_Update);
        QVERIFY(m_state->Double_Click_Auto_Size);
        QVERIFY(!m_main->Timer_Update->isActive());
        QVERIFY(storedSettings().Enable_Update);
    }

    void answeringNoChangesNothing()
    {
        writeLanguage("Italiano", "STR15 = Nuova configurazione\n");
        start();
        TFSoftOptions* dialog = showOptions();
        m_messages.answerQuestion(false);
        QTest::mouseClick(child<QLabel>(dialog, "L_L1"), Qt::LeftButton);
        QCOMPARE(m_messages.takeShown(),
                 (std::vector<test::RecordingMessages::Shown>{
                     {test::RecordingMessages::Kind::Question,
                      "Do you want to change the Language from English to Italiano?"}}));
        QCOMPARE(dialog->Language_In_Use, std::string("English"));
        QCOMPARE(child<QPushButton>(m_main.get(), "Btn_New")->text(), QStringLiteral("New Configuration"));
        QCOMPARE(child<QLabel>(dialog, "L_Sel_Lang")->text(), QStringLiteral("Selected Language : English"));
        dialog->reject();
    }

    void yesThenCancelShowsTheNewLanguageButKeepsTheStoredOne()
    {
        writeLanguage("Deutsch", "STR15 = Neue Konfiguration\n");
        writeLanguage("Italiano",
                      "STR15 = Nuova configurazione\nSTR100 = Crea nuova configurazione\n"
                      "STR200 = Apri configurazione\nSTR300 = Opzioni del software\n"
                      "STR304 = \xC2\xB6Lingua selezionata : \xC2\xB6\nSTR305 = \xC2\xB6Pagina \xC2\xB6\n");
        start();
        QVERIFY(Save_Setting(*m_state));
        const std::string settingsBefore = test::readFile(settingsFile(*m_state));

        m_messages.answerQuestion(true);
        throughOptions([](TFSoftOptions* dialog) {
            QTest::mouseClick(child<QLabel>(dialog, "I_L2"), Qt::LeftButton);
            QCOMPARE(child<QLabel>(dialog, "L_Sel_Lang")->text(),
                     QStringLiteral("Lingua selezionata : Italiano"));
            QCOMPARE(child<QLabel>(dialog, "L_Page_Lang")->text(), QStringLiteral("Pagina 1 / 1"));
            child<QPushButton>(dialog, "Btn_Cancel")->click();
        });

        QCOMPARE(child<QPushButton>(m_main.get(), "Btn_New")->text(), QStringLiteral("Nuova configurazione"));
        QCOMPARE(m_main->findChild<QDialog*>("TFNew_Project")->windowTitle(),
                 QStringLiteral("Crea nuova configurazione"));
        QCOMPARE(m_main->findChild<QDialog*>("TFOpenConf")->windowTitle(),
                 QStringLiteral("Apri configurazione"));
        QCOMPARE(options()->windowTitle(), QStringLiteral("Opzioni del software"));
        QCOMPARE(m_state->Language_Name, std::string("English"));
        QCOMPARE(test::readFile(settingsFile(*m_state)), settingsBefore);
        QVERIFY(!m_main->Timer_Update->isActive());

        // The next showing starts again from the stored language.
        TFSoftOptions* dialog = showOptions();
        QCOMPARE(dialog->Language_In_Use, std::string("English"));
        dialog->reject();
    }

    void okWritesTheSettingsAndSwitchesTheTimer()
    {
        writeLanguage("Italiano", "STR15 = Nuova configurazione\n");
        start();
        m_messages.answerQuestion(true);
        throughOptions([](TFSoftOptions* dialog) {
            QTest::mouseClick(child<QLabel>(dialog, "L_L1"), Qt::LeftButton);
            child<QCheckBox>(dialog, "CB_En_Con")->setChecked(true);
            child<QCheckBox>(dialog, "CB_Update")->setChecked(true);
            child<QCheckBox>(dialog, "CB_Soft_Set_Jump_Table")->setChecked(true);
            child<QPushButton>(dialog, "Btn_OK")->click();
        });
        const AppState stored = storedSettings();
        QCOMPARE(stored.Language_Name, std::string("Italiano"));
        QVERIFY(stored.Enable_Internet && stored.Enable_Update && stored.Enable_Jump_Field_Tables);
        QVERIFY(!stored.Double_Click_Auto_Size);
        QVERIFY(m_main->Timer_Update->isActive());
        QCOMPARE(m_main->Timer_Update->interval(), 60000);

        throughOptions([](TFSoftOptions* dialog) {
            QCOMPARE(dialog->Language_In_Use, std::string("Italiano"));
            QVERIFY(child<QCheckBox>(dialog, "CB_Update")->isChecked());
            child<QCheckBox>(dialog, "CB_En_Con")->setChecked(false);
            child<QPushButton>(dialog, "Btn_OK")->click();
        });
        QVERIFY(!storedSettings().Enable_Internet);
        QVERIFY(!m_main->Timer_Update->isActive());
    }

    void theManualCheckShowsTheLinkOrNoUpdate()
    {
        test::LocalHttpServer server(test::LocalHttpServer::okReply("VER. 1.002"));
        start(server.url());
        m_state->Enable_Internet = m_state->Enable_Update = true;
        TFSoftOptions* dialog = showOptions();
        auto* link = child<QLabel>(dialog, "LL_Check_Update");
        QVERIFY(!shown(link));
        child<QPushButton>(dialog, "Btn_Check_Update")->click();
        QTRY_VERIFY(shown(link));
        QVERIFY(link->text().contains(QStringLiteral("New Version Available. Click Here for more Details")));
        QVERIFY(link->text().contains(
            QStringLiteral("href=\"http://www.varnicco.example/Home/download/download.asp#DVQ4410\"")));
        emit link->linkActivated(
            QStringLiteral("http://www.varnicco.example/Home/download/download.asp#DVQ4410"));
        QCOMPARE(m_opened,
                 std::vector<std::string>{"http://www.varnicco.example/Home/download/download.asp#DVQ4410"});
        dialog->reject();

        // Each showing hides the link again until the next check.
        dialog = showOptions();
        QVERIFY(!shown(link));
        dialog->reject();
    }

    void theManualCheckWithoutServerShowsNoUpdate()
    {
        start(test::LocalHttpServer::closedPortUrl());
        m_state->Enable_Internet = m_state->Enable_Update = true;
        TFSoftOptions* dialog = showOptions();
        auto* link = child<QLabel>(dialog, "LL_Check_Update");
        child<QPushButton>(dialog, "Btn_Check_Update")->click();
        QTRY_VERIFY(shown(link));
        QCOMPARE(link->text(), QStringLiteral("No Update Available"));
        dialog->reject();
    }
};

} // namespace cfq

QTEST_MAIN(cfq::SoftOptionsTest)
#include "SoftOptionsTest.moc"
