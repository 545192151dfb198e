#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace cfq::cli {

// The direction words of the CSV commands.
inline constexpr std::string_view kSlaveToMasterWord = "s2m";
inline constexpr std::string_view kMasterToSlaveWord = "m2s";

// True for "s2m" (Slave To Master), false for "m2s"; nothing for any other
// word.
inline std::optional<bool> slaveToMasterArgument(std::string_view word)
{
    if (word == kSlaveToMasterWord)
        return true;
    if (word == kMasterToSlaveWord)
        return false;
    return std::nullopt;
}

// The usage error for any other word.
inline std::string wrongDirection(const std::string& word)
{
    return "the direction must be s2m or m2s, not \"" + word + "\"";
}

} // namespace cfq::cli
