#include "app/DialogParts.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

namespace cfq {

TitlePanel::TitlePanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("P_Title"));
    setFixedHeight(69);
    setAutoFillBackground(true);
    QPalette panelPalette = palette();
    panelPalette.setColor(QPalette::Window, Qt::white);
    setPalette(panelPalette);

    L_SW_Code = new QLabel(this);
    L_SW_Code->setObjectName(QStringLiteral("L_SW_Code"));
    QFont codeFont = L_SW_Code->font();
    codeFont.setPointSize(18);
    codeFont.setBold(true);
    L_SW_Code->setFont(codeFont);
    L_SW_Code->setStyleSheet(QStringLiteral("color: rgb(128,128,128);"));
    L_SW_Code->move(12, 6);

    L_SW_Desc = new QLabel(this);
    L_SW_Desc->setObjectName(QStringLiteral("L_SW_Desc"));
    QFont descFont = L_SW_Desc->font();
    descFont.setBold(true);
    L_SW_Desc->setFont(descFont);
    L_SW_Desc->setStyleSheet(QStringLiteral("color: rgb(110,110,110);"));
    L_SW_Desc->setGeometry(14, 42, 600, 20);
    L_SW_Code->setMinimumWidth(200);
}

QPushButton* makeButton(QWidget* parent, const char* objectName, int width, int height)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setFixedSize(width, height);
    return button;
}

QVBoxLayout* titledColumn(QWidget* dialog, TitlePanel* title)
{
    auto* column = new QVBoxLayout(dialog);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(title);
    return column;
}

QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons, QWidget* owner)
{
    auto* row = new QHBoxLayout(owner);
    row->setContentsMargins(10, 6, 10, 6);
    row->addStretch();
    for (QPushButton* button : buttons)
        row->addWidget(button);
    return row;
}

void applyDialogBackground(QWidget* dialog)
{
    QPalette background = dialog->palette();
    background.setColor(QPalette::Window, QColor(248, 247, 237));
    dialog->setPalette(background);
    dialog->setAutoFillBackground(true);
}

} // namespace cfq
