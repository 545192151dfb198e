// Creation and layout of the Set Communication dialog: the title, the four
// collapsible panels with their fields, the buttons and the text bindings.
#include "app/AppState.h"
#include "app/DialogParts.h"
#include "params/CollapsiblePanel.h"
#include "params/UParGen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace cfq {
namespace {

constexpr int kClientWidth = 460;
constexpr int kInitialHeight = 700;
constexpr int kMinimumHeight = 260;
constexpr int kButtonPanelHeight = 40;

constexpr int kLabelLeft = 14;
constexpr int kLabelWidth = 175;
constexpr int kInputLeft = 191;
constexpr int kInputWidth = 238;
constexpr int kCheckWidth = kInputLeft + kInputWidth - kLabelLeft;
constexpr int kOctetWidth = 55;
constexpr int kOctetPitch = 61;
constexpr int kFieldHeight = 22;
constexpr int kFirstRowTop = 8;
constexpr int kRowPitch = 28;
constexpr int kPanelBottomMargin = 12;
constexpr int kNameMaxLength = 31;
constexpr int kSlaveNameMaxLength = 15;

int rowTop(int row)
{
    return kFirstRowTop + row * kRowPitch;
}

QLabel* makeLabel(QWidget* body, const char* name, int row)
{
    auto* label = new QLabel(body);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(kLabelLeft, rowTop(row), kLabelWidth, kFieldHeight);
    return label;
}

QLineEdit* makeEdit(QWidget* body, const char* name, int row, int maxLength = 0)
{
    auto* edit = new QLineEdit(body);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(kInputLeft, rowTop(row), kInputWidth, kFieldHeight);
    if (maxLength > 0)
        edit->setMaxLength(maxLength);
    return edit;
}

QCheckBox* makeCheck(QWidget* body, const char* name, int row)
{
    auto* check = new QCheckBox(body);
    check->setObjectName(QString::fromLatin1(name));
    check->setGeometry(kLabelLeft, rowTop(row), kCheckWidth, kFieldHeight);
    return check;
}

QComboBox* makeList(QWidget* body, const char* name, int row, FixedList entries)
{
    auto* list = new QComboBox(body);
    list->setObjectName(QString::fromLatin1(name));
    list->setGeometry(kInputLeft, rowTop(row), kInputWidth, kFieldHeight);
    for (const char* entry : entries)
        list->addItem(QString::fromLatin1(entry));
    return list;
}

// Four octet fields named stem + "1" ... stem + "4", with a "." between
// neighbours.
OctetFields makeOctets(QWidget* body, const QString& stem, int row)
{
    OctetFields fields{};
    for (int i = 0; i < 4; ++i) {
        auto* field = new QLineEdit(body);
        field->setObjectName(stem + QString::number(i + 1));
        field->setGeometry(kInputLeft + i * kOctetPitch, rowTop(row), kOctetWidth, kFieldHeight);
        fields[static_cast<std::size_t>(i)] = field;
        if (i == 0)
            continue;
        auto* dot = new QLabel(QStringLiteral("."), body);
        dot->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        dot->setGeometry(kInputLeft + i * kOctetPitch - (kOctetPitch - kOctetWidth), rowTop(row),
                         kOctetPitch - kOctetWidth, kFieldHeight - 4);
    }
    return fields;
}

void fitPanel(CollapsiblePanel* panel, const QWidget* lastInput)
{
    panel->setBodyHeight(lastInput->y() + lastInput->height() + kPanelBottomMargin);
}

} // namespace

