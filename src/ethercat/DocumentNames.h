#pragma once

// Element and attribute names of the variable document EtherCAT_Slave.xml
// and of the group document EtherCAT_Slave_Group.xml, shared by their editors'
// reader and writer and by the device outputs' readers.
namespace cfq::variable_doc {

inline constexpr const char* kRoot = "EtherCAT_Slave";
inline constexpr const char* kVariables = "EtherCAT_Slave_Variables";
inline constexpr const char* kSlaveToMaster = "EtherCAT_Slave_To_Master";
inline constexpr const char* kMasterToSlave = "EtherCAT_Master_To_Slave";
inline constexpr const char* kRow = "row";
inline constexpr const char* kEnable = "Enable";
inline constexpr const char* kType = "Type";
inline constexpr const char* kLength = "Length";
inline constexpr const char* kName = "Name";
inline constexpr const char* kInitValue = "InitValue";
inline constexpr const char* kPosition = "Position";
inline constexpr const char* kBitStart = "BitStart";
inline constexpr const char* kGroup = "Group";
inline constexpr const char* kMnemonic = "Mnemonic";

} // namespace cfq::variable_doc

namespace cfq::group_doc {

inline constexpr const char* kRoot = "PROFINET_Master_to_Modbus_TCP_Master";
inline constexpr const char* kSlaveToMaster = "Slave_to_Master";
inline constexpr const char* kMasterToSlave = "Master_to_Slave";
inline constexpr const char* kRow = "row";
inline constexpr const char* kName = "Group_Name";
inline constexpr const char* kNumVariables = "Num_Variables";
inline constexpr const char* kMnemonic = "Mnemonic";

} // namespace cfq::group_doc
