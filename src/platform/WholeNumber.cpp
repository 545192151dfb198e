#include "platform/WholeNumber.h"

#include <limits>

namespace cfq {
namespace {

struct Parsed
{
    bool negative = false;
    bool hex = false;
    std::uint64_t magnitude = 0;
};

int digitValue(char c, bool hex)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (hex && c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (hex && c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Reads the common form; the magnitude is refused once it passes the given
// limit so that the caller can apply its own range.
std::optional<Parsed> parse(std::string_view text, std::uint64_t limit)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    Parsed result;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        result.negative = text[i] == '-';
        ++i;
    }
    if (i < text.size() && text[i] == '$') {
        result.hex = true;
        ++i;
    } else if (i < text.size() && (text[i] == 'x' || text[i] == 'X')) {
        result.hex = true;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        result.hex = true;
        i += 2;
    }
    if (i == text.size())
        return std::nullopt;
    const std::uint64_t base = result.hex ? 16 : 10;
    for (; i < text.size(); ++i) {
        const int digit = digitValue(text[i], result.hex);
        if (digit < 0)
            return std::nullopt;
        if (result.magnitude > (limit - static_cast<std::uint64_t>(digit)) / base)
            return std::nullopt;
        result.magnitude = result.magnitude * base + static_cast<std::uint64_t>(digit);
    }
    return result;
}

} // namespace

std::optional<std::int32_t> readInt32(std::string_view text)
{
    const auto parsed = parse(text, std::numeric_limits<std::uint32_t>::max());
    if (!parsed)
        return std::nullopt;
    if (parsed->hex) {
        const auto bits = static_cast<std::uint32_t>(parsed->magnitude);
        const auto value = static_cast<std::int32_t>(bits);
        return parsed->negative ? static_cast<std::int32_t>(0u - bits) : value;
    }
    const std::uint64_t maxPositive = std::numeric_limits<std::int32_t>::max();
    if (parsed->negative) {
        if (parsed->magnitude > maxPositive + 1)
            return std::nullopt;
        return static_cast<std::int32_t>(-static_cast<std::int64_t>(parsed->magnitude));
    }
    if (parsed->magnitude > maxPositive)
        return std::nullopt;
    return static_cast<std::int32_t>(parsed->magnitude);
}

std::optional<std::int64_t> readInt64(std::string_view text)
{
    const auto parsed = parse(text, std::numeric_limits<std::uint64_t>::max());
    if (!parsed)
        return std::nullopt;
    if (parsed->hex) {
        const std::uint64_t bits = parsed->negative ? 0u - parsed->magnitude : parsed->magnitude;
        return static_cast<std::int64_t>(bits);
    }
    const std::uint64_t maxPositive = std::numeric_limits<std::int64_t>::max();
    if (parsed->negative) {
        if (parsed->magnitude > maxPositive + 1)
            return std::nullopt;
        return static_cast<std::int64_t>(0u - parsed->magnitude);
    }
    if (parsed->magnitude > maxPositive)
        return std::nullopt;
    return static_cast<std::int64_t>(parsed->magnitude);
}

} // namespace cfq
