#include "BootDialogFixture.h"

#include "platform/IcmpSocketPosix.h"
#include "platform/Xml.h"

#include <QTest>

#include <unistd.h>

namespace cfq::test {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;
using Kind = RecordingMessages::Kind;

// The real client, counting the requests it sends.
class CountingIcmp : public IcmpEchoClient
{
public:
    CountingIcmp(std::unique_ptr<IcmpEchoClient> real, int& requests)
        : m_real(std::move(real)), m_requests(requests)
    {
    }
    Status setHost(const std::string& address) override { return m_real->setHost(address); }
    Status ping(const std::string& data, std::uint16_t sequence) override
    {
        ++m_requests;
        return m_real->ping(data, sequence);
    }

private:
    std::unique_ptr<IcmpEchoClient> m_real;
    int& m_requests;
};

} // namespace

class UBootCheckTest : public QObject
{
    Q_OBJECT

private slots:
    void answeringDeviceStoresTheChoicesWritesTheJobAndStartsTheUpdater()
    {
        auto script = std::make_shared<IcmpScript>();
        script->replyBytes = 37;
        script->replyAfter = milliseconds(5);
        BootDialogFixture fixture(scriptedIcmp(script));
        TFBoot& dialog = *fixture.dialog;
        dialog.show();
        fixture.typeAddress("127", "0", "0", "1");
        dialog.CB_Update_Options->setCurrentIndex(2);
        dialog.CB_Update_Option_Read_Back->setChecked(false);

        dialog.Btn_UpdateClick();

        QCOMPARE(script->hosts, std::vector<std::string>{"127.0.0.1"});
        QCOMPARE(script->data, (std::vector<std::string>{"127.0.0.1", "127.0.0.1"}));
        QCOMPARE(script->sequences, (std::vector<std::uint16_t>{0, 0}));
        QCOMPARE(dialog.ping_res, 1);
        QCOMPARE(fixture.state.Device_IP_Address, std::string("127.0.0.1"));
        QCOMPARE(fixture.state.Update_Option, 2);
        QCOMPARE(fixture.state.Read_Back, false);

        auto job = xml::load(fixture.jobFile());
        QVERIFY(job.ok());
        const pugi::xml_node root = job.value()->child("Ethernet_Update");
        QCOMPARE(xml::childText(root, "IP_Address_Dev").value_or(""), std::string("127.0.0.1"));
        const pugi::xml_node operations = root.child("Operations");
        QCOMPARE(std::distance(operations.begin(), operations.end()), 2);
        QCOMPARE(xml::childText(operations.first_child(), "Ope_Read_Back").value_or(""), std::string("0"));

        QCOMPARE(fixture.runs->starts.size(), std::size_t(1));
        const RunnerLog::Start& start = fixture.runs->starts.front();
        QCOMPARE(start.program, fixture.state.Program_Dir / "Ethernet_Update");
        QCOMPARE(start.parameter, std::string());
        QCOMPARE(start.hidden, false);
        QCOMPARE(start.limit, milliseconds(150000));
        QVERIFY(fixture.messages.shown().empty());
        QVERIFY(dialog.isVisible());
        QVERIFY(dialog.Btn_Update->isEnabled());
    }

    void silentDeviceWarnsAfterAboutFiveSecondsAndStoresNothing()
    {
        auto script = std::make_shared<IcmpScript>();
        BootDialogFixture fixture(scriptedIcmp(script));
        fixture.dialog->show();
        fixture.typeAddress("127", "0", "0", "9");

        const Clock::time_point start = Clock::now();
        fixture.dialog->Btn_UpdateClick();
        const auto took = Clock::now() - start;

        QVERIFY2(took >= milliseconds(5000) && took < milliseconds(6000),
                 qPrintable(QString::number(std::chrono::duration_cast<milliseconds>(took).count())));
        QVERIFY(script->data.size() >= 12 && script->data.size() <= 14);
        QCOMPARE(fixture.dialog->ping_res, 2);
        QCOMPARE(fixture.messages.takeShown(),
                 (std::vector<RecordingMessages::Shown>{{Kind::Warning, "Device Not Found!"}}));
        QCOMPARE(fixture.state.Device_IP_Address, std::string("192.168.2.205"));
        QVERIFY(!std::filesystem::exists(fixture.jobFile()));
        QVERIFY(fixture.runs->starts.empty());
    }

