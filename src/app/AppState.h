#pragma once

#include "gridkit/RowClipboard.h"
#include "i18n/TextTable.h"

#include <filesystem>
#include <string>

namespace cfq {

// The one process-wide record of the configurator: folders, open project,
// device address, language, options, fixed model texts, document paths, the
// text table and the row clipboard. Filled by the start-up sequence.
struct AppState
{
    // Folder of the configurator's own files (settings, job file). It is the
    // executable's folder, or the per-user data folder when that one is not
    // writable.
    std::filesystem::path Exe_Dir;
    // Folder of the running executable, where the updater program lives.
    std::filesystem::path Program_Dir;
    std::filesystem::path Master_Dir;
    std::filesystem::path Projects_Dir;
    std::filesystem::path Language_Dir;

    std::string Project_Name;
    // A project is open exactly when this is not empty.
    std::filesystem::path Project_Path;

    std::string Device_IP_Address;
    std::string Language_Name;

    bool Enable_Internet = false;
    bool Enable_Update = false;
    bool Enable_Jump_Field_Tables = false;
    bool Double_Click_Auto_Size = false;

    // Choices of the update dialog, kept for the run and never stored.
    int Update_Option = 0;
    bool Read_Back = true;

    std::string Window_Title;
    std::string SW_Code;
    std::string SW_Desc;

    // Project document paths, derived by Set_Files from Project_Path.
    std::filesystem::path ParGen_File;
    std::filesystem::path EtherCAT_Slave_File;
    std::filesystem::path EtherCAT_Slave_Group_File;

    TextTable Text_Table;
    RowClipboard Clipboard;

    bool projectOpen() const { return !Project_Path.empty(); }
    const std::string& text(int index) const { return Text_Table[index]; }
};

} // namespace cfq
