#include "options/USoftOptions.h"

#include "app/AppState.h"
#include "app/DialogParts.h"
#include "i18n/Language.h"
#include "options/LanguagePages.h"
#include "options/VersionCheck.h"
#include "platform/MessageService.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace cfq {
namespace {

constexpr int kFlagSize = 48;

QString toQString(const std::string& text)
{
    return QString::fromStdString(text);
}

// A flag picture fitted into its slot; a picture that cannot be read counts
// as missing.
QPixmap flagPixmap(const std::filesystem::path& file)
{
    QPixmap picture(toQString(file.string()));
    if (picture.width() > kFlagSize || picture.height() > kFlagSize)
        picture = picture.scaled(kFlagSize, kFlagSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return picture;
}

} // namespace

TFSoftOptions::TFSoftOptions(AppState& state, Services services, VersionCheck& versionCheck,
                             std::function<void()> changeLanguage, QWidget* parent)
    : QDialog(parent), m_state(state), m_services(std::move(services)), m_versionCheck(versionCheck),
      m_changeLanguage(std::move(changeLanguage)), m_texts(state.Text_Table)
{
    setObjectName(QStringLiteral("TFSoftOptions"));
    applyDialogBackground(this);
    P_Title = new TitlePanel(this);
    P_Title->L_SW_Code->setText(toQString(m_state.SW_Code));

    PC_Options = new QTabWidget(this);
    PC_Options->setObjectName(QStringLiteral("PC_Options"));
    PC_Options->addTab(createLanguagePage(), QString());
    PC_Options->addTab(createConnectionPage(), QString());
    PC_Options->addTab(createSettingsPage(), QString());
    for (QCheckBox* box : {CB_En_Con, CB_Update, CB_Soft_Set_Jump_Table, CB_DoubleClick_Auto_Size})
        connect(box, &QCheckBox::toggled, this, &TFSoftOptions::CB_En_ConClick);

    Btn_OK = makeButton(this, "Btn_OK");
    Btn_Cancel = makeButton(this, "Btn_Cancel");
    connect(Btn_OK, &QPushButton::clicked, this, &TFSoftOptions::Btn_OKClick);
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* pages = new QVBoxLayout;
    pages->setContentsMargins(8, 8, 8, 4);
    pages->addWidget(PC_Options);
    QVBoxLayout* layout = titledColumn(this, P_Title);
    layout->addLayout(pages, 1);
    layout->addLayout(buttonRow({Btn_OK, Btn_Cancel}));

    setFixedSize(509, 373);
    bindTexts();
    Set_Lang();
}

QWidget* TFSoftOptions::createLanguagePage()
{
    TS_Language = new QWidget;
    TS_Language->setObjectName(QStringLiteral("TS_Language"));
    L_Sel_Lang = new QLabel(TS_Language);
    L_Sel_Lang->setObjectName(QStringLiteral("L_Sel_Lang"));
    L_Page_Lang = new QLabel(TS_Language);
    L_Page_Lang->setObjectName(QStringLiteral("L_Page_Lang"));
    L_Page_Lang->setAlignment(Qt::AlignCenter);

    // Slots 0 to 2 fill the left column from the top, slots 3 to 5 the right.
    auto* slotGrid = new QGridLayout;
    slotGrid->setHorizontalSpacing(10);
    slotGrid->setVerticalSpacing(4);
    for (int slot = 0; slot < kLanguagesPerPage; ++slot) {
        const QString number = QString::number(slot + 1);
        I_L[slot] = new QLabel(TS_Language);
        I_L[slot]->setObjectName(QStringLiteral("I_L") + number);
        I_L[slot]->setFixedSize(kFlagSize, kFlagSize);
        I_L[slot]->setAlignment(Qt::AlignCenter);
        L_L[slot] = new QLabel(TS_Language);
        L_L[slot]->setObjectName(QStringLiteral("L_L") + number);
        QFont nameFont = L_L[slot]->font();
        nameFont.setBold(true);
        L_L[slot]->setFont(nameFont);
        for (QLabel* component : {I_L[slot], L_L[slot]}) {
            component->setCursor(Qt::PointingHandCursor);
            component->installEventFilter(this);
        }
        const int row = slot % 3;
        const int column = (slot / 3) * 2;
        slotGrid->addWidget(I_L[slot], row, column);
        slotGrid->addWidget(L_L[slot], row, column + 1);
    }
    slotGrid->setColumnMinimumWidth(0, kFlagSize);
    slotGrid->setColumnMinimumWidth(2, kFlagSize);
    slotGrid->setColumnStretch(1, 1);
    slotGrid->setColumnStretch(3, 1);

    Btn_Prev = makeButton(TS_Language, "Btn_Prev", 100, 26);
    Btn_Next = makeButton(TS_Language, "Btn_Next", 100, 26);
    connect(Btn_Prev, &QPushButton::clicked, this, &TFSoftOptions::Btn_NextClick);
    connect(Btn_Next, &QPushButton::clicked, this, &TFSoftOptions::Btn_NextClick);
    auto* paging = new QHBoxLayout;
    paging->addWidget(Btn_Prev);
    paging->addWidget(L_Page_Lang, 1);
    paging->addWidget(Btn_Next);

    auto* layout = new QVBoxLayout(TS_Language);
    layout->setContentsMargins(10, 6, 10, 6);
    layout->setSpacing(4);
    layout->addWidget(L_Sel_Lang);
    layout->addLayout(slotGrid);
    layout->addStretch();
    layout->addLayout(paging);
    return TS_Language;
}

QWidget* TFSoftOptions::createConnectionPage()
{
    TS_Con_Options = new QWidget;
    TS_Con_Options->setObjectName(QStringLiteral("TS_Con_Options"));
    CB_En_Con = new QCheckBox(TS_Con_Options);
    CB_En_Con->setObjectName(QStringLiteral("CB_En_Con"));
    CB_Update = new QCheckBox(TS_Con_Options);
    CB_Update->setObjectName(QStringLiteral("CB_Update"));
    Btn_Check_Update = makeButton(TS_Con_Options, "Btn_Check_Update", 240, 28);
    connect(Btn_Check_Update, &QPushButton::clicked, this, &TFSoftOptions::Btn_Check_UpdateClick);
    LL_Check_Update = new QLabel(TS_Con_Options);
    LL_Check_Update->setObjectName(QStringLiteral("LL_Check_Update"));
    LL_Check_Update->setWordWrap(true);
    LL_Check_Update->setTextFormat(Qt::RichText);
    connect(LL_Check_Update, &QLabel::linkActivated, this, &TFSoftOptions::LL_Check_UpdateLinkClick);

    auto* indented = new QHBoxLayout;
    indented->addSpacing(22);
    indented->addWidget(CB_Update, 1);
    auto* layout = new QVBoxLayout(TS_Con_Options);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(8);
    layout->addWidget(CB_En_Con);
    layout->addLayout(indented);
    layout->addSpacing(14);
    layout->addWidget(Btn_Check_Update);
    layout->addWidget(LL_Check_Update);
    layout->addStretch();
    return TS_Con_Options;
}

QWidget* TFSoftOptions::createSettingsPage()
{
    TS_Soft_Settings = new QWidget;
    TS_Soft_Settings->setObjectName(QStringLiteral("TS_Soft_Settings"));
    CB_Soft_Set_Jump_Table = new QCheckBox(TS_Soft_Settings);
    CB_Soft_Set_Jump_Table->setObjectName(QStringLiteral("CB_Soft_Set_Jump_Table"));
    CB_DoubleClick_Auto_Size = new QCheckBox(TS_Soft_Settings);
    CB_DoubleClick_Auto_Size->setObjectName(QStringLiteral("CB_DoubleClick_Auto_Size"));

    auto* layout = new QVBoxLayout(TS_Soft_Settings);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(8);
    layout->addWidget(CB_Soft_Set_Jump_Table);
    layout->addWidget(CB_DoubleClick_Auto_Size);
    layout->addStretch();
    return TS_Soft_Settings;
}

void TFSoftOptions::bindTexts()
{
    const auto composeLanguageLabels = [this](const QString&) { showLanguageLabels(Show_Page); };
    m_texts.windowTitle(this, 300);
    m_texts.text(P_Title->L_SW_Desc, 301);
    m_texts.tab(PC_Options, 0, 302);
    m_texts.tab(PC_Options, 1, 303);
    m_texts.custom(304, composeLanguageLabels);
    m_texts.custom(305, composeLanguageLabels);
    m_texts.custom(306, composeLanguageLabels);
    m_texts.text(Btn_Prev, 307);
    m_texts.text(Btn_Next, 308);
    m_texts.text(CB_En_Con, 309);
    m_texts.text(CB_Update, 310);
    m_texts.text(Btn_Check_Update, 311);
    m_texts.text(Btn_OK, 312);
    m_texts.text(Btn_Cancel, 313);
    m_texts.tab(PC_Options, 2, 319);
    m_texts.text(CB_Soft_Set_Jump_Table, 320);
    m_texts.text(CB_DoubleClick_Auto_Size, 321);
}

std::vector<int> TFSoftOptions::textIndices() const
{
    std::vector<int> indices = m_texts.indices();
    // The manual check's answers and the language question.
    indices.insert(indices.end(), {314, 315, 316, 317, 318});
    return indices;
}

void TFSoftOptions::Set_Lang()
{
    m_texts.apply();
}

void TFSoftOptions::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TFSoftOptions::FormShow()
{
    ++m_showing;
    Language_In_Use = m_state.Language_Name;
    Create_Lang_List();
    Update_CheckBox();
    LL_Check_Update->hide();
    PC_Options->setCurrentWidget(TS_Language);
    CB_En_Con->setChecked(m_state.Enable_Internet);
    CB_Update->setChecked(m_state.Enable_Update);
    CB_Soft_Set_Jump_Table->setChecked(m_state.Enable_Jump_Field_Tables);
    CB_DoubleClick_Auto_Size->setChecked(m_state.Double_Click_Auto_Size);
}

void TFSoftOptions::Create_Lang_List()
{
    SL_Languages = cfq::Create_Lang_List(m_state.Language_Dir);
    Show_Page = 1;
    Update_Lang_Page(1);
}

void TFSoftOptions::showLanguageLabels(int page)
{
    L_Sel_Lang->setText(toQString(selectedLanguageLabel(m_state.Text_Table, Language_In_Use)));
    L_Page_Lang->setText(
        toQString(pageLabel(m_state.Text_Table, page, languagePageCount(SL_Languages.size()))));
}

void TFSoftOptions::Update_Lang_Page(int Num_Page)
{
    const int pageCount = languagePageCount(SL_Languages.size());
    showLanguageLabels(Num_Page);
    Btn_Prev->setVisible(Num_Page != 1);
    Btn_Next->setVisible(Num_Page != pageCount);

    const int shown = languagesOnPage(SL_Languages.size(), Num_Page);
    for (int slot = 0; slot < kLanguagesPerPage; ++slot) {
        if (slot < shown) {
            showSlot(slot, languageNameOf(SL_Languages[languageIndex(Num_Page, slot)]));
        } else {
            I_L[slot]->hide();
            L_L[slot]->hide();
        }
    }
}

void TFSoftOptions::showSlot(int slot, const std::string& languageName)
{
    L_L[slot]->setText(toQString(languageName));
    L_L[slot]->show();
    const auto file = flagPicture(m_state.Language_Dir, languageName);
    const QPixmap picture = file ? flagPixmap(*file) : QPixmap();
    I_L[slot]->setPixmap(picture);
    I_L[slot]->setVisible(!picture.isNull());
}

void TFSoftOptions::Btn_NextClick()
{
    if (sender() == Btn_Next && languagePageCount(SL_Languages.size()) >= Show_Page + 1)
        ++Show_Page;
    else if (sender() == Btn_Prev && Show_Page > 1)
        --Show_Page;
    Update_Lang_Page(Show_Page);
}

int TFSoftOptions::slotOf(const QWidget* component) const
{
    for (int slot = 0; slot < kLanguagesPerPage; ++slot) {
        if (component == I_L[slot] || component == L_L[slot])
            return slot;
    }
    return -1;
}

bool TFSoftOptions::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (auto* component = qobject_cast<QWidget*>(watched); component && slotOf(component) >= 0) {
            LangClick(component);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFSoftOptions::LangClick(QWidget* slotComponent)
{
    const int slot = slotOf(slotComponent);
    if (slot < 0 || languageIndex(Show_Page, slot) >= SL_Languages.size())
        return;
    const std::size_t entry = languageIndex(Show_Page, slot);
    const std::string languageName = languageNameOf(SL_Languages[entry]);
    if (!m_services.messages.question(
            languageChangeQuestion(m_state.Text_Table, Language_In_Use, languageName)))
        return;
    Language_In_Use = languageName;

    // The texts change now; the stored language changes only on OK.
    const std::string storedLanguage = m_state.Language_Name;
    m_state.Language_Name = languageName;
    Load_Language(m_state);
    m_state.Language_Name = storedLanguage;
    m_changeLanguage();
    showLanguageLabels(Show_Page);
}

void TFSoftOptions::CB_En_ConClick()
{
    Update_CheckBox();
}

void TFSoftOptions::Update_CheckBox()
{
    CB_Update->setEnabled(CB_En_Con->isChecked());
    Btn_Check_Update->setEnabled(CB_Update->isEnabled() && CB_Update->isChecked());
}

void TFSoftOptions::Btn_Check_UpdateClick()
{
    const int showing = m_showing;
    m_versionCheck.Check_Version(this, [this, showing](bool newer) {
        if (showing != m_showing)
            return;
        if (newer) {
            LL_Check_Update->setText(newVersionLink(m_texts.textOf(314)));
        } else {
            LL_Check_Update->setText(m_texts.textOf(315).toHtmlEscaped());
        }
        LL_Check_Update->show();
    });
}

void TFSoftOptions::LL_Check_UpdateLinkClick(const QString& link)
{
    m_services.openUrl(link.toStdString());
}

void TFSoftOptions::Btn_OKClick()
{
    m_state.Language_Name = Language_In_Use;
    m_state.Enable_Internet = CB_En_Con->isChecked();
    m_state.Enable_Update = CB_Update->isChecked();
    m_state.Enable_Jump_Field_Tables = CB_Soft_Set_Jump_Table->isChecked();
    m_state.Double_Click_Auto_Size = CB_DoubleClick_Auto_Size->isChecked();
    accept();
}

} // namespace cfq
