#include "params/UParGen.h"

#include "app/AppState.h"
#include "params/ParGenDocument.h"
#include "platform/MessageService.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QWheelEvent>
#include <algorithm>

namespace cfq {
namespace {

std::string textOf(const QLineEdit* field)
{
    return field->text().toStdString();
}

OctetTexts octetsOf(const OctetFields& fields)
{
    OctetTexts octets;
    for (std::size_t i = 0; i < fields.size(); ++i)
        octets[i] = textOf(fields[i]);
    return octets;
}

void showText(QLineEdit* field, const std::string& text)
{
    field->setText(QString::fromStdString(text));
}

void showOctets(const OctetFields& fields, const OctetTexts& octets)
{
    for (std::size_t i = 0; i < fields.size(); ++i)
        showText(fields[i], octets[i]);
}

// A printable character other than the digits 0-9.
bool holdsNonDigit(const QString& typed)
{
    return std::any_of(typed.begin(), typed.end(),
                       [](QChar c) { return c.isPrint() && (c < QLatin1Char('0') || c > QLatin1Char('9')); });
}

} // namespace

TFParGen::TFParGen(AppState& state, Services services, QWidget* parent)
    : QDialog(parent), m_state(state), m_services(std::move(services)), m_texts(state.Text_Table)
{
    FormCreate();
}

void TFParGen::Set_Lang()
{
    m_texts.apply();
}

std::vector<int> TFParGen::textIndices() const
{
    std::vector<int> indices = m_texts.indices();
    // The panel captions and the messages of the checks.
    indices.insert(indices.end(), {1544, 406, 449, 693, 411, 412, 458, 989});
    for (int index = 1563; index <= 1570; ++index)
        indices.push_back(index);
    for (int index = 720; index <= 731; ++index)
        indices.push_back(index);
    return indices;
}

void TFParGen::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // A window restored by the system is no new opening.
    if (!event->spontaneous())
        FormShow();
}

void TFParGen::FormShow()
{
    const Result<ParGenValues> stored = readParGen(m_state.ParGen_File);
    if (stored.ok()) {
        showValues(stored.value());
    } else {
        // The broken document is replaced by the next confirm.
        m_services.messages.error(stored.error());
        showValues(ParGenValues{});
    }
    Move_GroupBoxs();
}

ParGenValues TFParGen::fieldValues() const
{
    ParGenValues values;
    values.Eth_Conn_Device_Name = textOf(E_EthConn_Device_Name);
    values.Eth_Conn_DHCP_Cable = CB_EthConn_En_DHCP_Cable->isChecked();
    values.Eth_Conn_DHCP_WiFi = CB_EthConn_En_DHCP_WiFi->isChecked();
    values.Eth_Conn_Enable_DNS = CB_EthConn_Enable_DNS->isChecked();
    values.Eth_Conn_Primary_DNS = octetsOf(E_EthConn_Pri_DNS_IP);
    values.Eth_Conn_Secondary_DNS = octetsOf(E_EthConn_Sec_DNS_IP);
    values.EtherCAT_Slave_Revision_Number = textOf(E_EtherCAT_Slave_Revision_Number);
    values.EtherCAT_Slave_Name = textOf(E_EtherCAT_Slave_Name);
    values.EtherCAT_Slave_Node_Address = textOf(E_EtherCAT_Slave_Node_Address);
    values.EtherCAT_Slave_Clear_Data = CB_EtherCAT_Slave_Clear_Data->isChecked();
    values.SERIAL_SERIAL = CB_Serial_Serial->currentIndex();
    values.SERIAL_BAUDRATE = CB_Serial_Baudrate->currentIndex();
    values.SERIAL_PARITY = Cb_Serial_Parity->currentIndex();
    values.SERIAL_STOPBITS = CB_Serial_StopBits->currentIndex();
    values.Ethernet_IP = octetsOf(E_Ethernet_IP);
    values.Ethernet_SM = octetsOf(E_Ethernet_SM);
    values.Ethernet_GAT = octetsOf(E_Ethernet_GAT);
    values.Ethernet_EN_GAT = CB_Ethernet_En_GAT->isChecked();
    return values;
}

