#include "LocalHttpServer.h"
#include "app/AppState.h"
#include "app/Settings.h"
#include "app/UMavreloFirmWare.h"
#include "support/GuiTestSupport.h"
#include "support/RecordingMessages.h"
#include "support/TempDir.h"

#include <QLabel>
#include <QTest>
#include <QTimer>

#include <memory>

namespace cfq {

using test::child;

// The periodic version check of the main window.
class UpdateTimerTest : public QObject
{
    Q_OBJECT

private:
    test::TempDir m_dir;
    test::LocalHttpServer m_server{test::LocalHttpServer::okReply("VER. 1.002")};
    test::RecordingMessages m_messages;
    std::vector<std::string> m_opened;
    AppState m_state;
    std::unique_ptr<TFMavreloFirmWare> m_main;

    QLabel* link() const { return child<QLabel>(m_main.get(), "LL_Update"); }

private slots:
    void initTestCase()
    {
        AppState stored;
        stored.Exe_Dir = m_dir.path();
        stored.Enable_Internet = stored.Enable_Update = true;
        QVERIFY(Save_Setting(stored));
        Services services{m_messages, [this](const std::string& url) { m_opened.push_back(url); },
                          m_server.url().toStdString()};
        m_main = std::make_unique<TFMavreloFirmWare>(m_state, services, m_dir.path());
    }

    void cleanupTestCase() { m_main.reset(); }

    void runsFromTheStartWhenBothOptionsAreStored()
    {
        QVERIFY(m_main->Timer_Update->isActive());
        QCOMPARE(m_main->Timer_Update->interval(), 60000);
        QVERIFY(link()->isHidden());
    }

    void aTickReportingANewerVersionShowsTheLink()
    {
        m_main->Timer_UpdateTimer();
        QVERIFY(!m_main->Timer_Update->isActive());
        QTRY_VERIFY(!link()->isHidden());
        QVERIFY(
            link()->text().contains(QStringLiteral("New Version Available. Click Here for more Details")));
        QVERIFY(link()->text().contains(
            QStringLiteral("href=\"http://www.varnicco.example/Home/download/download.asp#DVQ4410\"")));
        QVERIFY(m_main->Timer_Update->isActive());
        QCOMPARE(m_main->Timer_Update->interval(), 7200000);
        QCOMPARE(m_server.connections(), 1);

        emit link()->linkActivated(
            QStringLiteral("http://www.varnicco.example/Home/download/download.asp#DVQ4410"));
        QCOMPARE(m_opened,
                 std::vector<std::string>{"http://www.varnicco.example/Home/download/download.asp#DVQ4410"});
    }

    void aTickWithoutANewerVersionHidesTheLink()
    {
        m_server.setReply(test::LocalHttpServer::okReply("VER. 1.001"));
        m_main->Timer_UpdateTimer();
        QTRY_VERIFY(link()->isHidden());
        QTRY_VERIFY(m_main->Timer_Update->isActive());
        QCOMPARE(m_main->Timer_Update->interval(), 7200000);
    }

    void optionsSwitchedOffWhileTheServerIsAskedKeepTheTimerOff()
    {
        const int asked = m_server.connections();
        m_main->Timer_UpdateTimer();
        m_state.Enable_Update = false;
        QTRY_COMPARE(m_server.connections(), asked + 1);
        QTest::qWait(100);
        QVERIFY(!m_main->Timer_Update->isActive());
    }
};

} // namespace cfq

QTEST_MAIN(cfq::UpdateTimerTest)
#include "UpdateTimerTest.moc"
