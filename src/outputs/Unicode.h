#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace cfq::outputs {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// One character of a UTF-8 text: its code point and the number of bytes it
// takes. A byte that does not start a valid sequence is the replacement
// character, one byte long, with `valid` false.
struct Utf8Character
{
    char32_t codePoint;
    std::size_t length;
    bool valid;
};

// Decodes the character starting at text[i] (i < text.size()).
Utf8Character decodeUtf8(std::string_view text, std::size_t i);

// Appends the UTF-8 bytes of a code point.
void appendUtf8(std::string& out, char32_t codePoint);

// The UTF-16 code units of a UTF-8 text: the "characters" that the device
// images count when they cut a name or store one byte per character. A byte
// that does not belong to a valid UTF-8 sequence becomes U+FFFD.
std::u16string utf16Units(std::string_view utf8);

// The value of a hexadecimal digit (0-9, A-F, a-f); -1 for any other character.
int hexDigitValue(char16_t c);

} // namespace cfq::outputs
