#include "projects/UNew_Project.h"

#include "app/AppState.h"
#include "app/DialogParts.h"
#include "platform/MessageService.h"
#include "projects/Projects.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace cfq {

TFNew_Project::TFNew_Project(AppState& state, Services services, QWidget* parent)
    : QDialog(parent), m_state(state), m_services(std::move(services)), m_texts(state.Text_Table)
{
    setObjectName(QStringLiteral("TFNew_Project"));
    applyDialogBackground(this);
    P_Title = new TitlePanel(this);
    P_Title->L_SW_Code->setText(QString::fromStdString(m_state.SW_Code));

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    E_New_Proj = new QLineEdit(this);
    E_New_Proj->setObjectName(QStringLiteral("E_New_Proj"));
    connect(E_New_Proj, &QLineEdit::returnPressed, this, &TFNew_Project::Btn_OKClick);

    Btn_OK = makeButton(this, "Btn_OK");
    Btn_Cancel = makeButton(this, "Btn_Cancel");
    Btn_OK->setAutoDefault(false);
    Btn_Cancel->setAutoDefault(false);
    connect(Btn_OK, &QPushButton::clicked, this, &TFNew_Project::Btn_OKClick);
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* fields = new QVBoxLayout;
    fields->setContentsMargins(14, 10, 14, 6);
    fields->addWidget(Label1);
    fields->addWidget(E_New_Proj);
    QVBoxLayout* layout = titledColumn(this, P_Title);
    layout->addLayout(fields);
    layout->addStretch();
    layout->addLayout(buttonRow({Btn_OK, Btn_Cancel}));

    setFixedSize(331, 162);
    m_texts.windowTitle(this, 100);
    m_texts.text(P_Title->L_SW_Desc, 101);
    m_texts.text(Label1, 102);
    m_texts.text(Btn_OK, 103);
    m_texts.text(Btn_Cancel, 104);
    m_texts.hint(E_New_Proj, 108);
    m_texts.hint(Btn_OK, 109);
    m_texts.hint(Btn_Cancel, 110);
    Set_Lang();
}

void TFNew_Project::Set_Lang()
{
    m_texts.apply();
}

std::vector<int> TFNew_Project::textIndices() const
{
    std::vector<int> indices = m_texts.indices();
    indices.insert(indices.end(), {105, 106, 107});
    return indices;
}

void TFNew_Project::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    E_New_Proj->clear();
    E_New_Proj->setFocus();
}

void TFNew_Project::Btn_OKClick()
{
    const CreateProjectResult result = Create_Project(m_state, E_New_Proj->text().toStdString());
    if (!result.ok()) {
        m_services.messages.error(m_state.text(result.errorText));
        return;
    }
    accept();
}

} // namespace cfq
