#include "ethercat/ProcessDataMap.h"

#include "ethercat/VarTypes.h"
#include "platform/WholeNumber.h"

#include <algorithm>

namespace cfq {
namespace {

// The order of each group name: first the direction's groups as listed, then
// any other name in the order met.
class GroupOrder
{
public:
    explicit GroupOrder(const std::vector<TGroup>& groups)
    {
        for (const TGroup& group : groups)
            m_names.push_back(group.Name);
    }

    int of(const std::string& name)
    {
        if (name.empty())
            return -1;
        const auto found = std::find(m_names.begin(), m_names.end(), name);
        if (found != m_names.end())
            return static_cast<int>(found - m_names.begin());
        m_names.push_back(name);
        return static_cast<int>(m_names.size()) - 1;
    }

private:
    std::vector<std::string> m_names;
};

MappedVariable mappedRow(const VariableTable& table, int index, std::string typeName, GroupOrder& order)
{
    const VarType* type = findVarType(typeName);
    const bool bit = type && type->size == VarSize::Bit;
    const std::int64_t length = readInt32Or(table.cell(index, VarField::Length), 0);
    std::string group = table.cell(index, VarField::Group);
    const int groupOrder = order.of(group);
    return MappedVariable{index,
                          table.cell(index, VarField::Name),
                          std::move(typeName),
                          std::move(group),
                          groupOrder,
                          readInt64Or(table.cell(index, VarField::Position), 0),
                          readInt32Or(table.cell(index, VarField::StartBit), 0),
                          bit,
                          bit ? 0 : byteSize(type, length)};
}

} // namespace

ProcessDataMap::ProcessDataMap(std::vector<MappedVariable> variables) : m_variables(std::move(variables))
{
    std::stable_sort(m_variables.begin(), m_variables.end(),
                     [](const MappedVariable& a, const MappedVariable& b) { return a.position < b.position; });
    for (const MappedVariable& variable : m_variables)
        m_byteCount = std::max(m_byteCount, variable.position + (variable.bit ? 1 : variable.bytes));
}

const MappedVariable* ProcessDataMap::at(std::int64_t byte, int bit) const
{
    // Variables do not overlap: the bit belongs to a variable placed in this
    // byte, or to the last one placed before it when that one reaches here.
    auto it = std::upper_bound(m_variables.begin(), m_variables.end(), byte,
                               [](std::int64_t value, const MappedVariable& variable) {
                                   return value < variable.position;
                               });
    while (it != m_variables.begin()) {
        --it;
        if (it->position < byte)
            return !it->bit && byte < it->position + it->bytes ? &*it : nullptr;
        if (it->bit ? it->startBit == bit : it->bytes > 0)
            return &*it;
    }
    return nullptr;
}

ProcessDataMap mapProcessData(const VariableTable& table, const std::vector<TGroup>& groups)
{
    GroupOrder order(groups);
    std::vector<MappedVariable> variables;
    for (int index = 0; index < kVariableRows; ++index) {
        std::string type = table.cell(index, VarField::Type);
        if (endsTable(type))
            break;
        if (table.enabled(index))
            variables.push_back(mappedRow(table, index, std::move(type), order));
    }
    return ProcessDataMap(std::move(variables));
}

} // namespace cfq
