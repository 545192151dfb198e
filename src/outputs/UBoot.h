#pragma once

#include "app/Services.h"
#include "i18n/LanguageAware.h"
#include "i18n/TextBindings.h"
#include "platform/IcmpEcho.h"
#include "platform/ProcessRunner.h"
#include "platform/Result.h"

#include <QDialog>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

class QCheckBox;
class QComboBox;
class QFrame;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

namespace cfq {

struct AppState;
class TitlePanel;

// The update dialog: the device's IP address, what to update and whether to
// read it back. Update checks that the device answers echo requests, writes
// the updater job file and runs the updater, waiting for its end.
class TFBoot : public QDialog, public LanguageAware
{
    Q_OBJECT

public:
    // pingFactory makes the echo client the dialog keeps for the whole run;
    // processes starts the updater.
    TFBoot(AppState& state, Services services, const IcmpEchoClientFactory& pingFactory,
           std::unique_ptr<ProcessRunner> processes, QWidget* parent);
    ~TFBoot() override;

    void Set_Lang() override;
    std::vector<int> textIndices() const override;

    // Whether the device at the typed address answers echo requests.
    bool Send_Ping();
    // Writes the job file from the dialog's current state.
    Status Compile_XML_Parameter_New_Boot();
    // Starts a program and waits for its end, at most the updater wait limit;
    // meanwhile the windows are painted but take no input.
    void Start_Program(const std::filesystem::path& NomeSW, const std::string& Parameter, bool tipo);

    // How long Start_Program waits (150 s; tests shorten it).
    void setUpdaterWaitLimit(std::chrono::milliseconds limit) { m_updaterWaitLimit = limit; }

    // The form in which the dialog is shown; 1 is the update over Ethernet.
    int Form_Type = 0;
    // Outcome of the latest echo request: 0 none, 1 answered, 2 no answer.
    int ping_res = 0;

    QLineEdit* E_IP1;
    QLineEdit* E_IP2;
    QLineEdit* E_IP3;
    QLineEdit* E_IP4;
    QComboBox* CB_Update_Options;
    QCheckBox* CB_Update_Option_Read_Back;
    QPushButton* Btn_Cancel;
    QPushButton* Btn_Update;

public slots:
    void FormShow();
    void Btn_UpdateClick();
    void PingReply(int bytesReceived);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layOutPanels();
    void bindTexts();
    // A full stop in an address field moves to the next field and is never
    // typed; true when the key was taken.
    bool KeyPress(QLineEdit* field, const QKeyEvent* key);
    std::string typedAddress() const;
    void startUpdate();

    AppState& m_state;
    Services m_services;
    TextBindings m_texts;
    std::unique_ptr<IcmpEchoClient> Ping;
    std::unique_ptr<ProcessRunner> m_processes;
    std::chrono::milliseconds m_updaterWaitLimit{150000};

    TitlePanel* P_Title;
    QFrame* P_IP_Address;
    QFrame* P_Options;
    QFrame* P_Button;
    QLabel* L_IP_Address;
    QLabel* L_Update_Option;
};

} // namespace cfq
