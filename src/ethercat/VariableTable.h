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
    virtual void setCell(int index, VarField field, std::string_view text) = 0;

    // Whether the user may type into the row's Length cell.
    virtual bool lengthEditable(int index) const = 0;
    virtual void setLengthEditable(int index, bool editable) = 0;
};

// The rows whose cells an operation rewrote, by index, so that a grid can
// refresh only those.
using ChangedRows = std::bitset<kVariableRows>;

// The number of rows of the table proper: the rows before the first one whose
// Type, trimmed, is empty (all 256 when there is none). Placement, validation
// and Save see only these rows.
int tableLength(const VariableTable& table);

// Writes text into the cell unless it already holds it; true when written.
bool updateCell(VariableTable& table, int index, VarField field, std::string_view text);

// Both directions' tables, as the editor and the variable document hold them.
struct VariableTables
{
    VariableTable& slaveToMaster;
    VariableTable& masterToSlave;
};

} // namespace cfq
