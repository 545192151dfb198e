#pragma once

#include "app/Services.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace cfq {

struct AppState;

// Software code, version and manual code of the configurator, with the
// maker's web address. Its texts are fixed English texts in every language.
class TFAbout : public QDialog
{
    Q_OBJECT

public:
    TFAbout(AppState& state, Services services, QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    QLabel* addLabel(const char* name, const QString& text, int left, int top);

    AppState& m_state;
    Services m_services;
    QLabel* Image2;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label4;
    QLabel* Label9;
    QLabel* Label10;
    QLabel* Label12;
    QPushButton* LbButton1;
};

} // namespace cfq
