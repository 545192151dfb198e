#pragma once

#include <string>
#include <vector>

namespace cfq {

// Number of entries of the text table; also the bound for language file
// indices, so that language files made for the full numbering load unchanged.
inline constexpr int kTextTableSize = 5400;

// Every text a window or message box shows, addressed by its text index.
class TextTable
{
public:
    // The text of an entry; empty for an index outside the table.
    const std::string& operator[](int index) const;
    void set(int index, std::string text);
    int size() const { return static_cast<int>(m_entries.size()); }

    // Fills the table with the built-in English texts (Init_Text_Table).
    void Init_Text_Table();

private:
    std::vector<std::string> m_entries;
};

// The text with its "%d" replaced by the number (a row number, a count).
std::string withNumber(std::string text, int number);

// The built-in English text of an index (a single blank for unused entries).
const std::string& builtinText(int index);

} // namespace cfq
