#include "app/UMavreloFirmWare.h"

#include "app/AppState.h"
#include "app/MakerSite.h"
#include "app/Settings.h"
#include "app/Startup.h"
#include "ethercat/UEtherCATSlave.h"
#include "ethercat/UEtherCATSlave_Group.h"
#include "options/UAbout.h"
#include "options/USoftOptions.h"
#include "options/VersionCheck.h"
#include "params/UParGen.h"
#include "outputs/DeviceImages.h"
#include "outputs/EsiFile.h"
#include "outputs/UBoot.h"
#include "platform/IcmpEcho.h"
#include "platform/MessageService.h"
#include "platform/ProcessRunner.h"
#include "projects/Projects.h"
#include "projects/UNew_Project.h"
#include "projects/UOpenConf.h"
#include "resources/Icons.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace cfq {
namespace {

constexpr int kClientWidth = 694;
constexpr int kStepRowTop = 112;
constexpr int kStepSpacing = 44;
constexpr int kFirstButtonLeft = 80;
constexpr int kSecondButtonLeft = 258;
constexpr int kFirstCheckInterval = 60000;
constexpr int kLaterCheckInterval = 7200000;

int stepTop(int step)
{
    return kStepRowTop + (step - 1) * kStepSpacing;
}

} // namespace

TFMavreloFirmWare::TFMavreloFirmWare(AppState& state, Services services,
                                     const std::filesystem::path& workingFolder, QWidget* parent)
    : QWidget(parent), m_state(state), m_services(std::move(services)), m_texts(state.Text_Table)
{
    setObjectName(QStringLiteral("TFMavreloFirmWare"));
    HTTP1 = new VersionCheck(m_services.versionServer, VersionCheck::kDefaultTimeout, this);
    layOutWindow();
    runStartup(m_state, workingFolder);
    switchUpdateTimer();
    setWindowTitle(QString::fromStdString(m_state.Window_Title));
    L_SW_Code->setText(QString::fromStdString(m_state.SW_Code));
    L_SW_Desc->setText(QString::fromStdString(m_state.SW_Desc));
    bindTexts();
    Set_Lang();
    createDialogs();
}

TFMavreloFirmWare::~TFMavreloFirmWare() = default;

QPushButton* TFMavreloFirmWare::stepButton(const char* name, int left, int top)
{
    auto* button = new QPushButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(left, top, 170, 36);
    button->setIconSize(QSize(24, 24));
    connect(button, &QPushButton::clicked, this, &TFMavreloFirmWare::Btn_Click);
    return button;
}

