#pragma once

#include <string>

namespace cfq {

class TextTable;

// The first rule an editor's tables break, as data: the message is text
// rowText, the row number and text detailText, or text detailText alone when
// the failure concerns no single row (rowText 0).
struct ValidationFailure
{
    int rowText = 0;
    int row = 0;
    int detailText = 0;

    std::string message(const TextTable& texts) const;
    bool operator==(const ValidationFailure&) const = default;
};

} // namespace cfq