void TFParGen::showValues(const ParGenValues& values)
{
    showText(E_EthConn_Device_Name, values.Eth_Conn_Device_Name);
    CB_EthConn_En_DHCP_Cable->setChecked(values.Eth_Conn_DHCP_Cable);
    CB_EthConn_En_DHCP_WiFi->setChecked(values.Eth_Conn_DHCP_WiFi);
    CB_EthConn_Enable_DNS->setChecked(values.Eth_Conn_Enable_DNS);
    showOctets(E_EthConn_Pri_DNS_IP, values.Eth_Conn_Primary_DNS);
    showOctets(E_EthConn_Sec_DNS_IP, values.Eth_Conn_Secondary_DNS);
    showText(E_EtherCAT_Slave_Revision_Number, values.EtherCAT_Slave_Revision_Number);
    showText(E_EtherCAT_Slave_Name, values.EtherCAT_Slave_Name);
    showText(E_EtherCAT_Slave_Node_Address, values.EtherCAT_Slave_Node_Address);
    CB_EtherCAT_Slave_Clear_Data->setChecked(values.EtherCAT_Slave_Clear_Data);
    CB_Serial_Serial->setCurrentIndex(values.SERIAL_SERIAL);
    CB_Serial_Baudrate->setCurrentIndex(values.SERIAL_BAUDRATE);
    Cb_Serial_Parity->setCurrentIndex(values.SERIAL_PARITY);
    CB_Serial_StopBits->setCurrentIndex(values.SERIAL_STOPBITS);
    showOctets(E_Ethernet_IP, values.Ethernet_IP);
    showOctets(E_Ethernet_SM, values.Ethernet_SM);
    showOctets(E_Ethernet_GAT, values.Ethernet_GAT);
    CB_Ethernet_En_GAT->setChecked(values.Ethernet_EN_GAT);
}

bool TFParGen::Controllo_Dati()
{
    const ParGenCheck check = cfq::Controllo_Dati(fieldValues());
    if (!check.ok())
        m_services.messages.error(m_state.text(check.errorText));
    return check.ok();
}

void TFParGen::Btn_OKClick()
{
    if (!Controllo_Dati())
        return;
    const Status written = writeParGen(fieldValues(), m_state.ParGen_File);
    if (!written) {
        m_services.messages.error(written.error());
        return;
    }
    accept();
}

void TFParGen::On_Click()
{
    Move_GroupBoxs();
}

bool TFParGen::eventFilter(QObject* watched, QEvent* event)
{
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this)
        return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::Wheel) {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        if (FormMouseWheel(wheel->globalPosition().toPoint(), wheel->angleDelta().y()))
            return true;
    } else if (event->type() == QEvent::KeyPress) {
        auto* field = qobject_cast<QLineEdit*>(watched);
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        if (field && KeyPress(field, typed))
            return true;
        const bool digitsOnly =
            std::find(m_digitsOnly.begin(), m_digitsOnly.end(), field) != m_digitsOnly.end();
        if (field && digitsOnly && holdsNonDigit(typed))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

bool TFParGen::KeyPress(QLineEdit* field, const QString& typed)
{
    const auto link = std::find_if(m_dotChain.begin(), m_dotChain.end(),
                                   [field](const auto& entry) { return entry.first == field; });
    if (link == m_dotChain.end() || typed != QStringLiteral("."))
        return false;
    QLineEdit* next = link->second;
    if (next && next->isVisible() && next->isEnabled())
        next->setFocus(Qt::TabFocusReason);
    return true;
}

bool TFParGen::FormMouseWheel(const QPoint& globalPosition, int angleDelta)
{
    QWidget* area = CPG->viewport();
    if (!area->rect().contains(area->mapFromGlobal(globalPosition)))
        return false;
    // Fine-grained wheels send parts of a step; they add up to whole steps.
    m_wheelRemainder += angleDelta;
    const int steps = m_wheelRemainder / QWheelEvent::DefaultDeltasPerStep;
    m_wheelRemainder %= QWheelEvent::DefaultDeltasPerStep;
    const int lines = QApplication::wheelScrollLines();
    if (lines < 1)
        return true;
    QScrollBar* bar = CPG->verticalScrollBar();
    bar->setValue(bar->value() - steps * lines * bar->singleStep());
    return true;
}

} // namespace cfq
