#pragma once

#include <string>
#include <vector>

namespace cfq {

// The row copied last by any table editor, shared by every grid of the run.
struct RowClipboard
{
    // One text per data column of the copied row, in column order.
    std::vector<std::string> Row_Clipboard;
    // Which entries came from a check-box cell (string-grid kind only).
    std::vector<bool> Row_Clipboard_Check;
};

} // namespace cfq
