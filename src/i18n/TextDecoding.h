#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace cfq {

// Decodes the bytes of a text file to UTF-8: a UTF-8 or UTF-16 (LE or BE)
// byte-order mark selects that encoding; without one the bytes are taken as
// UTF-8 when they are valid UTF-8, otherwise as Windows-1252.
std::string decodeTextFile(std::string_view bytes);

// Splits text into lines ending with CR LF, LF or CR.
std::vector<std::string_view> splitLines(std::string_view text);

bool isValidUtf8(std::string_view bytes);

} // namespace cfq
