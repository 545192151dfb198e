#pragma once

#include "BootFakes.h"

#include "app/AppState.h"
#include "app/ModelIdentity.h"
#include "outputs/UBoot.h"

#include "support/RecordingMessages.h"
#include "support/TempDir.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace cfq::test {

// An update dialog over a fresh program folder with an open project, a
// fake echo client and a process runner of the test's choice.
struct BootDialogFixture
{
    explicit BootDialogFixture(const IcmpEchoClientFactory& ping,
                               std::unique_ptr<ProcessRunner> runner = nullptr)
    {
        state.Text_Table.Init_Text_Table();
        state.SW_Code = model::kSoftwareCode;
        state.Exe_Dir = folder.path();
        state.Program_Dir = folder / "programs";
        state.Master_Dir = folder / "MASTER";
        state.Project_Path = folder / "PROJECTS" / "Line4";
        state.Device_IP_Address = model::kDefaultDeviceAddress;
        if (!runner)
            runner = std::make_unique<RecordingRunner>(runs);
        dialog = std::make_unique<TFBoot>(state, Services{messages, [](const std::string&) {}}, ping,
                                          std::move(runner), nullptr);
    }

    void typeAddress(const char* a, const char* b, const char* c, const char* d)
    {
        dialog->E_IP1->setText(QString::fromLatin1(a));
        dialog->E_IP2->setText(QString::fromLatin1(b));
        dialog->E_IP3->setText(QString::fromLatin1(c));
        dialog->E_IP4->setText(QString::fromLatin1(d));
    }

    std::filesystem::path jobFile() const { return folder / "Ethernet_Update.xml"; }

    TempDir folder;
    AppState state;
    RecordingMessages messages;
    std::shared_ptr<RunnerLog> runs = std::make_shared<RunnerLog>();
    std::unique_ptr<TFBoot> dialog;
};

} // namespace cfq::test
