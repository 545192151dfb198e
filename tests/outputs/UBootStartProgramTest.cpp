#include "BootDialogFixture.h"

#include <QTest>
#include <QTimer>

#include <csignal>

#include <sys/stat.h>
#include <sys/wait.h>

namespace cfq::test {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// Counts the paint events a widget gets.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// An update dialog whose device always answers and whose updater is a
// shell script in the program folder.
struct StubUpdaterFixture : BootDialogFixture
{
    explicit StubUpdaterFixture(std::shared_ptr<IcmpScript> script = answeringDevice())
        : BootDialogFixture(scriptedIcmp(script), makeProcessRunner())
    {
        std::filesystem::create_directories(state.Program_Dir);
        dialog->show();
        typeAddress("127", "0", "0", "1");
    }

    static std::shared_ptr<IcmpScript> answeringDevice()
    {
        auto script = std::make_shared<IcmpScript>();
        script->replyBytes = 37;
        script->replyAfter = milliseconds(1);
        return script;
    }

    void writeUpdater(const std::string& body)
    {
        const std::filesystem::path updater = state.Program_Dir / "Ethernet_Update";
        writeFile(updater, "#!/bin/sh\n" + body + "\n");
        std::filesystem::permissions(updater, std::filesystem::perms::owner_all);
    }

    // Runs an update; how long until the dialog got control back.
    milliseconds update()
    {
        const Clock::time_point start = Clock::now();
        dialog->Btn_UpdateClick();
        return std::chrono::duration_cast<milliseconds>(Clock::now() - start);
    }
};

} // namespace

class UBootStartProgramTest : public QObject
{
    Q_OBJECT

private slots:
    void waitsForAnUpdaterThatEndsAfterOneSecond()
    {
        StubUpdaterFixture fixture;
        fixture.writeUpdater("sleep 1");
        const milliseconds took = fixture.update();
        QVERIFY2(took >= milliseconds(1000) && took < milliseconds(2500),
                 qPrintable(QString::number(took.count())));
        QVERIFY(fixture.messages.shown().empty());
        QVERIFY(fixture.dialog->isVisible());
    }

    void stopsWaitingAtTheLimitAndLeavesTheUpdaterRunning()
    {
        StubUpdaterFixture fixture;
        const std::filesystem::path pidFile = fixture.folder / "updater.pid";
        fixture.writeUpdater("echo $$ > '" + pidFile.string() + "'\nexec sleep 30");
        fixture.dialog->setUpdaterWaitLimit(milliseconds(1000));

        const milliseconds took = fixture.update();

        QVERIFY2(took >= milliseconds(1000) && took < milliseconds(2000),
                 qPrintable(QString::number(took.count())));
        const pid_t updater = std::stoi(readFile(pidFile));
        QCOMPARE(::kill(updater, 0), 0);
        QCOMPARE(::kill(updater, SIGKILL), 0);
        int status = 0;
        QCOMPARE(::waitpid(updater, &status, 0), updater);
    }

    void missingUpdaterIsNotReported()
    {
        StubUpdaterFixture fixture;
        const milliseconds took = fixture.update();
        QVERIFY(took < milliseconds(500));
        QVERIFY(fixture.messages.shown().empty());
        QVERIFY(std::filesystem::exists(fixture.jobFile()));
        QCOMPARE(fixture.state.Device_IP_Address, std::string("127.0.0.1"));
    }

    void updaterStartsInTheCurrentFolderWithoutArguments()
    {
        StubUpdaterFixture fixture;
        const std::filesystem::path seen = fixture.folder / "seen.txt";
        fixture.writeUpdater("echo \"$# $(pwd)\" > '" + seen.string() + "'");
        fixture.update();
        QCOMPARE(readFile(seen), "0 " + std::filesystem::current_path().string() + "\n");
    }

    void windowsArePaintedButTakeNoInputWhileTheUpdaterRuns()
    {
        StubUpdaterFixture fixture;
        TFBoot& dialog = *fixture.dialog;
        fixture.writeUpdater("sleep 1");
        PaintCounter painted;
        dialog.installEventFilter(&painted);
        bool timerRan = false;
        QTimer::singleShot(300, &dialog, [&] {
            timerRan = true;
            painted.paints = 0;
            dialog.update();
            QTest::keyClicks(dialog.E_IP1, QStringLiteral("9"));
            QTest::mouseClick(dialog.Btn_Cancel, Qt::LeftButton);
        });

        fixture.update();
        QCoreApplication::processEvents();

        QVERIFY(timerRan);
        QVERIFY(painted.paints > 0);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.E_IP1->text(), QStringLiteral("127"));
        QTest::mouseClick(dialog.Btn_Cancel, Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
    }
};

} // namespace cfq::test

QTEST_MAIN(cfq::test::UBootStartProgramTest)
#include "UBootStartProgramTest.moc"
