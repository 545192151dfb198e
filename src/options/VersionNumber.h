#pragma once

#include <string_view>

namespace cfq {

// The version number in a text such as "VER. 1.002": the part after the first
// blank (all of the text when there is none), trimmed; its characters 1, 3, 4
// and 5 (the point of "d.ddd" is skipped) read as a whole number. -1 when the
// part is shorter than five characters or the four characters are no number.
int Conv_Version(std::string_view Ver_str);

// Whether the body of the server's reply names a newer version than the one
// of this configurator. An empty reply and "VER. 0.000" never do.
bool Reply_Reports_Newer_Version(std::string_view replyBody);

} // namespace cfq
