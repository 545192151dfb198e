#pragma once

#include "outputs/Bytes.h"
#include "outputs/DeviceTypes.h"

#include <optional>
#include <string_view>

namespace cfq::outputs {

// Reads a decimal number the way the user types it: optional blanks, an
// optional sign, digits with at most one decimal separator (the user's
// regional one, passed in), an optional exponent "e"/"E" with optional sign
// and digits, optional blanks. At least one digit must precede the exponent.
// The value is rounded to single precision; beyond its range it becomes an
// infinity of the same sign, below its smallest magnitude a zero.
std::optional<float> readDecimal(std::string_view text, std::string_view decimalSeparator);

// The bytes of a slave-to-master variable's initial value as the process-data
// image carries them, exactly `length` bytes; nothing when the variable has no
// initial value (an empty text, or a type the device does not know).
std::optional<Bytes> initialValueBytes(DataType type, std::uint8_t length, std::string_view text,
                                       std::string_view decimalSeparator);

} // namespace cfq::outputs
