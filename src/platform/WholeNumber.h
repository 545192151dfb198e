#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// Whole-number reading used for every number the documents hold as text:
// optional leading blanks, an optional sign, then decimal digits, or
// hexadecimal digits after "$", "x", "X", "0x" or "0X". Nothing may follow the
// digits, not even a blank.
namespace cfq {

// 32-bit reading. Decimal values must lie in the signed 32-bit range;
// hexadecimal values may use all 32 bits and wrap (so "$FFFFFFFF" is -1).
std::optional<std::int32_t> readInt32(std::string_view text);

// 64-bit reading, same form; hexadecimal values may use all 64 bits.
std::optional<std::int64_t> readInt64(std::string_view text);

inline std::int32_t readInt32Or(std::string_view text, std::int32_t fallback)
{
    return readInt32(text).value_or(fallback);
}

inline std::int64_t readInt64Or(std::string_view text, std::int64_t fallback)
{
    return readInt64(text).value_or(fallback);
}

} // namespace cfq
