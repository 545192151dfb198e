#pragma once

#include "platform/Result.h"

#include <optional>
#include <string>
#include <string_view>

namespace cfq::langpack {

// One line of a language file, "STR<index> = <text>". The text is enclosed in
// pilcrows when it is empty or has blanks at either end, which the reader
// would otherwise trim. Nothing when the reader could not give the text back:
// it holds a line break, the comment mark "/#/" or a pilcrow.
std::optional<std::string> languageFileLine(int index, std::string_view text);

// English.lng: a UTF-8 byte-order mark, a few comment lines, then one line per
// built-in text that is not a blank placeholder, in index order. Fails naming
// the first text that cannot be written.
Result<std::string> englishLanguageFile();

} // namespace cfq::langpack
