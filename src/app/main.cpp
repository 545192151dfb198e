#include "app/AppState.h"
#include "app/UMavreloFirmWare.h"
#include "platform/ExeDir.h"
#include "platform/QtMessageService.h"
#include "platform/SharedData.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>

#include <iostream>

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

    // An installed program finds what it ships in <prefix>/share/cfq4410 and
    // copies what its working folder lacks at each start; a program in the
    // build tree has no such folder and seeds nothing.
    const std::filesystem::path workingFolder = cfq::workingFolderFor(state.Program_Dir);
    if (const cfq::Status seeded =
            cfq::seedWorkingFolder(cfq::sharedDataFolderFor(state.Program_Dir), workingFolder);
        !seeded)
        std::cerr << seeded.error() << '\n';

    cfq::TFMavreloFirmWare mainWindow(state, services, workingFolder);
    mainWindow.show();
    return application.exec();
}
