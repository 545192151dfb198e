#include "LocalHttpServer.h"
#include "options/VersionCheck.h"

#include <QElapsedTimer>
#include <QTest>

#include <optional>

using namespace std::chrono_literals;

namespace cfq {

class VersionCheckTest : public QObject
{
    Q_OBJECT

private:
    // Runs one check against the server and waits for its answer.
    std::optional<bool> check(const QString& server, std::chrono::milliseconds timeout = 5s)
    {
        VersionCheck versionCheck(server.toStdString(), timeout, nullptr);
        std::optional<bool> answer;
        versionCheck.Check_Version(this, [&answer](bool newer) { answer = newer; });
        [&] { QTRY_VERIFY_WITH_TIMEOUT(answer.has_value(), 10000); }();
        return answer;
    }

private slots:
    void sendsAnHttp10GetWithTheExpectedHeaders()
    {
        test::LocalHttpServer server(test::LocalHttpServer::okReply("VER. 1.002\r\n"));
        QCOMPARE(check(server.url()), std::optional<bool>(true));
        const QByteArray expected =
            "GET /home/download/GetversionSW.asp?nomesw=CFQ4410 HTTP/1.0\r\n"
            "Host: 127.0.0.1:" +
            QByteArray::number(server.port()) +
            "\r\n"
            "Accept: text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8\r\n"
            "User-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n"
            "\r\n";
        QCOMPARE(server.request(), expected);
    }

    void answersFromTheReply_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("newer");
        QTest::newRow("same version") << test::LocalHttpServer::okReply("VER. 1.001") << false;
        QTest::newRow("no version") << test::LocalHttpServer::okReply("VER. 0.000") << false;
        QTest::newRow("lower case, blank lines")
            << test::LocalHttpServer::okReply("\r\n\r\nver. 1.002\r\n") << true;
        QTest::newRow("error status") << QByteArray("HTTP/1.1 404 Not Found\r\n\r\nVER. 1.002") << false;
        QTest::newRow("no HTTP reply") << QByteArray("VER. 1.002\r\n\r\n") << false;
        QTest::newRow("oversized reply")
            << test::LocalHttpServer::okReply("VER. 1.002" + QByteArray(70000, ' ')) << false;
    }

    void answersFromTheReply()
    {
        QFETCH(QByteArray, reply);
        QFETCH(bool, newer);
        test::LocalHttpServer server(reply);
        QCOMPARE(check(server.url()), std::optional<bool>(newer));
    }

    void aReplyOfAGivenLengthEndsWithoutTheServerClosing()
    {
        test::LocalHttpServer server("HTTP/1.0 200 OK\r\nContent-Length: 10\r\n\r\nVER. 1.002",
                                     test::LocalHttpServer::Closing::Never);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(check(server.url(), 3s), std::optional<bool>(true));
        QVERIFY(clock.elapsed() < 2000);
    }

    void aClosedPortIsNoNewerVersion()
    {
        QCOMPARE(check(test::LocalHttpServer::closedPortUrl()), std::optional<bool>(false));
    }

    void aSilentServerTimesOutAsNoNewerVersion()
    {
        test::LocalHttpServer server(QByteArray(), test::LocalHttpServer::Closing::Never);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(check(server.url(), 300ms), std::optional<bool>(false));
        QVERIFY(clock.elapsed() >= 300);
        QCOMPARE(server.connections(), 1);
    }

    void aServerAddressThatIsNoHttpUrlIsNoNewerVersion()
    {
        QCOMPARE(check(QStringLiteral("ftp://127.0.0.1:21")), std::optional<bool>(false));
        QCOMPARE(check(QString()), std::optional<bool>(false));
    }

    void noAnswerReachesAContextThatIsGone()
    {
        test::LocalHttpServer server(test::LocalHttpServer::okReply("VER. 1.002"));
        VersionCheck versionCheck(server.url().toStdString(), 5s, nullptr);
        bool answered = false;
        auto context = std::make_unique<QObject>();
        versionCheck.Check_Version(context.get(), [&answered](bool) { answered = true; });
        context.reset();
        QTRY_COMPARE(server.connections(), 1);
        QTest::qWait(200);
        QVERIFY(!answered);
    }
};

} // namespace cfq

QTEST_MAIN(cfq::VersionCheckTest)
#include "VersionCheckTest.moc"
