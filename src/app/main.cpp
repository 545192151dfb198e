#include "app/AppState.h"
#include "app/UMavreloFirmWare.h"
#include "platform/ExeDir.h"
#include "platform/QtMessageService.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("CFQ4410"));

    cfq::AppState state;
    state.Program_Dir = cfq::executableFolder();
    cfq::QtMessageService messages;
    cfq::Services services{messages, [](const std::string& url) {
                               QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
                           }};

    cfq::TFMavreloFirmWare mainWindow(state, services, cfq::workingFolderFor(state.Program_Dir));
    mainWindow.show();
    return application.exec();
}
