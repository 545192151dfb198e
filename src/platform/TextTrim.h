#pragma once

#include <string>
#include <string_view>

namespace cfq {

// Removes blanks and control characters (code points up to U+0020) at both
// ends. Works on UTF-8: bytes of multi-byte sequences are never below 0x80.
std::string trimControl(std::string_view text);

// Removes only blanks (' ') at both ends.
std::string trimBlanks(std::string_view text);

// Upper case of the ASCII letters; other characters are kept.
std::string asciiUpper(std::string_view text);

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b);

} // namespace cfq
