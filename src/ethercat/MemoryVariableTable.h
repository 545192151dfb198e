#pragma once

#include "ethercat/VariableTable.h"

#include <array>

namespace cfq {

// A variable table held in memory: the table of the command-line tool and of
// the tests. A fresh table is what Load's reset gives: every row ticked, every
// cell empty, every Length editable.
class MemoryVariableTable final : public VariableTable
{
public:
    bool enabled(int index) const override { return row(index).enabled; }
    void setEnabled(int index, bool ticked) override { row(index).enabled = ticked; }

    std::string cell(int index, VarField field) const override { return row(index).cells[slot(field)]; }
    bool setCell(int index, VarField field, std::string_view text) override
    {
        std::string& cell = row(index).cells[slot(field)];
        if (sameText(cell, text))
            return false;
        cell.assign(text);
        return true;
    }

    bool lengthEditable(int index) const override { return row(index).lengthEditable; }
    void setLengthEditable(int index, bool editable) override { row(index).lengthEditable = editable; }

private:
    struct Row
    {
        bool enabled = true;
        bool lengthEditable = true;
        std::array<std::string, kVarFieldCount> cells;
    };

    static std::size_t slot(VarField field) { return static_cast<std::size_t>(field); }
    Row& row(int index) { return m_rows.at(static_cast<std::size_t>(index)); }
    const Row& row(int index) const { return m_rows.at(static_cast<std::size_t>(index)); }

    std::array<Row, kVariableRows> m_rows;
};

} // namespace cfq