    void unusableAddressIsAnErrorAndStoresNothing()
    {
        // The real client: it refuses these addresses before it sends anything.
        const char* addresses[][4] = {{"999", "1", "1", "1"}, {"192", "", "2", "205"}, {"a", "b", "c", "d"}};
        for (const auto& address : addresses) {
            BootDialogFixture fixture(makeIcmpEchoClient);
            fixture.dialog->show();
            fixture.typeAddress(address[0], address[1], address[2], address[3]);
            fixture.dialog->CB_Update_Options->setCurrentIndex(1);

            fixture.dialog->Btn_UpdateClick();

            QCOMPARE(fixture.dialog->ping_res, 0);
            QCOMPARE(fixture.messages.takeShown(),
                     (std::vector<RecordingMessages::Shown>{{Kind::Error, "Error!!! Check the Ip Address"}}));
            QCOMPARE(fixture.state.Device_IP_Address, std::string("192.168.2.205"));
            QCOMPARE(fixture.state.Update_Option, 0);
            QVERIFY(!std::filesystem::exists(fixture.jobFile()));
            QVERIFY(fixture.runs->starts.empty());
        }
    }

    void loopbackAnswersTwiceWellUnderASecond()
    {
        if (Result<IcmpSocket> opened = openIcmpSocket(); !opened)
            QSKIP(qPrintable("no ICMP socket on this system: " + QString::fromStdString(opened.error())));
        else
            ::close(opened.value().descriptor);
        int requests = 0;
        BootDialogFixture fixture(
            [&requests](IcmpEchoClient::ReplyHandler onReply, IcmpEchoClient::WaitHook hook) {
                return std::make_unique<CountingIcmp>(makeIcmpEchoClient(std::move(onReply), std::move(hook)),
                                                      requests);
            });
        fixture.dialog->show();
        fixture.typeAddress("127", "0", "0", "1");

        const Clock::time_point start = Clock::now();
        QVERIFY(fixture.dialog->Send_Ping());
        QVERIFY(Clock::now() - start < milliseconds(500));
        QCOMPARE(requests, 2);
        QCOMPARE(fixture.dialog->ping_res, 1);
    }

    void updateButtonIsDisabledWhileACheckRuns()
    {
        auto script = std::make_shared<IcmpScript>();
        script->replyBytes = 37;
        script->replyAfter = milliseconds(60);
        BootDialogFixture fixture(scriptedIcmp(script));
        TFBoot& dialog = *fixture.dialog;
        dialog.show();
        fixture.typeAddress("127", "0", "0", "1");
        bool enabledDuringCheck = true;
        script->duringFirstWait = [&] {
            enabledDuringCheck = dialog.Btn_Update->isEnabled();
            QTest::mouseClick(dialog.Btn_Update, Qt::LeftButton);
        };

        QTest::mouseClick(dialog.Btn_Update, Qt::LeftButton);

        QVERIFY(!enabledDuringCheck);
        QCOMPARE(script->data.size(), std::size_t(2));
        QCOMPARE(fixture.runs->starts.size(), std::size_t(1));
        QVERIFY(dialog.Btn_Update->isEnabled());
    }

    void jobFileThatCannotBeWrittenIsShownAndTheUpdaterNotStarted()
    {
        auto script = std::make_shared<IcmpScript>();
        script->replyBytes = 37;
        script->replyAfter = milliseconds(5);
        BootDialogFixture fixture(scriptedIcmp(script));
        fixture.state.Exe_Dir = fixture.folder / "no such folder";
        fixture.dialog->show();
        fixture.typeAddress("127", "0", "0", "1");

        fixture.dialog->Btn_UpdateClick();

        const auto shown = fixture.messages.takeShown();
        QCOMPARE(shown.size(), std::size_t(1));
        QCOMPARE(shown.front().kind, Kind::Error);
        QVERIFY2(shown.front().text.find("Ethernet_Update.xml") != std::string::npos,
                 shown.front().text.c_str());
        QVERIFY(fixture.runs->starts.empty());
        QCOMPARE(fixture.state.Device_IP_Address, std::string("127.0.0.1"));
    }
};

} // namespace cfq::test

QTEST_MAIN(cfq::test::UBootCheckTest)
#include "UBootCheckTest.moc"
