#include "outputs/InitialValues.h"

#include "outputs/Unicode.h"
#include "platform/WholeNumber.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cstdint>
#include <limits>
#include <string>

namespace cfq::outputs {
namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A decimal number taken apart: its digits in plain "C" form for the
// conversion, and its decimal order of magnitude to tell an overflow from an
// underflow when the conversion is out of range.
struct DecimalParts
{
    std::string plain;
    bool negative = false;
    bool allZero = true;
    long long order = 0;
};

std::size_t skipBlanks(std::string_view text, std::size_t i)
{
    while (i < text.size() && text[i] == ' ')
        ++i;
    return i;
}

// Appends a run of digits to the plain form; returns the position after it.
std::size_t takeDigits(std::string_view text, std::size_t i, std::string& plain)
{
    while (i < text.size() && isDigit(text[i]))
        plain.push_back(text[i++]);
    return i;
}

std::optional<DecimalParts> splitDecimal(std::string_view text, std::string_view separator)
{
    DecimalParts parts;
    std::size_t i = skipBlanks(text, 0);
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        parts.negative = text[i++] == '-';

    std::string integer;
    std::string fraction;
    i = takeDigits(text, i, integer);
    if (!separator.empty() && text.substr(i).starts_with(separator))
        i = takeDigits(text, i + separator.size(), fraction);
    if (integer.empty() && fraction.empty())
        return std::nullopt;

    long long exponent = 0;
    std::string exponentText;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            negativeExponent = text[i++] == '-';
        i = takeDigits(text, i, exponentText);
        if (exponentText.empty())
            return std::nullopt;
        for (char digit : exponentText)
            exponent = std::min(exponent * 10 + (digit - '0'), 1000000LL);
        if (negativeExponent)
            exponent = -exponent;
    }
    if (skipBlanks(text, i) != text.size())
        return std::nullopt;

    const std::string digits = integer + fraction;
    const std::size_t firstNonZero = digits.find_first_not_of('0');
    parts.allZero = firstNonZero == std::string::npos;
    if (!parts.allZero)
        parts.order =
            static_cast<long long>(integer.size()) - static_cast<long long>(firstNonZero) + exponent;
    parts.plain = (integer.empty() ? "0" : integer) + "." + (fraction.empty() ? "0" : fraction) + "e" +
                  std::to_string(exponent);
    return parts;
}

Bytes integerBytes(std::string_view text, std::uint8_t width)
{
    Bytes bytes;
    appendLittleEndian(bytes, static_cast<std::uint64_t>(readInt64Or(text, 0)), width);
    return bytes;
}

Bytes stringBytes(std::string_view text, std::uint8_t length)
{
    const std::u16string units = utf16Units(text);
    Bytes bytes(length, 0);
    for (std::size_t k = 0; k < bytes.size() && k < units.size(); ++k)
        bytes[k] = static_cast<std::uint8_t>(units[k]);
    return bytes;
}

Bytes arrayBytes(std::string_view text, std::uint8_t length)
{
    const std::u16string units = utf16Units(text);
    Bytes bytes(length, 0);
    for (std::size_t k = 0; k < bytes.size() && 2 * k + 1 < units.size(); ++k) {
        const int high = hexDigitValue(units[2 * k]);
        const int low = hexDigitValue(units[2 * k + 1]);
        if (high >= 0 && low >= 0)
            bytes[k] = static_cast<std::uint8_t>(high * 16 + low);
    }
    return bytes;
}

} // namespace

std::optional<float> readDecimal(std::string_view text, std::string_view decimalSeparator)
{
    const auto parts = splitDecimal(text, decimalSeparator);
    if (!parts)
        return std::nullopt;
    const float sign = parts->negative ? -1.0f : 1.0f;
    if (parts->allZero)
        return sign * 0.0f;
    constexpr long long kBeyondSingle = 40;
    constexpr long long kBelowSingle = -46;
    if (parts->order > kBeyondSingle)
        return sign * std::numeric_limits<float>::infinity();
    if (parts->order < kBelowSingle)
        return sign * 0.0f;
    float magnitude = 0.0f;
    const char* first = parts->plain.data();
    const auto [end, error] = std::from_chars(first, first + parts->plain.size(), magnitude);
    if (error == std::errc::result_out_of_range)
        magnitude = parts->order > 0 ? std::numeric_limits<float>::infinity() : 0.0f;
    return sign * magnitude;
}

std::optional<Bytes> initialValueBytes(DataType type, std::uint8_t length, std::string_view text,
                                       std::string_view decimalSeparator)
{
    if (text.empty())
        return std::nullopt;
    switch (type) {
    case DataType::Bool:
        return Bytes{static_cast<std::uint8_t>(readInt64Or(text, 0) & 1)};
    case DataType::Int8:
    case DataType::UInt8:
    case DataType::Int16:
    case DataType::UInt16:
    case DataType::Int32:
    case DataType::UInt32:
        return integerBytes(text, fixedSizeOf(type));
    case DataType::Float32: {
        Bytes bytes;
        appendLittleEndian(
            bytes, std::bit_cast<std::uint32_t>(readDecimal(text, decimalSeparator).value_or(0.0f)), 4);
        return bytes;
    }
    case DataType::String:
        return stringBytes(text, length);
    case DataType::Array:
        return arrayBytes(text, length);
    case DataType::Unknown:
        break;
    }
    return std::nullopt;
}

} // namespace cfq::outputs
