#pragma once

#include "app/Services.h"
#include "i18n/LanguageAware.h"
#include "i18n/TextBindings.h"

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;
class QTabWidget;

namespace cfq {

struct AppState;
class TitlePanel;
class VersionCheck;

// The software options: the language of the user interface, internet access
// with the check for a newer version, and two behaviours of the table
// editors. OK stores the choices in the application state; Cancel stores
// nothing, but a language picked meanwhile stays applied to the windows.
class TFSoftOptions : public QDialog, public LanguageAware
{
    Q_OBJECT

public:
    // changeLanguage applies the text table to every window of the program.
    TFSoftOptions(AppState& state, Services services, VersionCheck& versionCheck,
                  std::function<void()> changeLanguage, QWidget* parent);

    void Set_Lang() override;
    std::vector<int> textIndices() const override;

    void Create_Lang_List();
    void Update_Lang_Page(int Num_Page);
    void Update_CheckBox();

    // File names of the language files offered, sorted.
    std::vector<std::string> SL_Languages;
    // Language page shown, counted from 1.
    int Show_Page = 1;
    // The language picked in this dialog; becomes Language_Name on OK.
    std::string Language_In_Use;

public slots:
    // Offers the language of the slot that the picture or label belongs to.
    void LangClick(QWidget* slotComponent);
    void Btn_NextClick();
    void CB_En_ConClick();
    void Btn_Check_UpdateClick();
    void LL_Check_UpdateLinkClick(const QString& link);
    void Btn_OKClick();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    QWidget* createLanguagePage();
    QWidget* createConnectionPage();
    QWidget* createSettingsPage();
    void bindTexts();
    void showLanguageLabels(int page);
    void showSlot(int slot, const std::string& languageName);
    int slotOf(const QWidget* component) const;

    AppState& m_state;
    Services m_services;
    VersionCheck& m_versionCheck;
    std::function<void()> m_changeLanguage;
    TextBindings m_texts;
    // Counts the showings, so that a check started in an earlier showing
    // leaves the link of this one alone.
    int m_showing = 0;

    TitlePanel* P_Title;
    QTabWidget* PC_Options;
    QWidget* TS_Language;
    QWidget* TS_Con_Options;
    QWidget* TS_Soft_Settings;
    QLabel* L_Sel_Lang;
    QLabel* L_Page_Lang;
    QLabel* I_L[6];
    QLabel* L_L[6];
    QPushButton* Btn_Prev;
    QPushButton* Btn_Next;
    QCheckBox* CB_En_Con;
    QCheckBox* CB_Update;
    QPushButton* Btn_Check_Update;
    QLabel* LL_Check_Update;
    QCheckBox* CB_Soft_Set_Jump_Table;
    QCheckBox* CB_DoubleClick_Auto_Size;
    QPushButton* Btn_OK;
    QPushButton* Btn_Cancel;
};

} // namespace cfq
