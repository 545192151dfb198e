#include "projects/UOpenConf.h"

#include "app/AppState.h"
#include "app/DialogParts.h"
#include "projects/Projects.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace cfq {

TFOpenConf::TFOpenConf(AppState& state, QWidget* parent)
    : QDialog(parent), m_state(state), m_texts(state.Text_Table)
{
    setObjectName(QStringLiteral("TFOpenConf"));
    applyDialogBackground(this);
    P_Title = new TitlePanel(this);
    P_Title->L_SW_Code->setText(QString::fromStdString(m_state.SW_Code));

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    connect(ListBox1, &QListWidget::currentRowChanged, this, &TFOpenConf::ListBox1Click);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

    Btn_OK = makeButton(this, "Btn_OK");
    Btn_Cancel = makeButton(this, "Btn_Cancel");
    connect(Btn_OK, &QPushButton::clicked, this, &QDialog::accept);
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* list = new QVBoxLayout;
    list->setContentsMargins(14, 10, 14, 6);
    list->addWidget(Label1);
    list->addWidget(ListBox1, 1);
    QVBoxLayout* layout = titledColumn(this, P_Title);
    layout->addLayout(list, 1);
    layout->addLayout(buttonRow({Btn_OK, Btn_Cancel}));

    resize(377, 351);
    m_texts.windowTitle(this, 200);
    m_texts.text(P_Title->L_SW_Desc, 201);
    m_texts.text(Label1, 202);
    m_texts.text(Btn_OK, 203);
    m_texts.text(Btn_Cancel, 204);
    m_texts.hint(ListBox1, 205);
    m_texts.hint(Btn_OK, 206);
    m_texts.hint(Btn_Cancel, 207);
    Set_Lang();
}

void TFOpenConf::Set_Lang()
{
    m_texts.apply();
}

std::vector<int> TFOpenConf::textIndices() const
{
    return m_texts.indices();
}

void TFOpenConf::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TFOpenConf::FormShow()
{
    SL = Load_Existing_Configuration(m_state);
    const QSignalBlocker quiet(ListBox1);
    ListBox1->clear();
    for (const std::string& name : SL)
        ListBox1->addItem(QString::fromStdString(name));

    int selected = Search_Open_Conf(SL, openProjectName(m_state));
    if (selected < 0 && !SL.empty())
        selected = 0;
    ListBox1->setCurrentRow(selected);
    Name_Conf = selected >= 0 ? SL[static_cast<std::size_t>(selected)] : std::string();
}

void TFOpenConf::ListBox1Click()
{
    const int row = ListBox1->currentRow();
    if (row >= 0 && row < static_cast<int>(SL.size()))
        Name_Conf = SL[static_cast<std::size_t>(row)];
}

} // namespace cfq
