#pragma once

// Fixed texts and numbers of this converter model and of this configurator.
namespace cfq::model {

inline constexpr const char* kWindowTitle = "VarnicCo - Configurator CFQ4410 - EtherCAT Slave / Serial ";
inline constexpr const char* kSoftwareCode = "CFQ4410";
inline constexpr const char* kSoftwareDescription = "EtherCAT Slave / Serial - Converter";
// Written into every project document, into the parameter image and compared
// by the online version check.
inline constexpr const char* kSoftwareVersion = "1.001";
inline constexpr const char* kVersionComment = "SW_VERSION = 1.001";
inline constexpr const char* kManualCode = "MAQ4410";
inline constexpr const char* kDefaultDeviceAddress = "192.168.2.205";
inline constexpr const char* kDefaultLanguage = "English";

} // namespace cfq::model
