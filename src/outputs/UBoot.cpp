#include "outputs/UBoot.h"

#include "app/AppState.h"
#include "app/DialogParts.h"
#include "gridkit/UComon.h"
#include "outputs/BootJob.h"
#include "platform/MessageService.h"
#include "platform/UserInputBlocker.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <thread>

namespace cfq {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kClientWidth = 449;
constexpr int kFieldWidth = 41;
constexpr int kFieldsLeft = 230;
constexpr std::chrono::milliseconds kCheckDuration{5000};
constexpr std::chrono::milliseconds kEventPause{10};
constexpr const char* kUpdaterName = "Ethernet_Update";

QFrame* panel(QWidget* parent, const char* name, int height)
{
    auto* created = new QFrame(parent);
    created->setObjectName(QString::fromLatin1(name));
    created->setFixedHeight(height);
    return created;
}

QLabel* label(QWidget* parent, const char* name, QRect geometry)
{
    auto* created = new QLabel(parent);
    created->setObjectName(QString::fromLatin1(name));
    created->setGeometry(geometry);
    return created;
}

void letEventsThrough()
{
    QCoreApplication::processEvents();
}

} // namespace

TFBoot::TFBoot(AppState& state, Services services, const IcmpEchoClientFactory& pingFactory,
               std::unique_ptr<ProcessRunner> processes, QWidget* parent)
    : QDialog(parent), m_state(state), m_services(std::move(services)), m_texts(state.Text_Table),
      Ping(pingFactory([this](int bytesReceived) { PingReply(bytesReceived); }, letEventsThrough)),
      m_processes(std::move(processes))
{
    setObjectName(QStringLiteral("TFBoot"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    applyDialogBackground(this);
    layOutPanels();
    bindTexts();
    Set_Lang();
}

TFBoot::~TFBoot() = default;

void TFBoot::layOutPanels()
{
    P_Title = new TitlePanel(this);

    P_IP_Address = panel(this, "P_IP_Address", 49);
    L_IP_Address = label(P_IP_Address, "L_IP_Address", QRect(12, 15, 212, 20));
    QLineEdit** fields[] = {&E_IP1, &E_IP2, &E_IP3, &E_IP4};
    for (int i = 0; i < 4; ++i) {
        auto* field = new QLineEdit(QStringLiteral("0"), P_IP_Address);
        field->setObjectName(QStringLiteral("E_IP%1").arg(i + 1));
        field->setGeometry(kFieldsLeft + i * (kFieldWidth + 10), 13, kFieldWidth, 23);
        field->installEventFilter(this);
        *fields[i] = field;
        if (i > 0)
            label(P_IP_Address, QStringLiteral("L_Dot%1").arg(i).toLatin1().constData(),
                  QRect(kFieldsLeft + i * (kFieldWidth + 10) - 7, 13, 4, 23))
                ->setText(QStringLiteral("."));
    }

    P_Options = panel(this, "P_Options", 72);
    L_Update_Option = label(P_Options, "L_Update_Option", QRect(12, 12, 212, 20));
    CB_Update_Options = new QComboBox(P_Options);
    CB_Update_Options->setObjectName(QStringLiteral("CB_Update_Options"));
    CB_Update_Options->setEditable(false);
    CB_Update_Options->setGeometry(kFieldsLeft, 10, 4 * kFieldWidth + 30, 24);
    for (int i = 0; i < 3; ++i)
        CB_Update_Options->addItem(QString());
    CB_Update_Option_Read_Back = new QCheckBox(P_Options);
    CB_Update_Option_Read_Back->setObjectName(QStringLiteral("CB_Update_Option_Read_Back"));
    CB_Update_Option_Read_Back->setGeometry(kFieldsLeft, 42, 4 * kFieldWidth + 30, 20);
    CB_Update_Option_Read_Back->setChecked(true);

    P_Button = panel(this, "P_Button", 40);
    Btn_Update = makeButton(P_Button, "Btn_Update", 228);
    Btn_Cancel = makeButton(P_Button, "Btn_Cancel", 110);
    Btn_Update->move(kClientWidth - 8 - 110 - 6 - 228, 6);
    Btn_Cancel->move(kClientWidth - 8 - 110, 6);
    Btn_Update->setAutoDefault(false);
    Btn_Cancel->setAutoDefault(false);
    connect(Btn_Update, &QPushButton::clicked, this, &TFBoot::Btn_UpdateClick);
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);

    QVBoxLayout* layout = titledColumn(this, P_Title);
    for (QWidget* part : {P_IP_Address, P_Options, P_Button})
        layout->addWidget(part);

    QWidget* const tabOrder[] = {
        E_IP1, E_IP2, E_IP3, E_IP4, CB_Update_Options, CB_Update_Option_Read_Back, Btn_Update, Btn_Cancel};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

void TFBoot::bindTexts()
{
    m_texts.windowTitle(this, 1202);
    m_texts.text(P_Title->L_SW_Desc, 1203);
    m_texts.text(L_IP_Address, 1206);
    m_texts.hint(E_IP1, 1221);
    m_texts.hint(E_IP2, 1222);
    m_texts.hint(E_IP3, 1223);
    m_texts.hint(E_IP4, 1224);
    m_texts.text(L_Update_Option, 1214);
    for (int item = 0; item < 3; ++item)
        m_texts.custom(1215 + item,
                       [this, item](const QString& text) { CB_Update_Options->setItemText(item, text); });
    m_texts.hint(CB_Update_Options, 1232);
    m_texts.text(CB_Update_Option_Read_Back, 1218);
    m_texts.hint(CB_Update_Option_Read_Back, 1233);
    m_texts.text(Btn_Cancel, 1219);
    m_texts.hint(Btn_Cancel, 1234);
    m_texts.text(Btn_Update, 1220);
    m_texts.hint(Btn_Update, 1235);
}

std::vector<int> TFBoot::textIndices() const
{
    std::vector<int> indices = m_texts.indices();
    // The outcomes of the reachability check.
    indices.insert(indices.end(), {1236, 1237});
    return indices;
}

void TFBoot::Set_Lang()
{
    m_texts.apply();
    CB_Update_Options->setCurrentIndex(0);
}

void TFBoot::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TFBoot::FormShow()
{
    Set_Lang();
    P_Title->L_SW_Code->setText(QString::fromStdString(m_state.SW_Code));

    setFixedSize(kClientWidth,
                 P_Title->height() + P_IP_Address->height() + P_Options->height() + P_Button->height());
    if (const QScreen* shown = screen())
        move(shown->availableGeometry().center() - rect().center());

    std::string a, b, c, d;
    if (!m_state.Device_IP_Address.empty() && Split_IP_Address(m_state.Device_IP_Address, a, b, c, d)) {
        E_IP1->setText(QString::fromStdString(a));
        E_IP2->setText(QString::fromStdString(b));
        E_IP3->setText(QString::fromStdString(c));
        E_IP4->setText(QString::fromStdString(d));
    }
    CB_Update_Options->setCurrentIndex(m_state.Update_Option);
    CB_Update_Option_Read_Back->setChecked(m_state.Read_Back);

    if (E_IP1->isEnabled()) {
        E_IP1->setFocus();
        E_IP1->selectAll();
    }
}

bool TFBoot::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        for (QLineEdit* field : {E_IP1, E_IP2, E_IP3, E_IP4}) {
            if (watched == field)
                return KeyPress(field, static_cast<const QKeyEvent*>(event));
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool TFBoot::KeyPress(QLineEdit* field, const QKeyEvent* key)
{
    if (key->text() != QStringLiteral("."))
        return false;
    QLineEdit* next = field == E_IP1 ? E_IP2 : field == E_IP2 ? E_IP3 : field == E_IP3 ? E_IP4 : nullptr;
    if (next && next->isEnabled() && next->isVisible() && next->focusPolicy() != Qt::NoFocus) {
        next->setFocus();
        next->selectAll();
    }
    return true;
}

std::string TFBoot::typedAddress() const
{
    return QStringList{E_IP1->text(), E_IP2->text(), E_IP3->text(), E_IP4->text()}
        .join(QLatin1Char('.'))
        .toStdString();
}

void TFBoot::Btn_UpdateClick()
{
    // One check or update at a time: the check lets window events through,
    // and a second press must not start another check inside it.
    Btn_Update->setEnabled(false);
    if (Send_Ping())
        startUpdate();
    else if (ping_res == 2)
        m_services.messages.warning(m_state.text(1236));
    else
        m_services.messages.error(m_state.text(1237));
    Btn_Update->setEnabled(true);
}

void TFBoot::startUpdate()
{
    m_state.Device_IP_Address = typedAddress();
    m_state.Update_Option = CB_Update_Options->currentIndex();
    m_state.Read_Back = CB_Update_Option_Read_Back->isChecked();
    if (const Status written = Compile_XML_Parameter_New_Boot(); !written) {
        m_services.messages.error(written.error());
        return;
    }
    Start_Program(m_state.Program_Dir / (std::string(kUpdaterName) + kExecutableSuffix), std::string(),
                  false);
}

bool TFBoot::Send_Ping()
{
    const std::string address = typedAddress();
    ping_res = 0;
    const Clock::time_point start = Clock::now();
    if (!Ping->setHost(address))
        return false;

    int successes = 0;
    do {
        const Clock::time_point attempt = Clock::now();
        if (!Ping->ping(address, 0))
            return false;
        while (ping_res == 0 && Clock::now() - attempt <= IcmpEchoClient::kReceiveTimeout) {
            std::this_thread::sleep_for(kEventPause);
            letEventsThrough();
        }
        if (ping_res == 1)
            ++successes;
    } while (successes < 2 && Clock::now() - start <= kCheckDuration);
    return ping_res == 1;
}

void TFBoot::PingReply(int bytesReceived)
{
    ping_res = bytesReceived > 0 ? 1 : 2;
}

Status TFBoot::Compile_XML_Parameter_New_Boot()
{
    const BootJob job{typedAddress(), CB_Update_Options->currentIndex(),
                      CB_Update_Option_Read_Back->isChecked(), m_state.Master_Dir, m_state.Project_Path};
    return cfq::Compile_XML_Parameter_New_Boot(job, m_state.Exe_Dir);
}

void TFBoot::Start_Program(const std::filesystem::path& NomeSW, const std::string& Parameter, bool tipo)
{
    const UserInputBlocker noInput;
    m_processes->startAndWait(NomeSW, Parameter, tipo, m_updaterWaitLimit, letEventsThrough);
}

} // namespace cfq
