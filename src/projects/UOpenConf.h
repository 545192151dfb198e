#pragma once

#include "i18n/LanguageAware.h"
#include "i18n/TextBindings.h"

#include <QDialog>

#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace cfq {

struct AppState;
class TitlePanel;

// Lists the project folders and lets the user pick the one to open.
class TFOpenConf : public QDialog, public LanguageAware
{
    Q_OBJECT

public:
    TFOpenConf(AppState& state, QWidget* parent);

    void Set_Lang() override;
    std::vector<int> textIndices() const override;

    // The project names found at the last showing.
    std::vector<std::string> SL;
    // The name of the selected entry; empty opens no project.
    std::string Name_Conf;

    QListWidget* ListBox1;

public slots:
    void ListBox1Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();

    AppState& m_state;
    TextBindings m_texts;
    TitlePanel* P_Title;
    QLabel* Label1;
    QPushButton* Btn_OK;
    QPushButton* Btn_Cancel;
};

} // namespace cfq
