#pragma once

#include "outputs/Bytes.h"

#include <string>

namespace cfq::outputs {

// The configurator's 16 x 14 picture of the converter for EtherCAT
// engineering tools: a blue box with a white arrow to the right over an
// orange arrow to the left, as a Windows BMP file (24 bits per pixel).
Bytes esiIconBitmap();

// The same bytes as lower-case hexadecimal digits, two per byte, as the
// ImageData16x14 elements of the ESI file hold them.
const std::string& esiIconHex();

} // namespace cfq::outputs
