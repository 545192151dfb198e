#pragma once

#include "app/Services.h"
#include "i18n/LanguageAware.h"
#include "i18n/TextBindings.h"

#include <QWidget>

#include <filesystem>
#include <vector>

class QFrame;
class QLabel;
class QPushButton;
class QTimer;

namespace cfq {

struct AppState;
class TFAbout;
class TFBoot;
class TFNew_Project;
class TFOpenConf;
class TFSoftOptions;
class VersionCheck;
class TFParGen;
class TFEtherCATSlave;
class TFEtherCATSlave_Group;

// The main window: the model's code and description, the active
// configuration and the five numbered steps.
class TFMavreloFirmWare : public QWidget, public LanguageAware
{
    Q_OBJECT

public:
    // Runs the start-up sequence on workingFolder, then creates every dialog.
    TFMavreloFirmWare(AppState& state, Services services, const std::filesystem::path& workingFolder,
                      QWidget* parent = nullptr);
    ~TFMavreloFirmWare() override;

    void Set_Lang() override;
    std::vector<int> textIndices() const override;
    // Applies the current text table to every window, in a fixed order.
    void Change_Language();

    void Create_New_Project();
    void Open_Project();
    void Update_Device();
    // Step 4: asks for the target file and writes the ESI file there.
    void EtherCAT_ESI_File();

    // The windows in the order of Change_Language.
    const std::vector<LanguageAware*>& languageWindows() const { return m_languageWindows; }

    QTimer* Timer_Update;

public slots:
    void Btn_Click();
    void Timer_UpdateTimer();
    void LL_UpdateLinkClick(const QString& link);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void layOutWindow();
    void bindTexts();
    void createDialogs();
    void showActiveConfiguration();
    void switchUpdateTimer();
    QPushButton* stepButton(const char* name, int left, int top);

    AppState& m_state;
    Services m_services;
    TextBindings m_texts;
    std::vector<LanguageAware*> m_languageWindows;

    QLabel* L_SW_Code;
    QLabel* L_SW_Desc;
    QLabel* L_Begin;
    QFrame* Shape2;
    QLabel* L_Name_Conf;
    QLabel* L_Name_Conf_L2;
    QPushButton* Btn_Info;
    QPushButton* Btn_Opz;
    QPushButton* Btn_Close;
    QLabel* L_Step[5];
    QPushButton* Btn_New;
    QPushButton* Btn_Open;
    QPushButton* Btn_Prm_Gen;
    QPushButton* Btn_EtherCAT_Set_Group;
    QPushButton* Btn_EtherCAT_Set_Access;
    QPushButton* Btn_EtherCAT_ESI_File;
    QPushButton* Btn_CreateBin;
    QFrame* Shape1;
    QLabel* L_Varnic;
    QLabel* LL_Update;

    TFNew_Project* m_newProject = nullptr;
    TFOpenConf* m_openConf = nullptr;
    TFAbout* m_about = nullptr;
    TFSoftOptions* m_softOptions = nullptr;
    VersionCheck* HTTP1 = nullptr;
    TFParGen* m_parGen = nullptr;
    TFBoot* m_boot = nullptr;
    TFEtherCATSlave* m_etherCATSlave = nullptr;
    TFEtherCATSlave_Group* m_etherCATSlaveGroup = nullptr;
};

} // namespace cfq
