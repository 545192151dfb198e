#include "i18n/TextTable.h"

#include <algorithm>

namespace cfq {
namespace {

struct BuiltinEntry
{
    int index;
    const char* text;
};

constexpr BuiltinEntry kBuiltinTexts[] = {
#include "resources/BuiltinTexts.inc"
};

const std::vector<std::string>& builtinTable()
{
    static const std::vector<std::string> table = [] {
        std::vector<std::string> entries(kTextTableSize, " ");
        for (const BuiltinEntry& entry : kBuiltinTexts)
            entries[static_cast<std::size_t>(entry.index)] = entry.text;
        return entries;
    }();
    return table;
}

} // namespace

const std::string& TextTable::operator[](int index) const
{
    static const std::string none;
    if (index < 0 || index >= size())
        return none;
    return m_entries[static_cast<std::size_t>(index)];
}

void TextTable::set(int index, std::string text)
{
    if (index >= 0 && index < size())
        m_entries[static_cast<std::size_t>(index)] = std::move(text);
}

void TextTable::Init_Text_Table()
{
    m_entries = builtinTable();
}

std::string withNumber(std::string text, int number)
{
    const std::size_t mark = text.find("%d");
    if (mark != std::string::npos)
        text.replace(mark, 2, std::to_string(number));
    return text;
}

const std::string& builtinText(int index)
{
    static const std::string none;
    if (index < 0 || index >= kTextTableSize)
        return none;
    return builtinTable()[static_cast<std::size_t>(index)];
}

} // namespace cfq
