#pragma once

#include <QFrame>

#include <initializer_list>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QVBoxLayout;
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

// The column every dialog stacks its parts in, without margins or spacing:
// the title panel on top, then what the caller adds below it.
QVBoxLayout* titledColumn(QWidget* dialog, TitlePanel* title);

// A dialog's bottom row: the buttons at its right, in the given order. The
// row is laid out on owner when one is given (a button panel).
QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons, QWidget* owner = nullptr);

// The dialog background colour (RGB 248, 247, 237).
void applyDialogBackground(QWidget* dialog);

} // namespace cfq
