#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace cfq {

// One variable group as the variable editor uses it: the name and the number
// of enabled variables it claims.
struct TGroup
{
    std::string Name;
    std::int32_t Num_Var = 0;
    bool operator==(const TGroup&) const = default;
};

// The group lists of both directions, read from the group document when the
// variable editor is shown.
struct GroupSnapshot
{
    std::vector<TGroup> Group_StoM;
    std::vector<TGroup> Group_MtoS;
};

} // namespace cfq
