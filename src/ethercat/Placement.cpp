#include "ethercat/Placement.h"

#include "ethercat/VarTypes.h"
#include "platform/WholeNumber.h"

#include <charconv>
#include <cstdint>

namespace cfq {
namespace {

// Decimal text of a number without leading zeros, held without allocation.
class DecimalText
{
public:
    explicit DecimalText(std::int64_t value)
    {
        m_length = static_cast<std::size_t>(std::to_chars(m_digits, m_digits + sizeof m_digits, value).ptr -
                                            m_digits);
    }
    std::string_view view() const { return {m_digits, m_length}; }

private:
    char m_digits[24];
    std::size_t m_length = 0;
};

// The running state of the placement: the next free byte, the next bit of
// the current Bool run and whether a run is open.
struct Cursor
{
    std::int64_t byte = 0;
    int bit = 0;
    bool inBitRun = false;
};

struct Place
{
    std::int64_t position;
    int startBit;
};

Place placeBool(Cursor& cursor)
{
    if (!cursor.inBitRun) {
        cursor.inBitRun = true;
        cursor.bit = 1;
        return {cursor.byte, 0};
    }
    const Place place{cursor.byte, cursor.bit};
    if (++cursor.bit == 8) {
        cursor.bit = 0;
        ++cursor.byte;
    }
    return place;
}

Place placeBytes(Cursor& cursor, std::int64_t size)
{
    if (cursor.inBitRun) {
        cursor.inBitRun = false;
        if (cursor.bit > 0)
            ++cursor.byte;
        cursor.bit = 0;
    }
    const Place place{cursor.byte, 0};
    cursor.byte += size;
    return place;
}

bool writePlace(VariableTable& table, int index, Place place)
{
    const bool positionChanged = table.setCell(index, VarField::Position, DecimalText(place.position).view());
    const bool bitChanged = table.setCell(index, VarField::StartBit, DecimalText(place.startBit).view());
    return positionChanged || bitChanged;
}

} // namespace

ChangedRows Calc_Position_Bit(VariableTable& table)
{
    ChangedRows changed;
    Cursor cursor;
    for (int index = 0; index < kVariableRows; ++index) {
        const std::string typeName = table.cell(index, VarField::Type);
        if (endsTable(typeName))
            break;
        Place place{0, 0};
        if (table.enabled(index)) {
            const VarType* type = findVarType(typeName);
            if (type && type->size == VarSize::Bit) {
                place = placeBool(cursor);
            } else {
                const bool sizedByLength = !type || type->size != VarSize::Fixed;
                const std::int64_t length =
                    sizedByLength ? readInt32Or(table.cell(index, VarField::Length), 0) : 0;
                place = placeBytes(cursor, byteSize(type, length));
            }
        }
        if (writePlace(table, index, place))
            changed.set(static_cast<std::size_t>(index));
    }
    return changed;
}

ChangedRows Show_Group(VariableTable& table, const std::vector<TGroup>& groups)
{
    ChangedRows changed;
    int index = 0;
    const auto assign = [&](std::string_view name) {
        if (table.setCell(index, VarField::Group, name))
            changed.set(static_cast<std::size_t>(index));
        ++index;
    };
    for (const TGroup& group : groups) {
        if (group.Name.empty() || group.Num_Var < 1)
            continue;
        for (std::int32_t claimed = 0; claimed < group.Num_Var && index < kVariableRows;) {
            const bool member = table.enabled(index);
            assign(member ? std::string_view(group.Name) : std::string_view());
            claimed += member ? 1 : 0;
        }
    }
    while (index < kVariableRows)
        assign({});
    return changed;
}

} // namespace cfq
