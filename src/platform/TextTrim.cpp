#include "platform/TextTrim.h"

#include <algorithm>

namespace cfq {
namespace {

template <typename Drop>
std::string trimWith(std::string_view text, Drop drop)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && drop(static_cast<unsigned char>(text[begin])))
        ++begin;
    while (end > begin && drop(static_cast<unsigned char>(text[end - 1])))
        --end;
    return std::string(text.substr(begin, end - begin));
}

char upper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

std::string trimControl(std::string_view text)
{
    return trimWith(text, [](unsigned char c) { return c <= 0x20; });
}

std::string trimBlanks(std::string_view text)
{
    return trimWith(text, [](unsigned char c) { return c == ' '; });
}

std::string asciiUpper(std::string_view text)
{
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), upper);
    return result;
}

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return upper(x) == upper(y);
           });
}

} // namespace cfq