void TFParGen::FormCreate()
{
    setObjectName(QStringLiteral("TFParGen"));
    QFont dialogFont(QStringLiteral("Verdana"));
    dialogFont.setPointSize(8);
    setFont(dialogFont);
    applyDialogBackground(this);
    P_Title = new TitlePanel(this);
    P_Title->L_SW_Code->setText(QString::fromStdString(m_state.SW_Code));

    CPG = new QScrollArea(this);
    CPG->setObjectName(QStringLiteral("CPG"));
    CPG->setFrameShape(QFrame::NoFrame);
    CPG->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    CPG->setWidgetResizable(true);
    auto* group = new QWidget;
    group->setObjectName(QStringLiteral("CPG_Panels"));
    applyDialogBackground(group);
    // Each panel is filled before the next one is made, so the focus moves
    // through the fields panel by panel.
    CP_Ethernet_Connection = new CollapsiblePanel("CP_Ethernet_Connection", group);
    Create_Ethernet_Connection();
    CP_EtherCAT_Slave = new CollapsiblePanel("CP_EtherCAT_Slave", group);
    Create_EtherCAT_Slave();
    CP_Serial = new CollapsiblePanel("CP_Serial", group);
    Create_Serial();
    CP_Ethernet = new CollapsiblePanel("CP_Ethernet", group);
    Create_Ethernet();
    CPG->setWidget(group);

    P_Button = new QWidget(this);
    P_Button->setObjectName(QStringLiteral("P_Button"));
    P_Button->setFixedHeight(kButtonPanelHeight);
    Btn_OK = makeButton(P_Button, "Btn_OK");
    Btn_Cancel = makeButton(P_Button, "Btn_Cancel");
    Btn_OK->setAutoDefault(false);
    Btn_Cancel->setAutoDefault(false);
    connect(Btn_OK, &QPushButton::clicked, this, &TFParGen::Btn_OKClick);
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttonRow({Btn_OK, Btn_Cancel}, P_Button);

    QVBoxLayout* layout = titledColumn(this, P_Title);
    layout->addWidget(CPG, 1);
    layout->addWidget(P_Button);

    // The width stays fixed; the user may change the height.
    setFixedWidth(kClientWidth);
    setMinimumHeight(kMinimumHeight);
    resize(kClientWidth, kInitialHeight);

    Order_TAB_Panels();
    Move_GroupBoxs();
    watchInputs();
    bindTexts();
    Set_Lang();
}

void TFParGen::Order_TAB_Panels()
{
    auto* stack = new QVBoxLayout(CPG->widget());
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(2);
    const std::array<std::pair<CollapsiblePanel*, int>, 4> panels{
        {{CP_Ethernet_Connection, 1544}, {CP_EtherCAT_Slave, 406}, {CP_Serial, 449}, {CP_Ethernet, 693}}};
    int number = 1;
    for (const auto& [panel, captionText] : panels) {
        stack->addWidget(panel);
        // Composed once: a later language change keeps these captions.
        panel->setCaption(QString::number(number++) + QStringLiteral(". ") + m_texts.textOf(captionText));
    }
    stack->addStretch();
}

void TFParGen::Create_Ethernet_Connection()
{
    QWidget* body = CP_Ethernet_Connection->body();
    L_EthConn_Device_Name = makeLabel(body, "L_EthConn_Device_Name", 0);
    E_EthConn_Device_Name = makeEdit(body, "E_EthConn_Device_Name", 0, kNameMaxLength);
    CB_EthConn_En_DHCP_Cable = makeCheck(body, "CB_EthConn_En_DHCP_Cable", 1);
    CB_EthConn_En_DHCP_WiFi = makeCheck(body, "CB_EthConn_En_DHCP_WiFi", 2);
    CB_EthConn_Enable_DNS = makeCheck(body, "CB_EthConn_Enable_DNS", 3);
    L_EthConn_Primary_DNS = makeLabel(body, "L_EthConn_Primary_DNS", 4);
    E_EthConn_Pri_DNS_IP = makeOctets(body, QStringLiteral("E_EthConn_Pri_DNS_IP"), 4);
    L_EthConn_Secondary_DNS = makeLabel(body, "L_EthConn_Secondary_DNS", 5);
    E_EthConn_Sec_DNS_IP = makeOctets(body, QStringLiteral("E_EthConn_Sec_DNS_IP"), 5);
    connect(CB_EthConn_En_DHCP_Cable, &QCheckBox::toggled, this, &TFParGen::On_Click);
    connect(CB_EthConn_En_DHCP_WiFi, &QCheckBox::toggled, this, &TFParGen::On_Click);
}

