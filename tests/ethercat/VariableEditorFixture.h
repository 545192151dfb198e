#pragma once

#include "app/AppState.h"
#include "ethercat/UEtherCATSlave.h"
#include "gridkit/StringGridWidget.h"
#include "support/GuiTestSupport.h"
#include "support/RecordingMessages.h"
#include "support/TempDir.h"

#include <QObject>
#include <QTest>
#include <memory>
#include <string>

// The variable editor on a temporary project folder, for the editor's Qt
// tests: a test class derives from it, calls createEditor() in init() and
// destroyEditor() in cleanup().
namespace cfq::test {

// A variable document with these rows in either direction.
inline std::string variableDocument(const std::string& slaveToMaster, const std::string& masterToSlave = {})
{
    return "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master>" + slaveToMaster +
           "</EtherCAT_Slave_To_Master><EtherCAT_Master_To_Slave>" + masterToSlave +
           "</EtherCAT_Master_To_Slave></EtherCAT_Slave_Variables></EtherCAT_Slave>";
}

// One row of a variable document.
inline std::string row(const std::string& type, const std::string& length, const std::string& name,
                       const std::string& initValue = {}, const char* enable = "Y")
{
    return "<row Enable=\"" + std::string(enable) + "\" Type=\"" + type + "\" Length=\"" + length + "\" Name=\"" +
           name + "\" InitValue=\"" + initValue + "\"/>";
}

class VariableEditorFixture : public QObject
{
protected:
    // A fresh folder and the built-in texts, then the editor, shown.
    void createEditor()
    {
        m_dir = std::make_unique<TempDir>();
        m_state = std::make_unique<AppState>();
        m_state->Text_Table.Init_Text_Table();
        m_state->SW_Code = "CFQ4410";
        m_state->Project_Path = m_dir->path();
        m_state->EtherCAT_Slave_File = *m_dir / "EtherCAT_Slave.xml";
        m_state->EtherCAT_Slave_Group_File = *m_dir / "EtherCAT_Slave_Group.xml";
        m_messages.takeShown();
        m_dialog = std::make_unique<TFEtherCATSlave>(*m_state, Services{m_messages, {}}, nullptr);
        m_stm = child<StringGridWidget>(m_dialog.get(), "ASG_SlaveMaster");
        m_mts = child<StringGridWidget>(m_dialog.get(), "ASG_MasterSlave");
        QVERIFY(m_stm && m_mts);
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
    }

    void destroyEditor()
    {
        m_dialog.reset();
        m_state.reset();
        m_dir.reset();
    }

    // Writes the variable document and opens the editor anew on it.
    void open(const std::string& document)
    {
        writeFile(m_state->EtherCAT_Slave_File, document);
        m_dialog->hide();
        m_dialog->show();
    }

    std::unique_ptr<TempDir> m_dir;
    std::unique_ptr<AppState> m_state;
    RecordingMessages m_messages;
    std::unique_ptr<TFEtherCATSlave> m_dialog;
    StringGridWidget* m_stm = nullptr;
    StringGridWidget* m_mts = nullptr;
};

} // namespace cfq::test
