#include "DeviceSimulator.h"

#include "app/AppState.h"
#include "app/Settings.h"
#include "app/UMavreloFirmWare.h"
#include "outputs/DeviceMemory.h"
#include "outputs/UBoot.h"
#include "platform/IcmpSocketPosix.h"
#include "projects/Projects.h"

#include "support/GuiTestSupport.h"
#include "support/RecordingMessages.h"
#include "support/TempDir.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <unistd.h>

namespace cfq::test {
namespace {

std::string patterned(std::size_t size, unsigned step)
{
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * step + i / 251) & 0xFF);
    return bytes;
}

} // namespace

class UpdateFlowTest : public QObject
{
    Q_OBJECT

private slots:
    void updateDeviceWritesTheImagesIntoTheDeviceAndRemembersItsAddress()
    {
        if (Result<IcmpSocket> opened = openIcmpSocket(); !opened)
            QSKIP(qPrintable("no ICMP socket on this system: " + QString::fromStdString(opened.error())));
        else
            ::close(opened.value().descriptor);

        TempDir work;
        const DeviceSimulator device(work / "device.img");
        qputenv("CFQ_JOB_FILE", QByteArray::fromStdString((work / "Ethernet_Update.xml").string()));
        qputenv("CFQ_BOOT_PORT", QByteArray::number(device.port()));

        AppState state;
        state.Program_Dir = toolsFolder();
        RecordingMessages messages;
        auto* mainWindow =
            new TFMavreloFirmWare(state, Services{messages, [](const std::string&) {}}, work.path());
        QVERIFY(Create_Project(state, "Line4").ok());
        writeFile(state.Master_Dir / "SimQ4410.sim", patterned(3000, 7));
        writeFile(state.Project_Path / "bin" / "bank1.bin", patterned(2048, 3));
        writeFile(state.Project_Path / "bin" / "bank2.bin", patterned(16557 + 120, 5));

        int formType = -1;
        whenModalShown([&formType](QWidget* modal) {
            auto* boot = qobject_cast<TFBoot*>(modal);
            QVERIFY(boot);
            formType = boot->Form_Type;
            boot->E_IP1->setText(QStringLiteral("127"));
            boot->E_IP2->setText(QStringLiteral("0"));
            boot->E_IP3->setText(QStringLiteral("0"));
            boot->E_IP4->setText(QStringLiteral("1"));
            boot->CB_Update_Options->setCurrentIndex(0);
            QTest::mouseClick(boot->Btn_Update, Qt::LeftButton);
            QTest::mouseClick(boot->Btn_Cancel, Qt::LeftButton);
        });
        mainWindow->show();
        QTest::mouseClick(child<QPushButton>(mainWindow, "Btn_CreateBin"), Qt::LeftButton);

        QCOMPARE(formType, 1);
        QVERIFY(messages.shown().empty());
        QCOMPARE(state.Device_IP_Address, std::string("127.0.0.1"));
        const std::string bank1 = readFile(state.Project_Path / "bin" / "bank1.bin");
        const std::string bank2 = readFile(state.Project_Path / "bin" / "bank2.bin");
        QVERIFY(device.memory(device::kParameterImageAddress, bank1.size()) == bank1);
        QVERIFY(device.memory(device::kProcessDataBase, bank2.size()) == bank2);
        QVERIFY(device.memory(0x8000, 3000) == patterned(3000, 7));

        mainWindow->close();
        delete mainWindow;
        AppState restarted;
        restarted.Exe_Dir = work.path();
        Read_Settings(restarted);
        QCOMPARE(restarted.Device_IP_Address, std::string("127.0.0.1"));

        qunsetenv("CFQ_JOB_FILE");
        qunsetenv("CFQ_BOOT_PORT");
    }
};

} // namespace cfq::test

QTEST_MAIN(cfq::test::UpdateFlowTest)
#include "UpdateFlowTest.moc"