void TFParGen::Create_EtherCAT_Slave()
{
    QWidget* body = CP_EtherCAT_Slave->body();
    L_EtherCAT_Slave_Revision_Number = makeLabel(body, "L_EtherCAT_Slave_Revision_Number", 0);
    E_EtherCAT_Slave_Revision_Number = makeEdit(body, "E_EtherCAT_Slave_Revision_Number", 0);
    L_EtherCAT_Slave_Name = makeLabel(body, "L_EtherCAT_Slave_Name", 1);
    E_EtherCAT_Slave_Name = makeEdit(body, "E_EtherCAT_Slave_Name", 1, kSlaveNameMaxLength);
    L_EtherCAT_Slave_Node_Address = makeLabel(body, "L_EtherCAT_Slave_Node_Address", 2);
    E_EtherCAT_Slave_Node_Address = makeEdit(body, "E_EtherCAT_Slave_Node_Address", 2);
    CB_EtherCAT_Slave_Clear_Data = makeCheck(body, "CB_EtherCAT_Slave_Clear_Data", 3);
    m_digitsOnly = {E_EtherCAT_Slave_Revision_Number, E_EtherCAT_Slave_Node_Address};
}

void TFParGen::Create_Serial()
{
    QWidget* body = CP_Serial->body();
    L_Serial_Serial = makeLabel(body, "L_Serial_Serial", 0);
    CB_Serial_Serial = makeList(body, "CB_Serial_Serial", 0, serial::kInterfaces);
    L_Serial_Baudrate = makeLabel(body, "L_Serial_Baudrate", 1);
    CB_Serial_Baudrate = makeList(body, "CB_Serial_Baudrate", 1, serial::kBaudRates);
    L_Serial_Parity = makeLabel(body, "L_Serial_Parity", 2);
    Cb_Serial_Parity = makeList(body, "Cb_Serial_Parity", 2, serial::kParities);
    L_Serial_StopBits = makeLabel(body, "L_Serial_StopBits", 3);
    CB_Serial_StopBits = makeList(body, "CB_Serial_StopBits", 3, serial::kStopBits);
}

void TFParGen::Create_Ethernet()
{
    QWidget* body = CP_Ethernet->body();
    L_Ethernet_IP = makeLabel(body, "L_Ethernet_IP", 0);
    E_Ethernet_IP = makeOctets(body, QStringLiteral("E_Ethernet_IP"), 0);
    L_Ethernet_SM = makeLabel(body, "L_Ethernet_SM", 1);
    E_Ethernet_SM = makeOctets(body, QStringLiteral("E_Ethernet_SM"), 1);
    CB_Ethernet_En_GAT = makeCheck(body, "CB_Ethernet_En_GAT", 2);
    CB_Ethernet_En_GAT->setFixedWidth(kLabelWidth);
    E_Ethernet_GAT = makeOctets(body, QStringLiteral("E_Ethernet_GAT"), 2);
}

void TFParGen::Move_GroupBoxs()
{
    RePosition_Object_Ethernet_Connection();
    RePosition_Object_EtherCAT_Slave();
    RePosition_Object_Serial();
    RePosition_Object_Ethernet();
}

void TFParGen::RePosition_Object_Ethernet_Connection()
{
    fitPanel(CP_Ethernet_Connection, E_EthConn_Sec_DNS_IP[3]);
    // This model has no Wi-Fi.
    CB_EthConn_En_DHCP_WiFi->setEnabled(false);
}

void TFParGen::RePosition_Object_EtherCAT_Slave()
{
    fitPanel(CP_EtherCAT_Slave, CB_EtherCAT_Slave_Clear_Data);
}

void TFParGen::RePosition_Object_Serial()
{
    fitPanel(CP_Serial, CB_Serial_StopBits);
}

void TFParGen::RePosition_Object_Ethernet()
{
    fitPanel(CP_Ethernet, E_Ethernet_GAT[3]);
    // With DHCP the address comes from the server; the fields keep their
    // contents for when DHCP is switched off again.
    const bool manualAddress = !CB_EthConn_En_DHCP_Cable->isChecked();
    for (const OctetFields* fields : {&E_Ethernet_IP, &E_Ethernet_SM, &E_Ethernet_GAT}) {
        for (QLineEdit* field : *fields)
            field->setEnabled(manualAddress);
    }
    CB_Ethernet_En_GAT->setEnabled(manualAddress);
}

