#include "ethercat/GroupValidation.h"

#include "ethercat/VariableTable.h"
#include "platform/TextTrim.h"
#include "platform/WholeNumber.h"

namespace cfq {
namespace {

constexpr int kErrorRowText = 5325;

struct GroupTexts
{
    int numVariablesRange;
    int total;
};

constexpr GroupTexts kSlaveToMasterTexts{5326, 5327};
constexpr GroupTexts kMasterToSlaveTexts{5328, 5329};

std::optional<ValidationFailure> checkDirection(const std::vector<GroupRow>& rows, const GroupTexts& texts)
{
    std::int64_t total = 0;
    for (std::size_t i = 0; i < rows.size() && i < kMaxGroups; ++i) {
        if (trimControl(rows[i].Group_Name).empty())
            break;
        const std::optional<std::int32_t> count = readInt32(rows[i].Num_Variables);
        if (!count || *count < 1 || *count > kVariableRows)
            return ValidationFailure{kErrorRowText, static_cast<int>(i) + 1, texts.numVariablesRange};
        total += *count;
    }
    if (total > kVariableRows)
        return ValidationFailure{0, 0, texts.total};
    return std::nullopt;
}

} // namespace

std::optional<ValidationFailure> Controllo_dati(const GroupLists& lists)
{
    if (auto failure = checkDirection(lists.slaveToMaster, kSlaveToMasterTexts))
        return failure;
    return checkDirection(lists.masterToSlave, kMasterToSlaveTexts);
}

} // namespace cfq
