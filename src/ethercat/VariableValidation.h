#pragma once

#include "ethercat/ValidationFailure.h"
#include "ethercat/VariableTable.h"

#include <optional>
#include <string_view>

namespace cfq {

// The variable editor's validation, Slave To Master table first. For each
// table: a row without a Type followed by a row with one is refused (OK would
// otherwise drop every row below the gap); then, per enabled row of the table
// proper, the Length of an Array or String must be 1 to 255, and a Slave To
// Master Init Value must fit its Array (hexadecimal digits, two per byte) or
// String. Returns the first failure, nothing when both tables pass.
std::optional<ValidationFailure> Controllo_dati(const VariableTable& slaveToMaster,
                                                const VariableTable& masterToSlave);

// Number of characters of a UTF-8 text as the device counts them: UTF-16 code
// units (a character beyond U+FFFF counts twice). A stray byte counts as one.
std::size_t utf16Length(std::string_view utf8);

} // namespace cfq