void TFParGen::watchInputs()
{
    const auto chain = [this](std::initializer_list<const OctetFields*> groups) {
        bool first = true;
        for (const OctetFields* fields : groups) {
            for (QLineEdit* field : *fields) {
                if (!first)
                    m_dotChain.back().second = field;
                m_dotChain.emplace_back(field, nullptr);
                first = false;
            }
        }
    };
    chain({&E_EthConn_Pri_DNS_IP, &E_EthConn_Sec_DNS_IP});
    chain({&E_Ethernet_IP, &E_Ethernet_SM, &E_Ethernet_GAT});
    for (QWidget* widget : findChildren<QWidget*>())
        widget->installEventFilter(this);
}

void TFParGen::bindTexts()
{
    m_texts.windowTitle(this, 400);
    m_texts.text(P_Title->L_SW_Desc, 401);
    m_texts.text(Btn_OK, 402);
    m_texts.text(Btn_Cancel, 403);
    m_texts.hint(Btn_OK, 404);
    m_texts.hint(Btn_Cancel, 405);
    m_texts.text(L_EthConn_Device_Name, 1545);
    m_texts.hint(E_EthConn_Device_Name, 1546);
    m_texts.text(CB_EthConn_En_DHCP_Cable, 1547);
    m_texts.hint(CB_EthConn_En_DHCP_Cable, 1548);
    m_texts.text(CB_EthConn_En_DHCP_WiFi, 1549);
    m_texts.hint(CB_EthConn_En_DHCP_WiFi, 1550);
    m_texts.text(CB_EthConn_Enable_DNS, 1551);
    m_texts.hint(CB_EthConn_Enable_DNS, 1552);
    m_texts.text(L_EthConn_Primary_DNS, 1553);
    for (int i = 0; i < 4; ++i)
        m_texts.hint(E_EthConn_Pri_DNS_IP[static_cast<std::size_t>(i)], 1554 + i);
    m_texts.text(L_EthConn_Secondary_DNS, 1558);
    for (int i = 0; i < 4; ++i)
        m_texts.hint(E_EthConn_Sec_DNS_IP[static_cast<std::size_t>(i)], 1559 + i);
    m_texts.text(L_EtherCAT_Slave_Revision_Number, 413);
    m_texts.hint(E_EtherCAT_Slave_Revision_Number, 414);
    m_texts.text(L_EtherCAT_Slave_Name, 415);
    m_texts.hint(E_EtherCAT_Slave_Name, 416);
    m_texts.text(L_EtherCAT_Slave_Node_Address, 987);
    m_texts.hint(E_EtherCAT_Slave_Node_Address, 988);
    m_texts.text(CB_EtherCAT_Slave_Clear_Data, 1684);
    m_texts.hint(CB_EtherCAT_Slave_Clear_Data, 1685);
    m_texts.text(L_Serial_Serial, 450);
    m_texts.hint(CB_Serial_Serial, 451);
    m_texts.text(L_Serial_Baudrate, 452);
    m_texts.hint(CB_Serial_Baudrate, 453);
    m_texts.text(L_Serial_Parity, 454);
    m_texts.hint(Cb_Serial_Parity, 455);
    m_texts.text(L_Serial_StopBits, 456);
    m_texts.hint(CB_Serial_StopBits, 457);
    m_texts.text(L_Ethernet_IP, 694);
    for (int i = 0; i < 4; ++i)
        m_texts.hint(E_Ethernet_IP[static_cast<std::size_t>(i)], 695 + i);
    m_texts.text(L_Ethernet_SM, 699);
    for (int i = 0; i < 4; ++i)
        m_texts.hint(E_Ethernet_SM[static_cast<std::size_t>(i)], 700 + i);
    m_texts.text(CB_Ethernet_En_GAT, 704);
    m_texts.hint(CB_Ethernet_En_GAT, 705);
    for (int i = 0; i < 4; ++i)
        m_texts.hint(E_Ethernet_GAT[static_cast<std::size_t>(i)], 706 + i);
}

} // namespace cfq
