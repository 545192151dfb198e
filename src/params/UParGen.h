#pragma once

#include "app/Services.h"
#include "i18n/LanguageAware.h"
#include "i18n/TextBindings.h"
#include "params/ParGen.h"

#include <QDialog>
#include <array>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QWheelEvent;

namespace cfq {

struct AppState;
class CollapsiblePanel;
class TitlePanel;

using OctetFields = std::array<QLineEdit*, 4>;

// Set Communication: edits the communication parameters of the open project
// in four collapsible panels (Ethernet connection, EtherCAT slave, serial
// line, Ethernet address) and stores them in the parameter document.
class TFParGen : public QDialog, public LanguageAware
{
    Q_OBJECT

  public:
    TFParGen(AppState& state, Services services, QWidget* parent);

    void Set_Lang() override;
    std::vector<int> textIndices() const override;

    // Reads the parameter document into the fields.
    void FormShow();
    // Runs the checks on the fields; shows the first failure and returns false.
    bool Controllo_Dati();
    // The values the fields hold now, and the other way round.
    ParGenValues fieldValues() const;
    void showValues(const ParGenValues& values);

    // Mouse wheel over the panel group scrolls it; true when handled.
    bool FormMouseWheel(const QPoint& globalPosition, int angleDelta);
    // A character typed in an octet field; true when it was consumed.
    bool KeyPress(QLineEdit* field, const QString& typed);

  public slots:
    void Btn_OKClick();
    void On_Click();
    void Move_GroupBoxs();

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Layout, in UParGenLayout.cpp.
    void FormCreate();
    void Order_TAB_Panels();
    void Create_Ethernet_Connection();
    void Create_EtherCAT_Slave();
    void Create_Serial();
    void Create_Ethernet();
    void RePosition_Object_Ethernet_Connection();
    void RePosition_Object_EtherCAT_Slave();
    void RePosition_Object_Serial();
    void RePosition_Object_Ethernet();
    void bindTexts();
    void watchInputs();

    AppState& m_state;
    Services m_services;
    TextBindings m_texts;
    // Dot key: each octet field and the field the focus moves to (none at the
    // end of a chain).
    std::vector<std::pair<QLineEdit*, QLineEdit*>> m_dotChain;
    std::vector<QLineEdit*> m_digitsOnly;
    int m_wheelRemainder = 0;

    TitlePanel* P_Title;
    QScrollArea* CPG;
    CollapsiblePanel* CP_Ethernet_Connection;
    CollapsiblePanel* CP_EtherCAT_Slave;
    CollapsiblePanel* CP_Serial;
    CollapsiblePanel* CP_Ethernet;
    QWidget* P_Button;
    QPushButton* Btn_OK;
    QPushButton* Btn_Cancel;

    QLabel* L_EthConn_Device_Name;
    QLineEdit* E_EthConn_Device_Name;
    QCheckBox* CB_EthConn_En_DHCP_Cable;
    QCheckBox* CB_EthConn_En_DHCP_WiFi;
    QCheckBox* CB_EthConn_Enable_DNS;
    QLabel* L_EthConn_Primary_DNS;
    OctetFields E_EthConn_Pri_DNS_IP;
    QLabel* L_EthConn_Secondary_DNS;
    OctetFields E_EthConn_Sec_DNS_IP;

    QLabel* L_EtherCAT_Slave_Revision_Number;
    QLineEdit* E_EtherCAT_Slave_Revision_Number;
    QLabel* L_EtherCAT_Slave_Name;
    QLineEdit* E_EtherCAT_Slave_Name;
    QLabel* L_EtherCAT_Slave_Node_Address;
    QLineEdit* E_EtherCAT_Slave_Node_Address;
    QCheckBox* CB_EtherCAT_Slave_Clear_Data;

    QLabel* L_Serial_Serial;
    QComboBox* CB_Serial_Serial;
    QLabel* L_Serial_Baudrate;
    QComboBox* CB_Serial_Baudrate;
    QLabel* L_Serial_Parity;
    QComboBox* Cb_Serial_Parity;
    QLabel* L_Serial_StopBits;
    QComboBox* CB_Serial_StopBits;

    QLabel* L_Ethernet_IP;
    OctetFields E_Ethernet_IP;
    QLabel* L_Ethernet_SM;
    OctetFields E_Ethernet_SM;
    QCheckBox* CB_Ethernet_En_GAT;
    OctetFields E_Ethernet_GAT;
};

} // namespace cfq