void TFMavreloFirmWare::layOutWindow()
{
    setWindowIcon(icons::icon(icons::Picture::Application, 64));
    auto label = [this](const char* name, int left, int top) {
        auto* created = new QLabel(this);
        created->setObjectName(QString::fromLatin1(name));
        created->move(left, top);
        return created;
    };

    L_SW_Code = label("L_SW_Code", 16, 8);
    QFont codeFont = L_SW_Code->font();
    codeFont.setPointSize(20);
    codeFont.setBold(true);
    L_SW_Code->setFont(codeFont);
    L_SW_Code->setStyleSheet(QStringLiteral("color: rgb(128,128,128);"));
    L_SW_Code->setFixedWidth(400);

    L_SW_Desc = label("L_SW_Desc", 16, 42);
    QFont descFont = L_SW_Desc->font();
    descFont.setBold(true);
    L_SW_Desc->setFont(descFont);
    L_SW_Desc->setFixedWidth(480);

    L_Begin = label("L_Begin", 16, 84);
    L_Begin->setFixedWidth(62);

    Shape2 = new QFrame(this);
    Shape2->setObjectName(QStringLiteral("Shape2"));
    Shape2->setFrameShape(QFrame::Box);
    Shape2->setGeometry(80, 70, 348, 36);
    L_Name_Conf = label("L_Name_Conf", 87, 75);
    L_Name_Conf_L2 = label("L_Name_Conf_L2", 87, 88);
    L_Name_Conf->setFixedWidth(336);
    L_Name_Conf_L2->setFixedWidth(336);
    QFont nameFont = L_Name_Conf_L2->font();
    nameFont.setBold(true);
    L_Name_Conf_L2->setFont(nameFont);

    auto iconButton = [this](const char* name, int left, icons::Picture picture) {
        auto* button = new QPushButton(this);
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(left, 8, 50, 50);
        button->setIcon(icons::icon(picture));
        button->setIconSize(QSize(32, 32));
        connect(button, &QPushButton::clicked, this, &TFMavreloFirmWare::Btn_Click);
        return button;
    };
    Btn_Info = iconButton("Btn_Info", 516, icons::Picture::Information);
    Btn_Opz = iconButton("Btn_Opz", 574, icons::Picture::Options);
    Btn_Close = iconButton("Btn_Close", 632, icons::Picture::Close);

    for (int step = 1; step <= 5; ++step) {
        const QByteArray name = "L_Step_" + QByteArray::number(step);
        L_Step[step - 1] = label(name.constData(), 16, stepTop(step) + 16);
        L_Step[step - 1]->setFixedWidth(62);
    }

    Btn_New = stepButton("Btn_New", kFirstButtonLeft, stepTop(1));
    Btn_Open = stepButton("Btn_Open", kSecondButtonLeft, stepTop(1));
    Btn_Prm_Gen = stepButton("Btn_Prm_Gen", kFirstButtonLeft, stepTop(2));
    Btn_EtherCAT_Set_Group = stepButton("Btn_EtherCAT_Set_Group", kFirstButtonLeft, stepTop(3));
    Btn_EtherCAT_Set_Access = stepButton("Btn_EtherCAT_Set_Access", kSecondButtonLeft, stepTop(3));
    Btn_EtherCAT_ESI_File = stepButton("Btn_EtherCAT_ESI_File", kFirstButtonLeft, stepTop(4));
    Btn_CreateBin = stepButton("Btn_CreateBin", kFirstButtonLeft, stepTop(5));
    Btn_New->setIcon(icons::icon(icons::Picture::NewProject));
    Btn_Open->setIcon(icons::icon(icons::Picture::OpenProject));
    Btn_Prm_Gen->setIcon(icons::icon(icons::Picture::Communication));
    Btn_EtherCAT_Set_Group->setIcon(icons::icon(icons::Picture::Groups));
    Btn_EtherCAT_Set_Access->setIcon(icons::icon(icons::Picture::Variables));
    Btn_EtherCAT_ESI_File->setIcon(icons::icon(icons::Picture::EsiFile));
    Btn_CreateBin->setIcon(icons::icon(icons::Picture::UpdateDevice));
    Btn_EtherCAT_ESI_File->setText(QStringLiteral("EtherCAT ESI File"));

    Shape1 = new QFrame(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setFrameShape(QFrame::HLine);
    Shape1->setGeometry(10, stepTop(5) + 51, 674, 1);

    L_Varnic = label("L_Varnic", 565, stepTop(5) + 16);
    L_Varnic->setText(QStringLiteral("<a href=\"home\">%1</a>")
                          .arg(QString::fromStdString(maker::displayAddress()).toHtmlEscaped()));
    L_Varnic->setCursor(Qt::PointingHandCursor);
    // A web address longer than the room right of 565 ends at the right margin.
    L_Varnic->adjustSize();
    L_Varnic->move(std::min(565, kClientWidth - 10 - L_Varnic->width()), L_Varnic->y());
    connect(L_Varnic, &QLabel::linkActivated, this,
            [this] { m_services.openUrl(maker::homePageUrl()); });

    // Up to two lines between the software code and the icon buttons; one
    // line sits on the line of top 19.
    LL_Update = label("LL_Update", 208, 8);
    LL_Update->setFixedSize(300, 34);
    LL_Update->setWordWrap(true);
    LL_Update->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    LL_Update->hide();
    connect(LL_Update, &QLabel::linkActivated, this, &TFMavreloFirmWare::LL_UpdateLinkClick);

    Timer_Update = new QTimer(this);
    Timer_Update->setObjectName(QStringLiteral("Timer_Update"));
    Timer_Update->setInterval(kFirstCheckInterval);
    connect(Timer_Update, &QTimer::timeout, this, &TFMavreloFirmWare::Timer_UpdateTimer);

    setFixedSize(kClientWidth, stepTop(5) + 152);
}

void TFMavreloFirmWare::bindTexts()
{
    m_texts.text(L_Begin, 0);
    for (int step = 1; step <= 5; ++step)
        m_texts.text(L_Step[step - 1], step);
    m_texts.hint(Btn_Info, 12);
    m_texts.hint(Btn_Opz, 13);
    m_texts.hint(Btn_Close, 14);
    m_texts.text(Btn_New, 15);
    m_texts.text(Btn_Open, 16);
    m_texts.text(Btn_CreateBin, 17);
    m_texts.text(Btn_Prm_Gen, 20);
    m_texts.text(Btn_EtherCAT_Set_Access, 21);
    m_texts.hint(Btn_New, 22);
    m_texts.hint(Btn_Open, 23);
    m_texts.hint(Btn_Prm_Gen, 24);
    m_texts.hint(Btn_EtherCAT_Set_Access, 25);
    m_texts.hint(Btn_CreateBin, 26);
    m_texts.text(Btn_EtherCAT_Set_Group, 79);
    m_texts.hint(Btn_EtherCAT_Set_Group, 80);
}

void TFMavreloFirmWare::Set_Lang()
{
    m_texts.apply();
    showActiveConfiguration();
}

std::vector<int> TFMavreloFirmWare::textIndices() const
{
    std::vector<int> indices = m_texts.indices();
    indices.insert(indices.end(), {9, 10, 11, 18, 19, 1105, 1106});
    return indices;
}

void TFMavreloFirmWare::showActiveConfiguration()
{
    if (m_state.projectOpen()) {
        L_Name_Conf->setText(m_texts.textOf(11));
        L_Name_Conf_L2->setText(QString::fromStdString(m_state.Project_Name));
    } else {
        L_Name_Conf->setText(m_texts.textOf(9));
        L_Name_Conf_L2->setText(m_texts.textOf(10));
    }
}

void TFMavreloFirmWare::switchUpdateTimer()
{
    if (m_state.Enable_Internet && m_state.Enable_Update)
        Timer_Update->start();
    else
        Timer_Update->stop();
}

void TFMavreloFirmWare::createDialogs()
{
    m_newProject = new TFNew_Project(m_state, m_services, this);
    m_openConf = new TFOpenConf(m_state, this);
    m_about = new TFAbout(m_state, m_services, this);
    m_softOptions = new TFSoftOptions(m_state, m_services, *HTTP1, [this] { Change_Language(); }, this);
    m_parGen = new TFParGen(m_state, m_services, this);
    m_etherCATSlave = new TFEtherCATSlave(m_state, m_services, this);
    m_boot = new TFBoot(m_state, m_services, makeIcmpEchoClient, makeProcessRunner(), this);
    m_etherCATSlaveGroup = new TFEtherCATSlave_Group(m_state, m_services, this);
    m_languageWindows = {this,   m_newProject, m_openConf, m_softOptions, m_boot,
                         m_parGen, m_etherCATSlave, m_etherCATSlaveGroup};
}

void TFMavreloFirmWare::Change_Language()
{
    for (LanguageAware* window : m_languageWindows)
        window->Set_Lang();
}

void TFMavreloFirmWare::Create_New_Project()
{
    if (m_newProject->exec() == QDialog::Accepted)
        showActiveConfiguration();
}

void TFMavreloFirmWare::Open_Project()
{
    if (m_openConf->exec() != QDialog::Accepted)
        return;
    Open_Project_Named(m_state, m_openConf->Name_Conf);
    showActiveConfiguration();
}

void TFMavreloFirmWare::Update_Device()
{
    // The images are written before the update dialog opens, whatever the
    // user then does in it; a failed compile or write opens no dialog.
    const QString separator = QLocale::system().decimalPoint();
    if (const Status written = outputs::compileAndWriteDeviceImages(m_state, separator.toStdString()); !written) {
        m_services.messages.error(written.error());
        return;
    }
    m_boot->Form_Type = 1;
    m_boot->exec();
}

void TFMavreloFirmWare::EtherCAT_ESI_File()
{
    const auto target = m_services.messages.saveFileName(
        {m_state.Project_Path, "EtherCAT ESI File (*.xml)|*.xml", "xml"});
    if (!target)
        return;
    std::error_code error;
    if (std::filesystem::exists(*target, error) && !m_services.messages.question(m_state.text(1105)))
        return;
    if (const Status written = outputs::Generate_ESI(outputs::projectDocuments(m_state), *target); !written)
        m_services.messages.error(written.error());
}

void TFMavreloFirmWare::Btn_Click()
{
    QObject* button = sender();
    if (button == Btn_New) {
        Create_New_Project();
    } else if (button == Btn_Open) {
        Open_Project();
    } else if (button == Btn_Close) {
        close();
    } else if (button == Btn_Info) {
        m_about->exec();
    } else if (button == Btn_Opz) {
        if (m_softOptions->exec() == QDialog::Accepted) {
            if (const Status saved = Save_Setting(m_state); !saved)
                m_services.messages.error(saved.error());
            switchUpdateTimer();
        }
    } else if (!m_state.projectOpen()) {
        m_services.messages.error(m_state.text(18));
    } else if (button == Btn_Prm_Gen) {
        m_parGen->exec();
    } else if (button == Btn_EtherCAT_Set_Access) {
        m_etherCATSlave->exec();
    } else if (button == Btn_EtherCAT_Set_Group) {
        m_etherCATSlaveGroup->exec();
    } else if (button == Btn_EtherCAT_ESI_File) {
        EtherCAT_ESI_File();
    } else if (button == Btn_CreateBin) {
        Update_Device();
    }
}

void TFMavreloFirmWare::Timer_UpdateTimer()
{
    Timer_Update->stop();
    Timer_Update->setInterval(kLaterCheckInterval);
    HTTP1->Check_Version(this, [this](bool newer) {
        if (newer)
            LL_Update->setText(newVersionLink(m_texts.textOf(19)));
        LL_Update->setVisible(newer);
        // The options may have been switched off while the server was asked.
        switchUpdateTimer();
    });
}

void TFMavreloFirmWare::LL_UpdateLinkClick(const QString& link)
{
    m_services.openUrl(link.toStdString());
}

void TFMavreloFirmWare::closeEvent(QCloseEvent* event)
{
    // A settings file that cannot be written never keeps the program open.
    Save_Setting(m_state);
    event->accept();
}

} // namespace cfq
