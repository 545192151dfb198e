#include "EnglishLanguageFile.h"

#include "i18n/TextTable.h"

namespace cfq::langpack {
namespace {

constexpr std::string_view kPilcrow = "\xC2\xB6";
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kHeader = "; English - language file of the CFQ4410 configurator.\n"
                                     "; Written from the built-in texts when the configurator is built.\n"
                                     "; Lines read: STR<index> = <text>. A text between two pilcrows keeps\n"
                                     "; its blanks at both ends; every other line is a remark.\n";

bool isTrimmed(unsigned char c)
{
    return c <= 0x20;
}

} // namespace

std::optional<std::string> languageFileLine(int index, std::string_view text)
{
    if (text.find_first_of("\r\n") != std::string_view::npos || text.find("/#/") != std::string_view::npos ||
        text.find(kPilcrow) != std::string_view::npos)
        return std::nullopt;
    std::string line = "STR" + std::to_string(index) + " = ";
    const bool keepBlanks = text.empty() || isTrimmed(static_cast<unsigned char>(text.front())) ||
                            isTrimmed(static_cast<unsigned char>(text.back()));
    if (keepBlanks)
        line.append(kPilcrow).append(text).append(kPilcrow);
    else
        line.append(text);
    return line;
}

Result<std::string> englishLanguageFile()
{
    std::string file(kUtf8Mark);
    file += kHeader;
    for (int index = 0; index < kTextTableSize; ++index) {
        const std::string& text = builtinText(index);
        if (text == " ")
            continue;
        const auto line = languageFileLine(index, text);
        if (!line)
            return Result<std::string>::failure("built-in text " + std::to_string(index) +
                                                " cannot be written to a language file");
        file += *line;
        file += '\n';
    }
    return file;
}

} // namespace cfq::langpack
