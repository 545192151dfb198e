#pragma once

#include <bitset>
#include <string>
#include <string_view>

// The EtherCAT variable table of one direction as the process-data core sees
// it. The variable editor's grids and the in-memory table both implement this
// interface, so placement, group derivation, documents and validation run the
// same code on either.
namespace cfq {

// Every direction has exactly this many variable rows.
inline constexpr int kVariableRows = 256;

// The text cells of a row. The Master To Slave table has no Init Value: its
// grid adapter reads InitValue as empty text and ignores writes to it.
enum class VarField
{
    Type,
    Length,
    Name,
    InitValue,
    Position,
    StartBit,
    Group,
    Mnemonic,
};

inline constexpr int kVarFieldCount = 8;

// Rows are addressed by index 0 to 255; index i is grid row i + 1.
class VariableTable
{
public:
    virtual ~VariableTable() = default;

    virtual bool enabled(int index) const = 0;
    virtual void setEnabled(int index, bool ticked) = 0;

    virtual std::string cell(int index, VarField field) const = 0;
    // Writes the text unless the cell holds it already; true when the cell
    // changed. Placement rewrites every row at every edit, so an unchanged
    // cell must cost no more than the compare.
    virtual bool setCell(int index, VarField field, std::string_view text) = 0;

    // Whether the user may type into the row's Length cell.
    virtual bool lengthEditable(int index) const = 0;
    virtual void setLengthEditable(int index, bool editable) = 0;
};

// The rows whose cells an operation rewrote, by index, so that a grid can
// refresh only those.
using ChangedRows = std::bitset<kVariableRows>;

// A row whose Type, trimmed, is empty ends the table proper.
inline bool endsTable(std::string_view type)
{
    for (char c : type) {
        if (static_cast<unsigned char>(c) > 0x20)
            return false;
    }
    return true;
}

// The number of rows of the table proper: the rows before the first one that
// ends it (all 256 when there is none). Placement, validation and Save see
// only these rows.
int tableLength(const VariableTable& table);

// Equal texts. A plain loop: the texts compared for every row at every edit
// are a few characters long, far below what a library compare pays off for.
inline bool sameText(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i])
            return false;
    }
    return true;
}

// Both directions' tables, as the editor and the variable document hold them.
struct VariableTables
{
    VariableTable& slaveToMaster;
    VariableTable& masterToSlave;
};

} // namespace cfq
