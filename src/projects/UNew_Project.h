#pragma once

#include "app/Services.h"
#include "i18n/LanguageAware.h"
#include "i18n/TextBindings.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace cfq {

struct AppState;
class TitlePanel;

// Asks for the name of a new configuration and creates its folder.
class TFNew_Project : public QDialog, public LanguageAware
{
    Q_OBJECT

public:
    TFNew_Project(AppState& state, Services services, QWidget* parent);

    void Set_Lang() override;
    std::vector<int> textIndices() const override;

    QLineEdit* E_New_Proj;

public slots:
    void Btn_OKClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    AppState& m_state;
    Services m_services;
    TextBindings m_texts;
    TitlePanel* P_Title;
    QLabel* Label1;
    QPushButton* Btn_OK;
    QPushButton* Btn_Cancel;
};

} // namespace cfq
