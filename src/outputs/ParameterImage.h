#pragma once

#include "outputs/Bytes.h"

#include <pugixml.hpp>

#include <cstdint>

namespace cfq::outputs {

// The parameter image bank1.bin (2048 bytes): the communication settings of
// the device read from the parameter document, the configuration version, the
// load address of the process-data image and the checksum. With no parameter
// document (`present` false) every field keeps its reset value.
Bytes buildParameterImage(pugi::xml_node root, bool present);

// The EtherCAT slave settings that open the process-data image, read from
// the same document.
struct SlaveHeader
{
    // The SII configuration bytes as the text yields them; more than the 14
    // bytes the image holds is refused when the limits are checked.
    Bytes siiConfig;
    std::uint16_t nodeAddress = 0;
    std::uint8_t clearData = 0;
    std::uint32_t revision = 0;
};

SlaveHeader readSlaveHeader(pugi::xml_node root, bool present);

// Cuts the SII configuration text into pairs of hexadecimal digits from the
// left (a last single digit counts as a pair); a pair that is no hexadecimal
// number is skipped.
Bytes siiConfigBytes(std::string_view text);

// The sum of bytes 0 to 2043 of the parameter image.
std::uint32_t parameterChecksum(const Bytes& image);

} // namespace cfq::outputs
