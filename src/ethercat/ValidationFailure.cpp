#include "ethercat/ValidationFailure.h"

#include "i18n/TextTable.h"

namespace cfq {

std::string ValidationFailure::message(const TextTable& texts) const
{
    if (rowText == 0)
        return texts[detailText];
    return texts[rowText] + std::to_string(row) + texts[detailText];
}

} // namespace cfq
