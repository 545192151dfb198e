#include "ethercat/VariableValidation.h"

#include "ethercat/VarTypes.h"
#include "platform/TextTrim.h"
#include "platform/WholeNumber.h"

#include <algorithm>

namespace cfq {
namespace {

constexpr int kErrorRowText = 1051;
constexpr int kStmArrayLength = 1052;
constexpr int kStmArrayOddDigits = 1053;
constexpr int kStmArrayTooManyBytes = 1054;
constexpr int kStmArrayNotHex = 1055;
constexpr int kStmStringLength = 1056;
constexpr int kStmStringTooLong = 1057;
constexpr int kMtsLength = 1058;
constexpr int kStmRowWithoutType = 1063;
constexpr int kMtsRowWithoutType = 1064;

// Bytes of the UTF-8 sequence this byte starts (1 for a stray byte).
std::size_t sequenceLength(unsigned char lead)
{
    if (lead >= 0xC0 && lead < 0xE0)
        return 2;
    if (lead >= 0xE0 && lead < 0xF0)
        return 3;
    if (lead >= 0xF0 && lead < 0xF8)
        return 4;
    return 1;
}

// The Length of an Array or String when it is a number of 1 to 255.
std::optional<std::int32_t> validLength(const VariableTable& table, int index)
{
    const std::optional<std::int32_t> length = readInt32(table.cell(index, VarField::Length));
    if (!length || *length < 1 || *length > kMaxVarLength)
        return std::nullopt;
    return length;
}

bool isHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

// The text of the rule an Array's Init Value breaks, 0 for none.
int arrayInitValueRule(const std::string& initValue, std::int32_t length)
{
    const std::size_t characters = utf16Length(initValue);
    if (characters % 2 != 0)
        return kStmArrayOddDigits;
    if (characters > 2 * static_cast<std::size_t>(length))
        return kStmArrayTooManyBytes;
    const std::string digits = asciiUpper(initValue);
    return std::all_of(digits.begin(), digits.end(), isHexDigit) ? 0 : kStmArrayNotHex;
}

// The text of the Slave To Master rule an enabled row breaks, 0 for none.
int slaveToMasterRule(const VariableTable& table, int index)
{
    const std::string type = table.cell(index, VarField::Type);
    const bool isArray = type == kArrayType;
    if (!isArray && type != kStringType)
        return 0;
    const std::optional<std::int32_t> length = validLength(table, index);
    if (!length)
        return isArray ? kStmArrayLength : kStmStringLength;
    const std::string initValue = table.cell(index, VarField::InitValue);
    if (initValue.empty())
        return 0;
    if (isArray)
        return arrayInitValueRule(initValue, *length);
    return utf16Length(initValue) > static_cast<std::size_t>(*length) ? kStmStringTooLong : 0;
}

// The text of the Master To Slave rule an enabled row breaks, 0 for none.
int masterToSlaveRule(const VariableTable& table, int index)
{
    const std::string type = table.cell(index, VarField::Type);
    if (type != kArrayType && type != kStringType)
        return 0;
    return validLength(table, index) ? 0 : kMtsLength;
}

// A row without a Type before a row with one: the index of the gap.
std::optional<int> gapBeforeTypedRow(const VariableTable& table)
{
    const int length = tableLength(table);
    for (int index = length + 1; index < kVariableRows; ++index) {
        if (!endsTable(table.cell(index, VarField::Type)))
            return length;
    }
    return std::nullopt;
}

std::optional<ValidationFailure> checkTable(const VariableTable& table, int rowWithoutTypeText,
                                            int (*rule)(const VariableTable&, int))
{
    if (const std::optional<int> gap = gapBeforeTypedRow(table))
        return ValidationFailure{kErrorRowText, *gap + 1, rowWithoutTypeText};
    const int length = tableLength(table);
    for (int index = 0; index < length; ++index) {
        if (!table.enabled(index))
            continue;
        if (const int text = rule(table, index))
            return ValidationFailure{kErrorRowText, index + 1, text};
    }
    return std::nullopt;
}

} // namespace

std::optional<ValidationFailure> Controllo_dati(const VariableTable& slaveToMaster,
                                                const VariableTable& masterToSlave)
{
    if (auto failure = checkTable(slaveToMaster, kStmRowWithoutType, slaveToMasterRule))
        return failure;
    return checkTable(masterToSlave, kMtsRowWithoutType, masterToSlaveRule);
}

std::size_t utf16Length(std::string_view utf8)
{
    std::size_t units = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t sequence = sequenceLength(static_cast<unsigned char>(utf8[i]));
        std::size_t taken = 1;
        while (taken < sequence && i + taken < utf8.size() &&
               (static_cast<unsigned char>(utf8[i + taken]) & 0xC0) == 0x80)
            ++taken;
        units += (taken == 4) ? 2 : 1;
        i += taken;
    }
    return units;
}

} // namespace cfq
