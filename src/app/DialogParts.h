#pragma once

#include <QFrame>

class QLabel;
class QPushButton;
class QWidget;

namespace cfq {

// The title panel at the top of every dialog: the software code in large grey
// type and the dialog's description in bold grey, 69 pixels high.
class TitlePanel : public QFrame
{
public:
    explicit TitlePanel(QWidget* parent);

    QLabel* L_SW_Code;
    QLabel* L_SW_Desc;
};

// A push button with the object name used by tests and hints.
QPushButton* makeButton(QWidget* parent, const char* objectName, int width = 110, int height = 28);

// The dialog background colour (RGB 248, 247, 237).
void applyDialogBackground(QWidget* dialog);

} // namespace cfq
